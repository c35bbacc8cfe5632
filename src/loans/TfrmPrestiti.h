#pragma once

#include "LoanDesk.h"

// The lending screen: a member's loan card of this year's register, a due date from the calendar,
// an available book or DVD from the pickers, and the loan recorded.
class TfrmPrestiti : public LoanDesk {
    Q_OBJECT
public:
    explicit TfrmPrestiti(QWidget* parent = nullptr);

    QPushButton* btnDataSca;
    QPushButton* btnImportaLibro;
    QPushButton* btnImportaDVD;

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void btnVisualizzaClick();
    void btnDataScaClick();
    void importItem(bool book);
    // Marks catalogue record n lent, then appends the loan; either both or neither.
    void lend(bool book, qint64 n);
};
