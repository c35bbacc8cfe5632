#pragma once

#include <QDialog>
#include <QStringList>

class QLabel;
class QLineEdit;
class QPushButton;
class QTimer;
class ResultList;

// The Dewey table: the classes of the Dewey Decimal Classification with their Italian headings,
// read-only. The list fills a second after the window shows, in one go, while a picture covers it.
// A double-click writes the class of the line into the book card's Dewey field and closes.
class TfrmCodiciDewey : public QDialog {
    Q_OBJECT
public:
    TfrmCodiciDewey(QLineEdit* dewey, QWidget* parent);

    // The 3721 lines of the table, "NNN HEADING", in class order.
    static const QStringList& table();

    QLabel* lblRigo01;
    QLabel* lblRigo02;
    QLineEdit* txtTrova;
    QPushButton* btnTrova;
    ResultList* lstRecords;
    QLabel* panDewey;
    QLabel* lblRigo03;
    QPushButton* btnChiudi;
    QLabel* lblAttendere;
    QPushButton* btnStampa;
    QLabel* lblMemory;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void fillList();
    void lstRecordsDblClick();
    void btnStampaClick();

    QLineEdit* m_dewey;
    QTimer* m_fill;
};
