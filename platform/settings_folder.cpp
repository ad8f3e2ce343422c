#include "platform/settings_folder.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>

namespace zembo::platform {

std::string SettingsFolder() {
    const char* xdg = std::getenv("XDG_CONFIG_HOME");
    if (xdg != nullptr && xdg[0] == '/') {
        return xdg;
    }
    const char* home = std::getenv("HOME");
    std::string base;
    if (home != nullptr && home[0] != '\0') {
        base = home;
    } else if (const passwd* pw = getpwuid(getuid()); pw != nullptr && pw->pw_dir != nullptr) {
        base = pw->pw_dir;
    }
    return base + "/.config";
}

bool IsSettingsName(const std::string& fileName) {
    return fileName.find('/') == std::string::npos;
}

std::string ProfilePath(const std::string& fileName) {
    if (!IsSettingsName(fileName)) {
        return fileName;
    }
    return SettingsFolder() + "/" + fileName;
}

}  // namespace zembo::platform
