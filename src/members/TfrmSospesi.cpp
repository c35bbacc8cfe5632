#include "TfrmSospesi.h"

#include "Artwork.h"
#include "Clock.h"
#include "EnterKey.h"
#include "ListFinder.h"
#include "ListLines.h"
#include "ListReport.h"
#include "RecordFile.h"
#include "RecordType.h"
#include "ResultList.h"
#include "Rules.h"
#include "WindowFlags.h"

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
    auto* line1 = new QLabel(QStringLiteral("Immettere una o pi\u00F9 parole consecutive presenti nella scheda in elenco da "
                                            "cercare e premere il pulsante Trova."),
        this);
    auto* line2 = new QLabel(QStringLiteral("Per spostarsi sulla voce successiva contenente la stessa chiave di ricerca, "
                                            "fare di nuovo clic su Trova."),
        this);
    txtTrova = new QLineEdit(this);
    txtTrova->setObjectName(QStringLiteral("txtTrova"));
    btnTrova = new QPushButton(QStringLiteral("Trova"), this);
    btnTrova->setObjectName(QStringLiteral("btnTrova"));
    lstRecords = new ResultList(this);
    lstRecords->setObjectName(QStringLiteral("lstRecords"));
    auto* hint = new QLabel(QStringLiteral("Per richiamare i dati di una scheda, selezionarla con un doppio clic."), this);
    btnChiudi = new QPushButton(QStringLiteral("Chiudi"), this);
    btnChiudi->setObjectName(QStringLiteral("btnChiudi"));
    btnStampa = new QPushButton(QStringLiteral("Stampa"), this);
    btnStampa->setObjectName(QStringLiteral("btnStampa"));
    for (QPushButton* b : {btnTrova, btnChiudi, btnStampa}) {
        b->setMinimumSize(110, 32);
        b->setCursor(Qt::PointingHandCursor);
    }
    m_finder = new ListFinder(txtTrova, btnTrova, lstRecords);

    auto* find = new QHBoxLayout;
    find->addWidget(txtTrova, 1);
    find->addWidget(btnTrova);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(btnChiudi);
    buttons->addStretch();
    buttons->addWidget(btnStampa);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(imgBanner);
    layout->addWidget(line1);
    layout->addWidget(line2);
    layout->addLayout(find);
    layout->addWidget(lstRecords, 1);
    layout->addWidget(hint);
    layout->addLayout(buttons);

    // Every due member, a damaged record skipped rather than ending the list.
    const QDate today = Clock::today();
    RecordLines lines;
    Archive<TSchedaTesserato>().file().scan([&](qint64 n, const char* bytes) {
        if (Rules::isDueForRenewal(decodeRecord<TSchedaTesserato>(bytes), today))
            lines.append(memberListLine().line(bytes), n);
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
