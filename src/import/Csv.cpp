#include "Csv.h"

#include <QHash>

namespace {

constexpr QChar kQuote = u'"';
// How much of the text the separator is guessed from, and how many of its rows.
constexpr qsizetype kSample = 64 * 1024;
constexpr int kSampleRows = 50;

bool isLineEnd(QChar c)
{
    return c == u'\n' || c == u'\r';
}

} // namespace

namespace Csv {

QChar separator(QStringView text)
{
    const QStringView sample = text.left(kSample);
    QChar best = u';';
    int bestRows = 0;
    int bestColumns = 1;
    for (const QChar candidate : {u';', u',', u'\t'}) {
        SheetTable rows;
        read(sample, candidate, rows);
        int first = -1;
        int matching = 0;
        for (int r = 0, seen = 0; r < rows.rowCount() && seen < kSampleRows; ++r) {
            if (rows.isBlank(r))
                continue;
            ++seen;
            if (first < 0)
                first = rows.columnCount(r);
            if (rows.columnCount(r) == first)
                ++matching;
        }
        if (first > 1 && (matching > bestRows || (matching == bestRows && first > bestColumns))) {
            best = candidate;
            bestRows = matching;
            bestColumns = first;
        }
    }
    return best;
}

Outcome read(QStringView text, QChar separator, SheetTable& table, const Progress& progress)
{
    Outcome outcome;
    const qsizetype size = text.size();
    const auto fieldEnd = [&](qsizetype from) {
        while (from < size && text.at(from) != separator && !isLineEnd(text.at(from)))
            ++from;
        return from;
    };
    QString quoted;
    qsizetype i = 0;
    qsizetype reported = 0;
    int row = 0;
    while (i < size) {
        outcome.end = readStep(table, progress, i, size, reported);
        if (outcome.end != ReadEnd::Done)
            return outcome;
        // One field, starting at i.
        if (text.at(i) == kQuote) {
            quoted.clear();
            qsizetype j = i + 1;
            for (;;) {
                const qsizetype close = text.indexOf(kQuote, j);
                if (close < 0) {
                    outcome.brokenRow = row;
                    return outcome;
                }
                quoted += text.mid(j, close - j);
                j = close + 1;
                if (j < size && text.at(j) == kQuote) {
                    quoted += kQuote;
                    ++j;
                } else {
                    break;
                }
            }
            // Whatever follows the closing quote up to the separator belongs to the field too.
            i = fieldEnd(j);
            quoted += text.mid(j, i - j);
            table.addCell(quoted);
        } else {
            const qsizetype end = fieldEnd(i);
            table.addCell(text.mid(i, end - i));
            i = end;
        }
        if (i < size && text.at(i) == separator) {
            ++i;
            // A separator at the very end leaves an empty last field.
            if (i < size)
                continue;
            table.addCell(QStringView());
        } else if (i < size && text.at(i) == u'\r') {
            ++i;
            if (i < size && text.at(i) == u'\n')
                ++i;
        } else if (i < size) {
            ++i;
        }
        table.endRow();
        ++row;
    }
    return outcome;
}

} // namespace Csv
