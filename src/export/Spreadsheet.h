#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

// The spreadsheet file of every export: an HTML table with the Office spreadsheet namespaces, in
// Windows-1252, all on one line, that spreadsheet programs open as one worksheet.
namespace Spreadsheet {

struct Column {
    QString header;
    int width;
};

// The file's bytes. Cells are trimmed; "&", "<" and ">" are written as entities and runs of blanks
// with &nbsp;, so that a cell keeps its text in the table; data cells are marked as text.
QByteArray content(const QString& sheet, const QList<Column>& columns, const QList<QStringList>& rows);

// Replaces the file with the spreadsheet, through the write rule: false when it could not be
// written, and then no half-written file stands under the name.
bool write(const QString& path, const QString& sheet, const QList<Column>& columns, const QList<QStringList>& rows);

} // namespace Spreadsheet
