#pragma once
// What stands in for the editor's window on the command line: save dialogs answered with the
// paths given as arguments, and status texts printed as progress lines.

#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include "patch/file_dialog.h"
#include "patch/user_feedback.h"

namespace zembo::cli {

// Answers the n-th save dialog (from 1) with nameFor(n), or cancels it when that is empty. Open
// dialogs are cancelled: every file to read comes from the command line.
class NamingChooser : public FileChooser {
  public:
    explicit NamingChooser(std::function<std::string(int)> nameFor)
        : nameFor_(std::move(nameFor)) {}

    std::optional<std::string> Choose(const FileDialogRequest& request) override;

    // Every path confirmed so far, in order.
    const std::vector<std::string>& Confirmed() const { return confirmed_; }

  private:
    std::function<std::string(int)> nameFor_;
    int saveDialogs_ = 0;
    std::vector<std::string> confirmed_;
};

struct ShownBox {
    std::string caption;
    std::string text;
};

// Prints every status text as one line at once, so that a long run shows its progress; keeps
// the message boxes for the command to report when the run is over.
class ConsoleFeedback : public UserFeedback {
  public:
    explicit ConsoleFeedback(std::ostream& out) : out_(out) {}

    void SetStatus(const std::string& text) override;
    void Repaint() override {}
    void Pause(int milliseconds) override;
    void ShowMessageBox(const std::string& text, const std::string& caption) override;
    void ShowInformation(const std::string& text) override;

    const std::vector<ShownBox>& Boxes() const { return boxes_; }

  private:
    std::ostream& out_;
    std::vector<ShownBox> boxes_;
};

}  // namespace zembo::cli
