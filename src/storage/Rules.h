#pragma once

#include "Records.h"

#include <QDate>
#include <QString>

// What the archives' fields mean, in one place.
namespace Rules {

// Loan texts written into the book and DVD records by the loan desk.
extern const QString kBookAvailable; // "Libro disponibile per il prestito"
extern const QString kDvdAvailable; // "DVD disponibile per il prestito"
extern const QString kLentPrefix; // "Tessera n. "

// The form in which two identification codes are one code: blanks around removed, a-z upper-cased.
QString codeKey(const QString& code);

// Only a trimmed "No" marks an active record: an empty or damaged flag counts as cancelled.
bool isCancelled(const QString& annullata);
// An item is lent when its due date holds anything; the lent text is descriptive only.
bool isLent(const QString& scadenza);

template <class R> bool isCancelled(const R& record)
{
    return isCancelled(record.Annullata);
}

template <class R> bool isLent(const R& record)
{
    return isLent(record.Scadenza);
}

// Not lent and not cancelled.
template <class R> bool isAvailable(const R& record)
{
    return !isLent(record) && !isCancelled(record);
}

// Due for renewal on the day: the expiry date less the notice days is not after it, and the card
// is active. A card without a valid expiry date or whole notice days is never due.
bool isDueForRenewal(const TSchedaTesserato& member, const QDate& day);

// The member photo of record n: program folder + n + ".jpg".
QString memberPhotoPath(qint64 recordNumber);

// A loan is open while its return date is empty.
bool isOpenLoan(const TSchedaPrestito& loan);
// Open, and today is after its due date (a loan due today is not yet overdue).
bool isOverdueLoan(const TSchedaPrestito& loan, const QDate& today);

} // namespace Rules
