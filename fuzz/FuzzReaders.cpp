// One fuzz target for everything that reads bytes the program did not write itself: the record
// decoders, the record file reader, the INI reader, the password decipher, the date parser and the
// spreadsheet files brought in (CSV and the program's own exports) with the checks of their rows.
#include "Csv.h"
#include "Dates.h"
#include "ImportPlan.h"
#include "IniFile.h"
#include "Password.h"
#include "RecordFile.h"
#include "RecordType.h"

#include <QFile>
#include <QTemporaryDir>

namespace {

template <class R> void decodeEvery(const QByteArray& input)
{
    // Each record-sized piece of the input, the last one padded with zeros.
    const int size = RecordLayout<R>::size;
    for (qsizetype at = 0; at < input.size(); at += size) {
        QByteArray bytes = input.mid(at, size);
        bytes.resize(size, '\0');
        const R record = decodeRecord<R>(bytes);
        // Whatever was read must store again within its capacities.
        if (encodeRecord(record).size() != size)
            abort();
        RecordType::of<R>().values(bytes.constData());
    }
}

template <class R> void readFile(const QString& path)
{
    const Archive<R> archive(path);
    const auto count = archive.count();
    if (!count)
        abort();
    archive.read(1);
    archive.read(*count);
    qint64 seen = 0;
    if (!archive.scan([&](qint64, const R&) { return ++seen >= 0; }) || seen != *count)
        abort();
}

// Reads the bytes as a spreadsheet for an archive and checks every row: whatever is read must give
// records of the archive's size, every row must be accepted or refused, and the refused rows saved
// for correction must read back as one line each under the header.
void importSheet(const ImportTable& table, const QByteArray& input)
{
    ImportPlan plan(table, SheetFile::read(input));
    for (int c = 0; c < plan.columnCount(); ++c)
        plan.header(c);
    if (!plan.check({}))
        abort();
    for (const int row : plan.dataRows()) {
        if (plan.record(row).size() != table.type->size())
            abort();
    }
    if (plan.acceptedCount() + plan.refusedCount() < int(plan.dataRows().size()))
        abort();
    const QChar separator = plan.sheet().format == SheetFile::Format::Csv ? plan.sheet().separator : QChar(u';');
    SheetTable rejects;
    Csv::read(QString::fromUtf8(plan.rejectsCsv().mid(3)), separator, rejects);
    if (rejects.rowCount() != (plan.columnCount() > 0 ? 1 : 0) + plan.refusedCount())
        abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static QTemporaryDir folder;
    const QByteArray input(reinterpret_cast<const char*>(data), qsizetype(size));

    decodeEvery<TSchedaLibro>(input);
    decodeEvery<TSchedaDVD>(input);
    decodeEvery<TSchedaTesserato>(input);
    decodeEvery<TSchedaPrestito>(input);

    // The member rows differ from the book rows only in their checks: they see one input in four.
    static int sheets = 0;
    importSheet(sheets++ % 4 == 0 ? membersImport() : booksImport(), input);

    const QString text = QString::fromLatin1(input);
    Password::decipher(text);
    Dates::parse(text);
    Dates::isValid(text);

    // The file readers cost system calls: they see one input in eight.
    static int round = 0;
    if (round++ % 8 != 0)
        return 0;
    const QString path = folder.filePath(QStringLiteral("input"));
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(input) != input.size())
            abort();
    }
    readFile<TSchedaPrestito>(path);
    readFile<TSchedaTesserato>(path);
    const IniFile ini(path);
    ini.read(QStringLiteral("Accesso"), QStringLiteral("Valore"));
    ini.read(QStringLiteral("Dati Ente"), QStringLiteral("Riga1"));
    return 0;
}
