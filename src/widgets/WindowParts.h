#pragma once

#include <QSize>
#include <QString>

class QLabel;
class QPushButton;
class QWidget;

// The small parts every window of the program builds alike.

// A push button: its name and text, at least `minimum` in size, the hand cursor over it.
QPushButton* pushButton(const QString& objectName, const QString& text, QWidget* parent,
    const QSize& minimum = QSize(120, 32));

// A line of instructions to the user, wrapped when it is longer than its place.
QLabel* instructionLine(const QString& text, QWidget* parent);

// The hidden "lblAttendere" label of a slow operation, in dark red bold.
QLabel* waitLabel(const QString& text, QWidget* parent);
// Shows the wait label from the moment the mouse goes down on the button, before the click runs.
void showWaitOnPress(QPushButton* button, QLabel* wait);
