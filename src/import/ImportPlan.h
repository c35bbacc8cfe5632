#pragma once

#include "ImportTables.h"
#include "Progress.h"
#include "RecordType.h"
#include "SheetFile.h"

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QStringList>
#include <optional>

class RecordFile;

// The codes already in an archive, in the form in which they compare, with the number of the first
// record that carries each.
using ArchiveCodes = QHash<QString, qint64>;

// The rows of a spreadsheet as records of an archive: which record fields each column fills, the
// checks every card passes, and, row by row, what is refused and what is changed on the way in.
class ImportPlan {
public:
    ImportPlan(const ImportTable& table, SheetFile::Sheet sheet);

    const ImportTable& table() const { return m_table; }
    const SheetFile::Sheet& sheet() const { return m_sheet; }

    // The codes of an archive; nothing when it cannot be read.
    static std::optional<ArchiveCodes> archiveCodes(const ImportTable& table, const RecordFile& archive);

    // The first row that is not blank holds the headers, unless the user says it holds data.
    bool hasHeader() const { return m_hasHeader; }
    void setHasHeader(bool header);
    // The columns of the first row that is not blank: every row is held to as many.
    int columnCount() const { return m_columnCount; }
    // A column's header: its cell in the first row, or nothing when that row holds data.
    QString header(int column) const;
    // Whether the headers named the target of at least one column.
    bool matchedAny() const { return m_matchedAny; }
    // The target of a column, -1 when it is left out. A target given to a column is taken from the
    // column that had it, and so is every target that fills one of its fields.
    int target(int column) const { return m_targets.value(column, -1); }
    void setTarget(int column, int target);

    // The sheet's rows that hold data, in order.
    const QList<int>& dataRows() const { return m_dataRows; }

    // A row that is refused, or whose texts change on the way in: the reasons, refusals first.
    struct Report {
        int row;
        bool refused;
        QStringList reasons;
    };
    // Checks every data row against the rules of a card and the codes of the archive and of the rows
    // before it. False when progress stopped it.
    bool check(const ArchiveCodes& codes, const Progress& progress = {});
    const QList<Report>& reports() const { return m_reports; }
    int acceptedCount() const { return int(m_accepted.size()); }
    int refusedCount() const;

    // A row as its record is stored, refused or not.
    QByteArray record(int row) const;

    enum class Outcome {
        Done,
        Stopped, // progress stopped it: nothing was added
        Changed, // another computer gave a code of these rows to a record of its own meanwhile
        Failed, // the archive could not be read or written: nothing was added
    };
    struct Appended {
        Outcome outcome = Outcome::Failed;
        qint64 first = 0; // the number of the first record added
        int count = 0;
    };
    // Adds the accepted rows of the last check to the archive in one operation, after checking their
    // codes once more under the archive's lock: all of them or none.
    Appended append(const RecordFile& archive, const Progress& progress = {}) const;

    // The refused rows for correction, as a CSV text (UTF-8, the sheet's separator): the header row,
    // then each refused row as it was read, with its reasons in a last column "Motivo".
    QByteArray rejectsCsv() const;

private:
    // A column that fills fields, and where they lie in the record.
    struct Column {
        int index;
        const ImportTarget* target;
        QList<FieldSpot> spots;
    };
    // What making a row's record finds wrong (the row is refused) or changed.
    struct Findings {
        QStringList problems;
        QStringList notices;
    };
    // The record every row starts from: the fixed values, and a new card's for the fields no column
    // fills.
    QByteArray startingRecord() const;
    // Makes a row's record in place, from the starting record; the findings only when asked.
    void build(int row, const QByteArray& start, char* record, Findings* findings) const;
    void store(const QString& field, const FieldSpot& spot, QStringView text, char* record,
        Findings* findings) const;
    // The column whose target fills a field of this one, or -1.
    int holderOf(int target) const;
    void findDataRows();
    void findColumns();

    const ImportTable& m_table;
    SheetFile::Sheet m_sheet;
    int m_firstRow = -1;
    int m_columnCount = 0;
    bool m_hasHeader = true;
    bool m_matchedAny = false;
    QList<int> m_targets;
    QList<Column> m_columns; // the columns that fill fields
    QList<int> m_dataRows;
    QList<Report> m_reports;
    QList<int> m_accepted;
    QStringList m_acceptedCodes;
};
