#include "ui/activation.h"

#include <QApplication>
#include <QWidget>

namespace zembo::ui {

ActivationRecord::ActivationRecord(QWidget* mainWindow, QWidget* helpWindow,
                                   std::function<void()> onActivate)
    : QObject(mainWindow),
      main_(mainWindow),
      help_(helpWindow),
      onActivate_(std::move(onActivate)) {
    connect(qApp, &QApplication::focusChanged, this, &ActivationRecord::FocusChanged);
}

void ActivationRecord::FocusChanged(QWidget* /*old*/, QWidget* now) {
    if (now == nullptr) {
        return;  // another program, or a window being minimised
    }
    QWidget* window = now->window();
    if (window != main_ && window != help_) {
        return;  // a file dialog or a message window
    }
    if (window == holder_) {
        return;
    }
    holder_ = window;
    if (window == main_ && onActivate_) {
        onActivate_();
    }
}

}  // namespace zembo::ui
