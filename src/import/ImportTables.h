#pragma once

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

class RecordType;
struct ExportTable;

// One choice for a column of the file: the record fields it fills.
struct ImportTarget {
    QString label;
    // One field, or the parts of a cell the export joins with single blanks, in their order.
    QStringList fields;
};

// What tells the import of one archive from another: its record type, the export whose columns it
// reads back, the fields a column may fill, the code that must be unique and the values every
// record it adds starts with.
struct ImportTable {
    QString objectName;
    QString caption;
    QString rejectsFile; // the refused rows, in the program folder
    const ExportTable* exported = nullptr;
    const RecordType* type = nullptr;
    QString codeField; // unique in the archive; empty when nothing is
    QList<ImportTarget> targets;
    // Values of every record added.
    QHash<QString, QString> fixed;
    // Fields without a column, as a new card starts them.
    QHash<QString, QString> (*starting)() = nullptr;

    // The target a header names, or -1: the export's own headers first, then the targets' labels and
    // field names, then the usual Italian and English words for them.
    int match(const QString& header) const;
    // How a field is named to the user.
    QString fieldLabel(const QString& field) const;

    // The matching key of a header: letters and digits only, lower case, accents dropped.
    static QString headerKey(const QString& header);

    QHash<QString, int> headers; // header key -> target
    QHash<QString, QString> labels; // field -> label
};

const ImportTable& booksImport();
const ImportTable& dvdsImport();
const ImportTable& membersImport();
