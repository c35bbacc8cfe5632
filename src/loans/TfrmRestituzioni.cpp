#include "TfrmRestituzioni.h"

#include "DigitsOnly.h"
#include "Clock.h"
#include "Dates.h"
#include "FieldText.h"
#include "LoanRegister.h"
#include "MessageBox.h"
#include "Modal.h"
#include "ProgramFolder.h"
#include "RecordCard.h"
#include "ResultList.h"
#include "ReturnConfirm.h"
#include "SearchTable.h"
#include "ShortString.h"
#include "WindowParts.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

namespace {

const QString kInformation
    = QStringLiteral("Servirsi di questo ambiente per registrare le restituzioni dei libri e DVD.");
const QString kReady = QStringLiteral("Pronto per registrare una nuova restituzione...");
const QString kYearLabel = QStringLiteral("Indicare l'anno solare in cui \u00E8 stato effettuato il prestito:");
const QString kSteps = QStringLiteral("Selezionare con un clic nell'elenco sottostante il libro o DVD da restituire e "
                                      "premere il pulsante Rimuovi da elenco.");
const QString kYearWrong = QStringLiteral("Attenzione: indicare l'anno solare utilizzando quattro cifre.");
const QString kEmptyList = QStringLiteral("Operazione non applicabile: l'elenco non contiene nessuna voce.");
const QString kNothingChosen = QStringLiteral(
    "Attenzione: selezionare un libro o DVD con un clic prima di premere il pulsante Rimuovi da elenco.");
const QString kRemoved = QStringLiteral(
    "Il prestito selezionato \u00E8 stato rimosso dall'elenco.\n\r\n\rE' ora possibile registrare una nuova "
    "restituzione per lo stesso utente.");

} // namespace

TfrmRestituzioni::TfrmRestituzioni(QWidget* parent)
    : LoanDesk(QStringLiteral("frmRestituzioni"), kInformation, kReady, QStringLiteral("reg_restituzioni"),
          returnsMembersTable(), parent)
{
    setWindowTitle(QStringLiteral(" Lettoria 3.0 - Restituzioni Libri e DVD"));
    infAnno = new QLabel(kYearLabel);
    infAnno->setObjectName(QStringLiteral("infAnno"));
    txtAnno = new QLineEdit;
    txtAnno->setObjectName(QStringLiteral("txtAnno"));
    txtAnno->setMaxLength(4);
    digitsOnly(txtAnno);
    txtAnno->setFont(QFont(QStringLiteral("Verdana"), 14));
    txtAnno->setFixedWidth(90);
    txtAnno->setAlignment(Qt::AlignCenter);
    lblCampo010->setText(kSteps);
    heaLibro->setText(QStringLiteral("LIBRO O DVD DA RESTITUIRE"));
    btnRimuovi = pushButton(QStringLiteral("btnRimuovi"), QStringLiteral("&Rimuovi da elenco"), nullptr, QSize(190, 34));
    lblPosizione = new QLabel(this);
    lblPosizione->setObjectName(QStringLiteral("lblPosizione"));
    lblPosizione->hide();

    auto* year = new QWidget;
    auto* yearRow = new QHBoxLayout(year);
    yearRow->setContentsMargins(0, 0, 0, 0);
    yearRow->addStretch();
    yearRow->addWidget(infAnno);
    yearRow->addWidget(txtAnno);
    yearRow->addStretch();

    auto* card = new QVBoxLayout;
    card->addWidget(heaUtente);
    card->addLayout(fieldGrid({{QStringLiteral("Cognome e nome:"), titTesserato},
        {QStringLiteral("Tessera n."), titNumTessera}, {QStringLiteral("Recapito preferenziale:"), titRecapito}}));
    card->addWidget(lblCampo010);
    card->addWidget(heaElenco);
    card->addWidget(lstRecords, 1);
    card->addWidget(heaLibro);
    card->addLayout(fieldGrid({{QStringLiteral("Tipo:"), titTipo}, {QStringLiteral("Codice identificativo:"), titCodice},
        {QStringLiteral("Titolo:"), titTitolo}, {QStringLiteral("Data prestito:"), titData},
        {QStringLiteral("Data scadenza:"), titDataSca}, {QStringLiteral("Data restituzione:"), titDataRes}}));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(btnRimuovi);
    buttons->addWidget(btnStampa);
    buttons->addWidget(btnEsci);
    card->addLayout(buttons);
    build({year}, card);
    describe(btnRimuovi, QStringLiteral("Rimuovi dall'elenco il prestito selezionato."));
    setTabOrder(txtAnno, btnImporta);
    setTabOrder(btnImporta, btnVisualizza);

    connect(txtAnno, &QLineEdit::returnPressed, btnImporta, qOverload<>(&QWidget::setFocus));
    connect(btnVisualizza, &QPushButton::clicked, this, &TfrmRestituzioni::btnVisualizzaClick);
    connect(lstRecords, &ResultList::selectionMoved, this, &TfrmRestituzioni::lineChosen);
    connect(btnRimuovi, &QPushButton::clicked, this, &TfrmRestituzioni::btnRimuoviClick);
}

void TfrmRestituzioni::showEvent(QShowEvent* event)
{
    LoanDesk::showEvent(event);
    if (event->spontaneous())
        return;
    txtAnno->setText(QString::number(Clock::today().year()));
    txtAnno->setFocus();
}

void TfrmRestituzioni::btnVisualizzaClick()
{
    if (!memberChosen())
        return;
    const QString year = trimmed(txtAnno);
    if (year.size() != 4) {
        MessageBox::warning(this, kYearWrong);
        txtAnno->setFocus();
        return;
    }
    lblFile->setText(ProgramFolder::file(year + QStringLiteral(".bib")));
    openCard();
    clearLoan();
    if (!loadLoans())
        return;
    showCard(true);
    lstRecords->setFocus();
}

void TfrmRestituzioni::clearLoan()
{
    for (QLineEdit* field : {titTipo, titCodice, titTitolo, titDataSca, titData})
        field->clear();
    titDataRes->setText(Dates::format(Clock::today()));
    lblPosizione->clear();
}

void TfrmRestituzioni::lineChosen()
{
    // The loan of the line chosen, by a click or the arrows, read again from the register; a
    // failure, or no line chosen, changes nothing.
    const qint64 n = lstRecords->selectedRecord();
    const auto loan = n > 0 ? Archive<TSchedaPrestito>(lblFile->text()).read(n) : std::nullopt;
    if (!loan)
        return;
    loadText(titTipo, loan->Tipo);
    loadText(titCodice, loan->Codice);
    loadText(titTitolo, loan->Titolo);
    loadText(titData, loan->Data);
    loadText(titDataSca, loan->DataSca);
    lblPosizione->setText(QString::number(n));
}

void TfrmRestituzioni::btnRimuoviClick()
{
    if (lstRecords->count() == 0)
        return MessageBox::warning(this, kEmptyList);
    if (trimmed(titCodice).isEmpty())
        return MessageBox::warning(this, kNothingChosen);
    const LoanRegister::ItemKind kind = LoanRegister::kindOf(trimmed(titTipo));
    if (kind == LoanRegister::ItemKind::Other)
        return;
    const bool book = kind == LoanRegister::ItemKind::Book;
    std::unique_ptr<ReturnConfirm> window;
    if (book)
        window = std::make_unique<TfrmRendiLibro>(trimmed(titCodice), this);
    else
        window = std::make_unique<TfrmRendiDVD>(trimmed(titCodice), this);
    // A catalogue that cannot be read is no catalogue without the item: nothing is returned.
    if (!window->catalogueRead())
        return MessageBox::error(this, kAccessError);
    connect(window.get(), &ReturnConfirm::confirmed, this, [this, book](qint64 n) { giveBack(book, n); });
    Modal::exec(*window);
}

void TfrmRestituzioni::giveBack(bool book, qint64 n)
{
    // The item back on the shelf and the return in the register, together or not at all.
    if (!LoanRegister::giveBack(book, n, lblFile->text(), lblPosizione->text().toLongLong(), loanOnCard()))
        return MessageBox::error(this, kAccessError);
    reload();
}

void TfrmRestituzioni::reload()
{
    if (!loadLoans())
        return;
    clearLoan();
    MessageBox::information(this, kRemoved);
}
