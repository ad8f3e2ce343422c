#pragma once
// The real main window and help window, shown headless, with scripted dialogs, recorded message
// windows and a pause that only counts.

#include <QApplication>
#include <QTest>
#include <memory>

#include "browser/file_system_namespace.h"
#include "tests/support/recording_opener.h"
#include "tests/support/scripted_ui.h"
#include "tests/support/temp_dir.h"
#include "ui/about_window.h"
#include "ui/error_box.h"
#include "ui/main_window.h"

namespace zembo::test {

class RecordingMessages : public ui::MessageWindows {
  public:
    void MessageBox(const std::string& text, const std::string& caption) override {
        shown.push_back("box:" + caption + "|" + text);
    }
    void Information(const std::string& text) override { shown.push_back("info:" + text); }
    std::vector<std::string> shown;
};

class WindowFixture {
  public:
    WindowFixture();
    ~WindowFixture();

    // Shows the main window and waits until it holds the focus.
    void ShowMain();
    // Waits until a window is active and its focus has settled.
    static bool WaitActive(QWidget* window);
    // A left click in the middle of a widget, as the user gives it.
    static void Click(QWidget* widget);

    TestSettings settings;
    TempDir dir;
    ScriptedChooser chooser;
    RecordingMessages messages;
    std::vector<int> pauses;
    std::vector<std::string> errors;  // error boxes: "caption|text"
    std::vector<std::string> opened;  // files handed to the desktop's programs
    // The file browser walks a desktop of the test's own: dir/home, with dir/home/Desktop.
    browser::FileSystemNamespace* shell = nullptr;
    std::unique_ptr<ui::TfmMain> main;
    std::unique_ptr<ui::TfmAbout> help;
};

}  // namespace zembo::test
