// Test main for what only a window manager shows: a private X server with openbox, started for
// this process, and every folder the editor, the toolkit and openbox write in a temporary one.
// Where no X server starts, every test skips with the reason.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QApplication>
#include <cstdlib>
#include <filesystem>
#include <iostream>

#include "tests/support/desktop_data.h"
#include "tests/support/temp_dir.h"
#include "tests/wm/wm_environment.h"
#include "tests/wm/x_session.h"
#include "ui/editor_app.h"

namespace zembo::test {

WmEnvironment& Wm() {
    static WmEnvironment wm;
    return wm;
}

}  // namespace zembo::test

int main(int argc, char** argv) {
    using zembo::test::Wm;
    testing::InitGoogleTest(&argc, argv);
    zembo::test::TempDir home;
    zembo::test::ScopedEnv homeEnv("HOME", home.Path());
    zembo::test::ScopedEnv cacheEnv("XDG_CACHE_HOME", home / ".cache");
    zembo::test::ScopedEnv runtimeEnv("XDG_RUNTIME_DIR", home / "runtime");
    std::filesystem::create_directory(home / "runtime");
    chmod((home / "runtime").c_str(), 0700);
    zembo::test::TestSettings settings;
    zembo::test::DesktopData data;

    // Screenshots stay in the temporary folder unless ZEMBO_TEST_SCREENSHOTS names one to keep.
    const char* keep = std::getenv("ZEMBO_TEST_SCREENSHOTS");
    Wm().shots = keep != nullptr && *keep != '\0' ? keep : home / "shots";
    std::filesystem::create_directories(Wm().shots);

    zembo::test::XSession session;
    if (GTEST_FLAG_GET(list_tests)) {
        Wm().skipReason = "only listing";
    } else {
        Wm().skipReason = session.Start(home.Path());
    }
    if (Wm().skipReason.empty()) {
        Wm().display = session.Display();
        setenv("DISPLAY", Wm().display.c_str(), 1);
        setenv("QT_QPA_PLATFORM", "xcb", 1);
        unsetenv("WAYLAND_DISPLAY");
    } else {
        // The tests skip; the toolkit still needs a platform to start on.
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
        if (!GTEST_FLAG_GET(list_tests)) {
            std::cout << "Skipping the window-manager tests: " << Wm().skipReason << "\n";
        }
    }
    QApplication app(argc, argv);
    Q_INIT_RESOURCE(resources);
    zembo::ui::SetUpApplication(app);
    return RUN_ALL_TESTS();
}
