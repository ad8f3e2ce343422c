#pragma once
// The command line of zembo-patch taken apart: which command, its operands and its options.

#include <string>
#include <vector>

#include "cli/command_error.h"

namespace zembo::cli {

enum class Command { kHelp, kVersion, kList, kCheck, kPackage, kNew };

struct Invocation {
    Command command = Command::kHelp;
    // The operands in order, as typed (relative paths not yet made absolute).
    std::vector<std::string> operands;
    bool json = false;        // list, check
    bool absolute = false;    // package
    bool restrict15 = false;  // new
    bool force = false;       // new: write into OUT even where that looks like a mistake
};

// args: the arguments after the program name. "--help" or "--version" anywhere before "--" wins
// over everything else; "--" makes every later argument an operand. Raises CommandError for
// an unknown command or option, an operand missing, one too many, or an empty one.
Invocation ParseArguments(const std::vector<std::string>& args);

}  // namespace zembo::cli
