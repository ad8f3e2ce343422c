#include "tests/support/desktop_data.h"

#include <cstdlib>
#include <filesystem>

namespace zembo::test {

DesktopData::DesktopData() {
    const std::string packages = dir_ / "share/mime/packages";
    std::filesystem::create_directories(packages);
    std::filesystem::copy_file(ZEMBO_MIME_PACKAGE, packages + "/zembo-patch-editor.xml");
    std::filesystem::create_directories(dir_ / "home");
    setenv("XDG_DATA_DIRS", (dir_ / "share:/usr/share").c_str(), 1);
    setenv("XDG_DATA_HOME", (dir_ / "home").c_str(), 1);
}

}  // namespace zembo::test
