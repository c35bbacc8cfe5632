#pragma once

#include "CardLayout.h"

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

// The library's data for the cards: four lines, applied to the card screen by "Applica e chiudi".
class TfrmDatiEnte : public QDialog {
    Q_OBJECT
public:
    explicit TfrmDatiEnte(QWidget* parent);

    QLabel* lblIstruzioni;
    QLineEdit* txtAssociazione;
    QLineEdit* txtSottotitolo01;
    QLineEdit* txtSottotitolo02;
    QLineEdit* txtAnnotazioni;
    QPushButton* btnAnnulla;
    QPushButton* btnApplica;
    QLabel* lblMemory;

signals:
    // "Applica e chiudi" with the mode word "tessera": the four trimmed lines.
    void applied(const QStringList& lines);

protected:
    void showEvent(QShowEvent* event) override;
};

// The print window: the card's top and left margins, stepped by a millimetre, each applied to
// Tesserini.ini on its own, and the card printed at the margins on display.
class TfrmStampaTessera : public QDialog {
    Q_OBJECT
public:
    TfrmStampaTessera(const CardContent& card, QWidget* parent);

    QLabel* imgMargini;
    QPushButton* btnTopMinus;
    QLineEdit* txtTop;
    QPushButton* btnTopPlus;
    QPushButton* btnApplicaTop;
    QPushButton* btnLeftMinus;
    QLineEdit* txtLeft;
    QPushButton* btnLeftPlus;
    QPushButton* btnApplicaLeft;
    QLabel* lblAttendere;
    QPushButton* btnAnnulla;
    QPushButton* btnStampa;

private:
    void btnStampaClick();

    CardContent m_card;
};

// The preview window: the card without the user's margins, in the engine's preview.
class TfrmAnteprimaTessera : public QDialog {
    Q_OBJECT
public:
    TfrmAnteprimaTessera(const CardContent& card, QWidget* parent);

    QLabel* imgAnteprima;
    QLabel* lblAttendere;
    QPushButton* btnAnnulla;
    QPushButton* btnStampa;

private:
    void btnStampaClick();

    CardContent m_card;
};
