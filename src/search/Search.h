#pragma once

#include "SearchTable.h"

#include <QHash>
#include <QStringList>
#include <optional>
#include <vector>

// The search over an archive, apart from any window.
namespace Search {

using Criteria = std::array<QString, 10>;

// The number of criteria that hold something besides blanks: the ones that count.
int countedCriteria(const Criteria& criteria);

// The lines of the active (and, for the "disponibili" windows, not lent) records that match every
// counted criterion, in file order. A criterion matches when its text, as typed, lies inside the
// field, the letters A-Z compared without regard to case. Nothing when the archive cannot be read.
std::optional<QStringList> run(const SearchTable& table, const Criteria& criteria);

struct Hit {
    qint64 position;
    QHash<QString, QString> values;
};

// Every record, in file order, whose line equals the chosen one (both trimmed), with the values the
// marker asks for. No hits for a marker the window does not answer; nothing when the archive cannot
// be read.
std::optional<std::vector<Hit>> handBack(
    const SearchTable& table, const QString& line, const QString& marker);

} // namespace Search
