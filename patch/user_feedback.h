#pragma once
// What a user action shows the user while it runs: the status label, message windows, the
// forced repaint, the pause between slots and how far a run's copies have come. The window
// supplies the real ones; tests record.

#include <cstdint>
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

    // The bytes copied so far of a run's total, told often during a long copy; shown until
    // EndProgress. Where nobody watches, nothing happens.
    virtual void ShowProgress(std::uint64_t /*copied*/, std::uint64_t /*total*/) {}
    virtual void EndProgress() {}
};

}  // namespace zembo
