#pragma once

#include <QWidget>

class ClickableLabel;
class LinkLabel;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

// The loan summary menu: year, code and period of the summary, and the two register exports.
class TfrmMenuRiepilogoPrestiti : public QWidget {
    Q_OBJECT
public:
    explicit TfrmMenuRiepilogoPrestiti(QWidget* parent = nullptr);

    QLabel* lblCampo01;
    QLineEdit* txtAnno;
    QLineEdit* txtTipologia;
    QLabel* lblCampo02;
    QLabel* lblCampo03;
    QComboBox* txtGiornoInizio;
    QComboBox* txtMeseInizio;
    QLabel* lblAnnoInizio;
    QComboBox* txtGiornoFine;
    QComboBox* txtMeseFine;
    QLabel* lblAnnoFine;
    QLabel* lblDataInizio;
    QLabel* lblDataFine;
    QLabel* lblFile;
    QPushButton* btnVisualizza;
    QPushButton* btnEsci;
    QLabel* lblAttendere;
    LinkLabel* lnkEsporta;
    LinkLabel* lnkScaduti;

signals:
    void closed();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void btnVisualizzaClick();
    void openExport(bool overdue);
    bool yearTyped();
    void followYear();
    // The drop-down views of the day and month lists.
    QObjectList lists() const;
};
