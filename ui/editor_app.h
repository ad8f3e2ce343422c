#pragma once
// The editor's start: the application title, its look, then the main window and the help window,
// both made hidden, and the main window shown.

#include <QApplication>
#include <QIcon>
#include <memory>

#include "ui/about_window.h"
#include "ui/main_window.h"

namespace zembo::ui {

// Title and style of the application.
void SetUpApplication(QApplication& app);

// The editor's icon, in every size it is drawn in.
QIcon EditorIcon();

class EditorWindows {
  public:
    explicit EditorWindows(TfmMainServices services = {});
    // Shows the main window; the help window stays hidden until Help is pressed.
    void Show();

    TfmMain fmMain;
    TfmAbout fmAbout;
};

}  // namespace zembo::ui
