#include "CardLayout.h"

#include "ShortString.h"

namespace {

const QColor kNavy(0x00, 0x00, 0x80);
const QColor kBrown(0xA5, 0x2A, 0x2A);
const QColor kBeige(0xF5, 0xF5, 0xDC);

ReportObject shape(const char* name, const QRectF& mm, const QColor& fill, const QColor& outline)
{
    return ReportObject::rectangle(QLatin1String(name), mm, fill, outline);
}

ReportObject text(const char* name, const QRectF& mm, const QString& content, qreal size, bool bold,
    const QColor& colour, Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignTop)
{
    ReportObject o = ReportObject::textBox(QLatin1String(name), mm, ShortString::trimmed(content), size);
    o.bold = bold;
    o.colour = colour;
    o.alignment = alignment;
    return o;
}

ReportObject picture(const char* name, const QRectF& mm, const QImage& image)
{
    return ReportObject::pictureBox(QLatin1String(name), mm, image);
}

} // namespace

Report membershipCard(const CardContent& card, qreal top, qreal left)
{
    Report report;
    report.orientation = QPageLayout::Portrait;
    report.margins = QMarginsF(left, top, 0, 0);
    ReportBand& band = report.addBand(ReportBand::Kind::Data, QStringLiteral("MasterData"), 70.0);
    const Qt::Alignment centred = Qt::AlignCenter;
    // In drawing order: later objects over earlier ones.
    band.objects = {
        shape("shpSfondo", QRectF(10.0, 10.0, 86.0, 54.0), Qt::white, Qt::black),
        picture("imgFoto", QRectF(12.0, 25.8, 26.0, 28.8), card.photo),
        picture("imgLogo", QRectF(72.2, 34.4, 22.0, 21.0), card.logo),
        shape("shpHeader", QRectF(11.0, 11.0, 83.8, 12.0), kNavy, kNavy),
        shape("shpFooter", QRectF(11.0, 57.0, 83.8, 6.0), kNavy, kNavy),
        text("txtAssociazione", QRectF(12.0, 12.0, 54.0, 3.8), card.library, 8, true, Qt::white),
        text("txtSottotitolo01", QRectF(12.0, 15.7, 54.0, 3.7), card.subtitle1, 7, false, Qt::white),
        text("txtSottotitolo02", QRectF(12.0, 19.0, 54.0, 3.7), card.subtitle2, 7, false, Qt::white),
        text("txtAnnotazioni", QRectF(12.0, 58.2, 82.0, 3.8), card.notes, 8, true, Qt::white, centred),
        text("txtTesserato", QRectF(40.0, 25.0, 55.0, 4.0), card.member, 9, true, Qt::black),
        text("txtCarica", QRectF(40.0, 29.0, 55.0, 3.8), card.role, 7.3, true, Qt::black),
        text("txtNumTessera", QRectF(40.0, 33.8, 31.0, 3.5), card.number, 7.3, true, kBrown),
        text("titDataRil", QRectF(40.0, 38.0, 23.0, 3.4), QStringLiteral("Data rilascio:"), 7, false, Qt::black),
        shape("shpDataRil", QRectF(40.0, 42.0, 25.0, 4.0), kBeige, Qt::black),
        text("titDataScade", QRectF(40.0, 47.0, 23.0, 3.4), QStringLiteral("Data scadenza:"), 7, false, Qt::black),
        text("txtDataRil", QRectF(41.4, 42.4, 22.2, 3.0), card.issued, 7.3, true, Qt::black, centred),
        shape("shpDataScade", QRectF(40.0, 51.0, 25.0, 4.0), kBeige, Qt::black),
        text("txtDataScade", QRectF(41.4, 51.4, 22.2, 3.0), card.expires, 7.3, true, Qt::black, centred),
    };
    for (ReportObject& o : band.objects)
        o.outlineWidth = 0.2;
    return report;
}
