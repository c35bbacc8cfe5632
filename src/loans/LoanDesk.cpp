#include "LoanDesk.h"

#include "Artwork.h"
#include "ClickableLabel.h"
#include "EnterKey.h"
#include "FieldText.h"
#include "ListLines.h"
#include "ListReport.h"
#include "LoanRegister.h"
#include "MessageBox.h"
#include "Modal.h"
#include "RecordCard.h"
#include "ResultList.h"
#include "SearchWindow.h"
#include "ShortString.h"
#include "StatusLine.h"
#include "TfrmGuida.h"
#include "WindowParts.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QStackedWidget>
#include <QVBoxLayout>

namespace {

// The four buttons of the desk share one size.
constexpr QSize kDeskButton(190, 34);

const QString kNameMissing = QStringLiteral(
    "Attenzione: per visualizzare la scheda prestito \u00E8 necessario indicare il nome dell'utente importandolo "
    "dall'archivio anagrafico.");
const QString kCardMissing = QStringLiteral(
    "Attenzione: per visualizzare la scheda prestito \u00E8 necessario indicare il numero di tessera dell'utente "
    "importandolo dall'archivio anagrafico.");
const QString kNothingToPrint
    = QStringLiteral("Operazione di stampa non applicabile: l'elenco non contiene nessuna voce.");
const QString kPrintQuestion = QStringLiteral("Si vuole stampare il presente elenco?");
const QString kHelpTopic = QStringLiteral("registrazione");

QLineEdit* readOnly(const char* name)
{
    auto* edit = new QLineEdit;
    edit->setObjectName(QLatin1String(name));
    edit->setReadOnly(true);
    QFont font(QStringLiteral("Verdana"), 11);
    font.setBold(true);
    edit->setFont(font);
    edit->setMinimumHeight(26);
    return edit;
}

QFrame* whiteBox(const char* name)
{
    auto* box = new QFrame;
    box->setObjectName(QLatin1String(name));
    box->setStyleSheet(QStringLiteral("QFrame#%1 { background: white; border: 1px solid #b8c7d9; border-radius: 10px; }")
                           .arg(QLatin1String(name)));
    return box;
}

} // namespace

LoanDesk::LoanDesk(const QString& objectName, const QString& information, const QString& ready,
    const QString& marker, const SearchTable& memberSearch, QWidget* parent)
    : QWidget(parent, Qt::Window)
    , m_ready(ready)
    , m_marker(marker)
    , m_memberSearch(memberSearch)
{
    setObjectName(objectName);
    setMinimumSize(800, 600);
    resize(1000, 700);

    panSelezione = whiteBox("panSelezione");
    lblInformazioni = new QLabel(information);
    lblInformazioni->setObjectName(QStringLiteral("lblInformazioni"));
    lblApri = new QLabel(QStringLiteral("Importare un utente e premere Visualizza scheda prestiti."));
    lblApri->setObjectName(QStringLiteral("lblApri"));
    txtTesserato = readOnly("txtTesserato");
    txtNumTessera = readOnly("txtNumTessera");
    txtRecapito = readOnly("txtRecapito");
    btnImporta = pushButton(QStringLiteral("btnImporta"), QStringLiteral("Importa &utente"), nullptr, kDeskButton);
    btnVisualizza = pushButton(QStringLiteral("btnVisualizza"), QStringLiteral("&Visualizza scheda prestiti"), nullptr, kDeskButton);
    icoGuida = iconButton(QStringLiteral("icoGuida"), Artwork::Symbol::Help, 40, nullptr);
    icoEsci = iconButton(QStringLiteral("icoEsci"), Artwork::Symbol::Exit, 40, nullptr);

    panContainer = whiteBox("panContainer");
    heaUtente = sectionHeader("heaUtente", QStringLiteral("UTENTE SELEZIONATO"));
    titTesserato = readOnly("titTesserato");
    titNumTessera = readOnly("titNumTessera");
    titRecapito = readOnly("titRecapito");
    lblCampo010 = new QLabel;
    lblCampo010->setObjectName(QStringLiteral("lblCampo010"));
    lblCampo010->setWordWrap(true);
    heaLibro = sectionHeader("heaLibro", QString());
    titTipo = readOnly("titTipo");
    titCodice = readOnly("titCodice");
    titTitolo = readOnly("titTitolo");
    titData = readOnly("titData");
    titDataSca = readOnly("titDataSca");
    titDataRes = readOnly("titDataRes");
    titData->setAlignment(Qt::AlignCenter);
    titDataSca->setAlignment(Qt::AlignCenter);
    heaElenco = sectionHeader("heaElenco", QStringLiteral("ELENCO LIBRI E DVD PRESTATI ALL'UTENTE"));
    lstRecords = new ResultList;
    lstRecords->setObjectName(QStringLiteral("lstRecords"));
    btnStampa = pushButton(QStringLiteral("btnStampa"), QStringLiteral("Stam&pa scheda prestiti"), nullptr, kDeskButton);
    btnEsci = pushButton(QStringLiteral("btnEsci"), QStringLiteral("&Esci"), nullptr, kDeskButton);
    lblFile = new QLabel(this);
    lblFile->setObjectName(QStringLiteral("lblFile"));
    lblFile->hide();
    panInfo = StatusLine::panel(ready, nullptr);
    m_status = new StatusLine(panInfo);


    connect(btnImporta, &QPushButton::clicked, this, &LoanDesk::btnImportaClick);
    connect(btnStampa, &QPushButton::clicked, this, &LoanDesk::btnStampaClick);
    connect(btnEsci, &QPushButton::clicked, this, &QWidget::close);
    connect(icoEsci, &ClickableLabel::clicked, this, &QWidget::close);
    connect(icoGuida, &ClickableLabel::clicked, this, [this] { TfrmGuida::showTopic(this, kHelpTopic); });
}

QLabel* LoanDesk::sectionHeader(const char* name, const QString& text)
{
    auto* header = new QLabel(text);
    header->setObjectName(QLatin1String(name));
    header->setStyleSheet(QStringLiteral("QLabel { background: #4682b4; color: white; font: bold 10pt 'Verdana'; "
                                         "padding: 4px 10px; border-radius: 4px; }"));
    return header;
}

QGridLayout* LoanDesk::fieldGrid(const QList<std::pair<QString, QLineEdit*>>& fields)
{
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(10);
    grid->setVerticalSpacing(6);
    for (int i = 0; i < fields.size(); ++i) {
        auto* label = new QLabel(fields.at(i).first);
        QFont font = label->font();
        font.setBold(true);
        label->setFont(font);
        label->setStyleSheet(QStringLiteral("color: #1f3a5f;"));
        const int row = i / 2;
        const int column = (i % 2) * 2;
        grid->addWidget(label, row, column, Qt::AlignRight | Qt::AlignVCenter);
        grid->addWidget(fields.at(i).second, row, column + 1);
    }
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);
    return grid;
}

void LoanDesk::describe(QWidget* control, const QString& text)
{
    m_status->describe(control, text);
}

void LoanDesk::build(const QList<QWidget*>& selectionTop, QVBoxLayout* card)
{
    auto* selection = new QVBoxLayout(panSelezione);
    selection->setContentsMargins(24, 20, 24, 16);
    selection->setSpacing(12);
    auto* logo = new QLabel;
    logo->setPixmap(Artwork::logo(QSize(320, 92)));
    logo->setAlignment(Qt::AlignCenter);
    selection->addWidget(logo);
    selection->addWidget(lblInformazioni, 0, Qt::AlignHCenter);
    for (QWidget* widget : selectionTop)
        selection->addWidget(widget);
    selection->addWidget(lblApri, 0, Qt::AlignHCenter);
    selection->addLayout(fieldGrid({{QStringLiteral("Cognome e nome:"), txtTesserato},
        {QStringLiteral("Tessera n."), txtNumTessera}, {QStringLiteral("Recapito preferenziale:"), txtRecapito}}));
    auto* actions = new QHBoxLayout;
    actions->addStretch();
    actions->addWidget(btnImporta);
    actions->addWidget(btnVisualizza);
    actions->addStretch();
    selection->addLayout(actions);
    selection->addStretch();
    auto* foot = new QHBoxLayout;
    foot->addWidget(icoGuida);
    foot->addStretch();
    foot->addWidget(icoEsci);
    selection->addLayout(foot);

    card->setContentsMargins(16, 12, 16, 12);
    card->setSpacing(8);
    panContainer->setLayout(card);

    // The panels keep a readable width on a wide screen.
    m_panels = new QStackedWidget;
    m_panels->addWidget(panSelezione);
    m_panels->addWidget(panContainer);
    auto* column = new QWidget;
    column->setMaximumWidth(1040);
    auto* inner = new QVBoxLayout(column);
    inner->setContentsMargins(0, 0, 0, 0);
    inner->addWidget(m_panels, 1);
    inner->addWidget(panInfo);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(12, 12, 12, 12);
    layout->addWidget(column);

    m_status->clearOver(this);
    for (QWidget* widget : findChildren<QWidget*>()) {
        if (widget != panInfo)
            m_status->clearOver(widget);
    }
    // The selection panel's own order: its two buttons, the member's fields, then help and leave.
    const QList<QWidget*> order = {btnImporta, btnVisualizza, txtTesserato, txtNumTessera, txtRecapito, icoGuida,
        icoEsci};
    for (qsizetype i = 1; i < order.size(); ++i)
        setTabOrder(order.at(i - 1), order.at(i));
    describe(btnStampa, QStringLiteral("Stampa la scheda prestiti dell'utente selezionato."));
    describe(btnEsci, QStringLiteral("Esci da questo ambiente di lavoro."));
    pressButtonsOnEnter(this);
}

void LoanDesk::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (event->spontaneous())
        return;
    showCard(false);
    txtTesserato->clear();
    txtNumTessera->clear();
    txtRecapito->clear();
    panInfo->setText(m_ready);
}

void LoanDesk::closeEvent(QCloseEvent* event)
{
    event->accept();
    emit closed();
}

void LoanDesk::showCard(bool card)
{
    m_panels->setCurrentWidget(card ? panContainer : panSelezione);
}

QString LoanDesk::trimmed(const QLineEdit* edit)
{
    return ShortString::trimmed(edit->text());
}

TSchedaPrestito LoanDesk::loanOnCard() const
{
    TSchedaPrestito loan;
    loan.Tesserato = trimmed(titTesserato);
    loan.NumTessera = trimmed(titNumTessera);
    loan.Recapito = trimmed(titRecapito);
    loan.Tipo = trimmed(titTipo);
    loan.Codice = trimmed(titCodice);
    loan.Titolo = trimmed(titTitolo);
    loan.Data = trimmed(titData);
    loan.DataSca = trimmed(titDataSca);
    loan.DataRes = trimmed(titDataRes);
    return loan;
}

void LoanDesk::btnImportaClick()
{
    SearchWindow window(m_memberSearch, this);
    window.lblMemory->setText(m_marker);
    connect(&window, &SearchWindow::recordChosen, this,
        [this](qint64, const QHash<QString, QString>& values) {
            loadText(txtTesserato, values.value(QStringLiteral("Tesserato")));
            loadText(txtNumTessera, values.value(QStringLiteral("NumTessera")));
            loadText(txtRecapito, values.value(QStringLiteral("Recapito")));
        });
    Modal::exec(window);
}

bool LoanDesk::memberChosen()
{
    for (const auto& [field, message] : {std::pair(txtTesserato, kNameMissing), std::pair(txtNumTessera, kCardMissing)}) {
        if (ShortString::trimmed(field->text()).isEmpty()) {
            MessageBox::warning(this, message);
            btnImporta->setFocus();
            return false;
        }
    }
    return true;
}

void LoanDesk::openCard()
{
    loadText(titTesserato, ShortString::trimmed(txtTesserato->text()));
    loadText(titNumTessera, ShortString::trimmed(txtNumTessera->text()));
    loadText(titRecapito, ShortString::trimmed(txtRecapito->text()));
    for (QLineEdit* field : {titTipo, titCodice, titTitolo, titDataSca, titData, titDataRes})
        field->clear();
}

bool LoanDesk::loadLoans()
{
    RecordLines lines;
    const bool read = LoanRegister::scanOpenLoans(lblFile->text(), titNumTessera->text(),
        [&](qint64 n, const char* bytes) { lines.append(loanCardLine(), bytes, n); });
    lstRecords->setLines(std::move(lines));
    if (!read)
        MessageBox::error(this, kAccessError);
    return read;
}

void LoanDesk::btnStampaClick()
{
    if (lstRecords->count() == 0) {
        MessageBox::warning(this, kNothingToPrint);
        return;
    }
    if (!MessageBox::question(this, kPrintQuestion))
        return;
    printList(this,
        QStringLiteral("Prestiti dell'utente ") + ShortString::trimmed(titTesserato->text())
            + QStringLiteral(" - Tessera n. ") + ShortString::trimmed(titNumTessera->text()),
        lstRecords->lines());
}
