#include "ui/first_paint.h"

#include <QEvent>
#include <QTimer>
#include <QWidget>

namespace zembo::ui {
namespace {

class FirstPaintWatch final : public QObject {
  public:
    FirstPaintWatch(QWidget* window, std::function<void()> work)
        : QObject(window), work_(std::move(work)) {
        window->installEventFilter(this);
    }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            watched->removeEventFilter(this);
            // After this paint has reached the screen, not in the middle of it.
            QTimer::singleShot(0, parent(), [work = std::move(work_)] { work(); });
            deleteLater();
        }
        return false;
    }

  private:
    std::function<void()> work_;
};

}  // namespace

void AfterFirstPaint(QWidget* window, std::function<void()> work) {
    new FirstPaintWatch(window, std::move(work));
}

}  // namespace zembo::ui
