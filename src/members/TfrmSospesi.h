#pragma once

#include <QDialog>
#include <QHash>

class QLabel;
class QLineEdit;
class QPushButton;
class ResultList;

// The renewal schedule: every active member whose card is due for renewal today. A double-click
// hands the member of the line back to the member card screen.
class TfrmSospesi : public QDialog {
    Q_OBJECT
public:
    explicit TfrmSospesi(QWidget* parent);

    QLabel* imgBanner;
    QLineEdit* txtTrova;
    QPushButton* btnTrova;
    ResultList* lstRecords;
    QPushButton* btnChiudi;
    QPushButton* btnStampa;

signals:
    // The member chosen: its record number and every field.
    void memberChosen(qint64 record, const QHash<QString, QString>& values);

private:
    void lstRecordsDblClick();
};
