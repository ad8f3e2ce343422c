#pragma once
// How the editor takes paths apart and puts them together. A path that holds "/" is a path of
// this disk, where ":" and "\" are ordinary characters of a name; a path without "/" is a value
// written for Windows ("\", ":" and drive letters delimit) or a bare name.

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace zembo {

// The text before the last delimiter: the last "/" of a path of this disk, else the last "\" or
// ":". A separator that directly follows ":" or another separator (a drive root such as "c:\"),
// and a "/" that opens the path (the root of this disk), stay. Empty when there is no delimiter.
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

// The places on this disk that a stored value may name, in the order they are tried: the value
// as it stands, then, when it holds "\", with its "\" read as "/". A value that is not a full
// path here is taken against folder, a full path of this disk; without one it names no place:
// nothing is ever looked for in the process's current folder.
std::vector<std::string> PlacesNamedBy(std::string_view value, std::string_view folder);

// What a stored clip or matte path stands for on this disk.
struct ResolvedPath {
    std::string path;  // the file found, or the place that was looked at last
    bool found = false;
};

// The first of the places a value names (PlacesNamedBy) where exists holds. Not found: the last
// place looked at, or the value itself when it names none.
ResolvedPath ResolveStoredPath(std::string_view value, std::string_view folder,
                               const std::function<bool(const std::string&)>& exists);

}  // namespace zembo
