#include "TfrmMenuRiepilogoPrestiti.h"

#include "DigitsOnly.h"
#include "Artwork.h"
#include "ClickableLabel.h"
#include "Clock.h"
#include "Dates.h"
#include "EnterKey.h"
#include "ExportWindow.h"
#include "FieldHighlight.h"
#include "MessageBox.h"
#include "Modal.h"
#include "ProgramFolder.h"
#include "RecordCard.h"
#include "ShortString.h"
#include "TfrmRiepilogoPrestiti.h"
#include "WindowParts.h"

#include <QCloseEvent>
#include <QAbstractItemView>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

const QString kCaption = QStringLiteral(" Lettoria 3.0 - Riepilogo Prestiti Libri e DVD");
const QStringList kMonths = {QStringLiteral("Gennaio"), QStringLiteral("Febbraio"), QStringLiteral("Marzo"),
    QStringLiteral("Aprile"), QStringLiteral("Maggio"), QStringLiteral("Giugno"), QStringLiteral("Luglio"),
    QStringLiteral("Agosto"), QStringLiteral("Settembre"), QStringLiteral("Ottobre"), QStringLiteral("Novembre"),
    QStringLiteral("Dicembre")};
const QString kYearWrong = QStringLiteral("Attenzione: indicare l'anno solare utilizzando quattro cifre.");
const QString kPick = QStringLiteral("Attenzione: indicare il %1 di %2 intervallo selezionandolo dall'elenco a cascata.");
const QString kNoDate = QStringLiteral(
    "Attenzione: la data %1 di %2 intervallo non esiste.\n\r\n\rPer poter visualizzare il riepilogo \u00E8 necessario "
    "indicare una data valida.");
const QString kOrder = QStringLiteral(
    "Attenzione: la data di fine intervallo (%1) non pu\u00F2 essere anteriore a quella di inizio intervallo (%2).\n\r\n\r"
    "Per poter visualizzare il riepilogo \u00E8 necessario indicare un intervallo di tempo valido.");
// The links' chartreuse, darkened (same hue) until it reads on the pale blue under the links.
const QColor kChartreuse(0x33, 0x66, 0x00);

QComboBox* list(const char* name, const QStringList& items, QWidget* parent)
{
    auto* combo = new QComboBox(parent);
    combo->setObjectName(QLatin1String(name));
    combo->addItems(items);
    combo->setCurrentIndex(-1);
    combo->setMinimumWidth(items.size() > 12 ? 70 : 130);
    return combo;
}

// The keys that open, move along and close a drop-down list, and leave it; no key that types.
bool movesList(const QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
    case Qt::Key_Home:
    case Qt::Key_End:
    case Qt::Key_F4:
    case Qt::Key_Escape:
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        return true;
    default:
        return false;
    }
}

// The two-digit number of a month name, or empty.
QString monthNumber(const QString& text)
{
    const QString wanted = ShortString::trimmed(text).toLower();
    for (int m = 0; m < kMonths.size(); ++m) {
        if (kMonths.at(m).toLower() == wanted)
            return QStringLiteral("%1").arg(m + 1, 2, 10, QLatin1Char('0'));
    }
    return QString();
}

} // namespace

TfrmMenuRiepilogoPrestiti::TfrmMenuRiepilogoPrestiti(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::MSWindowsFixedSizeDialogHint)
{
    setObjectName(QStringLiteral("frmMenuRiepilogoPrestiti"));
    setWindowTitle(kCaption);
    setFixedSize(640, 560);

    lblCampo01 = new QLabel(QStringLiteral("Indicare l'anno solare di interesse e il codice identificativo di un libro o DVD."), this);
    txtAnno = new QLineEdit(this);
    txtAnno->setObjectName(QStringLiteral("txtAnno"));
    txtAnno->setMaxLength(4);
    digitsOnly(txtAnno);
    txtAnno->setFixedWidth(80);
    txtTipologia = new QLineEdit(this);
    txtTipologia->setObjectName(QStringLiteral("txtTipologia"));
    txtTipologia->setMaxLength(30);
    lblCampo02 = new QLabel(
        QStringLiteral("Per ottenere lo storico dei prestiti relativi a tutti i libri o DVD, non indicare nessun codice."), this);
    lblCampo02->setWordWrap(true);
    lblCampo03 = new QLabel(QStringLiteral("Indicare l'intervallo di tempo relativo al periodo da riepilogare."), this);
    QStringList days;
    for (int d = 1; d <= 31; ++d)
        days << QStringLiteral("%1").arg(d, 2, 10, QLatin1Char('0'));
    txtGiornoInizio = list("txtGiornoInizio", days, this);
    txtMeseInizio = list("txtMeseInizio", kMonths, this);
    txtGiornoFine = list("txtGiornoFine", days, this);
    txtMeseFine = list("txtMeseFine", kMonths, this);
    QFont big(QStringLiteral("Verdana"), 18);
    big.setBold(true);
    lblAnnoInizio = new QLabel(this);
    lblAnnoInizio->setObjectName(QStringLiteral("lblAnnoInizio"));
    lblAnnoFine = new QLabel(this);
    lblAnnoFine->setObjectName(QStringLiteral("lblAnnoFine"));
    for (QLabel* year : {lblAnnoInizio, lblAnnoFine})
        year->setFont(big);
    lblDataInizio = new QLabel(this);
    lblDataInizio->setObjectName(QStringLiteral("lblDataInizio"));
    lblDataFine = new QLabel(this);
    lblDataFine->setObjectName(QStringLiteral("lblDataFine"));
    lblFile = new QLabel(this);
    lblFile->setObjectName(QStringLiteral("lblFile"));
    for (QLabel* hidden : {lblDataInizio, lblDataFine, lblFile})
        hidden->hide();
    btnVisualizza = pushButton(QStringLiteral("btnVisualizza"), QStringLiteral("Visualizza riepilogo"), this, QSize(170, 34));
    btnEsci = pushButton(QStringLiteral("btnEsci"), QStringLiteral("Esci"), this, QSize(170, 34));
    lblAttendere = waitLabel(QStringLiteral("Caricamento riepilogo in corso. Attendere..."), this);
    const QFont linkFont(QStringLiteral("Tahoma"), 12);
    lnkEsporta = new LinkLabel(Artwork::icon(Artwork::Symbol::Export, 36), QStringLiteral("Esporta"), linkFont, this, kChartreuse);
    lnkEsporta->setObjectName(QStringLiteral("lnkEsporta"));
    lnkEsporta->pictureLabel()->setObjectName(QStringLiteral("cmdEsporta"));
    lnkScaduti = new LinkLabel(Artwork::icon(Artwork::Symbol::Clock, 36), QStringLiteral("Scaduti"), linkFont, this, kChartreuse);
    lnkScaduti->setObjectName(QStringLiteral("lnkScaduti"));
    lnkScaduti->pictureLabel()->setObjectName(QStringLiteral("cmdScaduti"));

    const auto group = [this](const char* name, const QString& title, QComboBox* day, QComboBox* month, QLabel* year) {
        auto* box = new QGroupBox(title, this);
        box->setObjectName(QLatin1String(name));
        auto* row = new QHBoxLayout(box);
        row->addWidget(new QLabel(QStringLiteral("Giorno:"), box));
        row->addWidget(day);
        row->addSpacing(12);
        row->addWidget(new QLabel(QStringLiteral("Mese:"), box));
        row->addWidget(month);
        row->addSpacing(12);
        row->addWidget(year);
        row->addStretch();
        return box;
    };
    auto* fields = new QGridLayout;
    fields->addWidget(new QLabel(QStringLiteral("Anno:"), this), 0, 0);
    fields->addWidget(new QLabel(QStringLiteral("Codice libro o DVD:"), this), 0, 1);
    fields->addWidget(txtAnno, 1, 0);
    fields->addWidget(txtTipologia, 1, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(btnEsci);
    buttons->addStretch();
    buttons->addWidget(btnVisualizza);
    auto* links = new QHBoxLayout;
    links->addWidget(lnkEsporta);
    links->addWidget(lnkScaduti);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(22, 16, 22, 14);
    layout->addWidget(lblCampo01);
    layout->addLayout(fields);
    layout->addWidget(lblCampo02);
    layout->addWidget(lblCampo03);
    layout->addWidget(group("grpDataInizio", QStringLiteral(" Data inizio intervallo: "), txtGiornoInizio, txtMeseInizio, lblAnnoInizio));
    layout->addWidget(group("grpDataFine", QStringLiteral(" Data fine intervallo: "), txtGiornoFine, txtMeseFine, lblAnnoFine));
    layout->addWidget(lblAttendere, 0, Qt::AlignHCenter);
    layout->addStretch();
    layout->addLayout(links);
    layout->addLayout(buttons);

    for (QWidget* field : std::initializer_list<QWidget*> {txtAnno, txtTipologia, txtGiornoInizio, txtMeseInizio,
             txtGiornoFine, txtMeseFine}) {
        field->installEventFilter(this);
        FieldHighlight::attach(field, field->objectName().mid(3));
    }
    for (QObject* open : lists())
        open->installEventFilter(this);
    showWaitOnPress(btnVisualizza, lblAttendere);
    connect(btnVisualizza, &QPushButton::clicked, this, &TfrmMenuRiepilogoPrestiti::btnVisualizzaClick);
    connect(btnEsci, &QPushButton::clicked, this, &QWidget::close);
    connect(lnkEsporta, &LinkLabel::clicked, this, [this] { openExport(false); });
    connect(lnkScaduti, &LinkLabel::clicked, this, [this] { openExport(true); });
    pressButtonsOnEnter(this);
}

void TfrmMenuRiepilogoPrestiti::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    Artwork::centreOnScreen(*this);
    for (QComboBox* combo : {txtGiornoInizio, txtMeseInizio, txtGiornoFine, txtMeseFine})
        combo->setCurrentIndex(-1);
    txtTipologia->clear();
    txtAnno->setText(QString::number(Clock::today().year()));
    followYear();
    txtTipologia->setFocus();
}

void TfrmMenuRiepilogoPrestiti::closeEvent(QCloseEvent* event)
{
    event->accept();
    emit closed();
}

void TfrmMenuRiepilogoPrestiti::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    Artwork::paintBackground(painter, *this);
}

QObjectList TfrmMenuRiepilogoPrestiti::lists() const
{
    QObjectList views;
    for (QComboBox* combo : {txtGiornoInizio, txtMeseInizio, txtGiornoFine, txtMeseFine})
        views << combo->view();
    return views;
}

void TfrmMenuRiepilogoPrestiti::followYear()
{
    lblAnnoInizio->setText(ShortString::trimmed(txtAnno->text()));
    lblAnnoFine->setText(ShortString::trimmed(txtAnno->text()));
}

bool TfrmMenuRiepilogoPrestiti::eventFilter(QObject* watched, QEvent* event)
{
    // An open list is not typed into either: a letter would choose the first item it begins with.
    if (lists().contains(watched))
        return event->type() == QEvent::KeyPress && !movesList(static_cast<QKeyEvent*>(event));
    const QList<QWidget*> chain = {txtAnno, txtTipologia, txtGiornoInizio, txtMeseInizio, txtGiornoFine, txtMeseFine};
    auto* field = static_cast<QWidget*>(watched);
    const bool isList = qobject_cast<QComboBox*>(watched) != nullptr;
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            const int at = int(chain.indexOf(field));
            if (at + 1 < chain.size())
                chain.at(at + 1)->setFocus();
            else
                btnVisualizza->setFocus();
            return true;
        }
        // The day and month lists are chosen from, never typed into: the keys that open and move
        // them still work, and Tab still moves on.
        if (isList && !movesList(static_cast<QKeyEvent*>(event)))
            return true;
    }
    if (watched == txtAnno && (event->type() == QEvent::KeyRelease || event->type() == QEvent::FocusOut))
        followYear();
    return QWidget::eventFilter(watched, event);
}

bool TfrmMenuRiepilogoPrestiti::yearTyped()
{
    if (ShortString::trimmed(txtAnno->text()).size() == 4)
        return true;
    MessageBox::warning(this, kYearWrong);
    txtAnno->setFocus();
    lblAttendere->hide();
    return false;
}

void TfrmMenuRiepilogoPrestiti::btnVisualizzaClick()
{
    lblDataInizio->clear();
    lblDataFine->clear();
    followYear();
    if (!yearTyped())
        return;
    const std::tuple<QComboBox*, QString, QString> picks[] = {
        {txtGiornoInizio, QStringLiteral("giorno"), QStringLiteral("inizio")},
        {txtMeseInizio, QStringLiteral("mese"), QStringLiteral("inizio")},
        {txtGiornoFine, QStringLiteral("giorno"), QStringLiteral("fine")},
        {txtMeseFine, QStringLiteral("mese"), QStringLiteral("fine")}};
    for (const auto& [list, what, end] : picks) {
        if (ShortString::trimmed(list->currentText()).isEmpty()) {
            MessageBox::warning(this, kPick.arg(what, end));
            list->setFocus();
            lblAttendere->hide();
            return;
        }
    }
    const auto dateOf = [](QComboBox* day, QComboBox* month, QLabel* year) {
        return ShortString::trimmed(day->currentText()) + QLatin1Char('/') + monthNumber(month->currentText())
            + QLatin1Char('/') + ShortString::trimmed(year->text());
    };
    lblDataInizio->setText(dateOf(txtGiornoInizio, txtMeseInizio, lblAnnoInizio));
    if (!Dates::isValid(lblDataInizio->text())) {
        MessageBox::plain(this, kNoDate.arg(lblDataInizio->text(), QStringLiteral("inizio")));
        txtGiornoInizio->setFocus();
        lblAttendere->hide();
        return;
    }
    lblDataFine->setText(dateOf(txtGiornoFine, txtMeseFine, lblAnnoFine));
    if (!Dates::isValid(lblDataFine->text())) {
        MessageBox::plain(this, kNoDate.arg(lblDataFine->text(), QStringLiteral("fine")));
        txtGiornoFine->setFocus();
        lblAttendere->hide();
        return;
    }
    const QDate start = Dates::parse(lblDataInizio->text());
    const QDate end = Dates::parse(lblDataFine->text());
    if (start > end) {
        MessageBox::plain(this, kOrder.arg(lblDataFine->text(), lblDataInizio->text()));
        lblAttendere->hide();
        return;
    }
    lblFile->setText(ProgramFolder::file(ShortString::trimmed(txtAnno->text()) + QStringLiteral(".bib")));
    TfrmRiepilogoPrestiti summary(lblFile->text(), txtTipologia->text(), start, end, this);
    if (summary.registerRead())
        Modal::exec(summary);
    else
        MessageBox::error(this, kAccessError);
    lblAttendere->hide();
}

void TfrmMenuRiepilogoPrestiti::openExport(bool overdue)
{
    if (!yearTyped())
        return;
    lblFile->setText(ProgramFolder::file(ShortString::trimmed(txtAnno->text()) + QStringLiteral(".bib")));
    if (overdue)
        TfrmExpPrestitiSca(lblFile->text(), this).runModal();
    else
        TfrmExpPrestiti(lblFile->text(), this).runModal();
}
