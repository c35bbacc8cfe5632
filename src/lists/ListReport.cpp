#include "ListReport.h"

#include "Clock.h"
#include "Dates.h"
#include "Printing.h"

namespace {

// Report units are 1/96 inch.
constexpr qreal kUnit = 25.4 / 96.0;
constexpr qreal kLinePitch = 12.822 * kUnit;
const QColor kSlateGrey(0x70, 0x80, 0x90);

ReportObject textBox(const QString& name, const QRectF& geometry, const QString& family, qreal size)
{
    ReportObject box = ReportObject::textBox(name, geometry, QString(), size);
    box.fontFamily = family;
    return box;
}

} // namespace

Report listReport(const QString& title, const QStringList& lines, const QDate& printedOn)
{
    Report report;
    report.orientation = QPageLayout::Landscape;
    report.margins = QMarginsF(10, 10, 10, 10);

    ReportObject heading
        = textBox(QStringLiteral("txtTitolo"), QRectF(2.0, 1.0, 273.0, 5.0), QStringLiteral("Verdana"), 9);
    heading.bold = true;
    heading.fill = kSlateGrey;
    heading.colour = Qt::white;
    heading.alignment = Qt::AlignCenter;
    heading.text = title.isEmpty() ? QStringLiteral("Riepilogo") : title;
    report.addBand(ReportBand::Kind::Title, QStringLiteral("ReportTitle"), 8.0).objects.append(heading);

    ReportObject body = textBox(QStringLiteral("txtRiepilogo"),
        QRectF(3.0, 0, 273.0, lines.size() * kLinePitch), QStringLiteral("Courier New"), 8);
    body.linePitch = kLinePitch;
    // One printed line per list line: a control character pasted into a field prints as a blank.
    QStringList printed = lines;
    for (QString& line : printed) {
        for (QChar& c : line) {
            if (c.unicode() < 32)
                c = QLatin1Char(' ');
        }
    }
    body.text = printed.join(QLatin1Char('\n'));
    ReportBand& data = report.addBand(
        ReportBand::Kind::Data, QStringLiteral("MasterData"), body.geometry.height() + 10 * kUnit);
    data.canSplit = true;
    data.objects.append(body);

    ReportObject footer
        = textBox(QStringLiteral("txtPagina"), QRectF(3.0, 2.0, 272.0, 5.0), QStringLiteral("Verdana"), 8);
    footer.bold = true;
    footer.fill = kSlateGrey;
    footer.colour = Qt::white;
    footer.alignment = Qt::AlignCenter;
    footer.text = printedOnText(printedOn);
    report.addBand(ReportBand::Kind::Footer, QStringLiteral("PageFooter"), 8.0).objects.append(footer);
    return report;
}

QString printedOnText(const QDate& day)
{
    return QStringLiteral("Stampa eseguita in data ") + Dates::format(day);
}

QString printedAtText(const QDateTime& moment)
{
    return printedOnText(moment.date()) + QStringLiteral(" alle ore ") + moment.time().toString(QStringLiteral("hh:mm:ss"));
}

bool printList(QWidget* parent, const QString& title, const QStringList& lines)
{
    return Printing::print(parent, listReport(title, lines, Clock::today()));
}
