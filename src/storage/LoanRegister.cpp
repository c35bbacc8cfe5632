#include "LoanRegister.h"

#include "ProgramFolder.h"
#include "RecordFile.h"
#include "RecordType.h"
#include "ShortString.h"
#include "Windows1252.h"

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

ItemKind kindOf(const QString& tipo)
{
    const QString start = tipo.left(3);
    if (start == QLatin1String("Lib"))
        return ItemKind::Book;
    if (start == QLatin1String("DVD"))
        return ItemKind::Dvd;
    return ItemKind::Other;
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
