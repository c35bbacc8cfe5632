#include "TfrmCodiciDewey.h"

#include "Artwork.h"
#include "ComboLists.h"
#include "EnterKey.h"
#include "FindPanel.h"
#include "ListFinder.h"
#include "ListReport.h"
#include "ResultList.h"
#include "ShortString.h"
#include "WindowFlags.h"
#include "WindowParts.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QTimer>
#include <QVBoxLayout>

namespace {

const QString kTitle = QStringLiteral("Tabella Codici Dewey");
const QString kBooks = QStringLiteral("libri");
constexpr int kItemWidth = 760;

// The find key of this window is remembered as long as the program runs.
QString g_findMemory;

} // namespace

const QStringList& TfrmCodiciDewey::table()
{
    static const QStringList lines = ComboLists::fixedList(QStringLiteral("dewey.txt"));
    return lines;
}

TfrmCodiciDewey::TfrmCodiciDewey(QLineEdit* dewey, QWidget* parent)
    : QDialog(parent, kFixedDialog)
    , m_dewey(dewey)
{
    setObjectName(QStringLiteral("frmCodici_Dewey"));
    setWindowTitle(QStringLiteral(" ") + kTitle);
    setFixedSize(861, 561);
    Artwork::centreOnScreen(*this);

    auto* findPanel = new FindPanel(QStringLiteral("voce"), true, this);
    lblRigo01 = findPanel->lblRigo01;
    lblRigo02 = findPanel->lblRigo02;
    txtTrova = findPanel->txtTrova;
    btnTrova = findPanel->btnTrova;
    lstRecords = findPanel->lstRecords;
    lstRecords->setMinimumRowWidth(kItemWidth);
    findPanel->finder->keepMemoryIn(g_findMemory);

    panDewey = new QLabel(lstRecords);
    panDewey->setObjectName(QStringLiteral("panDewey"));
    panDewey->setPixmap(Artwork::areaPicture(
        Artwork::Symbol::Book, QStringLiteral("Codici Dewey"), QColor(0x2d, 0x5f, 0x8a), QSize(240, 170)));
    panDewey->adjustSize();

    lblRigo03 = instructionLine(
        QStringLiteral("Per importare un codice Dewey dall'elenco, selezionarlo con un doppio clic."), this);
    lblRigo03->setObjectName(QStringLiteral("lblRigo03"));
    btnChiudi = pushButton(QStringLiteral("btnChiudi"), QStringLiteral("Chiudi"), this);
    lblAttendere = waitLabel(QStringLiteral("Stampa in corso. Attendere..."), this);
    btnStampa = pushButton(QStringLiteral("btnStampa"), QStringLiteral("Stampa"), this);
    lblMemory = memoryLabel(this);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(btnChiudi);
    buttons->addStretch();
    buttons->addWidget(lblAttendere);
    buttons->addStretch();
    buttons->addWidget(btnStampa);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 12, 16, 12);
    layout->addWidget(findPanel, 1);
    layout->addWidget(lblRigo03);
    layout->addLayout(buttons);

    m_fill = new QTimer(this);
    m_fill->setSingleShot(true);
    m_fill->setInterval(1000);
    connect(m_fill, &QTimer::timeout, this, &TfrmCodiciDewey::fillList);
    connect(lstRecords, &ResultList::listDoubleClicked, this, &TfrmCodiciDewey::lstRecordsDblClick);
    connect(btnChiudi, &QPushButton::clicked, this, &QDialog::reject);
    showWaitOnPress(btnStampa, lblAttendere);
    connect(btnStampa, &QPushButton::clicked, this, &TfrmCodiciDewey::btnStampaClick);
    pressButtonsOnEnter(this);
}

void TfrmCodiciDewey::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (event->spontaneous())
        return;
    txtTrova->clear();
    lstRecords->clear();
    // The picture covers the middle of the empty list until the lines are in.
    layout()->activate();
    panDewey->move((lstRecords->width() - panDewey->width()) / 2, (lstRecords->height() - panDewey->height()) / 2);
    panDewey->show();
    m_fill->start();
    txtTrova->setFocus();
}

void TfrmCodiciDewey::fillList()
{
    m_fill->stop();
    // One update for every line: nothing is drawn until all of them are in.
    lstRecords->setUpdatesEnabled(false);
    lstRecords->setLines(table());
    lstRecords->setUpdatesEnabled(true);
    panDewey->hide();
}

void TfrmCodiciDewey::lstRecordsDblClick()
{
    const QString line = lstRecords->selectedLine();
    if (!line.isEmpty() && m_dewey && ShortString::trimmed(lblMemory->text()) == kBooks)
        m_dewey->setText(line.left(3));
    accept();
}

void TfrmCodiciDewey::btnStampaClick()
{
    // A click before the list is filled prints the whole table all the same.
    if (m_fill->isActive())
        fillList();
    printList(this, kTitle, lstRecords->lines());
    lblAttendere->hide();
}
