#pragma once

#include <QDialog>

class QCalendarWidget;
class QLabel;
class QPushButton;

// The month calendar the lending screen takes its due dates from.
class TfrmCalendario : public QDialog {
    Q_OBJECT
public:
    explicit TfrmCalendario(QWidget* parent);

    QLabel* lblData;
    QCalendarWidget* calAppuntamenti;
    QPushButton* btnImportaData;
    QPushButton* btnAnnulla;
};
