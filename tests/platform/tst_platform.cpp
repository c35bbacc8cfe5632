#include "Clock.h"
#include "Dialogs.h"
#include "Disk.h"
#include "MessageBox.h"
#include "Modal.h"
#include "Pictures.h"
#include "ProgramFolder.h"
#include "TMisc.h"
#include "TestFixture.h"
#include "UserPlay.h"
#include "VisitorMode.h"

#include <QDialog>
#include <QDir>
#include <QFileDialog>
#include <QPushButton>
#include <QtTest>

class TestPlatform : public QObject {
    Q_OBJECT
private slots:
    void messageBoxesAreRecordedAndTakeScriptedAnswers()
    {
        TestFixture fx;
        MessageBox::scriptAnswer(MessageBox::Answer::No);
        QVERIFY(!MessageBox::question(nullptr, "Uscire?"));
        QVERIFY(MessageBox::question(nullptr, "Ancora?")); // default: Yes
        MessageBox::warning(nullptr, "w");
        MessageBox::plain(nullptr, "p");
        QCOMPARE(MessageBox::shown().size(), 4);
        QCOMPARE(MessageBox::shown().at(0).kind, MessageBox::Kind::Question);
        QCOMPARE(MessageBox::shown().at(0).text, QStringLiteral("Uscire?"));
        QCOMPARE(MessageBox::shown().at(2).kind, MessageBox::Kind::Warning);
        QCOMPARE(MessageBox::shown().at(3).kind, MessageBox::Kind::Plain);
    }

    void modalWindowsRunTheirDriver()
    {
        TestFixture fx;
        QDialog driven;
        driven.setObjectName("frmProva");
        auto* ok = new QPushButton(&driven);
        connect(ok, &QPushButton::clicked, &driven, &QDialog::accept);
        Modal::setDriver("frmProva", [](QDialog& d) { d.findChild<QPushButton*>()->click(); });
        QCOMPARE(Modal::exec(driven), int(QDialog::Accepted));
        QVERIFY(!driven.isVisible());

        QDialog undriven;
        undriven.setObjectName("frmAltro");
        QCOMPARE(Modal::exec(undriven), int(QDialog::Rejected));
        QCOMPARE(Modal::opened(), QStringList({"frmProva", "frmAltro"}));
    }

    void dialogsTakeScriptedAnswersThenCancel()
    {
        TestFixture fx;
        Dialogs::scriptFile("/tmp/foto.jpg");
        Dialogs::scriptText(QStringLiteral("3"));
        QCOMPARE(Dialogs::openFile(nullptr, "Apri", "*.jpg"), QStringLiteral("/tmp/foto.jpg"));
        QCOMPARE(Dialogs::openFile(nullptr, "Apri", "*.jpg"), QString());
        QCOMPARE(Dialogs::askNumber(nullptr, "Copie", "Numero", 1), std::optional<QString>("3"));
        QVERIFY(!Dialogs::askNumber(nullptr, "Copie", "Numero", 1).has_value());
    }

    // A photo, a logo, an attachment or a printed file is chosen in a dialog that shows the archives
    // beside it: none of its ways to delete, rename, move or create a file may work there.
    void fileDialogsChangeNoFile_data()
    {
        QTest::addColumn<bool>("save");
        QTest::newRow("apri") << false;
        QTest::newRow("salva") << true;
    }

    void fileDialogsChangeNoFile()
    {
        QFETCH(bool, save);
        TestFixture fx;
        fx.writeFile("Libri.pro", "archivio dei libri");
        QVERIFY(QDir(fx.folder()).mkdir("Documenti_Allegati"));
        const QStringList before = QDir(fx.folder()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
        bool played = false;
        Modal::setDriver("dlgFile", [&](QDialog& dialog) {
            auto* files = qobject_cast<QFileDialog*>(&dialog);
            QVERIFY(files);
            QVERIFY(files->testOption(QFileDialog::DontUseNativeDialog));
            dialog.activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(&dialog));
            tryToChangeFiles(*files, fx.file("Libri.pro"), fx.file("Documenti_Allegati"));
            played = true;
        });
        if (save)
            Dialogs::saveFile(nullptr, "Stampa su file", fx.file("scheda.pdf"));
        else
            Dialogs::openFile(nullptr, "Apri", "Tutti i file (*.*)");
        QVERIFY(played);
        QCOMPARE(QDir(fx.folder()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), before);
        QCOMPARE(fx.readFile("Libri.pro"), QByteArray("archivio dei libri"));
        QVERIFY(QDir(fx.file("Documenti_Allegati")).isEmpty());
    }

    void visitorsAreShownNoFileDialog()
    {
        TestFixture fx;
        VisitorMode::start();
        Dialogs::scriptFile(fx.file("Libri.pro"));
        QCOMPARE(Dialogs::openFile(nullptr, "Apri", "Tutti i file (*.*)"), QString());
        QCOMPARE(Dialogs::saveFile(nullptr, "Stampa su file", fx.file("scheda.pdf")), QString());
        QVERIFY(Modal::opened().isEmpty());
    }

    void clockFolderAndShellAreSeams()
    {
        TestFixture fx;
        QCOMPARE(Clock::today(), QDate(2015, 6, 10));
        QCOMPARE(ProgramFolder::path(), fx.folder());
        QCOMPARE(ProgramFolder::file("Libri.pro"), fx.file("Libri.pro"));
        TMisc::Open("\"mailto:a@b.example?subject=Una prova\"");
        QCOMPARE(TMisc::recorded(), QStringList({"\"mailto:a@b.example?subject=Una prova\""}));
    }

    void picturesAreJpegOrBitmapOnly()
    {
        TestFixture fx;
        QImage image(20, 10, QImage::Format_RGB32);
        image.fill(Qt::red);
        QVERIFY(Pictures::saveJpeg(image, fx.file("1.jpg")));
        QCOMPARE(Pictures::load(fx.file("1.jpg")).size(), QSize(20, 10));
        QVERIFY(image.save(fx.file("b.bmp"), "BMP"));
        QCOMPARE(Pictures::load(fx.file("b.bmp")).size(), QSize(20, 10));
        QVERIFY(image.save(fx.file("p.png"), "PNG"));
        QVERIFY(Pictures::load(fx.file("p.png")).isNull());
        fx.writeFile("rotto.jpg", "non una foto");
        QVERIFY(Pictures::load(fx.file("rotto.jpg")).isNull());
        QVERIFY(Pictures::load(fx.file("manca.jpg")).isNull());
        QVERIFY(!Pictures::saveJpeg(image, fx.file("nessuna/cartella.jpg")));
    }

    // A phone's upright portrait is a landscape JPEG with an orientation tag: it is read upright.
    void picturesFollowTheirOrientationTag()
    {
        TestFixture fx;
        QImage image(40, 20, QImage::Format_RGB32);
        image.fill(Qt::blue);
        for (int y = 0; y < 20; ++y) {
            for (int x = 0; x < 20; ++x)
                image.setPixelColor(x, y, Qt::red);
        }
        QVERIFY(Pictures::saveJpeg(image, fx.file("ruotata.jpg")));
        // An Exif block saying "turn a quarter clockwise to show" (orientation 6), after the start mark.
        const QByteArray exif = QByteArray::fromHex("FFE10022" "457869660000" "4D4D002A00000008"
                                                    "0001" "011200030000000100060000" "00000000");
        QByteArray jpeg = fx.readFile("ruotata.jpg");
        jpeg.insert(2, exif);
        fx.writeFile("ruotata.jpg", jpeg);
        const QImage upright = Pictures::load(fx.file("ruotata.jpg"));
        QCOMPARE(upright.size(), QSize(20, 40));
        // The left half, red, is on top once turned.
        QVERIFY(upright.pixelColor(10, 5).red() > 200);
        QVERIFY(upright.pixelColor(10, 35).blue() > 200);
    }

    // The folder of the executable, and a folder given with the system's separators (a stick on
    // Windows: "E:\Biblioteca di Città\"), both end with one '/' and reach their files.
    void programFolderFromTheExecutableOrANativePath()
    {
        QCOMPARE(ProgramFolder::path(), QCoreApplication::applicationDirPath() + QLatin1Char('/'));
        const QString executable = QFileInfo(QCoreApplication::applicationFilePath()).fileName();
        QVERIFY(QFile::exists(ProgramFolder::file(executable)));

        QTemporaryDir dir;
        const QString folder = dir.path() + QStringLiteral("/Biblioteca di Citt\u00E0");
        QVERIFY(QDir().mkpath(folder));
        ProgramFolder::setPath(QDir::toNativeSeparators(folder) + QDir::separator());
        QCOMPARE(ProgramFolder::path(), folder + QLatin1Char('/'));
        QVERIFY(Disk::replaceFile(ProgramFolder::file("Tesserini.ini"), "[Biblioteca]\r\n"));
        ProgramFolder::setPath(QString());
        QFile written(folder + QStringLiteral("/Tesserini.ini"));
        QVERIFY(written.open(QIODevice::ReadOnly));
        QCOMPARE(written.readAll(), QByteArray("[Biblioteca]\r\n"));
    }

    // Windows refuses to replace a file that another program holds open (a spreadsheet program
    // showing an export); Linux replaces it, and the other program goes on reading the old bytes.
    // Either way the file is whole, old or new, and no temporary file is left behind.
    void replacingAFileAnotherProgramHoldsOpen()
    {
        TestFixture fx;
        fx.writeFile("Libri.xls", "vecchio");
        QFile held(fx.file("Libri.xls"));
        QVERIFY(held.open(QIODevice::ReadOnly));
        const bool replaced = Disk::replaceFile(fx.file("Libri.xls"), "nuovo");
#ifdef Q_OS_WIN
        QVERIFY(!replaced);
        QCOMPARE(fx.readFile("Libri.xls"), QByteArray("vecchio"));
#else
        QVERIFY(replaced);
        QCOMPARE(fx.readFile("Libri.xls"), QByteArray("nuovo"));
#endif
        QCOMPARE(held.readAll(), QByteArray("vecchio"));
        QCOMPARE(QDir(fx.folder()).entryList(QDir::Files), QStringList({"Libri.xls"}));
    }

    // A document given with backslashes, in a folder with blanks and an accent, reaches the
    // Windows shell whole: the shell runs the batch file, which leaves a file beside itself.
    void shellOpensADocumentGivenWithBackslashes()
    {
#ifndef Q_OS_WIN
        QSKIP("Linux hands documents to the desktop (xdg-open), which a test cannot watch");
#else
        QTemporaryDir dir;
        const QString folder = dir.path() + QStringLiteral("/Documenti Allegati \u00E0");
        QVERIFY(QDir().mkpath(folder));
        QFile batch(folder + QStringLiteral("/prova.cmd"));
        QVERIFY(batch.open(QIODevice::WriteOnly));
        batch.write("@echo aperto> \"%~dp0aperto.txt\"\r\n");
        batch.close();
        const QString command = QLatin1Char('"') + QDir::toNativeSeparators(batch.fileName()) + QLatin1Char('"');
        QVERIFY(TMisc::Open(command));
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(folder + QStringLiteral("/aperto.txt")), 20000);
#endif
    }
};

QTEST_MAIN(TestPlatform)
#include "tst_platform.moc"
