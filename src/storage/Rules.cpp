#include "Rules.h"

#include "Dates.h"
#include "ProgramFolder.h"
#include "ShortString.h"

namespace Rules {

const QString kBookAvailable = QStringLiteral("Libro disponibile per il prestito");
const QString kDvdAvailable = QStringLiteral("DVD disponibile per il prestito");
const QString kLentPrefix = QStringLiteral("Tessera n. ");

QString codeKey(const QString& code)
{
    return ShortString::upperAToZ(ShortString::trimmed(code));
}

bool isCancelled(const QString& annullata)
{
    return ShortString::trimmed(annullata) != ShortString::kNo;
}

bool isLent(const QString& scadenza)
{
    return !ShortString::trimmed(scadenza).isEmpty();
}

bool isDueForRenewal(const TSchedaTesserato& member, const QDate& day)
{
    if (isCancelled(member))
        return false;
    const QDate expiry = Dates::parse(member.DataScade);
    if (!expiry.isValid())
        return false;
    // Notice days that are no whole number (a damaged record) make no card due.
    bool ok = false;
    const int notice = ShortString::trimmed(member.Preavviso).toInt(&ok);
    if (!ok || notice < 0)
        return false;
    return expiry.addDays(-notice) <= day;
}

QString memberPhotoPath(qint64 recordNumber)
{
    return ProgramFolder::file(QString::number(recordNumber) + QStringLiteral(".jpg"));
}

bool isOpenLoan(const TSchedaPrestito& loan)
{
    return ShortString::trimmed(loan.DataRes).isEmpty();
}

bool isOverdueLoan(const TSchedaPrestito& loan, const QDate& today)
{
    const QDate due = Dates::parse(loan.DataSca);
    return isOpenLoan(loan) && due.isValid() && today > due;
}

} // namespace Rules
