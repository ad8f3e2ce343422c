#pragma once
// What --help and --version print.

#include <string>

namespace zembo::cli {

// "zembo-patch 1.03": the program's name and the editor's version.
std::string VersionText();

// The usage: every command with its arguments and options, and the exit statuses.
std::string HelpText();

}  // namespace zembo::cli
