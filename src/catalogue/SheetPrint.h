#pragma once

#include "Report.h"

#include <QDateTime>
#include <QDialog>
#include <QList>
#include <QString>

class QPushButton;

// One row of a book or DVD sheet: its label and the text of the card's control.
struct SheetRow {
    QString label;
    QString control; // "txt" + field: the report object of the value
    QString value;
};

// The one-page information sheet of a card, as the screen shows it: a title band, one ruled row
// per field, and the date and time of printing at the foot.
Report cardSheet(const QString& heading, const QList<SheetRow>& rows, const QDateTime& printedAt);

// The print window of the sheet: "Stampa" prints it, "Annulla" closes.
class SheetWindow : public QDialog {
    Q_OBJECT
public:
    SheetWindow(const QString& objectName, const QString& caption, const QString& heading, QList<SheetRow> rows,
        QWidget* parent);

    QPushButton* btnAnnulla;
    QPushButton* btnStampa;

private:
    QString m_heading;
    QList<SheetRow> m_rows;
};
