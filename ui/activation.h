#pragma once
// Which of the editor's two windows last held the keyboard focus. When it turns to the main
// window, the main window is activated; modal windows leave the record as it was.

#include <QObject>
#include <functional>

class QWidget;

namespace zembo::ui {

class ActivationRecord final : public QObject {
  public:
    ActivationRecord(QWidget* mainWindow, QWidget* helpWindow, std::function<void()> onActivate);

  private:
    void FocusChanged(QWidget* old, QWidget* now);

    QWidget* main_;
    QWidget* help_;
    QWidget* holder_ = nullptr;
    std::function<void()> onActivate_;
};

}  // namespace zembo::ui
