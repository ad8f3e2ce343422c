#pragma once
// What a user action shows the user while it runs: the status label, message windows, the
// forced repaint and the pause between slots. The window supplies the real ones; tests record.

#include <string>

namespace zembo {

class UserFeedback {
  public:
    virtual ~UserFeedback() = default;
    // The status label of the main window.
    virtual void SetStatus(const std::string& text) = 0;
    // Redraws the main window at once, in the middle of a user action.
    virtual void Repaint() = 0;
    virtual void Pause(int milliseconds) = 0;
    // The application message box: the text, the caption, one OK, no icon.
    virtual void ShowMessageBox(const std::string& text, const std::string& caption) = 0;
    // The message dialog of the information kind, captioned "Information", one OK.
    virtual void ShowInformation(const std::string& text) = 0;
};

}  // namespace zembo
