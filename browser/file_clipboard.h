#pragma once
// Files on the desktop's clipboard, in the forms the Linux file managers write and read: a list
// of file URIs, with a marker telling whether they were copied or cut.

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zembo::browser {

struct ClipboardFiles {
    std::vector<std::string> paths;
    bool cut = false;  // the files move when pasted, rather than being copied
};

// The bytes of the clipboard in one format.
struct ClipboardFormat {
    std::string mimeType;
    std::string bytes;
};

// Everything the GNOME, MATE, Xfce, LXQt and KDE file managers read, and the paths as text.
std::vector<ClipboardFormat> ClipboardFormatsFor(const ClipboardFiles& files);

// The clipboard's bytes in a format; nullopt when it does not hold that format.
using ClipboardReader = std::function<std::optional<std::string>(const std::string& mimeType)>;

// The local files on the clipboard, from the first of those formats it holds; nullopt when it
// holds none.
std::optional<ClipboardFiles> FilesOnClipboard(const ClipboardReader& data);

// A "text/uri-list" of the paths.
std::string UriListOf(const std::vector<std::string>& paths);
// The local files of a "text/uri-list", in order; other URIs and comments are left out.
std::vector<std::string> PathsOfUriList(std::string_view bytes);

}  // namespace zembo::browser
