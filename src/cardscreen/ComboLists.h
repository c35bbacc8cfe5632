#pragma once

#include <QStringList>

// The items the card screens' combo boxes offer, and the other fixed lists of the card screens,
// kept as data (one item a line) in the resources.
namespace ComboLists {

// The non-empty lines of a list file, trimmed.
QStringList fixedList(const QString& name);

QStringList bookGenres(); // 120 items
QStringList dvdGenres(); // 31 items
QStringList languages(); // 213 items, for books and DVDs alike
QStringList provinces(); // 112 codes

} // namespace ComboLists
