#include "SheetPrint.h"

#include "Artwork.h"
#include "Clock.h"
#include "EnterKey.h"
#include "ListReport.h"
#include "Printing.h"
#include "ShortString.h"
#include "WindowFlags.h"
#include "WindowParts.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

const QColor kLightSteelBlue(0xB0, 0xC4, 0xDE);
const QColor kGold(0xFF, 0xD7, 0x00);

ReportObject text(const QString& name, const QRectF& mm, const QString& content, qreal size, Qt::Alignment alignment)
{
    ReportObject o = ReportObject::textBox(name, mm, content, size);
    o.alignment = alignment | Qt::AlignVCenter;
    return o;
}

} // namespace

Report cardSheet(const QString& heading, const QList<SheetRow>& rows, const QDateTime& printedAt)
{
    Report report;
    report.orientation = QPageLayout::Portrait;
    report.margins = QMarginsF(10, 10, 10, 10);
    const qreal bottom = 7.0 + 5.0 * rows.size();
    ReportBand& band = report.addBand(ReportBand::Kind::Data, QStringLiteral("MasterData"), bottom + 10);
    QList<ReportObject>& objects = band.objects;
    objects << ReportObject::rectangle(QStringLiteral("shpTitolo"), QRectF(1.0, 1.0, 188.0, 5.8), kLightSteelBlue, QColor());
    objects << text(QStringLiteral("titArcataSup"), QRectF(2.0, 2.0, 185.8, 4.2), heading, 9, Qt::AlignHCenter);
    for (int k = 0; k < rows.size(); ++k) {
        const qreal top = 5.0 * k;
        objects << ReportObject::rectangle(QStringLiteral("shpRigo%1").arg(k + 1), QRectF(1.0, 7.0 + top, 188.0, 4.6), QColor(), Qt::black);
        objects << text(QStringLiteral("tit") + rows.at(k).control.mid(3), QRectF(2.0, 7.5 + top, 37.8, 3.5),
            rows.at(k).label, 7, Qt::AlignLeft);
        objects << text(rows.at(k).control, QRectF(44.0, 7.5 + top, 144.0, 3.5), ShortString::trimmed(rows.at(k).value), 7,
            Qt::AlignLeft);
    }
    objects << ReportObject::line(QStringLiteral("linDivisore"), QRectF(42.0, 7.0, 0, bottom - 7.0 - 0.4));
    objects << ReportObject::rectangle(QStringLiteral("shpCalce"), QRectF(1.0, bottom + 2.0, 188.0, 5.8), kGold, QColor());
    objects << text(QStringLiteral("txtCalce"), QRectF(2.0, bottom + 3.0, 185.8, 4.2),
        printedAtText(printedAt),
        8, Qt::AlignHCenter);
    return report;
}

SheetWindow::SheetWindow(const QString& objectName, const QString& caption, const QString& heading,
    QList<SheetRow> rows, QWidget* parent)
    : QDialog(parent, kFixedDialog)
    , m_heading(heading)
    , m_rows(std::move(rows))
{
    setObjectName(objectName);
    setWindowTitle(caption);
    setFixedSize(364, 287);
    auto* picture = new QLabel(this);
    picture->setPixmap(Artwork::icon(Artwork::Symbol::Print, 120));
    picture->setAlignment(Qt::AlignCenter);
    btnAnnulla = pushButton(QStringLiteral("btnAnnulla"), QStringLiteral("Annulla"), this);
    btnStampa = pushButton(QStringLiteral("btnStampa"), QStringLiteral("Stampa"), this);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(btnAnnulla);
    buttons->addStretch();
    buttons->addWidget(btnStampa);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(picture, 1);
    layout->addLayout(buttons);
    connect(btnAnnulla, &QPushButton::clicked, this, &QDialog::reject);
    // A cancelled print dialog closes the window too.
    connect(btnStampa, &QPushButton::clicked, this, [this] {
        Printing::print(this, cardSheet(m_heading, m_rows, Clock::now()));
        accept();
    });
    pressButtonsOnEnter(this, btnStampa);
}
