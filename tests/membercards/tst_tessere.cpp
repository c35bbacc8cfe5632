#include "CardDialogs.h"
#include "ClickableLabel.h"
#include "Dialogs.h"
#include "IniFile.h"
#include "LinuxTools.h"
#include "MessageBox.h"
#include "Modal.h"
#include "PdfWords.h"
#include "Pictures.h"
#include "Printing.h"
#include "RecordFile.h"
#include "ReportRenderer.h"
#include "ResultList.h"
#include "SearchWindow.h"
#include "ShortString.h"
#include "TestFixture.h"
#include "TfrmTessera.h"

#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QToolButton>
#include <QtTest>

namespace {

TSchedaTesserato member(const QString& name, const QString& card)
{
    TSchedaTesserato m;
    m.Tesserato = name;
    m.Carica = QStringLiteral("Classe 3A");
    m.NumTessera = card;
    m.DataRil = QStringLiteral("01/01/2015");
    m.DataScade = QStringLiteral("31/12/2015");
    m.Annullata = ShortString::kNo;
    return m;
}

QImage filled(const QColor& colour, const QSize& size = QSize(40, 50))
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

QStringList libraryLines(const TfrmTessera& screen)
{
    return {screen.titAssociazione->text(), screen.titSottotitolo01->text(), screen.titSottotitolo02->text(),
        screen.titAnnotazioni->text()};
}

QStringList memberLines(const TfrmTessera& screen)
{
    return {screen.txtTesserato->text(), screen.txtCarica->text(), screen.txtNumTessera->text(),
        screen.txtDataRil->text(), screen.txtDataScade->text()};
}

const QStringList kPlaceholders = {"Cognome e nome", "Informazioni aggiuntive", "Tessera n.", "GG/MM/AAAA", "GG/MM/AAAA"};

} // namespace

class TestTessere : public QObject {
    Q_OBJECT

    std::unique_ptr<TestFixture> fx;

private slots:
    void init() { fx = std::make_unique<TestFixture>(); }
    void cleanup() { fx.reset(); }

    void libraryDataAndLogoAreKeptOnLeaving()
    {
        TfrmTessera screen;
        screen.show();
        QCOMPARE(screen.windowTitle(), QStringLiteral(" Lettoria 3.0 - Stampa Tessere"));
        QCOMPARE(screen.panInfo->text(), QStringLiteral("Pronto per stampare una nuova tessera..."));
        QCOMPARE(libraryLines(screen), QStringList({"", "", "", ""}));
        QCOMPARE(screen.logo(), screen.imgBlank->pixmap().toImage());
        QCOMPARE(memberLines(screen), kPlaceholders);
        QCOMPARE(screen.photo(), screen.imgBianco->pixmap().toImage());

        // "Annulla" changes nothing; "Applica e chiudi" replaces the four lines.
        Modal::setDriver("frmDatiEnte", [](QDialog& d) {
            auto& data = static_cast<TfrmDatiEnte&>(d);
            data.txtAssociazione->setText("  Biblioteca civica ");
            data.btnAnnulla->click();
        });
        QTest::mouseClick(screen.titSottotitolo01, Qt::LeftButton);
        QCOMPARE(libraryLines(screen), QStringList({"", "", "", ""}));
        QString marker;
        Modal::setDriver("frmDatiEnte", [&](QDialog& d) {
            auto& data = static_cast<TfrmDatiEnte&>(d);
            marker = data.lblMemory->text();
            data.txtAssociazione->setText("  Biblioteca civica ");
            data.txtSottotitolo01->setText("Comune di Recanati");
            data.txtSottotitolo02->setText("Via Roma 1");
            data.txtAnnotazioni->setText("Tessera personale");
            data.btnApplica->click();
        });
        QTest::mouseClick(screen.titAnnotazioni, Qt::LeftButton);
        QCOMPARE(marker, QStringLiteral("tessera"));
        QCOMPARE(libraryLines(screen),
            QStringList({"Biblioteca civica", "Comune di Recanati", "Via Roma 1", "Tessera personale"}));

        screen.close();
        QCOMPARE(fx->readFile("Tesserini.ini"),
            QByteArray("[Dati Ente]\r\nDenominazione=Biblioteca civica\r\nSottotitolo 1=Comune di Recanati\r\n"
                       "Sottotitolo 2=Via Roma 1\r\nAnnotazioni=Tessera personale\r\n"));
        const QImage written = Pictures::load(fx->file("Logo.jpg"));
        QCOMPARE(written.size(), QSize(119, 118));

        // Shown again: the library data and the logo come back from the files.
        QVERIFY(Pictures::saveJpeg(filled(Qt::red), fx->file("Logo.jpg")));
        screen.show();
        QCOMPARE(libraryLines(screen).at(0), QStringLiteral("Biblioteca civica"));
        QVERIFY(screen.logo().pixelColor(20, 25).red() > 200);
    }

    void dataDialogChainsItsFields()
    {
        TfrmDatiEnte dialog(nullptr);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        QCOMPARE(QApplication::focusWidget(), dialog.txtAssociazione);
        QStringList names;
        for (int i = 0; i < 5; ++i) {
            names << QApplication::focusWidget()->objectName();
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        }
        QCOMPARE(names,
            QStringList({"txtAssociazione", "txtSottotitolo01", "txtSottotitolo02", "txtAnnotazioni", "txtAssociazione"}));
        QVERIFY(dialog.findChild<QFrame*>("effSottotitolo01"));
    }

    void membersBrowsedAndFound()
    {
        Archive<TSchedaTesserato> members;
        members.append(member("Rossi Mario", "27"));
        members.append(member("Verdi Anna", "28"));
        QVERIFY(Pictures::saveJpeg(filled(Qt::blue), fx->file("2.jpg")));
        TfrmTessera screen;
        screen.show();
        screen.cmdPrimo->click();
        QCOMPARE(memberLines(screen), QStringList({"Rossi Mario", "Classe 3A", "27", "01/01/2015", "31/12/2015"}));
        QCOMPARE(screen.lblPosizione->text(), QStringLiteral("1"));
        QCOMPARE(screen.photo(), screen.imgBianco->pixmap().toImage());
        screen.cmdAvanti->click();
        QVERIFY(screen.photo().pixelColor(20, 25).blue() > 200);
        screen.btnCancFoto->click();
        QCOMPARE(screen.photo().size(), QSize(2, 2));
        QVERIFY(Pictures::load(fx->file("2.jpg")).pixelColor(20, 25).blue() > 200);
        screen.cmdNuovo->click();
        QCOMPARE(memberLines(screen), kPlaceholders);
        QVERIFY(screen.lblPosizione->text().isEmpty());

        QString marker;
        Modal::setDriver("frmTrovaAnagrafica", [&](QDialog& d) {
            auto& window = static_cast<SearchWindow&>(d);
            marker = window.lblMemory->text();
            window.criterion(0)->setText("verdi");
            window.btnCerca->click();
            window.lstRecords->selectIndex(0);
            emit window.lstRecords->listDoubleClicked();
        });
        screen.cmdTrova->click();
        QCOMPARE(marker, QStringLiteral("tessera"));
        QCOMPARE(screen.txtTesserato->text(), QStringLiteral("Verdi Anna"));
        QCOMPARE(screen.lblPosizione->text(), QStringLiteral("2"));
        QVERIFY(screen.photo().pixelColor(20, 25).blue() > 200);

        // Shown again, the member side starts over.
        screen.close();
        screen.show();
        QCOMPARE(memberLines(screen), kPlaceholders);
        QVERIFY(screen.lblPosizione->text().isEmpty());
    }

    void logoLoadedAndCleared()
    {
        TfrmTessera screen;
        screen.show();
        QVERIFY(Pictures::saveJpeg(filled(Qt::green), fx->file("stemma.jpg")));
        Dialogs::scriptFile(fx->file("stemma.jpg"));
        QTest::mouseClick(screen.imgLogo, Qt::LeftButton);
        QVERIFY(screen.logo().pixelColor(20, 25).green() > 200);
        fx->writeFile("testo.bmp", "no");
        Dialogs::scriptFile(fx->file("testo.bmp"));
        QTest::mouseClick(screen.imgLogo, Qt::LeftButton);
        QCOMPARE(screen.logo(), screen.imgBlank->pixmap().toImage());
        screen.btnCancLogo->click();
        QCOMPARE(screen.logo().size(), QSize(2, 2));
        QCOMPARE(screen.content().logo.size(), QSize(2, 2));
    }

    void marginsStepAndApplyOneByOne()
    {
        TfrmTessera screen;
        screen.show();
        TfrmStampaTessera window(screen.content(), &screen);
        QCOMPARE(window.windowTitle(), QStringLiteral(" Stampa tessera biblioteca"));
        QCOMPARE(window.txtTop->text(), QStringLiteral("0"));
        QCOMPARE(window.txtLeft->text(), QStringLiteral("0"));
        window.btnTopMinus->click();
        window.btnTopMinus->click();
        QCOMPARE(window.txtTop->text(), QStringLiteral("-2"));
        window.btnApplicaTop->click();
        QCOMPARE(fx->readFile("Tesserini.ini"), QByteArray("[Margini Stampa]\r\nSuperiore=-2\r\n"));
        window.btnLeftPlus->click();
        window.btnApplicaLeft->click();
        TfrmStampaTessera again(screen.content(), &screen);
        QCOMPARE(again.txtTop->text(), QStringLiteral("-2"));
        QCOMPARE(again.txtLeft->text(), QStringLiteral("1"));

        // A cancelled print dialog closes the window too, and prints nothing.
        again.show();
        Printing::cancelNextPrint();
        QTest::mousePress(again.btnStampa, Qt::LeftButton);
        QVERIFY(again.lblAttendere->isVisible());
        QTest::mouseRelease(again.btnStampa, Qt::LeftButton);
        QVERIFY(!again.isVisible());
        QVERIFY(!again.lblAttendere->isVisible());
        QVERIFY(Printing::printed().isEmpty());
    }

    // With margins 5 and 3 on display (never applied), the card's corner lands 15 mm from the top
    // and 13 mm from the left edge of the page, every text in its box.
    void cardPrintedEndToEnd()
    {
        SKIP_WITHOUT_LINUX_TOOL("pdftotext");
        Archive<TSchedaTesserato>().append(member("Rossi Mario", "27"));
        QVERIFY(Pictures::saveJpeg(filled(Qt::red, QSize(100, 120)), fx->file("1.jpg")));
        QVERIFY(Pictures::saveJpeg(filled(Qt::green, QSize(110, 110)), fx->file("Logo.jpg")));
        TfrmTessera screen;
        screen.show();
        screen.titAssociazione->setText("Biblioteca civica");
        screen.titAnnotazioni->setText("Tessera personale");
        screen.cmdPrimo->click();
        Modal::setDriver("frmStampaTessera", [](QDialog& d) {
            auto& window = static_cast<TfrmStampaTessera&>(d);
            for (int i = 0; i < 5; ++i)
                window.btnTopPlus->click();
            for (int i = 0; i < 3; ++i)
                window.btnLeftPlus->click();
            window.btnStampa->click();
        });
        screen.cmdStampa->click();
        QCOMPARE(Printing::printed().size(), 1);
        const Report& card = Printing::printed().at(0).report;
        QCOMPARE(card.margins, QMarginsF(3, 5, 0, 0));
        QCOMPARE(card.orientation, QPageLayout::Portrait);
        QCOMPARE(card.object("txtTesserato")->text, QStringLiteral("Rossi Mario"));
        QCOMPARE(card.object("txtNumTessera")->text, QStringLiteral("27"));
        QVERIFY(!QFile::exists(fx->file("Tesserini.ini")));

        const QList<PdfWord> words = pdfWords(Printing::printed().at(0).pdf);
        const auto box = [&](const QString& text) {
            for (const PdfWord& w : words) {
                if (w.text == text)
                    return w.box;
            }
            return QRectF();
        };
        // Each text inside its box: the box's corner plus the margins.
        const std::pair<const char*, QRectF> expected[] = {
            {"Rossi", QRectF(3 + 40.0, 5 + 25.0, 55.0, 4.0)},
            {"Classe", QRectF(3 + 40.0, 5 + 29.0, 55.0, 3.8)},
            {"27", QRectF(3 + 40.0, 5 + 33.8, 31.0, 3.5)},
            {"Biblioteca", QRectF(3 + 12.0, 5 + 12.0, 54.0, 3.8)},
            {"rilascio:", QRectF(3 + 40.0, 5 + 38.0, 23.0, 3.4)},
            {"01/01/2015", QRectF(3 + 41.4, 5 + 42.4, 22.2, 3.0)},
            {"31/12/2015", QRectF(3 + 41.4, 5 + 51.4, 22.2, 3.0)},
            {"personale", QRectF(3 + 12.0, 5 + 58.2, 82.0, 3.8)},
        };
        for (const auto& [text, area] : expected) {
            const QRectF found = box(QString::fromUtf8(text));
            QVERIFY2(found.isValid(), text);
            QVERIFY2(area.adjusted(-0.3, -0.6, 0.3, 0.6).contains(found), text);
        }

        // The outline, the photo and the logo, on the page drawn at ten pixels a millimetre.
        QImage page(QSize(2100, 2970), QImage::Format_RGB32);
        page.fill(Qt::white);
        QPainter painter(&page);
        renderPage(card, paginate(card).first(), painter, 254);
        painter.end();
        const auto at = [&](qreal x, qreal y) { return QColor(page.pixel(int(x * 10), int(y * 10))); };
        QVERIFY(at(13.0, 40).value() < 80); // left edge of the card
        QVERIFY(at(12.5, 40).value() > 240);
        QVERIFY(at(50, 15.0).value() < 80); // top edge
        QVERIFY(at(50, 14.5).value() > 240);
        QVERIFY(at(3 + 25, 5 + 40).red() > 200 && at(3 + 25, 5 + 40).green() < 60); // photo
        QVERIFY(at(3 + 83, 5 + 45).green() > 200 && at(3 + 83, 5 + 45).red() < 60); // logo
        QCOMPARE(at(3 + 50, 5 + 13), QColor(0, 0, 128)); // header band
    }

    void previewIgnoresTheMarginsAndShowsThePlaceholders()
    {
        IniFile(fx->file("Tesserini.ini")).write("Margini Stampa", "Superiore", "7");
        TfrmTessera screen;
        screen.show();
        screen.btnCancLogo->click();
        Modal::setDriver("frmAnteprimaTessera", [](QDialog& d) {
            auto& window = static_cast<TfrmAnteprimaTessera&>(d);
            QCOMPARE(window.windowTitle(), QStringLiteral(" Anteprima di stampa"));
            window.btnStampa->click();
        });
        screen.cmdAnteprima->click();
        QCOMPARE(Printing::printed().size(), 1);
        QVERIFY(Printing::printed().at(0).preview);
        const Report& card = Printing::printed().at(0).report;
        QCOMPARE(card.margins, QMarginsF(0, 0, 0, 0));
        QCOMPARE(card.object("txtTesserato")->text, QStringLiteral("Cognome e nome"));
        QCOMPARE(card.object("txtDataRil")->text, QStringLiteral("GG/MM/AAAA"));
        QCOMPARE(card.object("imgFoto")->picture, screen.imgBianco->pixmap().toImage());
        QCOMPARE(card.object("imgLogo")->picture.size(), QSize(2, 2));
    }

    void statusLine()
    {
        TfrmTessera screen;
        screen.show();
        QVERIFY(QTest::qWaitForWindowExposed(&screen));
        const auto over = [&](QWidget* widget) {
            QTest::mouseMove(widget, widget->rect().center());
            return screen.panInfo->text();
        };
        QCOMPARE(over(screen.imgLogo),
            QStringLiteral("Fare clic per caricare il logo della biblioteca. (Alt+C)"));
        QCOMPARE(over(screen.lblPosizione), QString());
        QCOMPARE(over(screen.titAssociazione),
            QStringLiteral("Fare clic per inserire i dati della biblioteca. (Alt+D)"));
        QCOMPARE(over(screen.txtTesserato), QString());
        QCOMPARE(over(screen.cmdAnteprima),
            QStringLiteral("Visualizza l'anteprima di stampa della tessera corrente. (Alt+M)"));
    }
};

QTEST_MAIN(TestTessere)
#include "tst_tessere.moc"
