#include "browser/file_system_layout.h"

#include <string_view>

#include "platform/ascii_text.h"
#include "platform/atomic_file.h"
#include "platform/home_folder.h"
#include "platform/mount_table.h"
#include "platform/settings_folder.h"

namespace zembo::browser {
namespace {

std::string_view Trimmed(std::string_view s) {
    return platform::Trimmed(s, " \t\r");
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

}  // namespace

std::string DesktopFolderOf(const std::string& home, const std::string& configFolder) {
    std::string text;
    if (platform::ReadWholeFile(configFolder + "/user-dirs.dirs", text, std::size_t{1} << 20) ==
        platform::ReadStatus::kOk) {
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
    layout.home = platform::HomeFolder();
    layout.desktop = DesktopFolderOf(layout.home, platform::SettingsFolder());
    layout.volumes = [] { return platform::MountedVolumes("/proc/self/mounts"); };
    return layout;
}

}  // namespace zembo::browser
