#include "ui/arrow_focus.h"

#include <QAbstractButton>
#include <QKeyEvent>
#include <QWidget>

namespace zembo::ui {
namespace {

bool IsStop(const QWidget* candidate, const QWidget* from) {
    return candidate->parentWidget() == from->parentWidget() &&
           qobject_cast<const QAbstractButton*>(candidate) != nullptr && candidate->isVisible() &&
           candidate->isEnabled() && (candidate->focusPolicy() & Qt::TabFocus);
}

QWidget* NextStop(QWidget* from, bool forward) {
    for (QWidget* w = forward ? from->nextInFocusChain() : from->previousInFocusChain();
         w != nullptr && w != from;
         w = forward ? w->nextInFocusChain() : w->previousInFocusChain()) {
        if (IsStop(w, from)) {
            return w;
        }
    }
    return nullptr;
}

}  // namespace

void ArrowFocus::Watch(QWidget* widget) {
    widget->installEventFilter(this);
}

bool ArrowFocus::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress) {
        return false;
    }
    auto* key = static_cast<QKeyEvent*>(event);
    bool forward = false;
    switch (key->key()) {
        case Qt::Key_Right:
        case Qt::Key_Down:
            forward = true;
            break;
        case Qt::Key_Left:
        case Qt::Key_Up:
            break;
        default:
            return false;
    }
    if (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier)) {
        return false;
    }
    auto* widget = qobject_cast<QWidget*>(watched);
    if (widget == nullptr) {
        return false;
    }
    if (QWidget* next = NextStop(widget, forward)) {
        next->setFocus(forward ? Qt::TabFocusReason : Qt::BacktabFocusReason);
    }
    return true;
}

}  // namespace zembo::ui
