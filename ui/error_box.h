#pragma once
// The application error box, and the guard every handler runs in: a failure that escapes a
// handler is shown there, and the program takes the next event as usual.

#include <QString>
#include <functional>
#include <string>

namespace zembo::ui {

inline constexpr const char* kApplicationTitle = "Zembo Patch Editor";

// The box's text: the message, with "." appended when its last character sorts after ".".
std::string ErrorBoxText(const std::string& message);

// Shows the error box (caption the application title, stop icon, one OK).
void ShowApplicationError(const std::string& message);

// The error box once the current event is done: a failure met while painting, while a list is
// being refilled or while an edit box closes must not open a window in the middle of either.
void ShowApplicationErrorLater(const std::string& message);

// A box telling why a command on a file failed: caption the application title, warning icon.
void ShowCommandFailure(const std::string& text);

// Runs a handler; an exception that escapes it goes to the error box.
void RunGuarded(const std::function<void()>& handler);

// Where the error box goes: tests replace it to record the texts instead of showing a window.
using ErrorBoxSink = std::function<void(const QString& caption, const QString& text)>;
void SetErrorBoxSink(ErrorBoxSink sink);

}  // namespace zembo::ui
