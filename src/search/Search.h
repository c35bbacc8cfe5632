#pragma once

#include "ResultList.h"
#include "SearchTable.h"

#include <QHash>
#include <QStringList>
#include <optional>

// The search over an archive, apart from any window.
namespace Search {

using Criteria = std::array<QString, 10>;

// The number of criteria that hold something besides blanks: the ones that count.
int countedCriteria(const Criteria& criteria);

// The lines of the records that match every counted criterion, in file order: the active ones
// (all of them for a table with cancelled records), and for the "disponibili" windows only those
// not lent. A criterion matches when its text, as typed, lies inside the field, the letters A-Z
// compared without regard to case. Each line keeps the number of its record. Nothing when the
// archive cannot be read.
std::optional<RecordLines> run(const SearchTable& table, const Criteria& criteria);

// The values the marker asks for, read from the one record a chosen line stands for. Nothing for a
// marker the window does not answer, or when the record cannot be read.
std::optional<QHash<QString, QString>> handBack(const SearchTable& table, qint64 record, const QString& marker);

} // namespace Search
