#include "LoanRegister.h"

#include "Dates.h"
#include "ProgramFolder.h"
#include "RecordFile.h"
#include "RecordType.h"
#include "ShortString.h"
#include "Windows1252.h"

#include <QFileInfo>

namespace LoanRegister {

namespace {

Archive<TSchedaPrestito> registerOf(int year)
{
    return Archive<TSchedaPrestito>(path(year));
}

} // namespace

QString path(int year)
{
    return ProgramFolder::file(QStringLiteral("%1.bib").arg(year, 4, 10, QLatin1Char('0')));
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
