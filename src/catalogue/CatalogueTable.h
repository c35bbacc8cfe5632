#pragma once

#include "CardForm.h"

#include <QList>
#include <QString>
#include <utility>

class QWidget;

struct SearchTable;
struct ValidationTable;

// Everything that tells the book card screen from its DVD twin.
struct CatalogueTable {
    CardForm form;
    QString availableText; // Prestato of a new card
    QString codeMissing; // btnCodice with no code
    QString codeAlreadyValidated; // btnCodice on a stored card
    const ValidationTable* validation = nullptr;
    // Web search: the field searched, the text before it in the query, the message when empty.
    const char* webField = nullptr;
    QString webPrefix;
    QString webMissing;
    const SearchTable* availableTable = nullptr;
    // Open the archive's export and import windows.
    void (*exportArchive)(QWidget* parent) = nullptr;
    void (*importArchive)(QWidget* parent) = nullptr;
    // The sheet printed by cmdStampa: its window, caption, heading, and the label and field of
    // each row.
    QString sheetWindow;
    QString sheetCaption;
    QString sheetHeading;
    QList<std::pair<QString, QString>> sheetRows;
};

const CatalogueTable& booksCard();
const CatalogueTable& dvdsCard();
// The read-only twins of the two screens, for visitors.
const CatalogueTable& booksConsultation();
const CatalogueTable& dvdsConsultation();
