#include "patch/path_rules.h"

#include "platform/ascii_text.h"
#include "platform/disk_path.h"

namespace zembo {
namespace {

bool IsSeparator(char c) {
    return c == '\\' || c == '/';
}

std::size_t LastDelimiter(std::string_view path) {
    return path.find_last_of("\\:/");
}

}  // namespace

std::string FolderPart(std::string_view path) {
    std::size_t pos = LastDelimiter(path);
    if (pos == std::string_view::npos) {
        return {};
    }
    if (IsSeparator(path[pos])) {
        bool root =
            pos > 0 ? (path[pos - 1] == ':' || IsSeparator(path[pos - 1])) : path[pos] == '/';
        if (root) {
            return std::string(path.substr(0, pos + 1));
        }
    }
    return std::string(path.substr(0, pos));
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
    // A Windows folder such as "c:\" already ends in its separator.
    if (!folder.empty() && folder.back() == '\\') {
        return std::string(folder) + std::string(name);
    }
    return platform::JoinDiskPath(folder, name);
}

ResolvedPath ResolveStoredPath(std::string_view value, std::string_view patchFolder,
                               const std::function<bool(const std::string&)>& fileExists) {
    std::string own = ToLocalPath(value);
    if (fileExists(own)) {
        return {own, true};
    }
    std::string joined = ToLocalPath(JoinPath(patchFolder, value));
    return {joined, fileExists(joined)};
}

}  // namespace zembo
