#pragma once
// Paths from the command line on this disk: made absolute before the core sees them (the core
// takes a bare name for a file in the settings folder), and tested for reading.

#include <string>

namespace zembo::cli {

// path as it stands when it begins with "/"; else the current folder, "/" and path, with any
// leading "./" dropped. Raises CommandError when the current folder cannot be told.
std::string MakeAbsolute(const std::string& path);

// Whether a value is a path written for Windows ("D:\clips\a.avi", "party_clips\a.avi"): it
// holds a "\" or begins with a drive letter and ":".
bool IsForeignPath(const std::string& value);

// Whether the file at path opens for reading. Never blocks, not even on a pipe without writer.
bool OpensForReading(const std::string& path);

// Raises CommandError naming role ("PATCH", "SOURCE") unless path is a file that opens for
// reading.
void RequireReadableFile(const std::string& path, const std::string& role);

}  // namespace zembo::cli
