#include "TfrmSospesi.h"

#include "Artwork.h"
#include "Clock.h"
#include "EnterKey.h"
#include "FindPanel.h"
#include "ListLines.h"
#include "ListReport.h"
#include "RecordFile.h"
#include "RecordType.h"
#include "ResultList.h"
#include "Rules.h"
#include "WindowFlags.h"
#include "WindowParts.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

const QString kTitle = QStringLiteral("Riepilogo tessere in attesa di rinnovo");

} // namespace

TfrmSospesi::TfrmSospesi(QWidget* parent)
    : QDialog(parent, kFixedDialog)
{
    setObjectName(QStringLiteral("frmSospesi"));
    setWindowTitle(QStringLiteral(" ") + kTitle);
    setFixedSize(862, 560);
    imgBanner = new QLabel(this);
    imgBanner->setPixmap(Artwork::logo(QSize(300, 86)));
    auto* findPanel = new FindPanel(QStringLiteral("scheda"), true, this);
    txtTrova = findPanel->txtTrova;
    btnTrova = findPanel->btnTrova;
    lstRecords = findPanel->lstRecords;
    auto* hint = instructionLine(QStringLiteral("Per richiamare i dati di una scheda, selezionarla con un doppio clic."), this);
    btnChiudi = pushButton(QStringLiteral("btnChiudi"), QStringLiteral("Chiudi"), this);
    btnStampa = pushButton(QStringLiteral("btnStampa"), QStringLiteral("Stampa"), this);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(btnChiudi);
    buttons->addStretch();
    buttons->addWidget(btnStampa);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(imgBanner);
    layout->addWidget(findPanel, 1);
    layout->addWidget(hint);
    layout->addLayout(buttons);

    // Every due member, a damaged record skipped rather than ending the list.
    const QDate today = Clock::today();
    RecordLines lines;
    Archive<TSchedaTesserato>().file().scan([&](qint64 n, const char* bytes) {
        if (Rules::isDueForRenewal(decodeRecord<TSchedaTesserato>(bytes), today))
            lines.append(memberListLine(), bytes, n);
        return true;
    });
    lstRecords->setLines(std::move(lines));

    connect(lstRecords, &ResultList::listDoubleClicked, this, &TfrmSospesi::lstRecordsDblClick);
    connect(btnChiudi, &QPushButton::clicked, this, &QDialog::reject);
    connect(btnStampa, &QPushButton::clicked, this, [this] { printList(this, kTitle, lstRecords->lines()); });
    pressButtonsOnEnter(this);
    txtTrova->setFocus();
}

void TfrmSospesi::lstRecordsDblClick()
{
    const qint64 record = lstRecords->selectedRecord();
    const RecordFile file = RecordType::of<TSchedaTesserato>().archive();
    if (const auto bytes = record > 0 ? file.read(record) : std::nullopt)
        emit memberChosen(record, RecordType::of<TSchedaTesserato>().values(bytes->constData()));
    accept();
}
