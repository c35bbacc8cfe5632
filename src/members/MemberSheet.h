#pragma once

#include "Report.h"

#include <QDateTime>
#include <QStringList>

// The member sheet "Scheda informativa": the title, 24 captioned rows of the member's data and the
// date and time of printing, from the values the member screen shows.
Report memberSheet(const QStringList& values, const QDateTime& printedAt);

// The captions of the 24 rows.
const QStringList& memberSheetCaptions();
