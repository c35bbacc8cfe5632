#include "ListReport.h"
#include "MessageBox.h"
#include "Printing.h"
#include "RecordFile.h"
#include "ResultList.h"
#include "SearchWindow.h"
#include "ShortString.h"
#include "TestFixture.h"

#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>

namespace {

void fillArchives()
{
    Archive<TSchedaLibro> books;
    for (const auto& [code, title, due] :
        {std::tuple {"L1", "Il nome della rosa", ""}, std::tuple {"L2", "La rosa purpurea", "30/06/2015"},
            std::tuple {"L3", "Il deserto dei Tartari", ""}}) {
        TSchedaLibro b;
        b.Codice = code;
        b.Titolo = title;
        b.Autore = "Autore " + QString(code);
        b.Scadenza = due;
        b.Annullata = ShortString::kNo;
        books.append(b);
    }
    Archive<TSchedaDVD> dvds;
    for (const auto& [code, title, due] : {std::tuple {"D1", "La rosa dei venti", ""},
             std::tuple {"D2", "Rosa e Olindo", "30/06/2015"}, std::tuple {"D3", "Amarcord", ""}}) {
        TSchedaDVD d;
        d.Codice = code;
        d.Titolo = title;
        d.Regia = "Regista " + QString(code);
        d.Scadenza = due;
        d.Annullata = ShortString::kNo;
        dvds.append(d);
    }
    Archive<TSchedaTesserato> members;
    for (const auto& [name, card] :
        {std::pair {"Rosati Anna", "11"}, std::pair {"Bianchi Rosa", "12"}, std::pair {"Verdi Ugo", "13"}}) {
        TSchedaTesserato m;
        m.Tesserato = name;
        m.NumTessera = card;
        m.Carica = "Socio";
        m.DataRil = "01/01/2015";
        m.DataScade = "31/12/2015";
        m.Recapito = "0544 " + QString(card);
        m.Annullata = ShortString::kNo;
        members.append(m);
    }
}

std::unique_ptr<SearchWindow> makeWindow(const QString& name)
{
    if (name == "frmTrovaLibri")
        return std::make_unique<TfrmTrovaLibri>();
    if (name == "frmTrovaDisponibili")
        return std::make_unique<TfrmTrovaDisponibili>();
    if (name == "frmTrovaDVD")
        return std::make_unique<TfrmTrovaDVD>();
    if (name == "frmTrovaDisponibiliDVD")
        return std::make_unique<TfrmTrovaDisponibiliDVD>();
    return std::make_unique<TfrmTrovaAnagrafica>();
}

void doubleClick(ResultList* list, int row)
{
    const QRect rect = list->visualRect(list->model()->index(row, 0));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, rect.center());
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, rect.center());
}

} // namespace

class TestSearchWindows : public QObject {
    Q_OBJECT
private slots:
    void everyWindowWithEveryMarker_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("marker");
        QTest::addColumn<QStringList>("found"); // first ten characters of each line
        QTest::addColumn<int>("position"); // of the second line, handed back
        QTest::addColumn<QStringList>("handed"); // field names handed back
        QTest::addColumn<QString>("title");

        const QStringList book = {"Titolo", "Codice", "Annullata", "File01", "Desc03"};
        const QStringList member
            = {"Tesserato", "Carica", "NumTessera", "DataRil", "DataScade", "Recapito", "Note"};
        const QStringList card = {"Tesserato", "Carica", "NumTessera", "DataRil", "DataScade"};
        const QStringList contact = {"Tesserato", "NumTessera", "Recapito"};
        for (const char* marker : {"libri", "consulta_libri", "dvd"}) {
            QTest::addRow("libri/%s", marker)
                << "frmTrovaLibri"
                << " Trova libri in archivio" << marker << QStringList({"Cod. L1   ", "Cod. L2   "}) << 2
                << (QString(marker) == "dvd" ? QStringList() : book) << "Riepilogo libri in archivio";
            QTest::addRow("disponibili/%s", marker)
                << "frmTrovaDisponibili"
                << " Trova libri disponibili per il prestito" << marker << QStringList({"Cod. L1   "}) << 1
                << (QString(marker) == "dvd" ? QStringList() : book)
                << "Riepilogo libri disponibili per il prestito";
        }
        for (const char* marker : {"dvd", "consulta_dvd", "libri"}) {
            QTest::addRow("dvd/%s", marker)
                << "frmTrovaDVD"
                << " Trova DVD in archivio" << marker << QStringList({"Cod. D1   ", "Cod. D2   "}) << 2
                << (QString(marker) == "libri" ? QStringList() : book) << "Riepilogo DVD in archivio";
            QTest::addRow("dvd disponibili/%s", marker)
                << "frmTrovaDisponibiliDVD"
                << " Trova DVD disponibili per il prestito" << marker << QStringList({"Cod. D1   "}) << 1
                << (QString(marker) == "libri" ? QStringList() : book)
                << "Riepilogo DVD disponibili per il prestito";
        }
        for (const auto& [marker, fields] : {std::pair {"anagrafica", member}, std::pair {"tessera", card},
                 std::pair {"reg_prestiti", contact}, std::pair {"reg_restituzioni", contact},
                 std::pair {"consulta_libri", QStringList()}}) {
            QTest::addRow("anagrafica/%s", marker)
                << "frmTrovaAnagrafica"
                << " Trova utenti in archivio" << marker << QStringList({"Rosati Ann", "Bianchi Ro"}) << 2
                << fields << "Riepilogo anagrafica utenti";
        }
    }

    void everyWindowWithEveryMarker()
    {
        QFETCH(QString, window);
        QFETCH(QString, caption);
        QFETCH(QString, marker);
        QFETCH(QStringList, found);
        QFETCH(int, position);
        QFETCH(QStringList, handed);
        QFETCH(QString, title);

        TestFixture fx;
        fillArchives();
        auto w = makeWindow(window);
        QCOMPARE(w->objectName(), window);
        QCOMPARE(w->windowTitle(), caption);
        QCOMPARE(w->size(), QSize(862, 560));
        w->lblMemory->setText(marker);
        QList<std::pair<int, QHash<QString, QString>>> chosen;
        connect(w.get(), &SearchWindow::recordChosen, w.get(), [&](int p, const QHash<QString, QString>& v) {
            chosen.append({p, v});
        });
        w->show();
        QVERIFY(QTest::qWaitForWindowActive(w.get()));
        QVERIFY(w->panAvvio->isVisible());
        QVERIFY(!w->panContainer->isVisible());
        QCOMPARE(QApplication::focusWidget(), w->criterion(0));

        QTest::keyClicks(w->criterion(0), "ROSA");
        QTest::mousePress(w->btnCerca, Qt::LeftButton);
        QVERIFY(w->lblAttendere->isVisible());
        QTest::mouseRelease(w->btnCerca, Qt::LeftButton);
        QVERIFY(w->panContainer->isVisible());
        QVERIFY(!w->panAvvio->isVisible());
        QCOMPARE(w->lblConta->text(), QStringLiteral("1"));
        QCOMPARE(w->lblTrovate->text(),
            QStringLiteral("Il presente riepilogo contiene %1 schede.").arg(found.size()));
        QStringList starts;
        for (const QString& line : w->lstRecords->lines())
            starts << line.left(10);
        QCOMPARE(starts, found);
        QCOMPARE(QApplication::focusWidget(), w->txtTrova);
        QCOMPARE(w->lstRecords->selectedIndex(), -1);

        // Find in the list, then print it.
        QTest::keyClicks(w->txtTrova, found.last().mid(5).trimmed());
        QTest::keyClick(w->txtTrova, Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), w->btnTrova);
        w->btnTrova->click();
        QCOMPARE(w->lstRecords->selectedIndex(), int(found.size()) - 1);
        w->btnStampa->click();
        QCOMPARE(Printing::printed().size(), 1);
        const Report& printed = Printing::printed().at(0).report;
        QCOMPARE(printed.object("txtTitolo")->text, title);
        QCOMPARE(printed.object("txtRiepilogo")->text, w->lstRecords->lines().join('\n'));
        QVERIFY(MessageBox::shown().isEmpty());

        // Double-click the last line: the record goes back to the caller and the window closes.
        doubleClick(w->lstRecords, int(found.size()) - 1);
        QVERIFY(!w->isVisible());
        QCOMPARE(w->result(), int(QDialog::Accepted));
        QCOMPARE(w->lstRecords->count(), 0);
        if (handed.isEmpty()) {
            QVERIFY(chosen.isEmpty());
            return;
        }
        QCOMPARE(chosen.size(), 1);
        QCOMPARE(chosen.at(0).first, position);
        const QHash<QString, QString>& values = chosen.at(0).second;
        for (const QString& field : handed)
            QVERIFY2(values.contains(field), qPrintable(field));
        QVERIFY(values.size() >= handed.size());
        if (marker == "tessera" || marker.startsWith("reg_"))
            QCOMPARE(values.size(), handed.size());
        QCOMPARE(values.value(window == "frmTrovaAnagrafica" ? "NumTessera" : "Codice"),
            window == "frmTrovaAnagrafica" ? QStringLiteral("12") : found.last().mid(5).trimmed());
    }

    void enterWalksTheCriteriaRound()
    {
        TestFixture fx;
        TfrmTrovaLibri w;
        w.show();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        QStringList names;
        for (int i = 0; i < 11; ++i) {
            names << QApplication::focusWidget()->objectName();
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        }
        QCOMPARE(names,
            QStringList({"txtTitolo", "txtCodice", "txtAutore", "txtCuratore", "txtGenere", "txtEditore",
                "txtIsbn", "txtLingua", "txtDewey", "txtNote", "txtTitolo"}));
        QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("txtCodice"));
        QVERIFY(w.findChild<QFrame*>("effCodice")->isVisible());
        QVERIFY(!w.findChild<QFrame*>("effTitolo")->isVisible());
        QCOMPARE(w.criterion(8)->maxLength(), 3);
    }

    void emptyListFindAndPrint()
    {
        TestFixture fx;
        TfrmTrovaDVD w;
        w.show();
        w.criterion(0)->setText("nessuno");
        w.btnCerca->click();
        QCOMPARE(w.lblTrovate->text(), QStringLiteral("Il presente riepilogo contiene 0 schede."));
        w.btnTrova->click();
        QCOMPARE(MessageBox::shown().size(), 1);
        QCOMPARE(MessageBox::shown().at(0).text,
            QStringLiteral("Ricerca non applicabile: la lista non contiene nessuna voce."));
        w.btnStampa->click();
        QCOMPARE(Printing::printed().size(), 1);
        QCOMPARE(Printing::printed().at(0).report.object("txtRiepilogo")->text, QString());
    }

    void enterOnTrovaFindsAndABlankDoubleClickDoesNothing()
    {
        TestFixture fx;
        fillArchives();
        TfrmTrovaLibri w;
        w.lblMemory->setText("libri");
        QSignalSpy chosen(&w, &SearchWindow::recordChosen);
        w.show();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        w.btnCerca->click();
        QCOMPARE(w.lstRecords->count(), 3);
        QTest::keyClicks(w.txtTrova, "tartari");
        QTest::keyClick(w.txtTrova, Qt::Key_Return);
        QTest::keyClick(w.btnTrova, Qt::Key_Return);
        QCOMPARE(w.lstRecords->selectedIndex(), 2);

        // Below the lines, with a line selected: nothing is handed back and the window stays.
        QTest::mouseDClick(
            w.lstRecords->viewport(), Qt::LeftButton, {}, QPoint(10, w.lstRecords->viewport()->height() - 5));
        QVERIFY(w.isVisible());
        QCOMPARE(chosen.count(), 0);
        QVERIFY(MessageBox::shown().isEmpty());
    }

    // Two members who give the same line: the double-click loads the one whose line was clicked.
    void identicalLinesHandBackTheirOwnRecord()
    {
        TestFixture fx;
        Archive<TSchedaTesserato> members;
        for (const char* address : {"Via Roma 1", "Via Po 2"}) {
            TSchedaTesserato m;
            m.Tesserato = "Neri Paolo";
            m.NumTessera = "40";
            m.DataScade = "31/12/2015";
            m.IndirizzoRes = address;
            m.Annullata = ShortString::kNo;
            members.append(m);
        }
        for (int row : {0, 1}) {
            TfrmTrovaAnagrafica w;
            w.lblMemory->setText("anagrafica");
            QList<std::pair<qint64, QString>> chosen;
            connect(&w, &SearchWindow::recordChosen, &w, [&](qint64 p, const QHash<QString, QString>& v) {
                chosen.append({p, v.value("IndirizzoRes")});
            });
            w.show();
            QVERIFY(QTest::qWaitForWindowActive(&w));
            w.btnCerca->click();
            QCOMPARE(w.lstRecords->lines().at(0), w.lstRecords->lines().at(1));
            doubleClick(w.lstRecords, row);
            QCOMPARE(chosen.size(), 1);
            QCOMPARE(chosen.at(0).first, qint64(row + 1));
            QCOMPARE(chosen.at(0).second, QString(row == 0 ? "Via Roma 1" : "Via Po 2"));
        }
    }

    void unreadableArchiveKeepsTheCriteria()
    {
        TestFixture fx;
        QVERIFY(QDir(fx.folder()).mkdir("Tesserati.pro"));
        TfrmTrovaAnagrafica w;
        w.show();
        QTest::mouseClick(w.btnCerca, Qt::LeftButton);
        QCOMPARE(MessageBox::shown().size(), 1);
        QCOMPARE(MessageBox::shown().at(0).kind, MessageBox::Kind::Plain);
        QCOMPARE(MessageBox::shown().at(0).text,
            QStringLiteral(
                "Attenzione: il sistema non permette di accedere all'archivio.\n\r\n\rAccertarsi di "
                "possedere i privilegi di scrittura nella cartella di installazione del programma."));
        QVERIFY(w.panAvvio->isVisible());
        QVERIFY(w.lblAttendere->isVisible());

        // Closing hides the wait text.
        w.btnAnnulla->click();
        QVERIFY(!w.isVisible());
        QVERIFY(!w.lblAttendere->isVisible());
    }
};

QTEST_MAIN(TestSearchWindows)
#include "tst_searchwindows.moc"
