#include "LinuxTools.h"
#include "ListReport.h"
#include "PdfWords.h"
#include "Printing.h"
#include "ReportRenderer.h"
#include "TestFixture.h"

#include <QPainter>
#include <QPdfWriter>
#include <QProcess>
#include <QRegularExpression>
#include <QtTest>

namespace {

constexpr qreal kUnit = 25.4 / 96.0;

QStringList lines(int count)
{
    QStringList result;
    for (int i = 1; i <= count; ++i)
        result << QStringLiteral("Cod. LIB%1  Riga di prova").arg(i, 4, 10, QLatin1Char('0'));
    return result;
}

} // namespace

class TestReport : public QObject {
    Q_OBJECT
private slots:
    void geometry()
    {
        const Report report = listReport("Riepilogo libri in archivio", lines(100), QDate(2015, 6, 10));
        QCOMPARE(report.orientation, QPageLayout::Landscape);
        QCOMPARE(report.pageSize(), QSizeF(297, 210));
        QCOMPARE(report.margins, QMarginsF(10, 10, 10, 10));

        const ReportObject* title = report.object("txtTitolo");
        QVERIFY(title);
        QCOMPARE(title->geometry, QRectF(2.0, 1.0, 273.0, 5.0));
        QCOMPARE(title->text, QStringLiteral("Riepilogo libri in archivio"));
        QCOMPARE(title->fontFamily, QStringLiteral("Verdana"));
        QCOMPARE(title->fontSize, 9.0);
        QVERIFY(title->bold);
        QCOMPARE(title->colour, QColor(Qt::white));
        QCOMPARE(title->fill, QColor(0x70, 0x80, 0x90));
        QCOMPARE(report.band("ReportTitle")->height, 8.0);

        const ReportObject* body = report.object("txtRiepilogo");
        QCOMPARE(body->fontFamily, QStringLiteral("Courier New"));
        QCOMPARE(body->fontSize, 8.0);
        QCOMPARE(body->geometry.left(), 3.0);
        QCOMPARE(body->geometry.width(), 273.0);
        QVERIFY(qAbs(body->geometry.height() / kUnit - 1282.2) < 1e-6);
        QVERIFY(qAbs(body->geometry.height() - 339.25) < 0.01);
        QVERIFY(qAbs(report.band("MasterData")->height - body->geometry.height() - 2.6458) < 1e-3);
        QVERIFY(report.band("MasterData")->canSplit);
        QCOMPARE(body->text.count('\n'), 99);

        const ReportObject* footer = report.object("txtPagina");
        QCOMPARE(footer->geometry, QRectF(3.0, 2.0, 272.0, 5.0));
        QCOMPARE(footer->text, QStringLiteral("Stampa eseguita in data 10/06/2015"));
        QCOMPARE(footer->fontSize, 8.0);
        QCOMPARE(report.band("PageFooter")->height, 8.0);
    }

    void hundredLinesSplitOverTwoPagesBetweenLines()
    {
        const Report report = listReport("Riepilogo", lines(100), QDate(2015, 6, 10));
        const QList<PagePlan> pages = paginate(report);
        QCOMPARE(pages.size(), 2);
        const qreal pitch = 12.822 * kUnit;
        qreal shown = 0;
        for (const PagePlan& page : pages) {
            for (const BandSlice& slice : page) {
                const ReportBand& band = report.bands.at(slice.band);
                if (band.name != QLatin1String("MasterData"))
                    continue;
                shown += slice.to - slice.from;
                // Each cut falls between two lines.
                const qreal linesAbove = slice.from / pitch;
                QVERIFY(qAbs(linesAbove - qRound(linesAbove)) < 1e-6);
            }
            // The footer closes every page, at the foot of the printable area.
            QCOMPARE(report.bands.at(page.last().band).name, QStringLiteral("PageFooter"));
            QVERIFY(qAbs(page.last().top - (190.0 - 8.0)) < 1e-6);
        }
        QVERIFY(qAbs(shown - report.band("MasterData")->height) < 1e-6);
        QCOMPARE(paginate(listReport("Riepilogo", lines(10), QDate(2015, 6, 10))).size(), 1);
        QCOMPARE(paginate(listReport("Riepilogo", {}, QDate(2015, 6, 10))).size(), 1);
    }

    void printedPdfHasTitleBodyAndFooterInPlace()
    {
        SKIP_WITHOUT_LINUX_TOOL("pdftotext");
        TestFixture fx;
        QVERIFY(printList(nullptr, "Riepilogo libri in archivio", lines(100)));
        QCOMPARE(Printing::printed().size(), 1);
        QVERIFY(!Printing::printed().at(0).preview);
        const QList<PdfWord> words = pdfWords(Printing::printed().at(0).pdf);
        QVERIFY2(!words.isEmpty(), "pdftotext read nothing");

        auto find = [&](const QString& text, int page) -> std::optional<PdfWord> {
            for (const PdfWord& w : words) {
                if (w.text == text && w.page == page)
                    return w;
            }
            return std::nullopt;
        };
        // Title: inside its grey bar, 11 to 16 mm from the top of the first page, centred.
        const auto title = find("Riepilogo", 1);
        QVERIFY(title);
        QVERIFY(title->box.top() > 10.5 && title->box.bottom() < 16.5);
        QVERIFY(title->box.left() > 100 && title->box.right() < 200);
        // First body line: just under the title band, 13 mm from the left edge of the paper.
        const auto first = find("LIB0001", 1);
        QVERIFY(first);
        QVERIFY(first->box.top() > 18 && first->box.bottom() < 22.5);
        const auto code = find("Cod.", 1);
        QVERIFY(code && qAbs(code->box.left() - 13.0) < 1.0);
        // Line 100 on the second page; no line twice.
        QVERIFY(find("LIB0100", 2));
        QVERIFY(!find("LIB0100", 1));
        int bodyLines = 0;
        for (const PdfWord& w : words)
            bodyLines += w.text.startsWith("LIB") ? 1 : 0;
        QCOMPARE(bodyLines, 100);
        // Footer on both pages, with the date, in its box 194 to 199 mm from the top of the paper.
        for (int page : {1, 2}) {
            const auto footer = find("Stampa", page);
            const auto date = find("10/06/2015", page);
            QVERIFY(footer && date);
            QVERIFY(footer->box.top() > 193.5 && footer->box.bottom() < 199.5);
            QVERIFY(date->box.left() > footer->box.right());
        }
    }

    void aLineFeedInsideALineStaysOnItsLine()
    {
        SKIP_WITHOUT_LINUX_TOOL("pdftotext");
        TestFixture fx;
        QStringList body = lines(5);
        body[1] = "prima\nseconda";
        QVERIFY(printList(nullptr, "Riepilogo", body));
        const QList<PdfWord> words = pdfWords(Printing::printed().at(0).pdf);
        QStringList texts;
        for (const PdfWord& w : words)
            texts << w.text;
        QVERIFY(texts.contains("LIB0005"));
        QVERIFY(texts.contains("prima") && texts.contains("seconda"));
        const auto top = [&](const QString& text) {
            for (const PdfWord& w : words) {
                if (w.text == text)
                    return w.box.top();
            }
            return -1.0;
        };
        QVERIFY(qAbs(top("prima") - top("seconda")) < 0.5);
    }

    void noRoomForTheBodyStillEnds()
    {
        Report report = listReport("Riepilogo", lines(3), QDate(2015, 6, 10));
        report.band("PageFooter")->height = 300;
        QCOMPARE(paginate(report).size(), 1);
        TestFixture fx;
        QVERIFY(Printing::writePdf(report, fx.file("stretta.pdf")));
    }

    void aPageRangePastTheLastPagePrintsNothing()
    {
        TestFixture fx;
        QPdfWriter writer(fx.file("vuota.pdf"));
        QVERIFY(!renderReport(listReport("Riepilogo", lines(3), QDate(2015, 6, 10)), writer, 3, 4));
        QPdfWriter whole(fx.file("intera.pdf"));
        QVERIFY(renderReport(listReport("Riepilogo", lines(100), QDate(2015, 6, 10)), whole, 2, 2));
    }

    void shapesAndPicturesLandWhereTheModelPutsThem()
    {
        Report report;
        report.margins = QMarginsF(10, 10, 10, 10);
        ReportBand& band = report.addBand(ReportBand::Kind::Title, "Banda", 100);
        ReportObject box;
        box.kind = ReportObject::Kind::Rectangle;
        box.name = "shpRiquadro";
        box.geometry = QRectF(10, 10, 20, 20);
        box.fill = Qt::red;
        band.objects.append(box);
        QImage blue(2, 1, QImage::Format_RGB32);
        blue.fill(Qt::blue);
        ReportObject picture;
        picture.kind = ReportObject::Kind::Picture;
        picture.name = "imgFoto";
        picture.geometry = QRectF(50, 10, 40, 40);
        picture.picture = blue;
        band.objects.append(picture);
        ReportObject line;
        line.kind = ReportObject::Kind::Line;
        line.name = "linRiga";
        line.geometry = QRectF(100, 10, 40, 0);
        line.outline = Qt::green;
        line.outlineWidth = 1;
        band.objects.append(line);
        QVERIFY(report.object("imgFoto"));
        QVERIFY(!report.object("nessuno"));

        const qreal dpi = 25.4 * 4; // four pixels a millimetre
        QImage page(QSize(210 * 4, 297 * 4), QImage::Format_RGB32);
        page.fill(Qt::white);
        QPainter painter(&page);
        renderPage(report, paginate(report).first(), painter, dpi);
        painter.end();
        const auto at = [&](qreal x, qreal y) { return QColor(page.pixel(int(x * 4), int(y * 4))); };
        // The page's margin moves everything 10 mm right and down.
        QCOMPARE(at(30, 30), QColor(Qt::red));
        QCOMPARE(at(19, 30), QColor(Qt::white));
        // Two by one, fitted into a 40 mm square: 40 x 20 mm, centred.
        QCOMPARE(at(80, 40), QColor(Qt::blue));
        QCOMPARE(at(80, 25), QColor(Qt::white));
        QCOMPARE(at(130, 20), QColor(Qt::green));
    }

    void cancelledPrintDialogPrintsNothing()
    {
        TestFixture fx;
        Printing::cancelNextPrint();
        QVERIFY(!printList(nullptr, "Riepilogo", lines(3)));
        QVERIFY(Printing::printed().isEmpty());
    }
};

QTEST_MAIN(TestReport)
#include "tst_report.moc"
