#include "ClickableLabel.h"
#include "MessageBox.h"
#include "Modal.h"
#include "Printing.h"
#include "RecordFile.h"
#include "ResultList.h"
#include "TestFixture.h"
#include "TfrmMenuRiepilogoPrestiti.h"
#include "TfrmRiepilogoPrestiti.h"

#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>
#include <cmath>

namespace {

// The contrast ratio of two colours, from their relative luminance in sRGB.
double contrast(const QColor& a, const QColor& b)
{
    const auto luminance = [](const QColor& c) {
        const auto linear
            = [](double v) { return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
        return 0.2126 * linear(c.redF()) + 0.7152 * linear(c.greenF()) + 0.0722 * linear(c.blueF());
    };
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

void storeLoans(const TestFixture& fx)
{
    Archive<TSchedaPrestito> loans(fx.file("2015.bib"));
    const auto loan = [&](const char* code, const char* made, const char* returned) {
        TSchedaPrestito p;
        p.Tesserato = QStringLiteral("Rossi Mario");
        p.NumTessera = QStringLiteral("27");
        p.Tipo = QStringLiteral("Libro");
        p.Codice = QString::fromUtf8(code);
        p.Titolo = QStringLiteral("Titolo ") + QString::fromUtf8(code);
        p.Data = QString::fromUtf8(made);
        p.DataSca = QStringLiteral("30/12/2015");
        p.DataRes = QString::fromUtf8(returned);
        loans.append(p);
    };
    loan("LIB1", "10/03/2015", "");
    loan("ROTTA", "32/03/2015", "");
    loan("LIB2", "15/03/2015", "20/04/2015");
    loan("LIB1", "01/06/2015", "");
    loan("", "10/03/2015", "");
}

// Picks day and month from the lists, as the mouse would.
void pick(QComboBox* day, int dayNumber, QComboBox* month, int monthNumber)
{
    day->setCurrentIndex(dayNumber - 1);
    month->setCurrentIndex(monthNumber - 1);
}

struct Summary {
    QStringList lines;
    QString total, code, period;
};

// Runs "Visualizza riepilogo" and reads the summary window it opens.
Summary summarise(TfrmMenuRiepilogoPrestiti& menu)
{
    Summary seen;
    Modal::setDriver("frmRiepilogoPrestiti", [&](QDialog& d) {
        auto& window = static_cast<TfrmRiepilogoPrestiti&>(d);
        seen = {window.lstRecords->lines(), window.lblTotCosti->text(), window.titTipologia->text(),
            window.lblIntervallo->text()};
    });
    menu.btnVisualizza->click();
    return seen;
}

} // namespace

class TestSummary : public QObject {
    Q_OBJECT

    std::unique_ptr<TestFixture> fx;

private slots:
    void init() { fx = std::make_unique<TestFixture>(); }
    void cleanup() { fx.reset(); }

    void theWholeYearAndAOneDayPeriod()
    {
        storeLoans(*fx);
        TfrmMenuRiepilogoPrestiti menu;
        menu.show();
        QCOMPARE(menu.txtAnno->text(), QStringLiteral("2015"));
        QCOMPARE(menu.lblAnnoInizio->text(), QStringLiteral("2015"));
        QCOMPARE(menu.txtGiornoInizio->count(), 31);
        QCOMPARE(menu.txtMeseFine->itemText(11), QStringLiteral("Dicembre"));
        QCOMPARE(menu.txtGiornoInizio->currentIndex(), -1);
        pick(menu.txtGiornoInizio, 1, menu.txtMeseInizio, 1);
        pick(menu.txtGiornoFine, 31, menu.txtMeseFine, 12);
        // The loan whose date is no date is left out; the total is the number of lines listed.
        const Summary year = summarise(menu);
        QCOMPARE(year.lines.size(), 4);
        QCOMPARE(year.total, QStringLiteral("4"));
        QCOMPARE(year.code, QStringLiteral("Tutti i prestiti"));
        QCOMPARE(year.period, QStringLiteral("Dal   01/01/2015   al   31/12/2015"));
        QCOMPARE(year.lines.at(1),
            QStringLiteral("Libro  Cod. LIB2                      Titolo LIB2") + QString(37, ' ')
                + QStringLiteral("  Data: 15/03/2015  Rest. 20/04/2015  Utente: Rossi Mario"));
        QVERIFY(year.lines.at(0).contains("  Rest.             Utente: "));

        // A returned loan made in the period is listed; a filter in lower case finds upper case.
        menu.txtTipologia->setText("lib1");
        pick(menu.txtGiornoInizio, 10, menu.txtMeseInizio, 3);
        pick(menu.txtGiornoFine, 10, menu.txtMeseFine, 3);
        const Summary day = summarise(menu);
        QCOMPARE(day.lines.size(), 1);
        QCOMPARE(day.code, QStringLiteral("lib1"));
        QVERIFY(TestFixture::messages().isEmpty());
    }

    void periodChecks()
    {
        TfrmMenuRiepilogoPrestiti menu;
        menu.show();
        QVERIFY(QTest::qWaitForWindowActive(&menu));
        menu.btnVisualizza->click();
        QCOMPARE(TestFixture::messages().last(),
            QStringLiteral("Attenzione: indicare il giorno di inizio intervallo selezionandolo dall'elenco a cascata."));
        pick(menu.txtGiornoInizio, 31, menu.txtMeseInizio, 4);
        menu.btnVisualizza->click();
        QCOMPARE(TestFixture::messages().last(),
            QStringLiteral("Attenzione: indicare il giorno di fine intervallo selezionandolo dall'elenco a cascata."));
        pick(menu.txtGiornoFine, 1, menu.txtMeseFine, 1);
        menu.btnVisualizza->click();
        QCOMPARE(TestFixture::messages().last(),
            QStringLiteral("Attenzione: la data 31/04/2015 di inizio intervallo non esiste.\n\r\n\rPer poter "
                           "visualizzare il riepilogo \u00E8 necessario indicare una data valida."));
        QCOMPARE(QApplication::focusWidget(), menu.txtGiornoInizio);
        pick(menu.txtGiornoInizio, 2, menu.txtMeseInizio, 1);
        menu.btnVisualizza->click();
        QCOMPARE(TestFixture::messages().last(),
            QStringLiteral("Attenzione: la data di fine intervallo (01/01/2015) non pu\u00F2 essere anteriore a "
                           "quella di inizio intervallo (02/01/2015).\n\r\n\rPer poter visualizzare il riepilogo "
                           "\u00E8 necessario indicare un intervallo di tempo valido."));
        menu.txtAnno->clear();
        QTest::keyClicks(menu.txtAnno, "20a1");
        QCOMPARE(menu.txtAnno->text(), QStringLiteral("201"));
        QCOMPARE(menu.lblAnnoFine->text(), QStringLiteral("201"));
        menu.btnVisualizza->click();
        QCOMPARE(TestFixture::messages().last(), QStringLiteral("Attenzione: indicare l'anno solare utilizzando quattro cifre."));
        QVERIFY(Modal::opened().isEmpty());

        // The lists are chosen from, never typed into.
        menu.txtMeseInizio->setFocus();
        QTest::keyClicks(menu.txtMeseInizio, "Ma");
        QCOMPARE(menu.txtMeseInizio->currentText(), QStringLiteral("Gennaio"));
    }

    void emptyRegisterAndNoMatch()
    {
        TfrmMenuRiepilogoPrestiti menu;
        menu.show();
        pick(menu.txtGiornoInizio, 1, menu.txtMeseInizio, 1);
        pick(menu.txtGiornoFine, 31, menu.txtMeseFine, 12);
        const Summary empty = summarise(menu);
        QCOMPARE(empty.code, QStringLiteral("- - -"));
        QCOMPARE(empty.total, QStringLiteral("0"));
        QVERIFY(QFile::exists(fx->file("2015.bib")));

        storeLoans(*fx);
        TfrmRiepilogoPrestiti none(fx->file("2015.bib"), "NESSUNO", QDate(2015, 1, 1), QDate(2015, 12, 31), nullptr);
        QCOMPARE(none.lblTotCosti->text(), QStringLiteral("0"));
        none.btnStampa->click();
        QCOMPARE(TestFixture::messages(),
            QStringList({"Operazione di stampa non applicabile: il riepilogo non contiene nessuna voce."}));
    }

    void printedWithPeriodAndTotal()
    {
        storeLoans(*fx);
        TfrmRiepilogoPrestiti summary(fx->file("2015.bib"), "", QDate(2015, 3, 1), QDate(2015, 3, 31), nullptr);
        QCOMPARE(summary.lstRecords->count(), 3);
        summary.btnStampa->click();
        QCOMPARE(TestFixture::messages(), QStringList({"Si vuole stampare il presente riepilogo?"}));
        QCOMPARE(Printing::printed().size(), 1);
        const Report& report = Printing::printed().at(0).report;
        QCOMPARE(report.object("txtTitolo")->text, QStringLiteral("Riepilogo prestiti libri e DVD - Codice: Tutti i prestiti"));
        const QStringList printed = report.object("txtRiepilogo")->text.split('\n');
        QCOMPARE(printed.size(), 6);
        QCOMPARE(printed.mid(3),
            QStringList({"- - - - - - - - - - - - - - - -", "INTERVALLO SELEZIONATO:    Dal   01/03/2015   al   31/03/2015",
                "TOTALE PRESTITI:  3"}));
    }

    // A register that is there but cannot be read is no empty year: the summary and both exports
    // say so and open nothing; no spreadsheet is written.
    void anUnreadableRegisterIsAnAccessError()
    {
        QVERIFY(QDir(fx->folder()).mkdir("2015.bib"));
        TfrmMenuRiepilogoPrestiti menu;
        menu.show();
        pick(menu.txtGiornoInizio, 1, menu.txtMeseInizio, 1);
        pick(menu.txtGiornoFine, 31, menu.txtMeseFine, 12);
        menu.btnVisualizza->click();
        menu.lnkEsporta->clicked();
        menu.lnkScaduti->clicked();
        const QString access = QStringLiteral(
            "Attenzione: il sistema non permette di accedere all'archivio.\n\r\n\r"
            "Accertarsi di possedere i privilegi di scrittura nella cartella di installazione del programma.");
        QCOMPARE(TestFixture::messages(), QStringList({access, access, access}));
        QCOMPARE(Modal::opened(), QStringList());
        QVERIFY(!QFile::exists(fx->file("Registro_Prestiti.xls")));
        QVERIFY(!QFile::exists(fx->file("Prestiti_Scaduti.xls")));
    }

    void exportLinksOpenTheRegisterExports()
    {
        storeLoans(*fx);
        TfrmMenuRiepilogoPrestiti menu;
        menu.show();
        menu.lnkEsporta->clicked();
        menu.lnkScaduti->clicked();
        QCOMPARE(Modal::opened(), QStringList({"frmExpPrestiti", "frmExpPrestitiSca"}));
        QCOMPARE(menu.lblFile->text(), fx->file("2015.bib"));
    }

    // The links keep the hue of chartreuse, dark enough to read on the pale blue behind them
    // (a contrast of at least 4.5 to 1 with every background pixel around their words).
    void exportLinksCanBeRead()
    {
        TfrmMenuRiepilogoPrestiti menu;
        menu.show();
        QVERIFY(QTest::qWaitForWindowExposed(&menu));
        const QImage window = menu.grab().toImage();
        for (LinkLabel* link : {menu.lnkEsporta, menu.lnkScaduti}) {
            const QLabel* words = link->textLabel();
            const QColor ink = words->palette().color(QPalette::WindowText);
            QCOMPARE(ink.hslHue(), 90);
            const QRect around
                = QRect(words->mapTo(&menu, QPoint(0, 0)), words->size()).adjusted(-2, -2, 2, 2);
            for (const QPoint corner :
                {around.topLeft(), around.topRight(), around.bottomLeft(), around.bottomRight()}) {
                const double ratio = contrast(ink, window.pixelColor(corner));
                QVERIFY2(ratio >= 4.5, qPrintable(QStringLiteral("%1 on %2: %3").arg(ink.name(),
                                                   window.pixelColor(corner).name()).arg(ratio)));
            }
        }
    }
};

QTEST_MAIN(TestSummary)
#include "tst_summary.moc"
