#pragma once

#include <QStringList>

// The items the card screens' combo boxes offer, kept as data (one item a line) in the resources.
namespace ComboLists {

QStringList bookGenres(); // 120 items
QStringList dvdGenres(); // 31 items
QStringList languages(); // 213 items, for books and DVDs alike

} // namespace ComboLists
