#pragma once

#include <QKeySequence>
#include <QString>

class QWidget;

// The keyboard side of the program's commands: the keys desktop programs use for them, their
// names as the status line and the help show them, and the binding of a key to a button or a
// clickable picture.
namespace Keys {

// The key of a command by the name of its control, the same on every screen that has it
// (cmdSalva: Ctrl+S, cmdEsci: Esc, ...); empty for a command without one.
QKeySequence standard(const QString& controlName);

// The key presses the control (a button or a clickable picture) while its window is active
// and the control is visible and enabled.
void bind(QWidget* control, const QKeySequence& key);
// Binds the control's standard key, when its name has one.
void bindStandard(QWidget* control);

// The key that presses the control: the one bound to it, or the Alt key of the letter
// underlined in its text; empty when it has none.
QKeySequence of(const QWidget* control);

// A key as the keyboard reads in Italian: "Ctrl+S", "Pag Giù", "Ctrl+Inizio", "Esc".
QString name(const QKeySequence& key);

// A description followed by its key, the one form every status text takes:
// "Salva la scheda corrente in archivio. (Ctrl+S)"; the text alone without a key.
QString describe(const QString& text, const QString& key);

// A caption without the "&" that marks its underlined letter.
QString plain(const QString& caption);

} // namespace Keys
