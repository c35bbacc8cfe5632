#include "SheetTable.h"

void SheetTable::addCell(QStringView text)
{
    m_text += text;
    m_cellEnds.append(m_text.size());
}

void SheetTable::endRow()
{
    m_rowEnds.append(m_cellEnds.size());
}

int SheetTable::columnCount(int row) const
{
    const qsizetype first = row == 0 ? 0 : m_rowEnds.at(row - 1);
    return int(m_rowEnds.at(row) - first);
}

QStringView SheetTable::cell(int row, int column) const
{
    const qsizetype first = row == 0 ? 0 : m_rowEnds.at(row - 1);
    const qsizetype index = first + column;
    if (column < 0 || index >= m_rowEnds.at(row))
        return QStringView();
    const qsizetype begin = index == 0 ? 0 : m_cellEnds.at(index - 1);
    return QStringView(m_text).mid(begin, m_cellEnds.at(index) - begin);
}

bool SheetTable::isBlank(int row) const
{
    for (int c = 0; c < columnCount(row); ++c) {
        for (const QChar ch : cell(row, c)) {
            if (ch.unicode() > 32)
                return false;
        }
    }
    return true;
}

ReadEnd readStep(
    const SheetTable& table, const Progress& progress, qsizetype done, qsizetype total, qsizetype& reported)
{
    // Characters read between two reports.
    constexpr qsizetype kStep = 256 * 1024;
    if (done - reported < kStep)
        return ReadEnd::Done;
    reported = done;
    if (table.cellCount() > SheetTable::kMaxCells)
        return ReadEnd::TooLarge;
    return progress && !progress(done, total) ? ReadEnd::Stopped : ReadEnd::Done;
}
