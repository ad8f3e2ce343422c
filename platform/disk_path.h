#pragma once
// Paths of this disk: "/" alone separates their parts.

#include <optional>
#include <string>
#include <string_view>

namespace zembo::platform {

// The folder part of a path ("." for a bare name, "/" for an entry of the root).
std::string DiskFolderOf(const std::string& path);

// folder, a "/" unless folder already ends in one, and name; name alone when folder is empty.
std::string JoinDiskPath(std::string_view folder, std::string_view name);

// The path with every link and "." or ".." resolved; nullopt when some part does not exist.
std::optional<std::string> RealPath(const std::string& path);

}  // namespace zembo::platform
