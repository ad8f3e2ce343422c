#pragma once
// Paths from the command line on this disk: made absolute before the core sees them (the core
// takes a bare name for a file in the settings folder), and tested for reading.

#include <string>

namespace zembo::cli {

// path as it stands when it begins with "/"; else the current folder, "/" and path, with any
// leading "./" dropped. Raises CommandError when the current folder cannot be told.
std::string MakeAbsolute(const std::string& path);

// Whether a value is a path written for Windows ("D:\clips\a.avi", "party_clips\a.avi"): it
// begins with a drive letter and ":", or holds a "\" but no "/" (a path with "/" is one of this
// disk, where "\" is an ordinary character of a name).
bool IsForeignPath(const std::string& value);

// What a CLIP operand stands for in a patch: a path of this disk made full, as the file browser
// gives it; a value written for Windows as typed, unless a file of this disk bears that very name
// in the current folder.
std::string ClipValue(const std::string& operand);

// Whether the file at path opens for reading. Never blocks, not even on a pipe without writer.
bool OpensForReading(const std::string& path);

// Raises CommandError naming role ("PATCH", "SOURCE") unless path is a file that opens for
// reading.
void RequireReadableFile(const std::string& path, const std::string& role);

// RequireReadableFile, and a file the profile service reads: one over its size limit would read
// as a patch without any slot.
void RequirePatchFile(const std::string& path, const std::string& role);

// Whether a patch may be written at path without losing anything that is no patch: nothing is
// there, a folder (the write fails on its own), an empty file, or a file with a section header
// and no NUL byte within the profile service's size limit.
bool MayHoldPatch(const std::string& path);

}  // namespace zembo::cli
