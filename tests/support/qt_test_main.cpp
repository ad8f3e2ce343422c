// Test main for tests that need Qt: headless, with a settings folder, a home folder and desktop
// data folders of the process's own.
#include <gtest/gtest.h>

#include <QApplication>
#include <cstdlib>

#include "tests/support/desktop_data.h"
#include "tests/support/temp_dir.h"

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    testing::InitGoogleTest(&argc, argv);
    zembo::test::TestSettings settings;
    // Icon themes, file dialogs and the desktop's programs look below the home folder.
    zembo::test::TempDir home;
    zembo::test::ScopedEnv homeEnv("HOME", home.Path());
    // GStreamer keeps its plugin registry in the process's own folder, not in the user's cache.
    zembo::test::TempDir media;
    zembo::test::ScopedEnv registry("GST_REGISTRY", media / "gst-registry.bin");
    zembo::test::DesktopData data;
    QApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
