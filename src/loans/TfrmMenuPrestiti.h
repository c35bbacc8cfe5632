#pragma once

#include <QWidget>

class ClickableLabel;
class QLabel;
class QPushButton;

// The loan desk menu: lending, returns, the loan history and the monthly statistics.
class TfrmMenuPrestiti : public QWidget {
    Q_OBJECT
public:
    explicit TfrmMenuPrestiti(QWidget* parent = nullptr);

    QLabel* lblInformazioni;
    QLabel* intOperazione;
    QPushButton* btnApriPrestito;
    QPushButton* btnApriRestituzione;
    QLabel* intStorico;
    QPushButton* btnApriRiepStorico;
    QLabel* intStats;
    QPushButton* btnApriRiepStats;
    ClickableLabel* imgGuida;
    ClickableLabel* imgEsci;
    // "avvio", "prestiti", "restituzioni", "storico" or "statistiche".
    QLabel* lblMemory;

signals:
    // The menu closed; lblMemory says which screen comes next.
    void closed(const QString& choice);

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void choose(const QString& choice);
};
