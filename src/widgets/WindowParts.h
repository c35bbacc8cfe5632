#pragma once

#include "Artwork.h"

#include <QSize>
#include <QString>

class ClickableLabel;
class QFrame;
class QLabel;
class QPushButton;
class QWidget;

// The small parts every window of the program builds alike.

// A white box with a thin border and round corners: a group of the button bars, a section of a card.
QFrame* whiteBox(QWidget* parent);

// A push button: its name and text (a "&" marks the letter that Alt presses), at least `minimum`
// in size, the hand cursor over it, and the standard key of its command (Keys::standard).
QPushButton* pushButton(const QString& objectName, const QString& text, QWidget* parent,
    const QSize& minimum = QSize(120, 32));

// A round icon that acts as a button (help, leave), with the hand cursor over it and the standard
// key of its command.
ClickableLabel* iconButton(const QString& objectName, Artwork::Symbol symbol, int size, QWidget* parent);

// The hidden "lblMemory" label where a caller leaves its mode word, starting with the text given.
QLabel* memoryLabel(QWidget* parent, const QString& text = QString());

// A line of instructions to the user, wrapped when it is longer than its place.
QLabel* instructionLine(const QString& text, QWidget* parent);

// The hidden "lblAttendere" label of a slow operation, in dark red bold.
QLabel* waitLabel(const QString& text, QWidget* parent);
// Shows the wait label from the moment the mouse goes down on the button, before the click runs.
void showWaitOnPress(QPushButton* button, QLabel* wait);
