#include "ui/message_windows.h"

#include <QApplication>
#include <QMessageBox>

#include "ui/qt_text.h"
#include "ui/screen_placement.h"

namespace zembo::ui {
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
    box.adjustSize();
    PlaceOnActiveScreen(box, QApplication::activeWindow());
    box.exec();
}

}  // namespace zembo::ui
