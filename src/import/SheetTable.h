#pragma once

#include "Progress.h"

#include <QList>
#include <QString>
#include <QStringView>

// The cells of a spreadsheet read from a file, row by row, as the spreadsheet program numbers
// them: row r of the table is row r + 1 of the sheet, empty rows included. The cells stand in one
// text with the end of each, so that a sheet of many thousands of rows costs little more than its
// text.
class SheetTable {
public:
    // The most cells one import takes: some hundred thousand rows of a few dozen columns.
    static constexpr qsizetype kMaxCells = 20'000'000;

    void addCell(QStringView text);
    // Ends the row made of the cells added since the last row ended.
    void endRow();

    int rowCount() const { return int(m_rowEnds.size()); }
    qsizetype cellCount() const { return m_cellEnds.size(); }
    int columnCount(int row) const;
    // The cell's text; empty past the row's last cell.
    QStringView cell(int row, int column) const;
    // Whether every cell of the row is empty or blank.
    bool isBlank(int row) const;

private:
    QString m_text;
    QList<qsizetype> m_cellEnds; // where each cell ends in m_text
    QList<qsizetype> m_rowEnds; // how many cells there are up to the end of each row
};

// How a reader's pass over a text ended.
enum class ReadEnd { Done, Stopped, TooLarge };

// What a reader checks as it goes, done characters out of total into its text: every so many
// characters since the last report (kept in reported), whether progress stops it and whether the
// table has grown past one import.
ReadEnd readStep(
    const SheetTable& table, const Progress& progress, qsizetype done, qsizetype total, qsizetype& reported);
