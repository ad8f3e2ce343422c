#pragma once
// Where profile files named without a folder live: the user's configuration folder.

#include <string>

namespace zembo::platform {

// $XDG_CONFIG_HOME when set to an absolute path, else ~/.config.
std::string SettingsFolder();

// The file a profile name stands for: a name without "/" lies in the settings folder, any other
// name is taken as it stands.
std::string ProfilePath(const std::string& fileName);

// Whether fileName is a bare name that lives in the settings folder.
bool IsSettingsName(const std::string& fileName);

}  // namespace zembo::platform
