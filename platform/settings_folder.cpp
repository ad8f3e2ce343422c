#include "platform/settings_folder.h"

#include <cstdlib>

#include "platform/home_folder.h"

namespace zembo::platform {

std::string SettingsFolder() {
    const char* xdg = std::getenv("XDG_CONFIG_HOME");
    if (xdg != nullptr && xdg[0] == '/') {
        return xdg;
    }
    std::string home = HomeFolder();
    if (home.back() != '/') {
        home.push_back('/');
    }
    return home + ".config";
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
