// zembo-patch: the Zembo Patch Editor's patch building and packaging on the command line.
#include <exception>
#include <iostream>
#include <string>
#include <vector>

#include "cli/arguments.h"
#include "cli/commands.h"
#include "cli/help_text.h"
#include "cli/local_paths.h"

namespace {

using namespace zembo::cli;

// A problem reported in exactly one line, whatever the text it comes with.
int Fail(const std::string& problem) {
    std::string line = problem;
    for (char& c : line) {
        if (c == '\n' || c == '\r') {
            c = ' ';
        }
    }
    std::cout.flush();
    std::cerr << "zembo-patch: " << line << '\n';
    return kExitError;
}

int Run(Invocation invocation) {
    for (std::size_t i = 0; i < invocation.operands.size(); ++i) {
        std::string& operand = invocation.operands[i];
        // The clips of `new` are what the patch will say: a path of this disk is made full, as
        // the file browser gives it, but a value written for Windows stays as it was typed.
        const bool clip = invocation.command == Command::kNew && i > 0;
        operand = clip ? ClipValue(operand) : MakeAbsolute(operand);
    }
    switch (invocation.command) {
        case Command::kHelp:
            std::cout << HelpText();
            return kExitSuccess;
        case Command::kVersion:
            std::cout << VersionText();
            return kExitSuccess;
        case Command::kList:
            return RunList(invocation, std::cout);
        case Command::kCheck:
            return RunCheck(invocation, std::cout);
        case Command::kPackage:
            return RunPackage(invocation, std::cout);
        case Command::kNew:
            return RunNew(invocation, std::cout);
    }
    return kExitError;
}

}  // namespace

int main(int argc, char** argv) {
    try {
        const std::vector<std::string> args(argv + 1, argv + argc);
        const int status = Run(ParseArguments(args));
        if (!std::cout.flush()) {
            return Fail("cannot write to standard output");
        }
        return status;
    } catch (const std::exception& e) {
        return Fail(e.what());
    } catch (...) {
        return Fail("unexpected error");
    }
}
