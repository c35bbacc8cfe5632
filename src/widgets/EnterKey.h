#pragma once

class QWidget;

// Enter on a push button of the window presses it, as the space bar does. The windows turn the
// buttons' auto-default off, so that Enter in a field never presses a button the user did not
// choose; a button that has the focus is chosen.
void pressButtonsOnEnter(QWidget* window);
