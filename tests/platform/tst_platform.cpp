#include "Clock.h"
#include "Dialogs.h"
#include "Disk.h"
#include "MessageBox.h"
#include "Modal.h"
#include "Pictures.h"
#include "ProgramFolder.h"
#include "TMisc.h"
#include "TestFixture.h"

#include <QDialog>
#include <QDir>
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
        QCOMPARE(Dialogs::askText(nullptr, "Copie", "Numero", "1"), std::optional<QString>("3"));
        QVERIFY(!Dialogs::askText(nullptr, "Copie", "Numero", "1").has_value());
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
