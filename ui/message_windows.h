#pragma once
// The message box and the message dialog that user actions show. Tests put a recorder in their
// place so that a whole action runs without a modal window.

#include <string>

class QMessageBox;
class QString;

namespace zembo::ui {

// The client width a window needs for the window manager to show its whole caption: the caption
// in the desktop's title font and room for the title bar's icon and buttons.
int CaptionWidth(const QString& caption);

// Makes a message box at least as wide as its caption needs.
void FitCaption(QMessageBox& box);

class MessageWindows {
  public:
    virtual ~MessageWindows() = default;
    // The application message box: text, caption, one OK, no icon.
    virtual void MessageBox(const std::string& text, const std::string& caption) = 0;
    // The message dialog of the information kind: "Information", its icon, one OK.
    virtual void Information(const std::string& text) = 0;
};

class QtMessageWindows final : public MessageWindows {
  public:
    void MessageBox(const std::string& text, const std::string& caption) override;
    void Information(const std::string& text) override;
};

}  // namespace zembo::ui
