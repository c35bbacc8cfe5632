#pragma once

class QWidget;

// Where windows stand on the screen. A window manager adds a title bar and borders that Qt learns
// only once a window is on the screen; a window placed before it appears takes them from its
// caller, whose frame it will wear too, so that the whole window, frame included, is where it
// should be.
namespace WindowPlace {

// Centres the window on its caller's window, or on the screen when it has none, inside the room
// the screen leaves free (taskbars excluded).
void centre(QWidget& window, const QWidget* caller);

} // namespace WindowPlace
