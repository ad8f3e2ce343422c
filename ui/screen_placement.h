#pragma once
// Where the program's own windows open: on the screen of the active window, centred across.

class QScreen;
class QWidget;

namespace zembo::ui {

// The screen of the program's active window, else of fallback, else the primary screen.
QScreen* ActiveScreen(QWidget* fallback);

// Moves window (at its current size, frame included) onto the work area of the screen of the
// program's active window, else of fallback's, else the primary screen: centred across, with
// aboveShare of the height left over above it (0.5 centres it).
void PlaceOnActiveScreen(QWidget& window, QWidget* fallback, double aboveShare = 0.5);

}  // namespace zembo::ui
