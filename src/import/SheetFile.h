#pragma once

#include "Progress.h"
#include "SheetTable.h"

#include <QByteArray>
#include <QChar>
#include <QString>

// A spreadsheet file brought in: a CSV text as spreadsheet programs save it, or a spreadsheet the
// program exported itself, recognised by its content rather than by its name.
namespace SheetFile {

// The largest file taken in one go: the program's own export of a hundred thousand books.
constexpr qint64 kMaxBytes = qint64(250) * 1024 * 1024;

enum class Failure {
    None,
    Unreadable, // the file cannot be opened or read
    Cancelled,
    Empty, // nothing but blanks
    TooLarge, // over kMaxBytes, or more cells than one import takes
    Workbook, // an .xlsx or .ods workbook (a zip archive)
    OldWorkbook, // a workbook in the binary format of older spreadsheet programs
    Binary, // a picture, a program, anything but text
    Encoding, // text in a code page that is neither Unicode nor Windows-1252
    NoTable, // an HTML page without a table
};

enum class Format { Csv, Html };
enum class Encoding { Utf8, Utf16, Windows1252 };

struct Sheet {
    Failure failure = Failure::None;
    Format format = Format::Csv;
    Encoding encoding = Encoding::Utf8;
    QChar separator; // of a CSV text
    SheetTable table;
    // The row where a quoted field opens and never closes, or -1.
    int brokenRow = -1;
};

Sheet read(const QByteArray& bytes, const Progress& progress = {});
Sheet readFile(const QString& path, const Progress& progress = {});

} // namespace SheetFile
