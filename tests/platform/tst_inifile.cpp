#include "IniFile.h"
#include "TestFixture.h"

#include <QDir>
#include <QtTest>

class TestIniFile : public QObject {
    Q_OBJECT
private slots:
    void missingFileReadsEmpty()
    {
        TestFixture fx;
        const auto value = IniFile(fx.file("x.ini")).read("Accesso", "Valore");
        QVERIFY(value.has_value());
        QCOMPARE(*value, QString());
    }

    void writeCreatesFileWithCrLf()
    {
        TestFixture fx;
        QVERIFY(IniFile(fx.file("x.ini")).write("Accesso", "Valore", "4EE9"));
        QCOMPARE(fx.readFile("x.ini"), QByteArray("[Accesso]\r\nValore=4EE9\r\n"));
    }

    void writeKeepsOtherLinesAndReplacesTheKey()
    {
        TestFixture fx;
        fx.writeFile("x.ini",
            "; nota\r\n[Stampa]\r\nMargine Sinistro=10\r\nriga senza uguale\r\n\r\n"
            "[Accesso]\r\nvalore=OLD\r\nAltro=1\r\n");
        IniFile ini(fx.file("x.ini"));
        QVERIFY(ini.write("ACCESSO", "Valore", "NEW"));
        QVERIFY(ini.write("Stampa", "Margine Alto", "5"));
        QVERIFY(ini.write("Ente", "Nome", "Biblioteca \u00E8"));
        QCOMPARE(fx.readFile("x.ini"),
            QByteArray(
                "; nota\r\n[Stampa]\r\nMargine Sinistro=10\r\nriga senza uguale\r\nMargine Alto=5\r\n\r\n"
                "[Accesso]\r\nValore=NEW\r\nAltro=1\r\n[Ente]\r\nNome=Biblioteca \xE8\r\n"));
        QCOMPARE(*ini.read("stampa", "margine sinistro"), QStringLiteral("10"));
        QCOMPARE(*ini.read("Ente", "Nome"), QStringLiteral("Biblioteca \u00E8"));
        QCOMPARE(*ini.read("Ente", "Manca"), QString());
        QCOMPARE(*ini.read("Manca", "Nome"), QString());
    }

    void quotedValuesReadWithoutTheirQuotes()
    {
        TestFixture fx;
        fx.writeFile(
            "x.ini", "[A]\r\nDoppie = \"4EE9\" \r\nSingole='x y'\r\nUna=\"a\r\nDentro=a \"b\" c\r\n");
        IniFile ini(fx.file("x.ini"));
        QCOMPARE(*ini.read("A", "Doppie"), QStringLiteral("4EE9"));
        QCOMPARE(*ini.read("A", "Singole"), QStringLiteral("x y"));
        QCOMPARE(*ini.read("A", "Una"), QStringLiteral("\"a"));
        QCOMPARE(*ini.read("A", "Dentro"), QStringLiteral("a \"b\" c"));
    }

    void unreadableFileIsAnError()
    {
        TestFixture fx;
        QVERIFY(QDir(fx.folder()).mkdir("x.ini"));
        IniFile ini(fx.file("x.ini"));
        QVERIFY(!ini.read("Accesso", "Valore").has_value());
        QVERIFY(!ini.write("Accesso", "Valore", "1"));
    }

    // A settings file is small; a huge one is damaged and is neither read whole nor rewritten.
    void oversizedFileIsAnError()
    {
        TestFixture fx;
        const QByteArray small = "[Accesso]\r\nValore=4EE9\r\n";
        fx.writeFile("x.ini", small + QByteArray(64 * 1024 - small.size(), ';'));
        IniFile ini(fx.file("x.ini"));
        QCOMPARE(ini.read("Accesso", "Valore"), std::optional<QString>("4EE9"));
        fx.writeFile("x.ini", small + QByteArray(64 * 1024, ';'));
        const QByteArray big = fx.readFile("x.ini");
        QVERIFY(!ini.read("Accesso", "Valore").has_value());
        QVERIFY(!ini.write("Accesso", "Valore", "1"));
        QCOMPARE(fx.readFile("x.ini"), big);
    }
};

QTEST_GUILESS_MAIN(TestIniFile)
#include "tst_inifile.moc"
