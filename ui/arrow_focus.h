#pragma once
// Arrow keys on a button or check box move the focus among the buttons and check boxes of the
// same parent, in tab order: Right and Down forward, Left and Up backward.

#include <QObject>

class QWidget;

namespace zembo::ui {

class ArrowFocus final : public QObject {
  public:
    using QObject::QObject;
    // Lets the arrow keys move on from widget.
    void Watch(QWidget* widget);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

}  // namespace zembo::ui
