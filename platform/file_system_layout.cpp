#include "platform/file_system_layout.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>
#include <string_view>

#include "platform/atomic_file.h"
#include "platform/mount_table.h"
#include "platform/settings_folder.h"

namespace zembo::platform {
namespace {

std::string_view Trimmed(std::string_view s) {
    const std::size_t a = s.find_first_not_of(" \t\r");
    if (a == std::string_view::npos) {
        return {};
    }
    const std::size_t b = s.find_last_not_of(" \t\r");
    return s.substr(a, b - a + 1);
}

// The value of XDG_DESKTOP_DIR in a user-dirs file, quotes removed; empty when absent.
std::string DesktopEntry(std::string_view text) {
    std::string value;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos) {
            end = text.size();
        }
        std::string_view line = Trimmed(text.substr(start, end - start));
        start = end + 1;
        constexpr std::string_view kKey = "XDG_DESKTOP_DIR";
        if (line.substr(0, kKey.size()) != kKey) {
            continue;
        }
        line = Trimmed(line.substr(kKey.size()));
        if (line.empty() || line.front() != '=') {
            continue;
        }
        line = Trimmed(line.substr(1));
        if (line.size() >= 2 && line.front() == '"' && line.back() == '"') {
            line = line.substr(1, line.size() - 2);
        }
        value = std::string(line);
    }
    return value;
}

std::string HomeFolder() {
    const char* home = std::getenv("HOME");
    if (home != nullptr && home[0] == '/') {
        return home;
    }
    if (const passwd* pw = getpwuid(getuid()); pw != nullptr && pw->pw_dir != nullptr) {
        return pw->pw_dir;
    }
    return "/";
}

}  // namespace

std::string DesktopFolderOf(const std::string& home, const std::string& configFolder) {
    std::string text;
    if (ReadWholeFile(configFolder + "/user-dirs.dirs", text, std::size_t{1} << 20) ==
        ReadStatus::kOk) {
        std::string entry = DesktopEntry(text);
        constexpr std::string_view kHome = "$HOME";
        if (entry.compare(0, kHome.size(), kHome) == 0 &&
            (entry.size() == kHome.size() || entry[kHome.size()] == '/')) {
            return home + entry.substr(kHome.size());
        }
        if (!entry.empty() && entry.front() == '/') {
            return entry;
        }
    }
    return home + "/Desktop";
}

FileSystemLayout UserFileSystemLayout() {
    FileSystemLayout layout;
    layout.home = HomeFolder();
    layout.desktop = DesktopFolderOf(layout.home, SettingsFolder());
    layout.volumes = [] { return MountedVolumes("/proc/self/mounts"); };
    return layout;
}

}  // namespace zembo::platform
