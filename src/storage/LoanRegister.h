#pragma once

#include "Records.h"

#include <QDate>
#include <QString>
#include <array>
#include <functional>
#include <optional>
#include <vector>

// The loan register of one calendar year: the file "<yyyy>.bib" of the program folder. Every
// operation opens (creating) the file, works and closes it; an empty result or false means the
// register could not be reached.
namespace LoanRegister {

struct NumberedLoan {
    qint64 number; // record number, from 1
    TSchedaPrestito loan;
};

QString path(int year);

// What a loan's Tipo names: its first three characters, "Lib" a book, "DVD" a DVD.
enum class ItemKind { Book, Dvd, Other };
ItemKind kindOf(const QString& tipo);

// Whether a loan was made from start to end, both days included. A loan date that is no date lies
// in no period.
bool inPeriod(const TSchedaPrestito& loan, const QDate& start, const QDate& end);

// The loans of each month of a year, January first: each loan counts once for the month of its
// date (characters 4-5), when its year (characters 7-10) is the year given.
std::array<int, 12> monthCounts(const std::vector<TSchedaPrestito>& loans, const QString& year);

// Calls visit(n, bytes) for every open loan of the card number (trimmed, case included), in file
// order. False when the register cannot be read.
bool scanOpenLoans(const QString& file, const QString& cardNumber,
    const std::function<void(qint64 n, const char* bytes)>& visit);

// Calls visit(n, bytes) for the loans of a register file in order, until visit returns false. A
// register that does not exist is an empty year (made empty where the folder allows it); false
// only when a register that is there cannot be read.
bool scan(const QString& file, const std::function<bool(qint64 n, const char* bytes)>& visit);

// What a lending did: the loan as stored and its number in the register, when it was made.
struct Lending {
    enum class Outcome { Lent, Unavailable, AccessError };
    Outcome outcome;
    TSchedaPrestito loan;
    qint64 number = 0;
};

// Lends record n of the book archive (book) or of the DVD archive. Under the locks of the archive
// and of the register file, checks that the item is neither cancelled nor lent, marks it lent to the
// loan's card number until the loan's due date, and adds the loan to the register with the item's
// type, code and title. Both files change together or neither does.
Lending lend(bool book, qint64 n, const QString& file, TSchedaPrestito loan);
// Puts record n of the book or DVD archive back on the shelf (0: an item no longer in the archive)
// and stores the loan as record number of the register file (0: none), both together or neither.
// False on an access error.
bool giveBack(bool book, qint64 n, const QString& file, qint64 number, const TSchedaPrestito& loan);

std::optional<qint64> append(int year, const TSchedaPrestito& loan);
std::optional<std::vector<NumberedLoan>> readAll(int year);
// The open loans whose trimmed card number equals the trimmed one given, case included.
std::optional<std::vector<NumberedLoan>> openLoansOf(int year, const QString& cardNumber);
bool rewrite(int year, qint64 number, const TSchedaPrestito& loan);

} // namespace LoanRegister
