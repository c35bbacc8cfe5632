#pragma once

#include "Progress.h"
#include "SheetTable.h"

#include <QStringView>

// The spreadsheet files the program exports, read back: the first table of an HTML page, one row
// per <tr>, one cell per <td> or <th>. Entities are decoded and &nbsp; is a blank; a line break
// or tab in the text is one blank, while runs of blanks are kept as written; <br> is a line break.
// An "&", "<" or ">" written bare in a cell, as older exports did, is read as itself.
namespace HtmlTable {

struct Outcome {
    ReadEnd end = ReadEnd::Done;
    bool found = false; // whether the text holds a table at all
};

Outcome read(QStringView text, SheetTable& table, const Progress& progress = {});

} // namespace HtmlTable
