#include "TfrmStatistiche.h"

#include "DigitsOnly.h"
#include "Artwork.h"
#include "ClickableLabel.h"
#include "Clock.h"
#include "Dialogs.h"
#include "EnterKey.h"
#include "LoanRegister.h"
#include "MessageBox.h"
#include "Printing.h"
#include "RecordCard.h"
#include "ShortString.h"
#include "StatusLine.h"
#include "TfrmGuida.h"
#include "WindowParts.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QStackedWidget>
#include <QVBoxLayout>

namespace {

const QString kYearWrong = QStringLiteral("Attenzione: indicare l'anno solare utilizzando quattro cifre.");
const QString kTitle = QStringLiteral("Rappresentazione grafica dei prestiti registrati nell'anno %1.");
const QString kPrintQuestion = QStringLiteral("Si vuole stampare il presente grafico statistico?");
const std::pair<const char*, QRgb> kMonths[] = {{"Gennaio", 0xFFFF0000}, {"Febbraio", 0xFF0000FF},
    {"Marzo", 0xFFFFE4C4}, {"Aprile", 0xFFFF00FF}, {"Maggio", 0xFFC0DCC0}, {"Giugno", 0xFFFFFF00},
    {"Luglio", 0xFF00FF00}, {"Agosto", 0xFFC0C0C0}, {"Settembre", 0xFFF0FBFF}, {"Ottobre", 0xFF87CEEB},
    {"Novembre", 0xFF800000}, {"Dicembre", 0xFF008000}};

// The buttons of the window share one size.
constexpr QSize kButton(200, 34);

} // namespace

ChartView::ChartView(QWidget* parent)
    : QWidget(parent)
{
    chart.title = QStringLiteral("Statistiche prestiti mensili");
    chart.titleColour = QColor(0xD0, 0x44, 0x98);
    chart.foot = QStringLiteral("Le statistiche si basano sui prestiti effettivamente registrati considerando libri e DVD.");
    chart.footColour = QColor(0x72, 0x94, 0xF9);
    chart.legendTitle = QStringLiteral("Prestiti libri e DVD:");
}

void ChartView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    drawChart(painter, rect(), chart);
}

TfrmStatistiche::TfrmStatistiche(QWidget* parent)
    : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("frmStatistiche"));
    setWindowTitle(QStringLiteral(" Lettoria 3.0 - Statistiche prestiti mensili"));
    setMinimumSize(800, 600);
    resize(1000, 700);

    panAvvio = new QWidget(this);
    panAvvio->setObjectName(QStringLiteral("panAvvio"));
    lblApri = new QLabel(QStringLiteral("Indicare l'anno solare e premere Apri."), panAvvio);
    txtAnno = new QLineEdit(panAvvio);
    txtAnno->setObjectName(QStringLiteral("txtAnno"));
    txtAnno->setMaxLength(4);
    digitsOnly(txtAnno);
    txtAnno->setFont(QFont(QStringLiteral("Verdana"), 28));
    txtAnno->setFixedWidth(150);
    txtAnno->setAlignment(Qt::AlignCenter);
    btnApri = pushButton(QStringLiteral("btnApri"), QStringLiteral("Apri"), panAvvio, kButton);
    imgGuida = iconButton(QStringLiteral("imgGuida"), Artwork::Symbol::Help, 40, panAvvio);
    imgEsci = iconButton(QStringLiteral("imgEsci"), Artwork::Symbol::Exit, 40, panAvvio);
    auto* start = new QVBoxLayout(panAvvio);
    auto* logo = new QLabel(panAvvio);
    logo->setPixmap(Artwork::logo(QSize(320, 92)));
    start->addStretch();
    start->addWidget(logo, 0, Qt::AlignHCenter);
    start->addWidget(lblApri, 0, Qt::AlignHCenter);
    start->addWidget(txtAnno, 0, Qt::AlignHCenter);
    start->addWidget(btnApri, 0, Qt::AlignHCenter);
    start->addStretch();
    auto* startFoot = new QHBoxLayout;
    startFoot->addWidget(imgGuida);
    startFoot->addStretch();
    startFoot->addWidget(imgEsci);
    start->addLayout(startFoot);

    panContainer = new QWidget(this);
    panContainer->setObjectName(QStringLiteral("panContainer"));
    lblTitolo = new QLabel(panContainer);
    lblTitolo->setObjectName(QStringLiteral("lblTitolo"));
    lblTitolo->setFont(QFont(QStringLiteral("Verdana"), 20, QFont::Bold));
    lblRigo04 = new QLabel(QStringLiteral("Il presente grafico statistico mostra i prestiti di libri e DVD totalizzati in "
                                          "ciascun mese dell'anno."),
        panContainer);
    lblRigo05 = new QLabel(QStringLiteral("Servirsi dei pulsanti in calce per visualizzare il tipo di grafico desiderato "
                                          "e per mandarlo in stampa."),
        panContainer);
    ChartStats = new ChartView(panContainer);
    ChartStats->setObjectName(QStringLiteral("ChartStats"));
    btnTorta = pushButton(QStringLiteral("btnTorta"), QStringLiteral("Visualizza grafico a torta"), panContainer, kButton);
    btnBarre = pushButton(QStringLiteral("btnBarre"), QStringLiteral("Visualizza grafico a barre"), panContainer, kButton);
    btnStampa = pushButton(QStringLiteral("btnStampa"), QStringLiteral("Stampa grafico"), panContainer, kButton);
    btnEsci = pushButton(QStringLiteral("btnEsci"), QStringLiteral("Esci"), panContainer, kButton);
    cmdGuida = iconButton(QStringLiteral("cmdGuida"), Artwork::Symbol::Help, 40, panContainer);
    auto* chartPanel = new QVBoxLayout(panContainer);
    chartPanel->addWidget(lblTitolo, 0, Qt::AlignHCenter);
    chartPanel->addWidget(lblRigo04, 0, Qt::AlignHCenter);
    chartPanel->addWidget(lblRigo05, 0, Qt::AlignHCenter);
    chartPanel->addWidget(ChartStats, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(cmdGuida);
    buttons->addStretch();
    for (QPushButton* b : {btnTorta, btnBarre, btnStampa, btnEsci})
        buttons->addWidget(b);
    chartPanel->addLayout(buttons);

    panInfo = StatusLine::panel(QStringLiteral("Grafico statistico dei prestiti mensili."), this);
    m_status = new StatusLine(panInfo);
    m_panels = new QStackedWidget(this);
    m_panels->addWidget(panAvvio);
    m_panels->addWidget(panContainer);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(12, 12, 12, 12);
    layout->addWidget(m_panels, 1);
    layout->addWidget(panInfo);

    m_status->clearOver(this);
    for (QWidget* widget : findChildren<QWidget*>()) {
        if (widget != panInfo)
            m_status->clearOver(widget);
    }
    m_status->describe(btnTorta, QStringLiteral("Visualizza le statistiche dei prestiti sotto forma di grafico a torta tridimensionale."));
    m_status->describe(btnBarre, QStringLiteral("Visualizza le statistiche dei prestiti sotto forma di grafico a barre tridimensionali."));
    m_status->describe(btnStampa, QStringLiteral("Stampa il grafico corrente."));
    m_status->describe(btnEsci, QStringLiteral("Esci da questo ambiente di lavoro."));
    m_status->describe(cmdGuida, QStringLiteral("Visualizza la pagina della guida sensibile al contesto."));

    connect(txtAnno, &QLineEdit::returnPressed, btnApri, qOverload<>(&QWidget::setFocus));
    connect(btnApri, &QPushButton::clicked, this, &TfrmStatistiche::btnApriClick);
    connect(btnTorta, &QPushButton::clicked, this, [this] { setKind(Chart::Kind::Pie); });
    connect(btnBarre, &QPushButton::clicked, this, [this] { setKind(Chart::Kind::Bars); });
    connect(btnStampa, &QPushButton::clicked, this, &TfrmStatistiche::btnStampaClick);
    for (ClickableLabel* help : {imgGuida, cmdGuida})
        connect(help, &ClickableLabel::clicked, this, [this] { TfrmGuida::showTopic(this, QStringLiteral("statistiche")); });
    connect(imgEsci, &ClickableLabel::clicked, this, &QWidget::close);
    connect(btnEsci, &QPushButton::clicked, this, &QWidget::close);
    pressButtonsOnEnter(this);
}

void TfrmStatistiche::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (event->spontaneous())
        return;
    txtAnno->setText(QString::number(Clock::today().year()));
    ChartStats->chart.points.clear();
    m_panels->setCurrentWidget(panAvvio);
    txtAnno->setFocus();
}

void TfrmStatistiche::closeEvent(QCloseEvent* event)
{
    event->accept();
    emit closed();
}

void TfrmStatistiche::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    Artwork::paintBackground(painter, *this);
}

void TfrmStatistiche::btnApriClick()
{
    const QString year = ShortString::trimmed(txtAnno->text());
    if (year.size() != 4) {
        MessageBox::warning(this, kYearWrong);
        txtAnno->setFocus();
        return;
    }
    std::vector<TSchedaPrestito> loans;
    const bool read = LoanRegister::scan(LoanRegister::path(year.toInt()), [&](qint64, const char* bytes) {
        loans.push_back(decodeRecord<TSchedaPrestito>(bytes));
        return true;
    });
    // A register that cannot be read is no year without loans: the chart stays as it was.
    if (!read)
        return MessageBox::error(this, kAccessError);
    lblTitolo->setText(kTitle.arg(year));
    const std::array<int, 12> counts = LoanRegister::monthCounts(loans, year);
    ChartStats->chart.points.clear();
    for (size_t m = 0; m < 12; ++m)
        ChartStats->chart.points.append({QString::fromLatin1(kMonths[m].first), counts[m], QColor::fromRgba(kMonths[m].second)});
    ChartStats->update();
    m_panels->setCurrentWidget(panContainer);
}

void TfrmStatistiche::setKind(Chart::Kind kind)
{
    ChartStats->chart.kind = kind;
    ChartStats->update();
}

void TfrmStatistiche::btnStampaClick()
{
    if (!MessageBox::question(this, kPrintQuestion))
        return;
    const auto answer
        = Dialogs::askNumber(this, QStringLiteral("Numero copie da stampare"), QStringLiteral("Copie:"), 1);
    if (!answer)
        return;
    QString copies = ShortString::trimmed(*answer);
    if (copies.isEmpty() || !std::all_of(copies.begin(), copies.end(), [](QChar c) { return c.isDigit() && c.unicode() < 128; }))
        copies = QStringLiteral("1");
    // The chart on an A4 landscape page.
    Report page;
    page.orientation = QPageLayout::Landscape;
    page.margins = QMarginsF(10, 10, 10, 10);
    ReportBand& band = page.addBand(ReportBand::Kind::Data, QStringLiteral("MasterData"), 190);
    ReportObject chart;
    chart.kind = ReportObject::Kind::Chart;
    chart.name = QStringLiteral("ChartStats");
    chart.geometry = QRectF(0, 0, 277, 190);
    chart.chart = ChartStats->chart;
    band.objects.append(chart);
    Printing::printCopies(this, page, copies.toInt());
}
