#include "browser/file_clipboard.h"

#include "platform/ascii_text.h"
#include "platform/uri_text.h"

namespace zembo::browser {
namespace {

constexpr const char* kUriList = "text/uri-list";
constexpr const char* kGnome = "x-special/gnome-copied-files";
constexpr const char* kMate = "x-special/mate-copied-files";
constexpr const char* kKdeCut = "application/x-kde-cutselection";
constexpr const char* kText = "text/plain";
constexpr std::string_view kNautilusText = "x-special/nautilus-clipboard";

// The lines of text, ends of either kind, trimmed; empty lines left out.
std::vector<std::string_view> Lines(std::string_view text) {
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos) {
            end = text.size();
        }
        const std::string_view line = platform::Trimmed(text.substr(start, end - start), " \t\r");
        if (!line.empty()) {
            lines.push_back(line);
        }
        start = end + 1;
    }
    return lines;
}

std::vector<std::string> LocalPaths(const std::vector<std::string_view>& uris) {
    std::vector<std::string> paths;
    for (std::string_view uri : uris) {
        if (uri.front() == '#') {
            continue;
        }
        if (std::optional<std::string> path = platform::PathOfFileUri(uri)) {
            paths.push_back(std::move(*path));
        }
    }
    return paths;
}

// "copy" or "cut", then one URI a line.
std::optional<ClipboardFiles> FromMarkedList(std::string_view text) {
    std::vector<std::string_view> lines = Lines(text);
    if (lines.empty() || (lines.front() != "copy" && lines.front() != "cut")) {
        return std::nullopt;
    }
    ClipboardFiles files;
    files.cut = lines.front() == "cut";
    lines.erase(lines.begin());
    files.paths = LocalPaths(lines);
    if (files.paths.empty()) {
        return std::nullopt;
    }
    return files;
}

}  // namespace

std::string UriListOf(const std::vector<std::string>& paths) {
    std::string out;
    for (const std::string& path : paths) {
        out += platform::FileUri(path);
        out += "\r\n";
    }
    return out;
}

std::vector<std::string> PathsOfUriList(std::string_view bytes) {
    return LocalPaths(Lines(bytes));
}

std::vector<ClipboardFormat> ClipboardFormatsFor(const ClipboardFiles& files) {
    std::string marked = files.cut ? "cut" : "copy";
    std::string text;
    for (const std::string& path : files.paths) {
        // No line end after the last URI: some readers take an empty line for a file.
        marked += "\n" + platform::FileUri(path);
        text += (text.empty() ? "" : "\n") + path;
    }
    return {
        {kUriList, UriListOf(files.paths)}, {kGnome, marked}, {kMate, marked},
        {kKdeCut, files.cut ? "1" : "0"},   {kText, text},
    };
}

std::optional<ClipboardFiles> FilesOnClipboard(const ClipboardReader& data) {
    for (const char* format : {kGnome, kMate}) {
        if (std::optional<std::string> bytes = data(format)) {
            if (std::optional<ClipboardFiles> files = FromMarkedList(*bytes)) {
                return files;
            }
        }
    }
    // Nautilus 3.30 to 3.38 wrote the marked list as text, after a first line of its own.
    if (std::optional<std::string> text = data(kText)) {
        const std::string_view view(*text);
        if (view.substr(0, kNautilusText.size()) == kNautilusText) {
            if (std::optional<ClipboardFiles> files =
                    FromMarkedList(view.substr(kNautilusText.size()))) {
                return files;
            }
        }
    }
    if (std::optional<std::string> list = data(kUriList)) {
        ClipboardFiles files;
        files.paths = PathsOfUriList(*list);
        if (!files.paths.empty()) {
            const std::optional<std::string> cut = data(kKdeCut);
            files.cut = cut && !cut->empty() && cut->front() == '1';
            return files;
        }
    }
    return std::nullopt;
}

}  // namespace zembo::browser
