#pragma once
// Test helper: runs a program as a child process and collects what it printed and how it ended.

#include <map>
#include <string>
#include <vector>

namespace zembo::test {

struct ChildRun {
    std::vector<std::string> args;              // after the program name
    std::string folder;                         // the child's current folder; empty: ours
    std::map<std::string, std::string> setEnv;  // set (or replaced) in the child's environment
};

struct ChildResult {
    int status = -1;  // the exit status; 128 + the signal number when a signal ended it
    std::string out;  // standard output
    std::string err;  // standard error
};

// Runs program with standard input from /dev/null, and waits for it to end.
ChildResult RunChild(const std::string& program, const ChildRun& run);

// The lines of text, each without its "\n"; a last line without "\n" counts too.
std::vector<std::string> Lines(const std::string& text);

}  // namespace zembo::test
