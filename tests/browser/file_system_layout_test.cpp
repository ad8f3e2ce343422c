// Where the desktop namespace finds the user's desktop folder.
#include <gtest/gtest.h>

#include "browser/file_system_layout.h"
#include "tests/support/temp_dir.h"

namespace zembo::browser {
namespace {

using test::TempDir;
using test::WriteFile;

TEST(DesktopFolder, ComesFromTheUserDirsFileElseDesktopInHome) {
    TempDir config;
    EXPECT_EQ(DesktopFolderOf("/home/u", config.Path()), "/home/u/Desktop");
    WriteFile(config / "user-dirs.dirs",
              "# written by xdg-user-dirs-update\n"
              "XDG_DOWNLOAD_DIR=\"$HOME/Downloads\"\n"
              "XDG_DESKTOP_DIR=\"$HOME/Bureau\"\n");
    EXPECT_EQ(DesktopFolderOf("/home/u", config.Path()), "/home/u/Bureau");
    WriteFile(config / "user-dirs.dirs", "XDG_DESKTOP_DIR=\"/srv/desk\"\r\n");
    EXPECT_EQ(DesktopFolderOf("/home/u", config.Path()), "/srv/desk");
    // "$HOMEWORK" is no path below $HOME.
    WriteFile(config / "user-dirs.dirs", "XDG_DESKTOP_DIR=\"$HOMEWORK\"\n");
    EXPECT_EQ(DesktopFolderOf("/home/u", config.Path()), "/home/u/Desktop");
}

}  // namespace
}  // namespace zembo::browser
