#pragma once

#include <QDate>
#include <QDialog>

class ClickableLabel;
class QLabel;
class QLineEdit;
class QPushButton;
class ResultList;

// The loan summary: the loans of one register made within a period, optionally of one code, with
// their total; printed with the period and the total.
class TfrmRiepilogoPrestiti : public QDialog {
    Q_OBJECT
public:
    TfrmRiepilogoPrestiti(const QString& registerPath, const QString& code, const QDate& start, const QDate& end,
        QWidget* parent);

    QLabel* lblTipologia;
    QLabel* titTipologia;
    QLabel* lblRigo01;
    QLabel* lblRigo02;
    QLineEdit* txtTrova;
    QPushButton* btnTrova;
    ResultList* lstRecords;
    QLabel* infIntervallo;
    QLabel* lblIntervallo;
    QLabel* infTotKmPercorsi;
    QLabel* lblTotCosti;
    QPushButton* btnStampa;
    QPushButton* btnEsci;
    ClickableLabel* imgGuida;

    // Whether the register could be read; when it could not, the window is not to be shown.
    bool registerRead() const { return m_registerRead; }

private:
    bool load(const QString& registerPath, const QString& code, const QDate& start, const QDate& end);
    void btnStampaClick();

    bool m_registerRead = false;
};
