#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <algorithm>

class RecordType;

// One exported column: its header on screen and in the spreadsheet, its width there, and the
// record fields it holds (several are joined with single blanks).
struct ExportColumn {
    QString gridHeader;
    QString sheetHeader;
    int width;
    QStringList fields;
    // The column's width in the window's grid; 0: one derived from the spreadsheet's width.
    int gridWidth = 0;

    int gridColumnWidth() const { return gridWidth > 0 ? gridWidth : std::clamp(width / 2 + 40, 90, 260); }
};

// What tells one export window from another.
struct ExportTable {
    enum class Rows { Archive, Register, Overdue };
    QString objectName;
    QString caption;
    QString helpTopic;
    QString sheet;
    QString fileName; // in the program folder
    const RecordType* type = nullptr;
    Rows rows = Rows::Archive;
    QList<ExportColumn> columns;
};

// The five exports, each made once. The archive imports read their spreadsheets back through the
// same tables.
namespace ExportTables {

const ExportTable& books();
const ExportTable& dvds();
const ExportTable& members();
const ExportTable& loans();
const ExportTable& overdue();

} // namespace ExportTables
