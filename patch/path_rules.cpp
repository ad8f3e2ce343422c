#include "patch/path_rules.h"

#include "platform/ascii_text.h"
#include "platform/disk_path.h"

namespace zembo {
namespace {

// One rule for every split: the last "/" when the path holds one, else the last "\" or ":".
std::size_t LastDelimiter(std::string_view path) {
    const std::size_t slash = path.rfind('/');
    return slash != std::string_view::npos ? slash : path.find_last_of("\\:");
}

// "c:" opening a path: a Windows drive.
bool IsDriveLetterColon(std::string_view path) {
    if (path.size() < 2 || path[1] != ':') {
        return false;
    }
    const char c = platform::AsciiLower(path[0]);
    return c >= 'a' && c <= 'z';
}

bool IsFullLocalPath(std::string_view path) {
    return !path.empty() && path.front() == '/';
}

}  // namespace

std::string FolderPart(std::string_view path) {
    const std::size_t pos = LastDelimiter(path);
    if (pos == std::string_view::npos) {
        return {};
    }
    // The root of this disk, or of a Windows drive or share, keeps its separator.
    bool root = false;
    if (path[pos] == '/') {
        root = pos == 0 || path[pos - 1] == '/' || (pos == 2 && IsDriveLetterColon(path));
    } else if (path[pos] == '\\') {
        root = pos > 0 && (path[pos - 1] == ':' || path[pos - 1] == '\\');
    }
    return std::string(path.substr(0, root ? pos + 1 : pos));
}

std::string FileNamePart(std::string_view path) {
    std::size_t pos = LastDelimiter(path);
    return std::string(pos == std::string_view::npos ? path : path.substr(pos + 1));
}

std::string FolderPrefix(std::string_view path) {
    std::size_t pos = LastDelimiter(path);
    return pos == std::string_view::npos ? std::string() : std::string(path.substr(0, pos + 1));
}

std::string ExtensionCut(std::string_view text) {
    static constexpr std::string_view kExt = ".zbk";
    const std::size_t at = platform::FindIgnoringAsciiCase(text, kExt);
    if (at == std::string_view::npos) {
        return std::string(text);
    }
    std::string out(text.substr(0, at));
    out.append(text.substr(at + kExt.size()));
    return out;
}

std::string ToLocalPath(std::string_view value) {
    std::string out(value);
    for (char& c : out) {
        if (c == '\\') {
            c = '/';
        }
    }
    return out;
}

std::string JoinPath(std::string_view folder, std::string_view name) {
    // A Windows folder such as "c:\" already ends in its separator; in a folder of this disk a
    // final "\" is part of a name.
    if (!folder.empty() && folder.back() == '\\' && folder.find('/') == std::string_view::npos) {
        return std::string(folder) + std::string(name);
    }
    return platform::JoinDiskPath(folder, name);
}

std::vector<std::string> PlacesNamedBy(std::string_view value, std::string_view folder) {
    std::vector<std::string> places;
    auto add = [&](std::string_view v) {
        // Zembo takes a relative value against the patch's folder, and so does the editor.
        std::string place = IsFullLocalPath(v) ? std::string(v) : JoinPath(folder, v);
        if (IsFullLocalPath(place)) {
            places.push_back(std::move(place));
        }
    };
    add(value);
    if (value.find('\\') != std::string_view::npos) {
        add(ToLocalPath(value));
    }
    return places;
}

ResolvedPath ResolveStoredPath(std::string_view value, std::string_view folder,
                               const std::function<bool(const std::string&)>& exists) {
    std::vector<std::string> places = PlacesNamedBy(value, folder);
    for (std::string& place : places) {
        if (exists(place)) {
            return {std::move(place), true};
        }
    }
    return {places.empty() ? std::string(value) : std::move(places.back()), false};
}

}  // namespace zembo
