#include "TfrmPrestiti.h"

#include "Clock.h"
#include "Dates.h"
#include "FieldHighlight.h"
#include "FieldText.h"
#include "ListLines.h"
#include "LoanRegister.h"
#include "MessageBox.h"
#include "Modal.h"
#include "RecordCard.h"
#include "ResultList.h"
#include "SearchTable.h"
#include "SearchWindow.h"
#include "ShortString.h"
#include "TfrmCalendario.h"
#include "WindowParts.h"

#include <QCalendarWidget>
#include <QGridLayout>
#include <QKeyEvent>
#include <QShowEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

const QString kInformation = QStringLiteral("Servirsi di questo ambiente per registrare i prestiti dei libri e DVD.");
const QString kReady = QStringLiteral("Pronto per registrare un nuovo prestito...");
const QString kSteps = QStringLiteral(
    "Indicare la data di scadenza del prestito da registrare (1) e importare il libro o DVD (2).");
const QString kDueMissing = QStringLiteral("Attenzione: indicare la data di scadenza del prestito prima di importare il %1.");
const QString kDueWrong = QStringLiteral(
    "Attenzione: la data di scadenza del prestito %1 non esiste.\n\r\n\rPer poter compilare la scheda \u00E8 "
    "necessario indicare una data valida nel formato gg/mm/aaaa.");
const QString kDueEarly = QStringLiteral(
    "Attenzione: la data di scadenza (%1) non pu\u00F2 essere anteriore a quella del prestito (%2).\n\r\n\rPer poter "
    "compilare la scheda \u00E8 necessario indicare una data di scadenza valida.");
const QString kNoLongerAvailable
    = QStringLiteral("Attenzione: %1 selezionato non \u00E8 pi\u00F9 disponibile per il prestito.");
const QString kAdded = QStringLiteral(
    "Il prestito corrente \u00E8 stato aggiunto all'elenco.\n\r\n\rE' ora possibile registrare un nuovo prestito allo "
    "stesso utente.");

} // namespace

TfrmPrestiti::TfrmPrestiti(QWidget* parent)
    : LoanDesk(QStringLiteral("frmPrestiti"), kInformation, kReady, QStringLiteral("reg_prestiti"), membersTable(),
          parent)
{
    setWindowTitle(QStringLiteral(" Lettoria 3.0 - Prestiti Libri e DVD"));
    lblCampo010->setText(kSteps);
    heaLibro->setText(QStringLiteral("LIBRO O DVD DA PRESTARE"));
    btnDataSca = pushButton(QStringLiteral("btnDataSca"), QStringLiteral("Importa &data"), nullptr, QSize(140, 32));
    btnImportaLibro = pushButton(QStringLiteral("btnImportaLibro"), QStringLiteral("Importa &libro"), nullptr, QSize(140, 32));
    btnImportaDVD = pushButton(QStringLiteral("btnImportaDVD"), QStringLiteral("Importa D&VD"), nullptr, QSize(140, 32));
    titDataSca->setFixedWidth(150);
    // The return date of a new loan is always empty: a hidden field.
    titDataRes->setParent(this);
    titDataRes->hide();
    titDataSca->installEventFilter(this);

    auto* card = new QVBoxLayout;
    card->addWidget(heaUtente);
    card->addLayout(fieldGrid({{QStringLiteral("Cognome e nome:"), titTesserato},
        {QStringLiteral("Tessera n."), titNumTessera}, {QStringLiteral("Recapito preferenziale:"), titRecapito}}));
    card->addWidget(lblCampo010);
    auto* due = new QHBoxLayout;
    auto* dueLabel = new QLabel(QStringLiteral("Data scadenza:"));
    QFont bold = dueLabel->font();
    bold.setBold(true);
    dueLabel->setFont(bold);
    due->addWidget(dueLabel);
    due->addWidget(titDataSca);
    due->addWidget(btnDataSca);
    due->addSpacing(20);
    due->addWidget(btnImportaLibro);
    due->addWidget(btnImportaDVD);
    due->addStretch();
    card->addLayout(due);
    card->addWidget(heaLibro);
    card->addLayout(fieldGrid({{QStringLiteral("Tipo:"), titTipo}, {QStringLiteral("Codice identificativo:"), titCodice},
        {QStringLiteral("Titolo:"), titTitolo}, {QStringLiteral("Data prestito:"), titData}}));
    card->addWidget(heaElenco);
    card->addWidget(lstRecords, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(btnStampa);
    buttons->addWidget(btnEsci);
    card->addLayout(buttons);
    build({}, card);
    FieldHighlight::attach(titDataSca, QStringLiteral("DataSca"));

    describe(btnDataSca, QStringLiteral("Importa una data dal calendario."));
    describe(btnImportaLibro, QStringLiteral("Importa i dati dall'Archivio Libri."));
    describe(btnImportaDVD, QStringLiteral("Importa i dati dall'Archivio DVD."));
    setTabOrder(titDataSca, btnDataSca);
    setTabOrder(btnDataSca, btnImportaLibro);
    setTabOrder(btnImportaLibro, btnImportaDVD);

    connect(btnVisualizza, &QPushButton::clicked, this, &TfrmPrestiti::btnVisualizzaClick);
    connect(btnDataSca, &QPushButton::clicked, this, &TfrmPrestiti::btnDataScaClick);
    connect(btnImportaLibro, &QPushButton::clicked, this, [this] { importItem(true); });
    connect(btnImportaDVD, &QPushButton::clicked, this, [this] { importItem(false); });
}

void TfrmPrestiti::showEvent(QShowEvent* event)
{
    LoanDesk::showEvent(event);
    if (!event->spontaneous())
        btnImporta->setFocus();
}

bool TfrmPrestiti::eventFilter(QObject* watched, QEvent* event)
{
    // The due date comes from the calendar only; Backspace and Delete empty it.
    if (watched == titDataSca && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Tab || key == Qt::Key_Backtab)
            return false;
        if (key == Qt::Key_Backspace || key == Qt::Key_Delete)
            titDataSca->clear();
        else
            btnDataScaClick();
        return true;
    }
    return LoanDesk::eventFilter(watched, event);
}

void TfrmPrestiti::btnVisualizzaClick()
{
    if (!memberChosen())
        return;
    lblFile->setText(LoanRegister::path(Clock::today().year()));
    openCard();
    titData->setText(Dates::format(Clock::today()));
    if (!loadLoans())
        return;
    showCard(true);
    titDataSca->setFocus();
}

void TfrmPrestiti::btnDataScaClick()
{
    TfrmCalendario calendar(this);
    if (Modal::exec(calendar) == QDialog::Accepted)
        titDataSca->setText(Dates::format(calendar.calAppuntamenti->selectedDate()));
}

void TfrmPrestiti::importItem(bool book)
{
    const QString word = book ? QStringLiteral("libro") : QStringLiteral("DVD");
    const QString due = trimmed(titDataSca);
    if (due.isEmpty()) {
        MessageBox::warning(this, kDueMissing.arg(word));
    } else if (!Dates::isValid(due)) {
        MessageBox::plain(this, kDueWrong.arg(due));
    } else if (Dates::parse(trimmed(titData)) > Dates::parse(due)) {
        MessageBox::plain(this, kDueEarly.arg(due, trimmed(titData)));
    } else {
        SearchWindow picker(book ? loanBooksTable() : loanDvdsTable(), this);
        picker.lblMemory->setText(book ? QStringLiteral("prestiti_libri") : QStringLiteral("prestiti_dvd"));
        connect(&picker, &SearchWindow::recordChosen, this, [this, book](qint64 n) { lend(book, n); });
        Modal::exec(picker);
        return;
    }
    titDataSca->setFocus();
}

void TfrmPrestiti::lend(bool book, qint64 n)
{
    const LoanRegister::Lending lending = LoanRegister::lend(book, n, lblFile->text(), loanOnCard());
    if (lending.outcome == LoanRegister::Lending::Outcome::AccessError)
        return MessageBox::error(this, kAccessError);
    if (lending.outcome == LoanRegister::Lending::Outcome::Unavailable)
        return MessageBox::warning(
            this, kNoLongerAvailable.arg(book ? QStringLiteral("il libro") : QStringLiteral("il DVD")));
    lstRecords->selectIndex(0);
    lstRecords->appendLine(addedLoanLine().line(encodeRecord(lending.loan).constData()), lending.number);
    for (QLineEdit* field : {titTipo, titCodice, titTitolo, titDataSca, titDataRes})
        field->clear();
    titData->setText(Dates::format(Clock::today()));
    titDataSca->setFocus();
    MessageBox::information(this, kAdded);
}
