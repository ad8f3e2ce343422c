#pragma once
// Where the desktop namespace finds the user's folders: the home folder, the desktop folder and
// the mounted volumes.

#include <functional>
#include <string>
#include <vector>

namespace zembo::browser {

struct FileSystemLayout {
    std::string home;     // the user's home folder
    std::string desktop;  // the desktop folder; its entries are listed on the desktop if it exists
    // The mount points of the user's volumes, asked each time Computer is listed.
    std::function<std::vector<std::string>()> volumes;
};

// The user's desktop folder: XDG_DESKTOP_DIR of the user-dirs file in configFolder
// ("$HOME/..." or an absolute path), else home + "/Desktop".
std::string DesktopFolderOf(const std::string& home, const std::string& configFolder);

// The layout of the user running the program: $HOME (else the password database), the desktop
// folder from the settings folder's user-dirs file, the volumes from /proc/self/mounts.
FileSystemLayout UserFileSystemLayout();

}  // namespace zembo::browser
