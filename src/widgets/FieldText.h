#pragma once

class QComboBox;
class QLineEdit;
class QString;

// Puts a text loaded from a record into a field, shown from its first character: a plain setText
// leaves the cursor at the end, which scrolls a long title or an IBAN to its tail.
void loadText(QLineEdit* field, const QString& text);
void loadText(QComboBox* field, const QString& text);

// The width a field needs to show a code whole at its font, frame and margins included. The
// pattern is the code's widest form, one character a position: '9' a digit, 'A' a letter A-Z,
// 'X' either; any other character stands for itself.
int codeWidth(const QLineEdit* field, const QString& pattern);
