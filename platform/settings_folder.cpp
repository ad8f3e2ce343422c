#include "platform/settings_folder.h"

#include <cstdlib>

#include "platform/disk_path.h"
#include "platform/home_folder.h"

namespace zembo::platform {

std::string SettingsFolder() {
    const char* xdg = std::getenv("XDG_CONFIG_HOME");
    if (xdg != nullptr && xdg[0] == '/') {
        return xdg;
    }
    return JoinDiskPath(HomeFolder(), ".config");
}

bool IsSettingsName(const std::string& fileName) {
    return fileName.find('/') == std::string::npos;
}

std::string ProfilePath(const std::string& fileName) {
    if (!IsSettingsName(fileName)) {
        return fileName;
    }
    return JoinDiskPath(SettingsFolder(), fileName);
}

}  // namespace zembo::platform
