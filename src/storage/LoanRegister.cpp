#include "LoanRegister.h"

#include "ProgramFolder.h"
#include "RecordFile.h"
#include "Rules.h"
#include "ShortString.h"

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

std::optional<std::vector<NumberedLoan>> openLoansOf(int year, const QString& cardNumber)
{
    const QString card = ShortString::trimmed(cardNumber);
    std::vector<NumberedLoan> loans;
    const bool ok = registerOf(year).scan([&](qint64 n, const TSchedaPrestito& loan) {
        if (loan.NumTessera == card && Rules::isOpenLoan(loan))
            loans.push_back({n, loan});
        return true;
    });
    if (!ok)
        return std::nullopt;
    return loans;
}

bool rewrite(int year, qint64 number, const TSchedaPrestito& loan)
{
    return registerOf(year).write(number, loan);
}

} // namespace LoanRegister
