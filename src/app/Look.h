#pragma once

class QIcon;

// The program's own look for every window: its icon in the title bars and the task switcher, and
// its own pictures in the message boxes.
void installLook();

// The program's icon, in the sizes the window manager and the task switcher ask for.
QIcon programIcon();
