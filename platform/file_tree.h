#pragma once
// Whole entries of a folder tree: renamed, copied and removed. Nothing here ever replaces an
// entry that exists, and links are handled as links, never followed.

#include <string>

namespace zembo::platform {

// What a file operation failed on: the path, the system's error number and, where the system
// has no fitting text, one of our own.
struct FileError {
    std::string path;
    int code = 0;
    std::string text;
};

// "path: text", the text being the system's for the error number unless the error has its own.
std::string DescribeFileError(const FileError& error);

// Renames from to to in one step; EEXIST, and nothing changes, when an entry named to exists.
// 0 or the error number.
int RenameNoReplace(const std::string& from, const std::string& to);

enum class CopyResult { kDone, kNameTaken, kFailed };

// Copies the entry at from to the new entry to: a file with its bytes, a link as a link, a
// folder with all it holds; permissions and times as the source's. The copy is on the disk when
// kDone comes back. kNameTaken, with nothing made, when to exists. On failure error tells why,
// and what was made of the copy is taken away as far as it can be (a killed copy leaves it).
CopyResult CopyEntry(const std::string& from, const std::string& to, FileError& error);

// Removes the entry at path, a folder with all it holds.
bool RemoveEntry(const std::string& path, FileError& error);

}  // namespace zembo::platform
