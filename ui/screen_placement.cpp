#include "ui/screen_placement.h"

#include <QApplication>
#include <QScreen>
#include <QWidget>

namespace zembo::ui {

QScreen* ActiveScreen(QWidget* fallback) {
    QWidget* anchor = QApplication::activeWindow();
    if (anchor == nullptr) {
        anchor = fallback;
    }
    return anchor != nullptr && anchor->screen() != nullptr ? anchor->screen()
                                                            : QGuiApplication::primaryScreen();
}

void PlaceOnActiveScreen(QWidget& window, QWidget* fallback, double aboveShare) {
    QScreen* screen = ActiveScreen(fallback);
    if (screen == nullptr) {
        return;
    }
    const QRect area = screen->availableGeometry();
    const QSize size = window.frameGeometry().size();
    window.move(area.x() + (area.width() - size.width()) / 2,
                area.y() + static_cast<int>((area.height() - size.height()) * aboveShare));
}

}  // namespace zembo::ui
