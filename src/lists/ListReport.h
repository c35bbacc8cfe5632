#pragma once

#include "Report.h"

#include <QDate>
#include <QDateTime>
#include <QStringList>

class QWidget;

// The printed list every list window shares: A4 landscape, a grey title bar, every line of the
// list in "Courier New" 8, and the date of printing at the foot of each page.
Report listReport(const QString& title, const QStringList& lines, const QDate& printedOn);

// The words at the foot of every printed page, "Stampa eseguita in data dd/mm/yyyy", and with
// " alle ore hh:mm:ss" on the sheets of one card.
QString printedOnText(const QDate& day);
QString printedAtText(const QDateTime& moment);

// Prints a list through the print dialog; false when cancelled or failed.
bool printList(QWidget* parent, const QString& title, const QStringList& lines);
