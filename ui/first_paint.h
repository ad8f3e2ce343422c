#pragma once
// Runs a piece of work once, right after a window has been drawn for the first time: for what
// the window need not wait for (its icon, say).

#include <QObject>
#include <functional>

class QWidget;

namespace zembo::ui {

void AfterFirstPaint(QWidget* window, std::function<void()> work);

}  // namespace zembo::ui
