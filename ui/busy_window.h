#pragma once
// A window busy with a long action on the user-interface thread stays drawn and answers the
// desktop (paints, exposures, the window manager's pings), while the user's input, closing
// included, waits until the action is over.

class QWidget;

namespace zembo::ui {

// Serves what is pending, user input left waiting.
void ServeAllButInput();

// Waits the given time serving all but user input meanwhile; the thread sleeps between events.
void WaitServingAllButInput(int milliseconds);

// Hands the input held back during the action over at once. On X the toolkit would otherwise
// keep it until the server's next event, such as the next move of the pointer.
void ReleaseHeldInput(QWidget& window);

}  // namespace zembo::ui
