#pragma once

#include "Records.h"
#include "ShortString.h"
#include "TfrmPrestiti.h"
#include "TfrmRestituzioni.h"

#include <QDate>
#include <QStringList>
#include <functional>
#include <memory>

// The loan desk's archives and companion windows, as the tests of lending and returns set them up
// and as a user answers them.

TSchedaLibro book(const QString& code, const QString& title, const QString& due = QString(),
    const QString& cancelled = ShortString::kNo);
// Member 27 Rossi Mario; books L1 (available), L2 (lent), L3 (cancelled); DVD D1 (available).
void fillArchives();
// The member search answers with its first hit, as a double-click would.
void chooseFirstMember();
// The calendar answers with a day.
void pickDay(const QDate& day);
// A picker answers with the first available item; what it listed is kept.
void pickFirstItem(
    const QString& picker, QStringList* listed = nullptr, const std::function<void()>& before = {});
// The lending screen with the first member's loan card open.
std::unique_ptr<TfrmPrestiti> openLendingCard();
// An open loan of member 27, made on 01/06/2015.
TSchedaPrestito openLoan(const QString& tipo, const QString& code, const QString& title, const QString& due);
// Two open loans of member 27 in the register of 2015: L2 (record 1) and D1 (record 2).
void twoOpenLoans();
// The returns screen with the first member's loan card of this year open.
std::unique_ptr<TfrmRestituzioni> openReturnsCard();
