#include "LoanRegister.h"

#include "Dates.h"
#include "ProgramFolder.h"
#include "RecordFile.h"
#include "RecordType.h"
#include "Rules.h"
#include "ShortString.h"
#include "Transaction.h"
#include "Windows1252.h"

#include <QFileInfo>

namespace LoanRegister {

namespace {

Archive<TSchedaPrestito> registerOf(int year)
{
    return Archive<TSchedaPrestito>(path(year));
}

const RecordType& catalogueOf(bool book)
{
    return book ? RecordType::of<TSchedaLibro>() : RecordType::of<TSchedaDVD>();
}

RecordFile registerFile(const QString& file)
{
    return RecordFile(file, RecordLayout<TSchedaPrestito>::size);
}

} // namespace

QString path(int year)
{
    return ProgramFolder::file(QStringLiteral("%1.bib").arg(year, 4, 10, QLatin1Char('0')));
}

Lending lend(bool book, qint64 n, const QString& file, TSchedaPrestito loan)
{
    const RecordType& type = catalogueOf(book);
    // The item's archive first: every write that changes both locks them in this order.
    Transaction transaction({type.archive(), registerFile(file)});
    auto item = transaction.read(0, n);
    if (!item)
        return {Lending::Outcome::AccessError, {}, 0};
    const QHash<QString, QString> values = type.values(item->constData());
    if (Rules::isCancelled(values.value(QStringLiteral("Annullata")))
        || Rules::isLent(values.value(QStringLiteral("Scadenza"))))
        return {Lending::Outcome::Unavailable, {}, 0};
    type.spot(QStringLiteral("Prestato")).store(item->data(), Rules::kLentPrefix + loan.NumTessera);
    type.spot(QStringLiteral("Scadenza")).store(item->data(), loan.DataSca);
    loan.Tipo = book ? QStringLiteral("Libro") : QStringLiteral("DVD");
    loan.Codice = values.value(QStringLiteral("Codice"));
    loan.Titolo = values.value(QStringLiteral("Titolo"));
    const auto count = transaction.count(1);
    if (!count || !transaction.put(0, n, *item) || !transaction.put(1, *count + 1, encodeRecord(loan))
        || !transaction.commit())
        return {Lending::Outcome::AccessError, {}, 0};
    return {Lending::Outcome::Lent, loan, *count + 1};
}

bool giveBack(bool book, qint64 n, const QString& file, qint64 number, const TSchedaPrestito& loan)
{
    const RecordType& type = catalogueOf(book);
    std::vector<RecordFile> files;
    if (n > 0)
        files.push_back(type.archive());
    if (number > 0)
        files.push_back(registerFile(file));
    Transaction transaction(files);
    if (n > 0) {
        auto item = transaction.read(0, n);
        if (!item)
            return false;
        type.spot(QStringLiteral("Prestato"))
            .store(item->data(), book ? Rules::kBookAvailable : Rules::kDvdAvailable);
        type.spot(QStringLiteral("Scadenza")).store(item->data(), QString());
        if (!transaction.put(0, n, *item))
            return false;
    }
    if (number > 0) {
        const size_t loans = files.size() - 1;
        const auto count = transaction.count(loans);
        if (!count || number > *count || !transaction.put(loans, number, encodeRecord(loan)))
            return false;
    }
    return transaction.commit();
}

std::optional<qint64> append(int year, const TSchedaPrestito& loan)
{
    return registerOf(year).append(loan);
}

std::optional<std::vector<NumberedLoan>> readAll(int year)
{
    std::vector<NumberedLoan> loans;
    const bool ok = registerOf(year).scan([&](qint64 n, const TSchedaPrestito& loan) {
        loans.push_back({n, loan});
        return true;
    });
    if (!ok)
        return std::nullopt;
    return loans;
}

bool scan(const QString& file, const std::function<bool(qint64 n, const char* bytes)>& visit)
{
    if (RecordFile(file, RecordLayout<TSchedaPrestito>::size).scan(visit))
        return true;
    // Not there, and not to be made here (a folder that takes no writes): a year with no loans.
    return !QFileInfo::exists(file);
}

ItemKind kindOf(const QString& tipo)
{
    const QString start = tipo.left(3);
    if (start == QLatin1String("Lib"))
        return ItemKind::Book;
    if (start == QLatin1String("DVD"))
        return ItemKind::Dvd;
    return ItemKind::Other;
}

bool inPeriod(const TSchedaPrestito& loan, const QDate& start, const QDate& end)
{
    const QDate made = Dates::parse(loan.Data);
    return made.isValid() && start <= made && made <= end;
}

std::array<int, 12> monthCounts(const std::vector<TSchedaPrestito>& loans, const QString& year)
{
    std::array<int, 12> counts {};
    const QString wanted = ShortString::trimmed(year);
    for (const TSchedaPrestito& loan : loans) {
        const QString date = ShortString::trimmed(loan.Data) + QString(10, QLatin1Char(' '));
        if (ShortString::trimmed(date.mid(6, 4)) != wanted)
            continue;
        const QString month = ShortString::trimmed(date.mid(3, 2));
        bool number = false;
        const int m = month.toInt(&number);
        if (number && month.size() == 2 && m >= 1 && m <= 12)
            counts[size_t(m - 1)] += 1;
    }
    return counts;
}

bool scanOpenLoans(
    const QString& file, const QString& cardNumber, const std::function<void(qint64 n, const char* bytes)>& visit)
{
    const RecordType& type = RecordType::of<TSchedaPrestito>();
    const FieldSpot card = type.spot(QStringLiteral("NumTessera"));
    const FieldSpot returned = type.spot(QStringLiteral("DataRes"));
    const QByteArray wanted = Windows1252::encode(ShortString::trimmed(cardNumber));
    return RecordFile(file, type.size()).scan([&](qint64 n, const char* bytes) {
        if (returned.trimmedBytes(bytes).empty()
            && card.trimmedBytes(bytes) == std::string_view(wanted.constData(), size_t(wanted.size())))
            visit(n, bytes);
        return true;
    });
}

std::optional<std::vector<NumberedLoan>> openLoansOf(int year, const QString& cardNumber)
{
    std::vector<NumberedLoan> loans;
    const bool ok = scanOpenLoans(path(year), cardNumber,
        [&](qint64 n, const char* bytes) { loans.push_back({n, decodeRecord<TSchedaPrestito>(bytes)}); });
    if (!ok)
        return std::nullopt;
    return loans;
}

bool rewrite(int year, qint64 number, const TSchedaPrestito& loan)
{
    return registerOf(year).write(number, loan);
}

} // namespace LoanRegister
