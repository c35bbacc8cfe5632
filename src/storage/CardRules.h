#pragma once

#include <QList>
#include <QString>
#include <functional>

class RecordType;

// The checks a card passes before it is stored, in the order the card screens run them: the same
// for a card typed on its screen and for a row brought in from a spreadsheet.
namespace CardRules {

struct Problem {
    QString message;
    // The field the user is sent back to; empty when the focus stays where it is.
    QString focus;
    // Shown as a plain message rather than as a warning.
    bool plain = false;
};

// A card's text by record field name, "Convalida" included for books and DVDs.
using Values = std::function<QString(const QString& field)>;

// Every check the card's values break, in order: a card screen shows the first. A date is checked
// for being a day only once it is filled, and the two dates of a member for their order only once
// both are days, so that each fault is named once.
QList<Problem> problems(const RecordType& type, const Values& value);

} // namespace CardRules
