#pragma once
// The four commands of zembo-patch. Each takes its operands already made absolute, writes its
// results on out and returns the exit status; anything that stops it is raised.

#include <ostream>

#include "cli/arguments.h"

namespace zembo::cli {

inline constexpr int kExitSuccess = 0;
// check: a file missing or unreadable; package: entries in the copy report.
inline constexpr int kExitProblems = 1;
// A command line that cannot be run, a profile error, an "Internal Error" of the packager.
inline constexpr int kExitError = 2;

// list PATCH [--json]: slot, source system, clip, matte of every filled slot.
int RunList(const Invocation& invocation, std::ostream& out);
// check PATCH [--json]: whether every clip and matte is found and opens for reading.
int RunCheck(const Invocation& invocation, std::ostream& out);
// package SOURCE NEW [--absolute]: SOURCE saved self-contained as NEW.
int RunPackage(const Invocation& invocation, std::ostream& out);
// new OUT [--restrict-15] CLIP...: the clips written into OUT and its numbered followers.
int RunNew(const Invocation& invocation, std::ostream& out);

}  // namespace zembo::cli
