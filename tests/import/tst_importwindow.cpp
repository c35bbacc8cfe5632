// The import window as the librarian uses it: opened from the card screens, a file chosen, the
// columns and rows looked at, the refused rows saved, the rest imported or the work stopped; and
// every file that is no spreadsheet answered with its own message.
#include "CatalogueScreen.h"
#include "Dialogs.h"
#include "ImportWindow.h"
#include "Keys.h"
#include "MessageBox.h"
#include "Modal.h"
#include "RecordFile.h"
#include "Rules.h"
#include "Search.h"
#include "SearchTable.h"
#include "ShortString.h"
#include "StatusLine.h"
#include "TMisc.h"
#include "TestFixture.h"
#include "TfrmAnagrafica.h"

#include <QCheckBox>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTabWidget>
#include <QTableView>
#include <QToolButton>
#include <QtTest>

namespace {

const QString kAskImport = QStringLiteral(
    "Schede da aggiungere all'archivio: %1.\nRighe scartate, che non verranno importate: %2.\n\r\n\rSi vuole "
    "procedere con l'importazione?");
const QString kDone = QStringLiteral(
    "Importazione completata.\n\r\n\rSchede aggiunte all'archivio: %1, dalla n. %2 alla n. %3.");
const QString kStopped = QStringLiteral("Importazione annullata: l'archivio non \u00E8 stato modificato.");
const QString kSaveAsCsv = QStringLiteral(
    "\n\r\n\rAprirlo con il proprio programma di fogli di calcolo e salvarlo con \u00ABSalva con nome\u00BB "
    "scegliendo il tipo CSV, quindi importare il file CSV.");

const QByteArray kBooks = "N. inventario;Titolo;Autore;Collocazione;Note\r\n"
                          "INV-1;Il barone rampante;Italo Calvino;Sala 1;\r\n"
                          "INV-2;Senza autore;;Sala 1;\r\n"
                          "INV-3;Lessico famigliare;Natalia Ginzburg;Sala 2;\"dono\r\ndella famiglia\"\r\n"
                          "LIB-9;Gi\xC3\xA0 in archivio;Rossi;Sala 3;\r\n";

QString cell(QTableView* grid, int row, int column)
{
    return grid->model()->index(row, column).data().toString();
}

QStringList column(QTableView* grid, int c)
{
    QStringList texts;
    for (int r = 0; r < grid->model()->rowCount(); ++r)
        texts << cell(grid, r, c);
    return texts;
}

void storeBook(const QString& title, const QString& code)
{
    TSchedaLibro b;
    b.Titolo = title;
    b.Codice = code;
    b.Convalida = ShortString::kYes;
    b.Autore = QStringLiteral("Autore");
    b.Prestato = Rules::kBookAvailable;
    b.Annullata = ShortString::kNo;
    Archive<TSchedaLibro>().append(b);
}

// Opens a file in the window through "Apri" and the file dialog.
void openThroughTheDialog(ImportWindow& window, const QString& path)
{
    Dialogs::scriptFile(path);
    window.cmdApri->click();
}

} // namespace

class TestImportWindow : public QObject {
    Q_OBJECT
private slots:
    // "Importa" stands beside the export of the three card screens, with its picture, its status
    // text and its key; the visitors' screens have none.
    void theCommandOnTheCardScreens()
    {
        TestFixture fx;
        std::vector<std::pair<std::unique_ptr<QWidget>, QString>> screens;
        screens.emplace_back(std::make_unique<TfrmLibri>(), QStringLiteral("frmImpLibri"));
        screens.emplace_back(std::make_unique<TfrmDVD>(), QStringLiteral("frmImpDVD"));
        screens.emplace_back(std::make_unique<TfrmAnagrafica>(), QStringLiteral("frmImpAnagrafica"));
        for (auto& [screen, window] : screens) {
            screen->show();
            QVERIFY(QTest::qWaitForWindowActive(screen.get()));
            auto* button = screen->findChild<QToolButton*>(QStringLiteral("cmdImporta"));
            QVERIFY(button);
            QCOMPARE(button->text(), QStringLiteral("Importa"));
            // The bar with the command added still fits the screen's panel, no button pressed on another.
            QWidget* bar = button->parentWidget()->parentWidget();
            QVERIFY2(bar->minimumSizeHint().width() <= 1016,
                qPrintable(QString::number(bar->minimumSizeHint().width())));
            QCOMPARE(Keys::of(button), QKeySequence(Qt::CTRL | Qt::Key_I));
            QVERIFY(!button->icon().isNull());
            QMouseEvent move(QEvent::MouseMove, QPointF(2, 2), button->mapToGlobal(QPointF(2, 2)),
                Qt::NoButton, Qt::NoButton, Qt::NoModifier);
            QApplication::sendEvent(button, &move);
            QCOMPARE(screen->findChild<QLabel*>(QStringLiteral("panInfo"))->text(),
                QStringLiteral("Importa in archivio le schede di un foglio di calcolo. (Ctrl+I)"));
            // A key presses a button as a click with the mouse does, a moment later.
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_I, Qt::ControlModifier);
            QTRY_COMPARE(Modal::opened(), QStringList({window}));
            button->click();
            QCOMPARE(Modal::opened(), QStringList({window, window}));
            screen->hide();
            Modal::stopTesting();
            Modal::startTesting();
        }
        for (auto* visitors :
            {static_cast<QWidget*>(new TfrmConsultaLibri()), static_cast<QWidget*>(new TfrmConsultaDVD())}) {
            QVERIFY(!visitors->findChild<QToolButton*>(QStringLiteral("cmdImporta")));
            delete visitors;
        }
    }

    // Every command names its key on the status line; F1 opens the chapter on importing.
    void statusTextsKeysAndHelp()
    {
        TestFixture fx;
        TfrmImpDVD window(nullptr);
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        const std::pair<QToolButton*, const char*> texts[] = {
            {window.cmdApri, "Sceglie il foglio di calcolo da importare. (Ctrl+O)"},
            {window.cmdImporta, "Aggiunge all'archivio, in un solo passo, le righe da importare. (Ctrl+I)"},
            {window.cmdScartate, "Salva le righe scartate in un file CSV, per correggerle. (Ctrl+S)"},
            {window.cmdGuida, "Visualizza la pagina della guida sensibile al contesto. (F1)"},
            {window.cmdEsci, "Esci da questo ambiente di lavoro. (Esc)"}};
        for (const auto& [button, text] : texts) {
            QMouseEvent move(QEvent::MouseMove, QPointF(2, 2), button->mapToGlobal(QPointF(2, 2)),
                Qt::NoButton, Qt::NoButton, Qt::NoModifier);
            QApplication::sendEvent(button, &move);
            QCOMPARE(window.panInfo->text(), QString::fromUtf8(text));
        }
        QCOMPARE(Keys::of(window.cmdApri), QKeySequence(Qt::CTRL | Qt::Key_O));
        QCOMPARE(Keys::of(window.cmdScartate), QKeySequence(Qt::CTRL | Qt::Key_S));
        QString title;
        Modal::setDriver("frmGuida", [&](QDialog& d) { title = d.findChild<QLabel*>("lblTitolo")->text(); });
        QTest::keyClick(&window, Qt::Key_F1);
        QTRY_COMPARE(title, QStringLiteral("Importazione di libri, DVD e utenti da un foglio di calcolo."));
        QTest::keyClick(&window, Qt::Key_Escape);
        QVERIFY(!window.isVisible());
    }

    // A file chosen, its columns matched, its rows checked and shown as stored; the good ones added
    // as books that can be found and lent; the refused ones listed and saved for correction.
    void booksFromASpreadsheet()
    {
        TestFixture fx;
        storeBook(QStringLiteral("Primo"), QStringLiteral("LIB-9"));
        fx.writeFile("catalogo.csv", kBooks);
        TfrmImpLibri window(nullptr);
        QCOMPARE(window.windowTitle(), QStringLiteral(" Importa archivio libri da un foglio di calcolo"));
        QVERIFY(!window.cmdImporta->isEnabled());
        QVERIFY(!window.cmdScartate->isEnabled());
        openThroughTheDialog(window, fx.file("catalogo.csv"));
        QCOMPARE(TestFixture::messages(), QStringList());
        QCOMPARE(window.lblFile->text(),
            QStringLiteral("File: %1  (CSV, separatore punto e virgola, UTF-8)")
                .arg(fx.file("catalogo.csv")));

        QCOMPARE(column(window.grdColonne, 1),
            QStringList({"N. inventario", "Titolo", "Autore", "Collocazione", "Note"}));
        QCOMPARE(column(window.grdColonne, 3),
            QStringList({"Codice identificativo", "Titolo libro", "Autore", "Scaffale", "Note"}));
        QCOMPARE(column(window.grdAnteprima, 0), QStringList({"2", "3", "4", "5"}));
        QCOMPARE(column(window.grdAnteprima, 1),
            QStringList({"Da importare", "Scartata", "Da importare, con modifiche", "Scartata"}));
        QCOMPARE(cell(window.grdAnteprima, 2, 2), QStringLiteral("Lessico famigliare"));
        QCOMPARE(column(window.grdScartate, 0), QStringList({"3", "4", "5"}));
        QCOMPARE(column(window.grdScartate, 2),
            QStringList({"Per salvare la scheda \u00E8 necessario indicare l'autore del libro.",
                "Note: gli a capo sono stati sostituiti da spazi.",
                "Il codice LIB-9 \u00E8 gi\u00E0 assegnato alla scheda n. 1 dell'archivio."}));
        QCOMPARE(window.lblRiepilogo->text(),
            QStringLiteral("Righe con dati: 4.  Da importare: 2.  Scartate: 2.  Con testi modificati: 1."));

        // The refused rows saved for correction, and offered to the spreadsheet program.
        window.cmdScartate->click();
        const QString rejects = fx.file("Libri_scartati.csv");
        QCOMPARE(TMisc::recorded(), QStringList({"\"" + rejects + "\""}));
        QVERIFY(
            fx.readFile("Libri_scartati.csv").contains("INV-2;Senza autore;;Sala 1;;Per salvare la scheda"));

        MessageBox::clearShown();
        window.cmdImporta->click();
        QCOMPARE(
            TestFixture::messages(), QStringList({kAskImport.arg(2).arg(2), kDone.arg(2).arg(2).arg(3)}));
        QCOMPARE(Archive<TSchedaLibro>().count(), std::optional<qint64>(3));
        QVERIFY(!window.cmdImporta->isEnabled());
        QCOMPARE(column(window.grdAnteprima, 1),
            QStringList({"Importata", "Scartata", "Importata, con modifiche", "Scartata"}));
        QVERIFY(window.lblFile->text().endsWith(QStringLiteral("  -  importato")));

        // Found by the search of the books available for loan, and ready to be lent.
        Search::Criteria criteria;
        criteria[0] = QStringLiteral("lessico");
        const auto found = Search::run(availableBooksTable(), criteria);
        QVERIFY(found);
        QCOMPARE(found->records, std::vector<qint64>({3}));
        const TSchedaLibro lessico = *Archive<TSchedaLibro>().read(3);
        QVERIFY(Rules::isAvailable(lessico));
        QCOMPARE(lessico.Convalida, ShortString::kYes);
        QCOMPARE(lessico.Note, QStringLiteral("dono  della famiglia"));
    }

    // A column given another field, or left out, and a first row that holds data: the rows are
    // checked again at once.
    void columnsChangedInPlace()
    {
        TestFixture fx;
        fx.writeFile(
            "soci.csv", "Rossi Mario,27,01/01/2015,31/12/2015\nVerdi Anna,28,01/02/2015,31/01/2016\n");
        TfrmImpAnagrafica window(nullptr);
        window.openFile(fx.file("soci.csv"));
        QCOMPARE(TestFixture::messages().size(), 1);
        QVERIFY(TestFixture::messages().first().startsWith(QStringLiteral(
            "Attenzione: nessuna intestazione del file corrisponde a un campo della scheda.")));
        QCOMPARE(window.tabPagine->currentWidget(), window.grdColonne);
        window.chkIntestazioni->setChecked(false);
        QCOMPARE(column(window.grdAnteprima, 0), QStringList({"1", "2"}));
        QAbstractItemModel* columns = window.grdColonne->model();
        const auto choose = [&](int row, const QString& label) {
            const QList<ImportTarget>& targets = membersImport().targets;
            const auto it = std::find_if(
                targets.begin(), targets.end(), [&](const ImportTarget& t) { return t.label == label; });
            QVERIFY(columns->setData(columns->index(row, 3), int(it - targets.begin())));
        };
        choose(0, QStringLiteral("Cognome e nome"));
        choose(1, QStringLiteral("Tessera n."));
        choose(2, QStringLiteral("Data di rilascio"));
        QCOMPARE(window.lblRiepilogo->text(),
            QStringLiteral("Righe con dati: 2.  Da importare: 0.  Scartate: 2.  Con testi modificati: 0."));
        choose(3, QStringLiteral("Data di scadenza"));
        QCOMPARE(window.lblRiepilogo->text(),
            QStringLiteral("Righe con dati: 2.  Da importare: 2.  Scartate: 0.  Con testi modificati: 0."));
        // The issue date given to the fourth column is taken from the third.
        choose(3, QStringLiteral("Data di rilascio"));
        QCOMPARE(column(window.grdColonne, 3).mid(2), QStringList({"(non importare)", "Data di rilascio"}));
        QCOMPARE(cell(window.grdScartate, 0, 2),
            QStringLiteral(
                "Per salvare la scheda \u00E8 necessario indicare la data di scadenza della tessera."));
    }

    // "Annulla" while the rows are being added, or Esc, leaves the archive as it was.
    void stoppingImportsNothing()
    {
        TestFixture fx;
        storeBook(QStringLiteral("Primo"), QStringLiteral("P-1"));
        QByteArray csv = "Titolo;Codice;Autore\n";
        for (int i = 0; i < 2000; ++i)
            csv += QStringLiteral("Titolo %1;C-%1;Rossi\n").arg(i).toUtf8();
        fx.writeFile("molti.csv", csv);
        const QByteArray before = fx.readFile("Libri.pro");
        TfrmImpLibri window(nullptr);
        window.show();
        QVERIFY(window.openFile(fx.file("molti.csv")));
        for (const bool escape : {false, true}) {
            MessageBox::clearShown();
            bool barShown = false;
            QTimer::singleShot(0, &window, [&] {
                barShown = window.prgAvanzamento->isVisible() && window.btnAnnulla->isVisible()
                    && !window.cmdEsci->isEnabled();
                if (escape)
                    QTest::keyClick(&window, Qt::Key_Escape);
                else
                    window.btnAnnulla->click();
            });
            window.cmdImporta->click();
            QVERIFY(barShown);
            QCOMPARE(TestFixture::messages(), QStringList({kAskImport.arg(2000).arg(0), kStopped}));
            QCOMPARE(fx.readFile("Libri.pro"), before);
            QVERIFY(window.isVisible());
            QVERIFY(window.cmdImporta->isEnabled());
            QVERIFY(!window.prgAvanzamento->isVisible());
        }
    }

    // Files that are no spreadsheet of the archive: each its own message, and nothing changes.
    void filesThatCannotBeImported_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("message");
        QTest::newRow("empty")
            << QByteArray() << "Attenzione: il file \u00E8 vuoto e non contiene nessuna scheda da importare.";
        QTest::newRow("header only")
            << QByteArray("Titolo;Codice;Autore\r\n")
            << "Attenzione: il file contiene soltanto la riga delle intestazioni e nessuna "
               "scheda da importare.";
        QTest::newRow("picture")
            << QByteArray("\x89PNG\r\n\x1A\n\0\0\0\rIHDR", 16)
            << "Attenzione: il file non \u00E8 un foglio di calcolo ma un file di altro tipo "
               "(un'immagine, un programma o un documento).\n\r\n\rScegliere un file CSV o un file "
               ".xls esportato da Lettoria.";
        QTest::newRow("xlsx")
            << QByteArray("PK\x03\x04\x14\0", 6)
            << "Attenzione: il file \u00E8 una cartella di lavoro in formato .xlsx o .ods, che il "
               "programma non legge direttamente."
                + kSaveAsCsv;
        QTest::newRow("old xls")
            << QByteArray("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1\0", 9)
            << "Attenzione: il file \u00E8 una cartella di lavoro di Excel 97-2003, che il "
               "programma non legge direttamente."
                + kSaveAsCsv;
        QTest::newRow("another encoding") << QByteArray("Titolo;Codice\nPerch\x8F;Pi\x9D\n")
                                          << "Attenzione: il file \u00E8 scritto in una codifica dei "
                                             "caratteri che il programma non riconosce."
                                             "\n\r\n\rSalvarlo di nuovo come CSV con la codifica UTF-8 "
                                             "oppure Europa occidentale (Windows-1252).";
    }

    void filesThatCannotBeImported()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, message);
        TestFixture fx;
        storeBook(QStringLiteral("Primo"), QStringLiteral("P-1"));
        const QByteArray before = fx.readFile("Libri.pro");
        fx.writeFile("file", bytes);
        TfrmImpLibri window(nullptr);
        openThroughTheDialog(window, fx.file("file"));
        QCOMPARE(TestFixture::messages(), QStringList({message}));
        QVERIFY(!window.cmdImporta->isEnabled());
        QCOMPARE(fx.readFile("Libri.pro"), before);
    }

    // A file too large for one import, read no further than its size.
    void fileTooLarge()
    {
        TestFixture fx;
        QFile file(fx.file("enorme.csv"));
        QVERIFY(file.open(QIODevice::WriteOnly) && file.resize(SheetFile::kMaxBytes + 1));
        file.close();
        TfrmImpLibri window(nullptr);
        QVERIFY(!window.openFile(fx.file("enorme.csv")));
        QCOMPARE(TestFixture::messages(),
            QStringList(
                {"Attenzione: il file \u00E8 troppo grande (pi\u00F9 di 250 MB o pi\u00F9 di 20 milioni di "
                 "celle) per essere importato in una sola volta.\n\r\n\rDividere il foglio di calcolo in "
                 "pi\u00F9 file e importarli uno dopo l'altro."}));
    }

    // A file that cannot be read, and an archive that cannot be: the program's access messages.
    void unreadableFileOrArchive()
    {
        TestFixture fx;
        TfrmImpDVD window(nullptr);
        QVERIFY(!window.openFile(fx.file("manca.csv")));
        QVERIFY(QDir(fx.folder()).mkdir("DVD.pro"));
        fx.writeFile("dvd.csv", "Titolo;Codice\nFilm;D-1\n");
        QVERIFY(!window.openFile(fx.file("dvd.csv")));
        QCOMPARE(TestFixture::messages(),
            QStringList(
                {"Attenzione: il sistema non permette di leggere il file.\n\r\n\rAccertarsi che il file "
                 "esista e che non sia aperto nel programma di fogli di calcolo.",
                    kAccessError}));
        QCOMPARE(window.plan(), nullptr);
    }
};

QTEST_MAIN(TestImportWindow)
#include "tst_importwindow.moc"
