#include "MemberSheet.h"

#include "Artwork.h"
#include "ListReport.h"
#include "ShortString.h"

#include <QPainter>

namespace {

const QColor kDarkOrange(0xFF, 0x8C, 0x00);
const QColor kTeal(0x00, 0x80, 0x80);

ReportObject text(const QString& name, const QRectF& mm, const QString& content, qreal size, const QColor& colour,
    const QColor& fill, Qt::Alignment alignment)
{
    ReportObject o = ReportObject::textBox(name, mm, content, size);
    o.colour = colour;
    o.fill = fill;
    o.alignment = alignment;
    return o;
}

// The folder picture of the sheet's corner.
QImage folder()
{
    QImage image(170, 130, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(0xB8, 0x86, 0x0B), 4));
    p.setBrush(QColor(0xFF, 0xD7, 0x00));
    p.drawRoundedRect(QRectF(8, 30, 154, 92), 8, 8);
    p.drawRoundedRect(QRectF(8, 14, 64, 26), 6, 6);
    return image;
}

} // namespace

const QStringList& memberSheetCaptions()
{
    static const QStringList captions = {QStringLiteral("Cognome e nome:"), QStringLiteral("Informazioni aggiuntive:"),
        QStringLiteral("Tessera n."), QStringLiteral("Data rilascio:"), QStringLiteral("Data scadenza:"),
        QStringLiteral("Data di nascita:"), QStringLiteral("Comune di nascita:"), QStringLiteral("Comune di residenza:"),
        QStringLiteral("CAP:"), QStringLiteral("Via e numero civico:"), QStringLiteral("Titoli posseduti:"),
        QStringLiteral("Tel. casa:"), QStringLiteral("Tel. ufficio:"), QStringLiteral("Tel. cellulare:"),
        QStringLiteral("Recapito preferenziale:"), QStringLiteral("Fax:"), QStringLiteral("E-mail:"),
        QStringLiteral("Codice Fiscale:"), QStringLiteral("Carta di credito n."),
        QStringLiteral("Scadenza carta di credito:"), QStringLiteral("Partita IVA:"), QStringLiteral("IBAN:"),
        QStringLiteral("Intestatario C/C:"), QStringLiteral("Note:")};
    return captions;
}

Report memberSheet(const QStringList& values, const QDateTime& printedAt)
{
    Report report;
    report.orientation = QPageLayout::Portrait;
    report.margins = QMarginsF(10, 10, 10, 10);
    ReportBand& band = report.addBand(ReportBand::Kind::Data, QStringLiteral("MasterData"), 277);
    band.objects << ReportObject::pictureBox(QStringLiteral("imgLogo"), QRectF(3.0, 3.0, 17.0, 13.0), folder());
    band.objects << text(QStringLiteral("txtTitolo"), QRectF(23.0, 3.0, 165.0, 9.0),
        QStringLiteral("SCHEDA ANAGRAFICA UTENTE"), 16, Qt::white, kDarkOrange, Qt::AlignCenter);
    band.objects << ReportObject::line(QStringLiteral("linSepara01"), QRectF(23.0, 16.0, 165.0, 0));
    const QStringList& captions = memberSheetCaptions();
    for (int n = 0; n < captions.size(); ++n) {
        const QString number = QStringLiteral("%1").arg(n + 1, 2, 10, QLatin1Char('0'));
        const qreal top = 24.0 + n * 10.0;
        band.objects << text(QStringLiteral("titCampo") + number, QRectF(3.0, top, 52.0, 6.0), captions.at(n), 9,
            Qt::white, kTeal, Qt::AlignLeft | Qt::AlignVCenter);
        band.objects << text(QStringLiteral("txtCampo") + number, QRectF(60.0, top, 128.0, 6.0), values.value(n), 10,
            Qt::black, QColor(), Qt::AlignLeft | Qt::AlignVCenter);
    }
    band.objects << ReportObject::line(QStringLiteral("linSepara02"), QRectF(3.0, 265.0, 185.0, 0));
    band.objects << text(QStringLiteral("txtCalce"), QRectF(3.0, 269.0, 185.0, 6.0),
        printedAtText(printedAt),
        10, Qt::white, kDarkOrange, Qt::AlignCenter);
    return report;
}
