#include "Windows1252.h"

#include <QtTest>

class TestWindows1252 : public QObject {
    Q_OBJECT
private slots:
    void everyByteSurvivesARoundTrip()
    {
        QByteArray all;
        for (int b = 0; b < 256; ++b)
            all.append(char(b));
        QCOMPARE(Windows1252::encode(Windows1252::decode(all)), all);
    }

    void characters_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("plain") << QStringLiteral("Rossi") << QByteArray("Rossi");
        QTest::newRow("accents") << QStringLiteral("\u00E8\u00E0\u00EC\u00F9\u00C0")
                                 << QByteArray("\xE8\xE0\xEC\xF9\xC0");
        QTest::newRow("euro and quotes")
            << QStringLiteral("\u20AC\u2019\u201C") << QByteArray("\x80\x92\x93");
        QTest::newRow("outside the code page") << QStringLiteral("\u0142\u4E2D") << QByteArray("??");
        QTest::newRow("outside the basic plane is one mark")
            << QString::fromUcs4(U"a\U0001F600b") << QByteArray("a?b");
    }

    void characters()
    {
        QFETCH(QString, text);
        QFETCH(QByteArray, bytes);
        QCOMPARE(Windows1252::encode(text), bytes);
    }

    void decodesTheHighRange()
    {
        QCOMPARE(
            Windows1252::decode(QByteArray("\x80\x8A\x9F\xE8")), QStringLiteral("\u20AC\u0160\u0178\u00E8"));
    }
};

QTEST_GUILESS_MAIN(TestWindows1252)
#include "tst_windows1252.moc"
