#pragma once
// Stand-ins for the window in tests: a file chooser that answers from a script and records how
// each dialog was opened, and feedback that records everything shown.

#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "patch/file_dialog.h"
#include "patch/user_feedback.h"

namespace zembo::test {

class ScriptedChooser : public FileChooser {
  public:
    // The next dialog confirms path.
    ScriptedChooser& Confirm(std::string path);
    // The next dialog is cancelled.
    ScriptedChooser& Cancel();

    std::optional<std::string> Choose(const FileDialogRequest& request) override;

    std::vector<FileDialogRequest> opened;  // every dialog shown, in order
    bool AllAnswered() const { return answers_.empty(); }

  private:
    std::deque<std::optional<std::string>> answers_;
};

class RecordingFeedback : public UserFeedback {
  public:
    void SetStatus(const std::string& text) override;
    void Repaint() override;
    void Pause(int milliseconds) override;
    void ShowMessageBox(const std::string& text, const std::string& caption) override;
    void ShowInformation(const std::string& text) override;
    void ShowProgress(std::uint64_t copied, std::uint64_t total) override;
    void EndProgress() override;

    std::string status;
    std::vector<std::string> events;  // "status:..", "repaint", "pause:400", "box:caption|text"
    std::vector<std::string> Boxes() const;  // just the message boxes and dialogs
    std::vector<std::string> progress;       // "copied/total", and "end" when it goes away
    int pauses = 0;
    int totalPauseMs = 0;
};

}  // namespace zembo::test
