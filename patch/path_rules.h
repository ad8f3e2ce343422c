#pragma once
// How the editor takes paths apart and puts them together. A path may come from this disk ("/")
// or from a patch written on Windows ("\" and drive letters); "\", ":" and "/" all delimit.

#include <functional>
#include <string>
#include <string_view>

namespace zembo {

// The text before the last delimiter. A separator that directly follows ":" or another separator
// (a drive root such as "c:\"), and a "/" that opens the path (the root of this disk), stay.
// Empty when the path has no delimiter.
std::string FolderPart(std::string_view path);

// The text after the last delimiter; all of the path when it has none.
std::string FileNamePart(std::string_view path);

// The text up to and including the last delimiter; empty when there is none.
std::string FolderPrefix(std::string_view path);

// text with its first ".zbk", in any letter case, removed.
std::string ExtensionCut(std::string_view text);

// A stored value as a path on this disk: every "\" read as "/".
std::string ToLocalPath(std::string_view value);

// folder, a "/" unless folder already ends in a separator, and name; name alone when folder is
// empty.
std::string JoinPath(std::string_view folder, std::string_view name);

// What a stored clip or matte path stands for on this disk.
struct ResolvedPath {
    std::string path;  // the file found, or the joined path that was looked for last
    bool found = false;
};

// The file that a value stored in a patch means: the value's own path when a file is there, else
// the value taken relative to the patch's folder.
ResolvedPath ResolveStoredPath(std::string_view value, std::string_view patchFolder,
                               const std::function<bool(const std::string&)>& fileExists);

}  // namespace zembo
