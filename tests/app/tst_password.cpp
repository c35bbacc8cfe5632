#include "Password.h"
#include "TestFixture.h"

#include <QtTest>

class TestPassword : public QObject {
    Q_OBJECT
private slots:
    void knownValues()
    {
        QCOMPARE(*Password::encipher("A"), QStringLiteral("4E"));
        QCOMPARE(*Password::encipher("AB"), QStringLiteral("4EE9"));
        QCOMPARE(*Password::encipher("VENDRALOPISKUN"), QStringLiteral("598FF8DCE62BBF80AEBC0D43CD7B"));
        QCOMPARE(*Password::encipher(""), QString());
    }

    void everyByteRoundTrips()
    {
        QString all;
        for (int c = 1; c <= 255; ++c) {
            const QString one = QString(QChar(char16_t(c)));
            const QString hex = *Password::encipher(one);
            QCOMPARE(hex.size(), 2);
            QCOMPARE(*Password::decipher(hex), one);
            all.append(one);
        }
        const QString hex = *Password::encipher(all);
        QCOMPARE(hex.size(), 510);
        QCOMPARE(hex, hex.toUpper());
        QCOMPARE(*Password::decipher(hex), all);
        QCOMPARE(*Password::decipher(hex.toLower()), all);
    }

    void decipherErrorsAndOddLength()
    {
        QVERIFY(!Password::decipher("4G").has_value());
        QVERIFY(!Password::decipher("4EZ9").has_value());
        QVERIFY(!Password::decipher(" 4E").has_value());
        QCOMPARE(*Password::decipher("4E9"), QStringLiteral("A"));
    }

    void passwordsTheFileCannotHold()
    {
        QVERIFY(!Password::encipher(QString(256, 'A')).has_value());
        QVERIFY(Password::encipher(QString(255, 'A')).has_value());
        QVERIFY(!Password::encipher(QStringLiteral("\u0100")).has_value());
        QVERIFY(!Password::encipher(QString(QChar(0))).has_value());
    }

    void normalised()
    {
        QCOMPARE(Password::normalised(" \tvendralopiskun  "), QStringLiteral("VENDRALOPISKUN"));
        QCOMPARE(Password::normalised("\u00E0bc"), QStringLiteral("\u00E0BC"));
    }

    void storedPassword()
    {
        TestFixture fx;
        QCOMPARE(*Password::readStored(), QString()); // no file: empty, not an error
        QVERIFY(Password::writeStored(" segreto "));
        QCOMPARE(fx.readFile("unins000.dll"),
            "[Accesso]\r\nValore=" + Password::encipher("SEGRETO")->toLatin1() + "\r\n");
        QCOMPARE(*Password::readStored(), QStringLiteral("SEGRETO"));
        fx.writeFile("unins000.dll", "[Accesso]\r\nValore=4X\r\n");
        QVERIFY(!Password::readStored().has_value());
    }
};

QTEST_GUILESS_MAIN(TestPassword)
#include "tst_password.moc"
