#pragma once

#include <QList>

class QLineEdit;
class QPushButton;
class QWidget;

// Enter on a push button of the window presses it, as the space bar does. The windows turn the
// buttons' auto-default off, so that Enter in a field never presses a button the user did not
// choose; a button that has the focus is chosen. A dialog whose Enter no field takes over names
// its default button, which an Enter that nothing else used presses.
void pressButtonsOnEnter(QWidget* window, QPushButton* defaultButton = nullptr);

// Enter in each field moves the focus to the next one, and from the last back to the first.
void enterMovesAlong(const QList<QLineEdit*>& fields);
