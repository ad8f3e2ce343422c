#pragma once
// The fixed detail columns of a folder on disk that offers no detail interface, read from each
// item's directory entry: Size, Type and Modified.

#include <cstddef>
#include <ctime>
#include <string>
#include <vector>

namespace zembo::browser {

// The first count texts of Size (bytes in decimal, "-1" for a folder), Type (the extension, its
// "." included) and Modified for the entry at path. Throws std::runtime_error with
// FolderDetailsError when the entry cannot be read.
std::vector<std::string> DirectoryEntryDetails(const std::string& path,
                                               const std::string& inFolderName, std::size_t count);

// "Unable to retrieve folder details for "name". Error code $<errno in hexadecimal>"
std::string FolderDetailsError(const std::string& inFolderName, int error);

// A local time as Modified shows it: at two-second resolution, the short date, then the long
// time unless it is exactly midnight.
std::string EntryTimeText(std::tm local);

}  // namespace zembo::browser
