#include "browser/directory_entry_details.h"

#include <sys/stat.h>

#include <cerrno>
#include <cstdio>
#include <stdexcept>

#include "browser/file_texts.h"

namespace zembo::browser {
namespace {

// Folders, and times that cannot be turned, carry the day before the date-time epoch of
// 30 December 1899.
std::tm NoTime() {
    std::tm t{};
    t.tm_year = -1;
    t.tm_mon = 11;
    t.tm_mday = 29;
    t.tm_wday = 5;
    t.tm_yday = 362;
    return t;
}

}  // namespace

std::string FolderDetailsError(const std::string& inFolderName, int error) {
    char code[16];
    std::snprintf(code, sizeof code, "%x", static_cast<unsigned>(error));
    return "Unable to retrieve folder details for \"" + inFolderName + "\". Error code $" + code;
}

std::string EntryTimeText(std::tm local) {
    local.tm_sec -= local.tm_sec % 2;
    std::string text = ShortDateText(local);
    if (local.tm_hour != 0 || local.tm_min != 0 || local.tm_sec != 0) {
        text += " " + LongTimeText(local);
    }
    return text;
}

std::vector<std::string> DirectoryEntryDetails(const std::string& path,
                                               const std::string& inFolderName, std::size_t count) {
    std::vector<std::string> texts;
    if (count == 0) {
        return texts;
    }
    struct stat st {};
    if (lstat(path.c_str(), &st) != 0) {
        throw std::runtime_error(FolderDetailsError(inFolderName, errno));
    }
    const bool folder = S_ISDIR(st.st_mode);
    const std::size_t slash = path.rfind('/');
    const std::string_view fileName =
        std::string_view(path).substr(slash == std::string::npos ? 0 : slash + 1);

    texts.push_back(folder ? "-1" : std::to_string(st.st_size));
    texts.emplace_back(ExtensionOf(fileName));
    std::tm local = NoTime();
    if (!folder && localtime_r(&st.st_mtime, &local) == nullptr) {
        local = NoTime();
    }
    texts.push_back(EntryTimeText(local));
    texts.resize(count);
    return texts;
}

}  // namespace zembo::browser
