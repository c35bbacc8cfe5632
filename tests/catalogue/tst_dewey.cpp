#include "CatalogueScreen.h"
#include "LinuxTools.h"
#include "MessageBox.h"
#include "Modal.h"
#include "PdfWords.h"
#include "Printing.h"
#include "ReportRenderer.h"
#include "ResultList.h"
#include "TestFixture.h"
#include "TfrmCodiciDewey.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QSet>
#include <QtTest>

namespace {

const QString kEmptyList = QStringLiteral("Ricerca non applicabile: la lista non contiene nessuna voce.");

QSet<QString> numbers(std::initializer_list<int> single, std::initializer_list<std::pair<int, int>> ranges)
{
    QSet<QString> out;
    for (int n : single)
        out.insert(QStringLiteral("%1").arg(n, 3, 10, QLatin1Char('0')));
    for (const auto& [from, to] : ranges)
        for (int n = from; n <= to; ++n)
            out.insert(QStringLiteral("%1").arg(n, 3, 10, QLatin1Char('0')));
    return out;
}

std::unique_ptr<CatalogueScreen> openBooks()
{
    auto screen = std::make_unique<TfrmLibri>();
    screen->show();
    if (!QTest::qWaitForWindowActive(screen.get()))
        qWarning("the book card screen did not become active");
    return screen;
}

QLineEdit* deweyField(CatalogueScreen& screen)
{
    return qobject_cast<QLineEdit*>(screen.control(QStringLiteral("Dewey")));
}

void waitForFilling(QDialog& d)
{
    auto* list = d.findChild<ResultList*>("lstRecords");
    QTRY_COMPARE(list->count(), 3721);
}

// Finds a key in an open window, as the librarian types it and clicks "Trova".
QString findLine(QDialog& d, const QString& key)
{
    auto* field = d.findChild<QLineEdit*>("txtTrova");
    field->setText(key);
    d.findChild<QPushButton*>("btnTrova")->click();
    return d.findChild<ResultList*>("lstRecords")->selectedLine();
}

} // namespace

class TestDewey : public QObject {
    Q_OBJECT

private slots:
    void tableMeetsEveryFigure()
    {
        const QStringList& table = TfrmCodiciDewey::table();
        QCOMPARE(table.size(), 3721);

        const QRegularExpression shape(QStringLiteral("^(\\d{3}) [A-Z0-9.,\\-()'/]+( [A-Z0-9.,\\-()'/]+)*$"));
        QSet<QString> classes;
        int perHundred[10] = {};
        int longest = 0;
        QString previousClass;
        for (const QString& line : table) {
            const QRegularExpressionMatch m = shape.match(line);
            QVERIFY2(m.hasMatch(), qPrintable(line));
            const QString number = m.captured(1);
            QVERIFY2(number >= previousClass, qPrintable(line));
            previousClass = number;
            classes.insert(number);
            ++perHundred[number.at(0).digitValue()];
            longest = std::max(longest, int(line.size()));
        }
        QCOMPARE(classes.size(), 899);
        QCOMPARE(longest, 120);
        const int expected[10] = {155, 129, 256, 487, 87, 296, 297, 663, 800, 551};
        for (int h = 0; h < 10; ++h)
            QCOMPARE(perHundred[h], expected[h]);

        const QSet<QString> without = numbers({0, 7, 8, 9, 24, 29, 104, 112, 125, 132, 134, 136, 151, 159, 163, 164, 217,
                                                  237, 244, 256, 257, 258, 298, 308, 309, 311, 312, 313, 329, 396, 397,
                                                  416, 424, 426, 434, 436, 444, 446, 454, 456, 464, 466, 474, 476, 484,
                                                  486, 504, 517, 518, 524, 571, 626, 654, 655, 656, 689, 699, 744, 762,
                                                  768, 775, 776, 777, 804, 819, 908, 991, 992},
            {{40, 49}, {401, 409}, {921, 928}, {974, 979}});
        QCOMPARE(without.size(), 101);
        for (int n = 0; n <= 999; ++n) {
            const QString number = QStringLiteral("%1").arg(n, 3, 10, QLatin1Char('0'));
            QVERIFY2(classes.contains(number) != without.contains(number), qPrintable(number));
        }

        QCOMPARE(table.mid(0, 5),
            QStringList({"001 CONOSCENZA", "001 VITA INTELLETTUALE", "001 STUDIO E CULTURA", "001 DISCIPLINE UMANISTICHE",
                "001 RICERCA"}));
        const QStringList firsts = {"100 FILOSOFIA E PSICOLOGIA", "200 RELIGIONE", "300 SCIENZE SOCIALI",
            "400 SCIENZE DEL LINGUAGGIO", "500 SCIENZE NATURALI E MATEMATICA (SCIENZE PURE)",
            "600 TECNOLOGIA (SCIENZE APPLICATE)", "700 LE ARTI", "800 LETTERATURA E RETORICA", "900 GEOGRAFIA E STORIA"};
        for (const QString& first : firsts) {
            const auto at = std::find_if(table.begin(), table.end(), [&](const QString& l) { return l.at(0) == first.at(0); });
            QCOMPARE(*at, first);
        }
        QCOMPARE(table.last(), QStringLiteral("999 STORIA DI MONDI EXTRATERRESTRI"));
        QVERIFY(table.contains(QStringLiteral("500 SCIENZE FISICHE")));

        // One entry, and only one, stands twice in a row; no other entry repeats anywhere.
        QStringList twice;
        for (int i = 1; i < table.size(); ++i)
            if (table.at(i) == table.at(i - 1))
                twice << table.at(i);
        QCOMPARE(twice, QStringList({"786 STRUMENTI A CORDA E TASTIERA"}));
        QCOMPARE(QSet<QString>(table.begin(), table.end()).size(), 3720);
    }

    void windowFillsASecondAfterShowing()
    {
        TestFixture fixture;
        TfrmCodiciDewey window(nullptr, nullptr);
        QCOMPARE(window.objectName(), QStringLiteral("frmCodici_Dewey"));
        QCOMPARE(window.windowTitle(), QStringLiteral(" Tabella Codici Dewey"));
        QCOMPARE(window.size(), QSize(861, 561));
        QCOMPARE(window.lblRigo01->text(),
            QStringLiteral("Immettere una o pi\u00F9 parole consecutive presenti nella voce in elenco da cercare e premere "
                           "il pulsante Trova."));
        QCOMPARE(window.lblRigo02->text(),
            QStringLiteral("Per spostarsi sulla voce successiva contenente la stessa chiave di ricerca, fare di nuovo "
                           "clic su Trova."));
        QCOMPARE(window.lblRigo03->text(),
            QStringLiteral("Per importare un codice Dewey dall'elenco, selezionarlo con un doppio clic."));
        QCOMPARE(window.txtTrova->font().family(), QStringLiteral("Verdana"));
        QCOMPARE(window.txtTrova->font().pointSize(), 12);
        QCOMPARE(window.lstRecords->font().family(), QStringLiteral("Courier New"));

        // Checked at once after showing, well inside the second before the list fills.
        window.show();
        QCOMPARE(window.lstRecords->count(), 0);
        QVERIFY(window.panDewey->isVisible());
        QCOMPARE(window.focusWidget(), window.txtTrova);
        QVERIFY(!window.lblAttendere->isVisible());
        QVERIFY(!window.lblMemory->isVisible());

        // Before the timer fires the list is empty and the find says so.
        window.btnTrova->click();
        QCOMPARE(TestFixture::messages(), QStringList({kEmptyList}));

        QTRY_COMPARE(window.lstRecords->count(), 3721);
        QCOMPARE(window.lstRecords->lines(), TfrmCodiciDewey::table());
        QCOMPARE(window.lstRecords->selectedIndex(), -1);
        QVERIFY(!window.panDewey->isVisible());
    }

    void findStepsAndRemembersItsKeyForTheWholeRun()
    {
        TestFixture fixture;
        const QStringList& table = TfrmCodiciDewey::table();
        QStringList withNarrativa;
        for (const QString& line : table)
            if (line.contains(QStringLiteral("NARRATIVA")))
                withNarrativa << line;
        QVERIFY(withNarrativa.size() > 2);
        QStringList withConoscenza;
        for (const QString& line : table)
            if (line.contains(QStringLiteral("CONOSCENZA")))
                withConoscenza << line;
        QVERIFY(withConoscenza.size() > 1 && withConoscenza.first() == table.first());

        {
            TfrmCodiciDewey window(nullptr, nullptr);
            window.show();
            waitForFilling(window);
            QCOMPARE(findLine(window, "narrativa"), withNarrativa.at(0));
            QCOMPARE(findLine(window, "narrativa"), withNarrativa.at(1));
            QCOMPARE(findLine(window, "NARRATIVA"), withNarrativa.at(2));
            // A new key starts from the top: the first line holds it.
            QCOMPARE(findLine(window, "conoscenza"), table.first());
            // Enter in the field moves to "Trova" without finding.
            window.txtTrova->setFocus();
            QTest::keyClick(window.txtTrova, Qt::Key_Return);
            QCOMPARE(window.focusWidget(), window.btnTrova);
            QCOMPARE(window.lstRecords->selectedLine(), table.first());
        }
        // Reopened, the window still knows the key: the same key starts after the first line and
        // comes to it only at the end.
        TfrmCodiciDewey again(nullptr, nullptr);
        again.show();
        waitForFilling(again);
        QCOMPARE(again.txtTrova->text(), QString());
        QCOMPARE(findLine(again, "conoscenza"), withConoscenza.at(1));
    }

    void doubleClickImportsTheClassIntoTheBookCard()
    {
        TestFixture fixture;
        auto screen = openBooks();
        QVERIFY(screen->btnDewey->isEnabled());
        QLineEdit* dewey = deweyField(*screen);
        QString mode;
        Modal::setDriver("frmCodici_Dewey", [&](QDialog& d) {
            mode = d.findChild<QLabel*>("lblMemory")->text();
            waitForFilling(d);
            auto* list = d.findChild<ResultList*>("lstRecords");
            list->selectIndex(int(list->lines().indexOf(QStringLiteral("500 SCIENZE FISICHE"))));
            emit list->listDoubleClicked();
        });
        screen->btnDewey->click();
        QCOMPARE(mode, QStringLiteral("libri"));
        QCOMPARE(dewey->text(), QStringLiteral("500"));
        QCOMPARE(screen->focusWidget(), dewey);
        QCOMPARE(TestFixture::visibleWindows(), QList<QWidget*>({screen.get()}));
    }

    void anotherModeOrChiudiLeavesTheFieldButFocusesIt()
    {
        TestFixture fixture;
        auto screen = openBooks();
        QLineEdit* dewey = deweyField(*screen);
        dewey->setText(QStringLiteral("853"));

        Modal::setDriver("frmCodici_Dewey", [&](QDialog& d) {
            d.findChild<QLabel*>("lblMemory")->setText(QStringLiteral("dvd"));
            waitForFilling(d);
            auto* list = d.findChild<ResultList*>("lstRecords");
            list->selectIndex(0);
            emit list->listDoubleClicked();
        });
        screen->control(QStringLiteral("Titolo"))->setFocus();
        screen->btnDewey->click();
        QCOMPARE(dewey->text(), QStringLiteral("853"));
        QCOMPARE(screen->focusWidget(), dewey);

        Modal::setDriver("frmCodici_Dewey", [&](QDialog& d) { d.findChild<QPushButton*>("btnChiudi")->click(); });
        screen->control(QStringLiteral("Titolo"))->setFocus();
        screen->btnDewey->click();
        QCOMPARE(dewey->text(), QStringLiteral("853"));
        QCOMPARE(screen->focusWidget(), dewey);

        // Escape closes it too, and the focus still comes back.
        Modal::setDriver("frmCodici_Dewey", [&](QDialog& d) { QTest::keyClick(&d, Qt::Key_Escape); });
        screen->control(QStringLiteral("Titolo"))->setFocus();
        screen->btnDewey->click();
        QCOMPARE(screen->focusWidget(), dewey);
    }

    void printsEveryLineOverAsManyPagesAsNeeded()
    {
        SKIP_WITHOUT_LINUX_TOOL("pdftotext");
        TestFixture fixture;
        TfrmCodiciDewey window(nullptr, nullptr);
        window.show();
        waitForFilling(window);
        QTest::mousePress(window.btnStampa, Qt::LeftButton);
        QVERIFY(window.lblAttendere->isVisible());
        QTest::mouseRelease(window.btnStampa, Qt::LeftButton);
        QVERIFY(!window.lblAttendere->isVisible());
        QVERIFY(TestFixture::messages().isEmpty());

        QCOMPARE(Printing::printed().size(), 1);
        const Report& report = Printing::printed().at(0).report;
        QCOMPARE(report.object("txtTitolo")->text, QStringLiteral("Tabella Codici Dewey"));
        QCOMPARE(report.object("txtRiepilogo")->text, TfrmCodiciDewey::table().join('\n'));
        const int pages = int(paginate(report).size());
        QVERIFY(pages > 1);

        // Read back: each line's class number starts a printed line, over every page.
        const QList<PdfWord> words = pdfWords(Printing::printed().at(0).pdf);
        qreal left = 1e9;
        for (const PdfWord& w : words)
            if (w.text == QLatin1String("001"))
                left = std::min(left, w.box.left());
        int lineStarts = 0;
        int lastPage = 0;
        for (const PdfWord& w : words) {
            if (qAbs(w.box.left() - left) < 0.5 && w.text.size() == 3 && w.text.at(0).isDigit()) {
                ++lineStarts;
                lastPage = std::max(lastPage, w.page);
            }
        }
        QCOMPARE(lineStarts, 3721);
        QCOMPARE(lastPage, pages);
    }

    void printBeforeFillingPrintsTheWholeTable()
    {
        TestFixture fixture;
        TfrmCodiciDewey window(nullptr, nullptr);
        window.show();
        QCOMPARE(window.lstRecords->count(), 0);
        window.btnStampa->click();
        QCOMPARE(Printing::printed().size(), 1);
        QCOMPARE(Printing::printed().at(0).report.object("txtRiepilogo")->text, TfrmCodiciDewey::table().join('\n'));
        QVERIFY(!window.panDewey->isVisible());
    }
};

QTEST_MAIN(TestDewey)
#include "tst_dewey.moc"
