#pragma once

#include "LoanDesk.h"

// The returns screen: a member's open loans of the year typed, one chosen in the list, the return
// confirmed, the item available again and the return date in the register.
class TfrmRestituzioni : public LoanDesk {
    Q_OBJECT
public:
    explicit TfrmRestituzioni(QWidget* parent = nullptr);

    QLabel* infAnno;
    QLineEdit* txtAnno;
    QPushButton* btnRimuovi;
    // The register record of the loan clicked; empty when none.
    QLabel* lblPosizione;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void btnVisualizzaClick();
    void lineChosen();
    void btnRimuoviClick();
    // Releases catalogue record n (0: none found), then completes the loan; either both or neither.
    void giveBack(bool book, qint64 n);
    void reload();
    void clearLoan();
};
