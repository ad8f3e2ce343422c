#include "ui/message_windows.h"

#include <QApplication>
#include <QMessageBox>
#include <QScreen>

#include "ui/qt_text.h"

namespace zembo::ui {
namespace {

QScreen* ActiveScreen(QWidget* fallback) {
    QWidget* active = QApplication::activeWindow();
    if (active == nullptr) {
        active = fallback;
    }
    if (active != nullptr && active->screen() != nullptr) {
        return active->screen();
    }
    return QGuiApplication::primaryScreen();
}

}  // namespace

void CentreOnActiveScreen(QWidget& window, QWidget* fallback) {
    QScreen* screen = ActiveScreen(fallback);
    if (screen == nullptr) {
        return;
    }
    window.adjustSize();
    const QRect area = screen->availableGeometry();
    const QSize size = window.frameGeometry().size();
    window.move(area.x() + (area.width() - size.width()) / 2,
                area.y() + (area.height() - size.height()) / 2);
}

void QtMessageWindows::MessageBox(const std::string& text, const std::string& caption) {
    QMessageBox box(QMessageBox::NoIcon, ToQt(caption), ToQt(text), QMessageBox::Ok,
                    QApplication::activeWindow());
    box.exec();
}

void QtMessageWindows::Information(const std::string& text) {
    QMessageBox box(QMessageBox::Information, QStringLiteral("Information"), ToQt(text),
                    QMessageBox::Ok, QApplication::activeWindow());
    box.setDefaultButton(QMessageBox::Ok);
    box.setEscapeButton(QMessageBox::Ok);
    CentreOnActiveScreen(box, QApplication::activeWindow());
    box.exec();
}

}  // namespace zembo::ui
