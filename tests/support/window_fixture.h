#pragma once
// The real main window and help window, shown headless, with scripted dialogs, recorded message
// windows, a pause that only counts and a preview that only records.

#include <QApplication>
#include <QTest>
#include <functional>
#include <memory>

#include "browser/file_system_namespace.h"
#include "tests/support/recording_opener.h"
#include "tests/support/scripted_ui.h"
#include "tests/support/temp_dir.h"
#include "ui/about_window.h"
#include "ui/clip_preview.h"
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

// Previews nothing; notes the paths it is given.
class RecordingPreview : public ui::ClipPreview {
  public:
    void PreviewClip(const std::string& name) override { previewed.push_back(name); }
    std::vector<std::string> previewed;
};

class WindowFixture {
  public:
    // preview: what a click in the file list previews with; empty: the recorder below.
    explicit WindowFixture(ui::ClipPreview* preview = nullptr);
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
    RecordingPreview previews;
    std::vector<int> pauses;
    std::function<void()> duringPause;  // runs in every pause, after it is recorded
    std::vector<std::string> errors;    // error boxes: "caption|text"
    std::vector<std::string> opened;    // files handed to the desktop's programs
    // The file browser walks a desktop of the test's own: dir/home, with dir/home/Desktop.
    browser::FileSystemNamespace* shell = nullptr;
    std::unique_ptr<ui::TfmMain> main;
    std::unique_ptr<ui::TfmAbout> help;
};

}  // namespace zembo::test
