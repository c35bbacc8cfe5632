#include "TfrmRiepilogoPrestiti.h"

#include "Artwork.h"
#include "ClickableLabel.h"
#include "Dates.h"
#include "EnterKey.h"
#include "FindPanel.h"
#include "ListLines.h"
#include "ListReport.h"
#include "MessageBox.h"
#include "LoanRegister.h"
#include "RecordType.h"
#include "ResultList.h"
#include "ShortString.h"
#include "TfrmGuida.h"
#include "WindowFlags.h"
#include "WindowParts.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

const QString kNothingToPrint
    = QStringLiteral("Operazione di stampa non applicabile: il riepilogo non contiene nessuna voce.");
const QString kPrintQuestion = QStringLiteral("Si vuole stampare il presente riepilogo?");

QLabel* text(const QString& content, QWidget* parent, bool bold = false)
{
    auto* label = new QLabel(content, parent);
    if (bold) {
        QFont font = label->font();
        font.setBold(true);
        label->setFont(font);
    }
    return label;
}

} // namespace

TfrmRiepilogoPrestiti::TfrmRiepilogoPrestiti(
    const QString& registerPath, const QString& code, const QDate& start, const QDate& end, QWidget* parent)
    : QDialog(parent, kFixedDialog)
{
    setObjectName(QStringLiteral("frmRiepilogoPrestiti"));
    setWindowTitle(QStringLiteral(" Lettoria 3.0 - Riepilogo Prestiti Libri e DVD"));
    setFixedSize(900, 600);
    lblTipologia = text(QStringLiteral("Codice libro o DVD:"), this, true);
    titTipologia = text(QStringLiteral("- - -"), this, true);
    titTipologia->setObjectName(QStringLiteral("titTipologia"));
    // Enter in the find field does nothing of its own here.
    auto* findPanel = new FindPanel(QStringLiteral("scheda"), false, this);
    lblRigo01 = findPanel->lblRigo01;
    lblRigo02 = findPanel->lblRigo02;
    txtTrova = findPanel->txtTrova;
    btnTrova = findPanel->btnTrova;
    lstRecords = findPanel->lstRecords;
    infIntervallo = text(QStringLiteral("Intervallo selezionato:"), this, true);
    lblIntervallo = text(QString(), this);
    lblIntervallo->setObjectName(QStringLiteral("lblIntervallo"));
    infTotKmPercorsi = text(QStringLiteral("Totale prestiti:"), this, true);
    lblTotCosti = text(QStringLiteral("0"), this, true);
    lblTotCosti->setObjectName(QStringLiteral("lblTotCosti"));
    btnStampa = pushButton(QStringLiteral("btnStampa"), QStringLiteral("Stampa riepilogo"), this);
    btnEsci = pushButton(QStringLiteral("btnEsci"), QStringLiteral("Esci"), this);
    imgGuida = iconButton(QStringLiteral("imgGuida"), Artwork::Symbol::Help, 40, this);

    auto* top = new QHBoxLayout;
    top->addWidget(lblTipologia);
    top->addWidget(titTipologia, 1);
    top->addWidget(imgGuida);
    auto* totals = new QGridLayout;
    totals->addWidget(infIntervallo, 0, 0);
    totals->addWidget(lblIntervallo, 0, 1);
    totals->addWidget(infTotKmPercorsi, 1, 0);
    totals->addWidget(lblTotCosti, 1, 1);
    totals->setColumnStretch(1, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(btnStampa);
    buttons->addWidget(btnEsci);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(findPanel, 1);
    layout->addLayout(totals);
    layout->addLayout(buttons);

    connect(btnStampa, &QPushButton::clicked, this, &TfrmRiepilogoPrestiti::btnStampaClick);
    connect(btnEsci, &QPushButton::clicked, this, &QDialog::reject);
    connect(imgGuida, &ClickableLabel::clicked, this, [this] { TfrmGuida::showTopic(this, QStringLiteral("riepilogo")); });
    pressButtonsOnEnter(this);
    m_registerRead = load(registerPath, code, start, end);
    txtTrova->setFocus();
}

bool TfrmRiepilogoPrestiti::load(const QString& registerPath, const QString& code, const QDate& start, const QDate& end)
{
    const RecordType& type = RecordType::of<TSchedaPrestito>();
    const FieldSpot made = type.spot(QStringLiteral("Data"));
    const FieldSpot codice = type.spot(QStringLiteral("Codice"));
    const QString filter = ShortString::lowerAToZ(ShortString::trimmed(code));
    RecordLines lines;
    bool any = false;
    const bool read = LoanRegister::scan(registerPath, [&](qint64 n, const char* bytes) {
        any = true;
        // A loan date that is no date lies in no period: the loan is left out, the rest goes on.
        const QDate date = Dates::parse(made.read(bytes));
        if (!date.isValid() || date < start || date > end)
            return true;
        const QString stored = codice.read(bytes);
        if (!filter.isEmpty() && (stored.isEmpty() || ShortString::lowerAToZ(stored) != filter))
            return true;
        lines.append(summaryLine(), bytes, n);
        return true;
    });
    if (any)
        titTipologia->setText(filter.isEmpty() ? QStringLiteral("Tutti i prestiti") : ShortString::trimmed(code));
    lblTotCosti->setText(QString::number(lines.lines.size()));
    lstRecords->setLines(std::move(lines));
    lblIntervallo->setText(QStringLiteral("Dal   ") + Dates::format(start) + QStringLiteral("   al   ") + Dates::format(end));
    return read;
}

void TfrmRiepilogoPrestiti::btnStampaClick()
{
    if (lstRecords->count() == 0) {
        MessageBox::warning(this, kNothingToPrint);
        return;
    }
    if (!MessageBox::question(this, kPrintQuestion))
        return;
    QStringList lines = lstRecords->lines();
    lines << QStringLiteral("- - - - - - - - - - - - - - - -")
          << QStringLiteral("INTERVALLO SELEZIONATO:    ") + ShortString::trimmed(lblIntervallo->text())
          << QStringLiteral("TOTALE PRESTITI:  ") + ShortString::trimmed(lblTotCosti->text());
    printList(this, QStringLiteral("Riepilogo prestiti libri e DVD - Codice: ") + ShortString::trimmed(titTipologia->text()),
        lines);
}
