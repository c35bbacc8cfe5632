#pragma once

#include "Progress.h"
#include "SheetTable.h"

#include <QChar>
#include <QStringView>

// Text files of separated values as spreadsheet programs save them: a comma, a semicolon or a
// tab between the fields; a field in double quotes may hold separators, line breaks and doubled
// double quotes; lines end with CR LF, LF or CR.
namespace Csv {

// The separator a text is written with: the one that splits its first lines into the same number
// of fields as its first line, most often and into most fields.
QChar separator(QStringView text);

struct Outcome {
    ReadEnd end = ReadEnd::Done;
    // The row where a quoted field opens and never closes: the rest of the text cannot be read.
    int brokenRow = -1;
};

// Reads the text's rows into the table.
Outcome read(QStringView text, QChar separator, SheetTable& table, const Progress& progress = {});

} // namespace Csv
