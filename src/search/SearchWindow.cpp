#include "SearchWindow.h"

#include "Artwork.h"
#include "EnterKey.h"
#include "FieldHighlight.h"
#include "FindPanel.h"
#include "ListFinder.h"
#include "ListReport.h"
#include "MessageBox.h"
#include "RecordCard.h"
#include "ResultList.h"
#include "WindowFlags.h"
#include "WindowParts.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QShowEvent>
#include <QStackedWidget>
#include <QVBoxLayout>

namespace {

const QString kCriteriaHelp1 = QStringLiteral(
    "Immettere nei campi prescelti una o pi\u00F9 parole consecutive presenti nelle schede da trovare e "
    "premere il pulsante Cerca.");
const QString kCriteriaHelp2 = QStringLiteral("Lasciare in bianco tutti gli altri campi.");
const QString kCriteriaHelp3
    = QStringLiteral("Per ogni ricerca \u00E8 possibile utilizzare uno o pi\u00F9 campi contemporaneamente.");
const QString kWait = QStringLiteral("Ricerca schede in corso. Attendere...");
const QString kDoubleClick
    = QStringLiteral("Per richiamare i dati di una scheda, selezionarla con un doppio clic.");
const QString kCountAtStart = QStringLiteral("Il presente elenco contiene 0 schede.");
const QString kCount = QStringLiteral("Il presente riepilogo contiene %1 schede.");

} // namespace

SearchWindow::SearchWindow(const SearchTable& table, QWidget* parent)
    : QDialog(parent, kFixedDialog)
    , m_table(table)
{
    setObjectName(table.objectName);
    setWindowTitle(table.caption);
    setFixedSize(862, 560);
    Artwork::centreOnScreen(*this);

    QFont bold = font();
    bold.setBold(true);

    // Criteria panel.
    panAvvio = new QWidget(this);
    panAvvio->setObjectName(QStringLiteral("panAvvio"));
    auto* criteria = new QGridLayout;
    criteria->setHorizontalSpacing(30);
    criteria->setVerticalSpacing(6);
    QFont editFont(QStringLiteral("Verdana"), 12);
    for (int i = 0; i < 10; ++i) {
        const SearchCriterion& c = table.criteria.at(size_t(i));
        auto* label = new QLabel(QString::fromUtf8(c.label), panAvvio);
        label->setFont(bold);
        auto* edit = new QLineEdit(panAvvio);
        edit->setObjectName(QStringLiteral("txt") + QLatin1String(c.field));
        edit->setFont(editFont);
        edit->setMaxLength(table.type->spot(QLatin1String(c.field)).capacity);
        edit->setMinimumHeight(28);
        FieldHighlight::attach(edit, QLatin1String(c.field));
        m_criteria.at(size_t(i)) = edit;
        const int column = i / 5;
        const int row = (i % 5) * 2;
        criteria->addWidget(label, row, column);
        criteria->addWidget(edit, row + 1, column);
        criteria->setRowMinimumHeight(row + 1, 40);
    }
    enterMovesAlong(QList<QLineEdit*>(m_criteria.begin(), m_criteria.end()));
    btnAnnulla = pushButton(QStringLiteral("btnAnnulla"), QStringLiteral("Chiudi"), panAvvio);
    btnCerca = pushButton(QStringLiteral("btnCerca"), QStringLiteral("&Cerca"), panAvvio);
    lblAttendere = waitLabel(kWait, panAvvio);

    auto* criteriaButtons = new QHBoxLayout;
    criteriaButtons->addWidget(btnAnnulla);
    criteriaButtons->addStretch();
    criteriaButtons->addWidget(lblAttendere);
    criteriaButtons->addStretch();
    criteriaButtons->addWidget(btnCerca);

    auto* first = new QVBoxLayout(panAvvio);
    first->setContentsMargins(16, 12, 16, 12);
    for (const QString& text : {kCriteriaHelp1, kCriteriaHelp2, kCriteriaHelp3})
        first->addWidget(instructionLine(text, panAvvio));
    first->addSpacing(8);
    first->addLayout(criteria);
    first->addStretch();
    first->addLayout(criteriaButtons);

    // Result panel.
    panContainer = new QWidget(this);
    panContainer->setObjectName(QStringLiteral("panContainer"));
    auto* findPanel = new FindPanel(QStringLiteral("scheda"), true, panContainer);
    txtTrova = findPanel->txtTrova;
    btnTrova = findPanel->btnTrova;
    lstRecords = findPanel->lstRecords;
    m_finder = findPanel->finder;
    lblTrovate = new QLabel(kCountAtStart, panContainer);
    lblTrovate->setObjectName(QStringLiteral("lblTrovate"));
    lblTrovate->setFont(bold);
    btnChiudi = pushButton(QStringLiteral("btnChiudi"), QStringLiteral("Chiudi"), panContainer);
    btnStampa = pushButton(QStringLiteral("btnStampa"), QStringLiteral("Stam&pa"), panContainer);

    auto* resultButtons = new QHBoxLayout;
    resultButtons->addWidget(btnChiudi);
    resultButtons->addStretch();
    resultButtons->addWidget(btnStampa);

    auto* second = new QVBoxLayout(panContainer);
    second->setContentsMargins(16, 12, 16, 12);
    second->addWidget(findPanel, 1);
    second->addWidget(instructionLine(kDoubleClick, panContainer));
    second->addWidget(lblTrovate);
    second->addLayout(resultButtons);

    lblConta = new QLabel(this);
    lblConta->setObjectName(QStringLiteral("lblConta"));
    lblConta->hide();
    lblMemory = memoryLabel(this);

    // The two panels stand on white cards inside the dark-to-white frame of the window.
    m_panels = new QStackedWidget(this);
    m_panels->setObjectName(QStringLiteral("panels"));
    m_panels->setStyleSheet(QStringLiteral(
        "QStackedWidget#panels { background: white; border: 1px solid #9aa4ae; border-radius: 10px; }"));
    m_panels->addWidget(panAvvio);
    m_panels->addWidget(panContainer);
    auto* frame = new QVBoxLayout(this);
    frame->setContentsMargins(14, 14, 14, 14);
    frame->addWidget(m_panels);

    showWaitOnPress(btnCerca, lblAttendere);
    connect(btnCerca, &QPushButton::clicked, this, &SearchWindow::btnCercaClick);
    connect(btnAnnulla, &QPushButton::clicked, this, &QDialog::reject);
    connect(btnChiudi, &QPushButton::clicked, this, &QDialog::reject);
    connect(btnStampa, &QPushButton::clicked, this, &SearchWindow::btnStampaClick);
    connect(lstRecords, &ResultList::listDoubleClicked, this, &SearchWindow::lstRecordsDblClick);
    pressButtonsOnEnter(this);
}

void SearchWindow::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (event->spontaneous())
        return;
    m_finder->forgetKey();
    lstRecords->selectIndex(0);
    txtTrova->clear();
    m_panels->setCurrentWidget(panAvvio);
    m_criteria.front()->setFocus();
}

void SearchWindow::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    QLinearGradient g(0, 0, 0, height());
    g.setColorAt(0, QColor(0x30, 0x30, 0x30));
    g.setColorAt(0.18, QColor(0xC8, 0xC8, 0xC8));
    g.setColorAt(1, Qt::white);
    painter.fillRect(rect(), g);
}

void SearchWindow::btnCercaClick()
{
    Search::Criteria criteria;
    for (size_t i = 0; i < criteria.size(); ++i)
        criteria[i] = m_criteria.at(i)->text();
    lblConta->setText(QString::number(Search::countedCriteria(criteria)));
    lstRecords->clear();
    auto lines = Search::run(m_table, criteria);
    if (!lines) {
        MessageBox::plain(this, kAccessError);
        return;
    }
    lblTrovate->setText(kCount.arg(lines->lines.size()));
    lstRecords->setLines(std::move(*lines));
    m_panels->setCurrentWidget(panContainer);
    txtTrova->clear();
    txtTrova->setFocus();
}

void SearchWindow::lstRecordsDblClick()
{
    const qint64 record = lstRecords->selectedRecord();
    if (record > 0) {
        if (const auto values = Search::handBack(m_table, record, lblMemory->text()))
            emit recordChosen(record, *values);
    }
    accept();
}

void SearchWindow::btnStampaClick()
{
    printList(this, m_table.printTitle, lstRecords->lines());
}

void SearchWindow::done(int result)
{
    lstRecords->clear();
    lblAttendere->hide();
    QDialog::done(result);
}

TfrmTrovaLibri::TfrmTrovaLibri(QWidget* parent)
    : SearchWindow(booksTable(), parent)
{
}

TfrmTrovaDisponibili::TfrmTrovaDisponibili(QWidget* parent)
    : SearchWindow(availableBooksTable(), parent)
{
}

TfrmTrovaDVD::TfrmTrovaDVD(QWidget* parent)
    : SearchWindow(dvdsTable(), parent)
{
}

TfrmTrovaDisponibiliDVD::TfrmTrovaDisponibiliDVD(QWidget* parent)
    : SearchWindow(availableDvdsTable(), parent)
{
}

TfrmTrovaAnagrafica::TfrmTrovaAnagrafica(QWidget* parent)
    : SearchWindow(membersTable(), parent)
{
}

TfrmTrovaPrestitiLibri::TfrmTrovaPrestitiLibri(QWidget* parent)
    : SearchWindow(loanBooksTable(), parent)
{
}

TfrmTrovaPrestitiDVD::TfrmTrovaPrestitiDVD(QWidget* parent)
    : SearchWindow(loanDvdsTable(), parent)
{
}
