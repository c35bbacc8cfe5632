// Every writer of the program against every fault of a failing disk, and against a disk failing at
// each step of the write, once or for good: the user is never told that something was stored when it
// was not, and a failed write leaves the files as they were for whoever opens them next.
#include "CatalogueScreen.h"
#include "Disk.h"
#include "ImportWindow.h"
#include "IniFile.h"
#include "LoanDeskDrivers.h"
#include "MessageBox.h"
#include "Modal.h"
#include "Password.h"
#include "Pictures.h"
#include "ProgramFolder.h"
#include "RecordFile.h"
#include "ResultList.h"
#include "ReturnConfirm.h"
#include "Search.h"
#include "ShortString.h"
#include "TestFixture.h"
#include "TfrmAnagrafica.h"
#include "TfrmCambiaPassword.h"

#include <QDialog>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QLabel>
#include <QToolButton>
#include <QtTest>

namespace {

const QString kAccess = QStringLiteral(
    "Attenzione: il sistema non permette di accedere all'archivio.\n\r\n\r"
    "Accertarsi di possedere i privilegi di scrittura nella cartella di installazione del programma.");
const QString kAdded = QStringLiteral("La scheda corrente \u00E8 stata inserita in archivio.");
const QString kSaved
    = QStringLiteral("Le modifiche apportate alla scheda corrente sono state salvate in archivio.");
const QString kDuplicateReady
    = QStringLiteral("E' ora possibile apportare le proprie modifiche alla scheda corrente.\n\r\n\r"
                     "Al termine premere Salva per inserire la scheda in archivio.");
const QString kAskImport = QStringLiteral(
    "Schede da aggiungere all'archivio: 600.\nRighe scartate, che non verranno importate: 0.\n\r\n\rSi vuole "
    "procedere con l'importazione?");
const QString kImported = QStringLiteral(
    "Importazione completata.\n\r\n\rSchede aggiunte all'archivio: 600, dalla n. 2 alla n. 601.");
const QString kLent = QStringLiteral(
    "Il prestito corrente \u00E8 stato aggiunto all'elenco.\n\r\n\rE' ora possibile registrare un nuovo prestito allo "
    "stesso utente.");
const QString kReturned = QStringLiteral(
    "Il prestito selezionato \u00E8 stato rimosso dall'elenco.\n\r\n\rE' ora possibile registrare una nuova "
    "restituzione per lo stesso utente.");
const QString kPasswordChanged = QStringLiteral("Modifica della password completata con successo.");
const QString kPasswordError = QStringLiteral(
    "Attenzione: si \u00E8 verificato un errore durante la procedura di modifica della password. "
    "Si consiglia di reinstallare il software.");
// What the writers without a screen of their own report.
const QString kStored = QStringLiteral("stored");
const QString kFailed = QStringLiteral("failed");

void storeBook(const QString& title)
{
    TSchedaLibro b;
    b.Titolo = title;
    b.Codice = title.left(3);
    b.Convalida = ShortString::kYes;
    b.Autore = QStringLiteral("Autore");
    b.Annullata = ShortString::kNo;
    Archive<TSchedaLibro>().append(b);
}

std::unique_ptr<TfrmLibri> bookScreen()
{
    auto screen = std::make_unique<TfrmLibri>();
    screen->show();
    if (!QTest::qWaitForWindowExposed(screen.get()))
        qWarning("the book screen was not shown");
    return screen;
}

// One writer of the program: what it is, the files it writes, and what it tells the user.
struct Writer {
    const char* name;
    QStringList files;
    // Brings the screen to the moment before the write; returns the action that writes.
    std::function<std::function<void()>(std::shared_ptr<QWidget>&)> prepare;
    QString success;
    QString failure;
    // The question the user answers before the write, if any.
    QString asked = QString();
};

QList<Writer> writers()
{
    QList<Writer> list;
    list << Writer {"new card", {"Libri.pro"},
        [](std::shared_ptr<QWidget>& keep) -> std::function<void()> {
            storeBook(QStringLiteral("Primo"));
            auto screen = std::shared_ptr<TfrmLibri>(bookScreen());
            keep = screen;
            TestFixture::type(screen->control("Titolo"), QStringLiteral("Secondo"));
            TestFixture::type(screen->control("Codice"), QStringLiteral("S-2"));
            TestFixture::type(screen->control("Autore"), QStringLiteral("Autrice"));
            Modal::setDriver("frmConvalida", [](QDialog& d) { d.findChild<QPushButton*>("btnOK")->click(); });
            screen->btnCodice->click();
            return [screen] { screen->cmdSalva->click(); };
        },
        kAdded, kAccess};
    list << Writer {"stored card", {"Libri.pro"},
        [](std::shared_ptr<QWidget>& keep) -> std::function<void()> {
            storeBook(QStringLiteral("Primo"));
            storeBook(QStringLiteral("Secondo"));
            auto screen = std::shared_ptr<TfrmLibri>(bookScreen());
            keep = screen;
            screen->cmdUltimo->click();
            auto* title = qobject_cast<QLineEdit*>(screen->control("Titolo"));
            title->clear();
            TestFixture::type(title, QStringLiteral("Secondo, riveduto"));
            return [screen] { screen->cmdSalva->click(); };
        },
        kSaved, kAccess};
    list << Writer {"duplicate", {"Libri.pro"},
        [](std::shared_ptr<QWidget>& keep) -> std::function<void()> {
            storeBook(QStringLiteral("Primo"));
            auto screen = std::shared_ptr<TfrmLibri>(bookScreen());
            keep = screen;
            screen->cmdPrimo->click();
            return [screen] { screen->cmdDuplica->click(); };
        },
        kDuplicateReady, kAccess};
    list << Writer {"import", {"Libri.pro"},
        [](std::shared_ptr<QWidget>& keep) -> std::function<void()> {
            storeBook(QStringLiteral("Primo"));
            // A partial record at the end, which the import writes over.
            QFile archive(ProgramFolder::file("Libri.pro"));
            if (archive.open(QIODevice::Append))
                archive.write(QByteArray(40, 'x'));
            archive.close();
            QFile csv(ProgramFolder::file("libri.csv"));
            if (csv.open(QIODevice::WriteOnly)) {
                csv.write("Titolo;Codice;Autore\n");
                for (int i = 1; i <= 600; ++i)
                    csv.write(QStringLiteral("Libro %1;L-%1;Rossi\n").arg(i).toUtf8());
            }
            csv.close();
            auto window = std::make_shared<TfrmImpLibri>(nullptr);
            keep = window;
            window->openFile(ProgramFolder::file("libri.csv"));
            return [window] { window->cmdImporta->click(); };
        },
        kImported, kAccess, kAskImport};
    list << Writer {"password change", {"unins000.dll"},
        [](std::shared_ptr<QWidget>& keep) -> std::function<void()> {
            Password::writeStored(QStringLiteral("vecchia"));
            auto window = std::make_shared<TfrmCambiaPassword>();
            keep = window;
            window->show();
            TestFixture::type(window->txtPasswordOld, QStringLiteral("vecchia"));
            TestFixture::type(window->txtPasswordNew, QStringLiteral("nuova"));
            TestFixture::type(window->txtConferma, QStringLiteral("nuova"));
            return [window] { window->cmdOK->click(); };
        },
        kPasswordChanged, kPasswordError};
    list << Writer {"card settings", {"Tesserini.ini"},
        [](std::shared_ptr<QWidget>&) -> std::function<void()> {
            IniFile(ProgramFolder::file("Tesserini.ini"))
                .write(QStringLiteral("Margini Stampa"), QStringLiteral("Sinistro"), QStringLiteral("5"));
            return [] {
                const bool ok = IniFile(ProgramFolder::file("Tesserini.ini"))
                                    .write(QStringLiteral("Dati Ente"), QStringLiteral("Riga1"),
                                        QStringLiteral("Biblioteca civica"));
                MessageBox::plain(nullptr, ok ? kStored : kFailed);
            };
        },
        kStored, kFailed};
    list << Writer {"attachment copy", {"Documenti_Allegati/copia.txt"},
        [](std::shared_ptr<QWidget>&) -> std::function<void()> {
            QDir(ProgramFolder::path()).mkdir("Documenti_Allegati");
            QFile old(ProgramFolder::file("Documenti_Allegati/copia.txt"));
            if (old.open(QIODevice::WriteOnly))
                old.write("la copia precedente");
            old.close();
            QFile source(ProgramFolder::file("originale.txt"));
            if (source.open(QIODevice::WriteOnly))
                source.write(QByteArray(3 << 20, 'a'));
            source.close();
            return [] {
                const bool ok = Disk::copyFile(ProgramFolder::file("originale.txt"),
                    ProgramFolder::file("Documenti_Allegati/copia.txt"));
                MessageBox::plain(nullptr, ok ? kStored : kFailed);
            };
        },
        kStored, kFailed};
    list << Writer {"lending", {"Libri.pro", "2015.bib"},
        [](std::shared_ptr<QWidget>& keep) -> std::function<void()> {
            fillArchives();
            auto screen = std::shared_ptr<TfrmPrestiti>(openLendingCard());
            keep = screen;
            pickDay(QDate(2015, 6, 20));
            screen->btnDataSca->click();
            pickFirstItem("frmTrovaPrestitiLibri");
            return [screen] { screen->btnImportaLibro->click(); };
        },
        kLent, kAccess};
    list << Writer {"return", {"Libri.pro", "2015.bib"},
        [](std::shared_ptr<QWidget>& keep) -> std::function<void()> {
            fillArchives();
            twoOpenLoans();
            auto screen = std::shared_ptr<TfrmRestituzioni>(openReturnsCard());
            keep = screen;
            screen->lstRecords->selectIndex(0);
            emit screen->lstRecords->clicked(screen->lstRecords->model()->index(0, 0));
            Modal::setDriver(
                "frmRendiLibro", [](QDialog& d) { static_cast<ReturnConfirm&>(d).btnConferma->click(); });
            return [screen] { screen->btnRimuovi->click(); };
        },
        kReturned, kAccess};
    list << Writer {"picture", {"1.jpg"},
        [](std::shared_ptr<QWidget>&) -> std::function<void()> {
            const QString path = ProgramFolder::file("1.jpg");
            QImage old(40, 50, QImage::Format_RGB32);
            old.fill(Qt::blue);
            Pictures::saveJpeg(old, path);
            return [path] {
                QImage photo(80, 100, QImage::Format_RGB32);
                photo.fill(Qt::red);
                MessageBox::plain(nullptr, Pictures::saveJpeg(photo, path) ? kStored : kFailed);
            };
        },
        kStored, kFailed};
    return list;
}

// A writer's files and what it showed, around a write.
struct Files {
    QMap<QString, QByteArray> before;
    QMap<QString, QByteArray> after;
    QStringList folder;
    QStringList shown;
    int steps = 0;
};

// The writer's files as whoever opens them next finds them: a reader of an archive first puts back
// what an interrupted write left (the record size plays no part in that).
QMap<QString, QByteArray> filesOf(const TestFixture& fx, const Writer& w)
{
    QMap<QString, QByteArray> files;
    for (const QString& name : w.files) {
        if (name.endsWith(QLatin1String(".pro")) || name.endsWith(QLatin1String(".bib")))
            RecordFile(fx.file(name), 1).count();
        files.insert(name, fx.readFile(name));
    }
    return files;
}

} // namespace

class TestWriteFaults : public QObject {
    Q_OBJECT
private slots:
    void everyWriterThroughEveryFault_data()
    {
        QTest::addColumn<int>("writer");
        QTest::addColumn<int>("fault");
        QTest::addColumn<bool>("stored");
        const std::pair<const char*, Disk::Fault> faults[] = {{"write error", Disk::Fault::Error},
            {"half write", Disk::Fault::Half}, {"full disk", Disk::Fault::Full},
            {"failed sync", Disk::Fault::Sync}, {"failed close", Disk::Fault::Close},
            {"read-only", Disk::Fault::ReadOnly}};
        const QList<Writer> all = writers();
        for (int w = 0; w < all.size(); ++w) {
            for (const auto& [name, fault] : faults) {
                const QByteArray writer(all.at(w).name);
                // Every archive write needs room for its journal; a duplicate writes nothing and only
                // needs the archive to be writable.
                const bool stored = writer == "duplicate" && fault != Disk::Fault::ReadOnly;
                QTest::addRow("%s, %s", writer.constData(), name) << w << int(fault) << stored;
            }
        }
    }

    void everyWriterThroughEveryFault()
    {
        QFETCH(int, writer);
        QFETCH(int, fault);
        QFETCH(bool, stored);
        TestFixture fx;
        const Writer w = writers().at(writer);
        std::shared_ptr<QWidget> screen;
        const auto act = w.prepare(screen);
        QMap<QString, QByteArray> before;
        for (const QString& name : w.files)
            before.insert(name, fx.readFile(name));
        const QStringList folderBefore = QDir(fx.folder()).entryList(QDir::Files);
        MessageBox::clearShown();

        Disk::inject(Disk::Fault(fault));
        act();
        Disk::clearFaults();

        const QStringList shown = TestFixture::messages();
        QCOMPARE(shown,
            (w.asked.isEmpty() ? QStringList() : QStringList({w.asked}))
                + QStringList({stored ? w.success : w.failure}));
        if (!stored) {
            for (const QString& name : w.files)
                QVERIFY2(fx.readFile(name) == before.value(name), qPrintable(name + " changed"));
            // No temporary file and no lock is left behind.
            QCOMPARE(QDir(fx.folder()).entryList(QDir::Files), folderBefore);
            QCOMPARE(QDir(fx.file("Documenti_Allegati")).entryList(QDir::Files).size(),
                int(fx.readFile("Documenti_Allegati/copia.txt").isEmpty() ? 0 : 1));
        }
    }

    // Each step of each write fails, once or for good (a pulled stick): the message says stored
    // exactly when the files, as whoever opens them next finds them, hold the new bytes.
    void everyWriterThroughEveryStepFault_data()
    {
        QTest::addColumn<int>("writer");
        QTest::addColumn<bool>("forGood");
        const QList<Writer> all = writers();
        for (int w = 0; w < all.size(); ++w) {
            QTest::addRow("%s, once", all.at(w).name) << w << false;
            QTest::addRow("%s, for good", all.at(w).name) << w << true;
        }
    }

    void everyWriterThroughEveryStepFault()
    {
        QFETCH(int, writer);
        QFETCH(bool, forGood);
        const Writer w = writers().at(writer);
        const auto run = [&](const TestFixture& fx, int step) {
            std::shared_ptr<QWidget> screen;
            const auto act = w.prepare(screen);
            Files files;
            files.before = filesOf(fx, w);
            files.folder = QDir(fx.folder()).entryList(QDir::Files);
            MessageBox::clearShown();
            if (step > 0)
                Disk::failStep(step, forGood ? Disk::Failing::ForGood : Disk::Failing::Once);
            else
                Disk::clearFaults();
            act();
            files.steps = Disk::stepsTaken();
            Disk::clearFaults();
            files.shown = TestFixture::messages();
            files.after = filesOf(fx, w);
            return files;
        };
        Files sound;
        {
            TestFixture fx;
            sound = run(fx, 0);
        }
        // A writer that asks first asks every time; then one message says how it went.
        const QStringList asked = w.asked.isEmpty() ? QStringList() : QStringList({w.asked});
        QCOMPARE(sound.shown, asked + QStringList({w.success}));
        QVERIFY(sound.steps > 0);
        for (int step = 1; step <= sound.steps; ++step) {
            TestFixture fx;
            const Files struck = run(fx, step);
            const QByteArray at = QByteArray("at step ") + QByteArray::number(step);
            QVERIFY2(struck.shown.size() == asked.size() + 1 && struck.shown.mid(0, asked.size()) == asked, at);
            const bool stored = struck.shown.last() == w.success;
            QVERIFY2(stored || struck.shown.last() == w.failure, at);
            QVERIFY2(struck.after == (stored ? sound.after : struck.before), at);
            QVERIFY2(QDir(fx.folder()).entryList(QDir::Files) == struck.folder, at);
        }
    }

    // The member photo is written after the record: its failure leaves the old photo file as it
    // was and the silhouette on display, while the record is stored and said to be.
    void memberPhotoThroughEveryFault_data()
    {
        QTest::addColumn<int>("fault");
        for (const auto& [name, fault] : {std::pair("write error", Disk::Fault::Error),
                 std::pair("half write", Disk::Fault::Half), std::pair("full disk", Disk::Fault::Full),
                 std::pair("failed sync", Disk::Fault::Sync), std::pair("failed close", Disk::Fault::Close)})
            QTest::newRow(name) << int(fault);
    }

    void memberPhotoThroughEveryFault()
    {
        QFETCH(int, fault);
        TestFixture fx;
        TSchedaTesserato m;
        m.Tesserato = QStringLiteral("Rossi Mario");
        m.NumTessera = QStringLiteral("27");
        m.DataRil = QStringLiteral("01/01/2015");
        m.DataScade = QStringLiteral("31/12/2015");
        m.Preavviso = QStringLiteral("0");
        m.Annullata = ShortString::kNo;
        Archive<TSchedaTesserato>().append(m);
        QImage old(40, 50, QImage::Format_RGB32);
        old.fill(Qt::blue);
        QVERIFY(Pictures::saveJpeg(old, ProgramFolder::file("1.jpg")));
        const QByteArray oldPhoto = fx.readFile("1.jpg");
        TfrmAnagrafica screen;
        screen.show();
        screen.cmdPrimo->click();
        QVERIFY(screen.photo() != screen.imgBianco->pixmap().toImage());
        auto* name = screen.findChild<QLineEdit*>("txtTesserato");
        name->setText(QStringLiteral("Rossi Maria"));

        // The first two writes, syncs and closes are the record's journal's and the record's; the
        // third are the photo's.
        Disk::inject(Disk::Fault(fault), 3);
        screen.cmdSalva->click();
        Disk::clearFaults();
        QCOMPARE(TestFixture::messages(), QStringList({kSaved}));
        QCOMPARE(Archive<TSchedaTesserato>().read(1)->Tesserato, QStringLiteral("Rossi Maria"));
        QCOMPARE(fx.readFile("1.jpg"), oldPhoto);
        QCOMPARE(screen.photo(), screen.imgBianco->pixmap().toImage());
        QCOMPARE(QDir(fx.folder()).entryList(QDir::Files), QStringList({"1.jpg", "Tesserati.pro"}));
    }

    void passwordChangeOnAFullDiskKeepsTheOldPassword()
    {
        TestFixture fx;
        QVERIFY(Password::writeStored(QStringLiteral("vendralopiskun")));
        TfrmCambiaPassword window;
        window.show();
        TestFixture::type(window.txtPasswordOld, QStringLiteral("vendralopiskun"));
        TestFixture::type(window.txtPasswordNew, QStringLiteral("biblioteca"));
        TestFixture::type(window.txtConferma, QStringLiteral("biblioteca"));
        Disk::inject(Disk::Fault::Full);
        window.cmdOK->click();
        Disk::clearFaults();
        QCOMPARE(TestFixture::messages(), QStringList({kPasswordError}));
        QCOMPARE(Password::readStored(), std::optional<QString>(QStringLiteral("VENDRALOPISKUN")));
    }

    // An archive on a write-protected stick can be browsed and searched; saving is refused.
    void readOnlyArchiveCanBeBrowsed()
    {
        TestFixture fx;
        storeBook(QStringLiteral("Primo"));
        storeBook(QStringLiteral("Secondo"));
        const QByteArray before = fx.readFile("Libri.pro");
        Disk::inject(Disk::Fault::ReadOnly);
        auto screen = bookScreen();
        screen->cmdUltimo->click();
        QCOMPARE(screen->text("Titolo"), QStringLiteral("Secondo"));
        screen->cmdIndietro->click();
        QCOMPARE(screen->text("Titolo"), QStringLiteral("Primo"));
        QVERIFY(TestFixture::messages().isEmpty());
        const auto lines = Search::run(booksTable(), Search::Criteria());
        QVERIFY(lines && lines->lines.size() == 2);
        screen->cmdSalva->click();
        Disk::clearFaults();
        QCOMPARE(TestFixture::messages(), QStringList({kAccess}));
        QCOMPARE(fx.readFile("Libri.pro"), before);
    }
};

QTEST_MAIN(TestWriteFaults)
#include "tst_writefaults.moc"
