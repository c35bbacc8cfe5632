#pragma once

#include "Records.h"

#include <QWidget>

class ClickableLabel;
class QGridLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QStackedWidget;
class QVBoxLayout;
class ResultList;
class StatusLine;
struct SearchTable;

// What the lending and returns screens share: the member picked from the member search, the
// member's loan card read from one year's register, its printing, the two panels, the status line
// and the help. Each screen lays out its loan card and adds its own actions.
class LoanDesk : public QWidget {
    Q_OBJECT
public:
    QWidget* panSelezione;
    QLabel* lblInformazioni;
    QLabel* lblApri;
    QLineEdit* txtTesserato;
    QLineEdit* txtNumTessera;
    QLineEdit* txtRecapito;
    QPushButton* btnImporta;
    QPushButton* btnVisualizza;
    ClickableLabel* icoGuida;
    ClickableLabel* icoEsci;

    QWidget* panContainer;
    QLabel* heaUtente;
    QLineEdit* titTesserato;
    QLineEdit* titNumTessera;
    QLineEdit* titRecapito;
    QLabel* lblCampo010;
    QLabel* heaLibro;
    QLineEdit* titTipo;
    QLineEdit* titCodice;
    QLineEdit* titTitolo;
    QLineEdit* titData;
    QLineEdit* titDataSca;
    QLineEdit* titDataRes;
    QLabel* heaElenco;
    ResultList* lstRecords;
    QPushButton* btnStampa;
    QPushButton* btnEsci;
    QLabel* lblFile;
    QLabel* panInfo;

signals:
    // The screen was closed: the main menu comes back.
    void closed();

protected:
    // The member search answers the marker over the table given.
    LoanDesk(const QString& objectName, const QString& information, const QString& ready,
        const QString& marker, const SearchTable& memberSearch, QWidget* parent);

    // Fills both panels; called once by the named screen's constructor. The selection panel
    // stands above the given widgets; the card panel is the screen's own layout.
    void build(const QList<QWidget*>& selectionTop, QVBoxLayout* card);
    QLabel* sectionHeader(const char* name, const QString& text);
    // A grid of labelled read-only fields, two to a row.
    QGridLayout* fieldGrid(const QList<std::pair<QString, QLineEdit*>>& fields);
    void describe(QWidget* control, const QString& text);

    // The two checks of "Visualizza scheda prestiti"; the warning and the focus when one fails.
    bool memberChosen();
    // Opens the loan card of the member on the register named in lblFile.
    void openCard();
    // The member's open loans, read again; false (after the access message) when unreadable.
    bool loadLoans();
    void showCard(bool card);
    // The loan the card fields show, every field trimmed.
    TSchedaPrestito loanOnCard() const;
    static QString trimmed(const QLineEdit* edit);

    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void btnImportaClick();
    void btnStampaClick();

    QString m_ready;
    QString m_marker;
    const SearchTable& m_memberSearch;
    QStackedWidget* m_panels = nullptr;
    StatusLine* m_status = nullptr;
};
