#include "ui/message_windows.h"

#include <QApplication>
#include <QFontDatabase>
#include <QGridLayout>
#include <QLabel>
#include <QMessageBox>
#include <QScreen>
#include <QSpacerItem>
#include <algorithm>

#include "ui/qt_text.h"
#include "ui/screen_placement.h"

namespace zembo::ui {
namespace {

// The title bar's icon and its three buttons beside a caption, with a margin for the window
// managers whose buttons are wider.
constexpr int kTitleBarRoom = 120;

// The message text wraps at half the width of the screen the dialog opens on, no narrower.
void WrapAtHalfTheScreen(QMessageBox& box) {
    QScreen* screen = ActiveScreen(QApplication::activeWindow());
    if (screen == nullptr) {
        return;
    }
    for (QLabel* label : box.findChildren<QLabel*>()) {
        if (label->text() == box.text()) {
            const int oneLine = label->fontMetrics().horizontalAdvance(label->text()) + 1;
            label->setMinimumWidth(std::min(oneLine, screen->geometry().width() / 2));
        }
    }
}

}  // namespace

int CaptionWidth(const QString& caption) {
    QFont font = QFontDatabase::systemFont(QFontDatabase::TitleFont);
    font.setBold(true);
    return QFontMetrics(font).horizontalAdvance(caption) + kTitleBarRoom;
}

void FitCaption(QMessageBox& box) {
    // The box sets its own fixed size when it shows, so a minimum width of its own would not
    // hold; a row as wide as the caption needs, across its whole layout, does.
    auto* grid = qobject_cast<QGridLayout*>(box.layout());
    if (grid == nullptr) {
        return;
    }
    const QMargins m = grid->contentsMargins();
    const int width = std::max(0, CaptionWidth(box.windowTitle()) - m.left() - m.right());
    grid->addItem(new QSpacerItem(width, 0, QSizePolicy::Minimum, QSizePolicy::Fixed),
                  grid->rowCount(), 0, 1, grid->columnCount());
}

void QtMessageWindows::MessageBox(const std::string& text, const std::string& caption) {
    QMessageBox box(QMessageBox::NoIcon, ToQt(caption), ToQt(text), QMessageBox::Ok,
                    QApplication::activeWindow());
    FitCaption(box);
    box.exec();
}

void QtMessageWindows::Information(const std::string& text) {
    QMessageBox box(QMessageBox::Information, QStringLiteral("Information"), ToQt(text),
                    QMessageBox::Ok, QApplication::activeWindow());
    box.setDefaultButton(QMessageBox::Ok);
    box.setEscapeButton(QMessageBox::Ok);
    FitCaption(box);
    WrapAtHalfTheScreen(box);
    box.adjustSize();
    PlaceOnActiveScreen(box, QApplication::activeWindow());
    box.exec();
}

}  // namespace zembo::ui
