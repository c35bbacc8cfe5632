#include "Chart.h"
#include "ClickableLabel.h"
#include "Dialogs.h"
#include "MessageBox.h"
#include "Modal.h"
#include "Printing.h"
#include "RecordFile.h"
#include "TestFixture.h"
#include "TfrmStatistiche.h"

#include <QDir>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QSpinBox>
#include <QtTest>

namespace {

void storeLoans(const TestFixture& fx)
{
    Archive<TSchedaPrestito> loans(fx.file("2015.bib"));
    for (const char* made : {"05/03/2015", "17/03/2015", "02/11/2015", "02/11/2014", "02/13/2015"}) {
        TSchedaPrestito p;
        p.Data = QString::fromUtf8(made);
        p.DataRes = QStringLiteral("10/01/2016");
        loans.append(p);
    }
}

// Whether the image holds a pixel of the colour, give or take the shading of the edges.
bool shows(const QImage& image, const QColor& colour)
{
    for (int y = 0; y < image.height(); y += 2) {
        for (int x = 0; x < image.width(); x += 2) {
            if (image.pixelColor(x, y) == colour)
                return true;
        }
    }
    return false;
}

} // namespace

class TestStatistics : public QObject {
    Q_OBJECT

    std::unique_ptr<TestFixture> fx;

private slots:
    void init() { fx = std::make_unique<TestFixture>(); }
    void cleanup() { fx.reset(); }

    void monthsCountedAndDrawnBothWays()
    {
        storeLoans(*fx);
        TfrmStatistiche screen;
        screen.show();
        QCOMPARE(screen.txtAnno->text(), QStringLiteral("2015"));
        QVERIFY(screen.panAvvio->isVisible());
        screen.btnApri->click();
        QVERIFY(screen.panContainer->isVisible());
        QCOMPARE(screen.lblTitolo->text(), QStringLiteral("Rappresentazione grafica dei prestiti registrati nell'anno 2015."));
        const QList<ChartPoint>& points = screen.ChartStats->chart.points;
        QCOMPARE(points.size(), 12);
        QList<int> values;
        for (const ChartPoint& p : points)
            values << p.value;
        QCOMPARE(values, QList<int>({0, 0, 2, 0, 0, 0, 0, 0, 0, 0, 1, 0}));
        QCOMPARE(points.at(2).label, QStringLiteral("Marzo"));
        QCOMPARE(points.at(9).colour, QColor(0x87, 0xCE, 0xEB));

        // Every month's colour stands in the legend; the counted months also as a bar or a slice.
        for (const Chart::Kind kind : {Chart::Kind::Bars, Chart::Kind::Pie}) {
            Chart chart = screen.ChartStats->chart;
            chart.kind = kind;
            QImage image(1000, 700, QImage::Format_RGB32);
            QPainter painter(&image);
            drawChart(painter, QRectF(0, 0, 1000, 700), chart);
            painter.end();
            for (const ChartPoint& p : chart.points)
                QVERIFY2(shows(image, p.colour), qPrintable(p.label));
            // Marzo's colour fills far more than its legend square: its bar or slice is drawn.
            const QImage top = image.copy(0, 0, 1000, 420);
            QVERIFY(shows(top, QColor(0xFF, 0xE4, 0xC4)));
            QVERIFY(shows(top, QColor(0x80, 0x00, 0x00)));
            QVERIFY(!shows(top, QColor(0xFF, 0x00, 0x00)));
        }
    }

    // A register that cannot be read shows the access error, not a year of twelve zeros: the
    // window stays on the year.
    void anUnreadableRegisterIsNoEmptyYear()
    {
        QVERIFY(QDir(fx->folder()).mkdir("2015.bib"));
        TfrmStatistiche screen;
        screen.show();
        const QString title = screen.lblTitolo->text();
        screen.btnApri->click();
        QCOMPARE(TestFixture::messages(),
            QStringList({"Attenzione: il sistema non permette di accedere all'archivio.\n\r\n\r"
                         "Accertarsi di possedere i privilegi di scrittura nella cartella di installazione del "
                         "programma."}));
        QVERIFY(screen.panAvvio->isVisible());
        QVERIFY(!screen.panContainer->isVisible());
        QVERIFY(screen.ChartStats->chart.points.isEmpty());
        QCOMPARE(screen.lblTitolo->text(), title);
    }

    void pieSurvivesReopening()
    {
        TfrmStatistiche screen;
        screen.show();
        screen.btnApri->click();
        screen.btnTorta->click();
        screen.close();
        screen.show();
        screen.txtAnno->setText("2014");
        screen.btnApri->click();
        QCOMPARE(screen.ChartStats->chart.kind, Chart::Kind::Pie);
        screen.btnBarre->click();
        QCOMPARE(screen.ChartStats->chart.kind, Chart::Kind::Bars);
    }

    void printedInCopies_data()
    {
        QTest::addColumn<QString>("answer");
        QTest::addColumn<int>("copies");
        QTest::newRow("two") << "2" << 2;
        QTest::newRow("letters") << "abc" << 1;
        QTest::newRow("empty") << " " << 1;
        QTest::newRow("none") << "0" << 0;
    }

    void printedInCopies()
    {
        QFETCH(QString, answer);
        QFETCH(int, copies);
        storeLoans(*fx);
        TfrmStatistiche screen;
        screen.show();
        screen.btnApri->click();
        Dialogs::scriptText(answer);
        screen.btnStampa->click();
        QCOMPARE(TestFixture::messages(), QStringList({"Si vuole stampare il presente grafico statistico?"}));
        QCOMPARE(Printing::printed().size(), copies);
        if (copies > 0) {
            const Report& page = Printing::printed().at(0).report;
            QCOMPARE(page.orientation, QPageLayout::Landscape);
            QCOMPARE(page.object("ChartStats")->chart.points.at(2).value, 2);
            QVERIFY(QFileInfo(Printing::printed().at(0).pdf).size() > 1000);
        }
    }

    // The copies are asked in a number field, in a dialog wide enough for its whole title.
    void copiesDialogShowsItsTitle()
    {
        storeLoans(*fx);
        TfrmStatistiche screen;
        screen.show();
        screen.btnApri->click();
        Modal::setDriver("dlgNumero", [](QDialog& d) {
            auto& dialog = static_cast<QInputDialog&>(d);
            QCOMPARE(dialog.windowTitle(), QStringLiteral("Numero copie da stampare"));
            QCOMPARE(dialog.labelText(), QStringLiteral("Copie:"));
            auto* number = dialog.findChild<QSpinBox*>();
            QVERIFY(number && number->isVisible());
            QCOMPARE(number->value(), 1);
            QFont bold = QApplication::font("QMdiSubWindowTitleBar");
            bold.setBold(true);
            QVERIFY2(dialog.width() > QFontMetrics(bold).horizontalAdvance(dialog.windowTitle()) + 100,
                qPrintable(QString::number(dialog.width())));
            QTest::keyClick(number, Qt::Key_A);
            QTest::keyClick(number, Qt::Key_Up);
            QCOMPARE(number->text(), QStringLiteral("2"));
            dialog.accept();
        });
        screen.btnStampa->click();
        QCOMPARE(Modal::opened(), QStringList({"dlgNumero"}));
        QCOMPARE(Printing::printed().size(), 2);
    }

    void noAnswersNoPrint()
    {
        TfrmStatistiche screen;
        screen.show();
        screen.txtAnno->setText("15");
        screen.btnApri->click();
        QCOMPARE(TestFixture::messages(), QStringList({"Attenzione: indicare l'anno solare utilizzando quattro cifre."}));
        screen.txtAnno->setText("2015");
        screen.btnApri->click();
        MessageBox::clearShown();
        MessageBox::scriptAnswer(MessageBox::Answer::No);
        screen.btnStampa->click();
        screen.btnStampa->click(); // the copies dialog cancelled
        QVERIFY(Printing::printed().isEmpty());
    }
};

QTEST_MAIN(TestStatistics)
#include "tst_statistics.moc"
