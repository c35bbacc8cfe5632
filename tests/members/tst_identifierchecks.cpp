#include "IdentifierChecks.h"

#include <QtTest>

using namespace IdentifierChecks;

class TestIdentifierChecks : public QObject {
    Q_OBJECT
private slots:
    void taxCodes_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<bool>("valid");
        QTest::newRow("valid") << "RSSMRA80A01H501U" << true;
        QTest::newRow("valid, another") << "MRTMTT91D08F205J" << true;
        QTest::newRow("wrong check letter") << "RSSMRA80A01H501V" << false;
        QTest::newRow("a digit in position 16") << "RSSMRA80A01H5017" << false;
        QTest::newRow("15 characters") << "RSSMRA80A01H501" << false;
        QTest::newRow("lower case is not upper-cased here") << "rssmra80a01h501u" << false;
        QTest::newRow("a sign among the first 15") << "RSSMRA80A01H50-U" << false;
    }

    void taxCodes()
    {
        QFETCH(QString, code);
        QFETCH(bool, valid);
        QCOMPARE(taxCodeValid(code), valid);
    }

    void vatNumbers_data()
    {
        QTest::addColumn<QString>("number");
        QTest::addColumn<bool>("valid");
        QTest::addColumn<QString>("office");
        QTest::newRow("Milano 1") << "12345670157" << true << "Milano 1";
        QTest::newRow("wrong check digit") << "12345670158" << false << "Milano 1";
        QTest::newRow("office not in the table") << "12345671056" << true << "";
        QTest::newRow("a repeated name") << "00000001206" << true << "Bologna 2";
        QTest::newRow("ten digits") << "1234567015" << false << "Milano 1";
        QTest::newRow("a letter") << "1234567015A" << false << "Milano 1";
    }

    void vatNumbers()
    {
        QFETCH(QString, number);
        QFETCH(bool, valid);
        QFETCH(QString, office);
        QCOMPARE(vatNumberValid(number), valid);
        QCOMPARE(vatOffice(number), office);
    }

    void cards_data()
    {
        QTest::addColumn<QString>("number");
        QTest::addColumn<int>("type");
        QTest::addColumn<QString>("brand");
        QTest::newRow("Visa") << "4111111111111111" << 2 << "Visa";
        QTest::newRow("wrong last digit") << "4111111111111112" << 0 << "";
        QTest::newRow("American Express") << "378282246310005" << 1 << "American Express";
        QTest::newRow("MasterCard") << "5555555555554444" << 3 << "MasterCard";
        QTest::newRow("Discover") << "6011111111111117" << 4 << "Discover";
        QTest::newRow("Diner's Club") << "30569309025904" << 1 << "Diner's Club / Carte Blanche";
        QTest::newRow("JCB") << "3530111333300000" << 1 << "JCB";
        QTest::newRow("prefix 32: no brand") << "3200000000000002" << 1 << "";
        QTest::newRow("prefix 39: no brand") << "3900000000000005" << 1 << "";
        QTest::newRow("valid but starting with 7") << "7100000000000004" << 5 << "";
        QTest::newRow("only the first 20 characters") << "4111111111111111abcd5" << 2 << "Visa";
        QTest::newRow("blanks between the digits") << "4111 1111 1111 1111" << 2 << "Visa";
        QTest::newRow("no digits") << "abc" << 0 << "";
    }

    void cards()
    {
        QFETCH(QString, number);
        QFETCH(int, type);
        QFETCH(QString, brand);
        QCOMPARE(cardType(number), type);
        QCOMPARE(cardBrand(number, type), brand);
    }

    void ibans_data()
    {
        QTest::addColumn<QString>("iban");
        QTest::addColumn<bool>("valid");
        QTest::newRow("valid") << "IT60X0542811101000000123456" << true;
        QTest::newRow("one digit changed") << "IT60X0542811101000000123457" << false;
        QTest::newRow("another digit changed") << "IT61X0542811101000000123456" << false;
        QTest::newRow("blanks inside") << "IT60 X054 2811 1010 0000 0123 456" << true;
        QTest::newRow("lower case") << "it60x0542811101000000123456" << true;
        QTest::newRow("with the word IBAN") << "IBAN IT60X0542811101000000123456" << true;
        QTest::newRow("a sign") << "IT60-X0542811101000000123456" << false;
        QTest::newRow("empty") << "" << false;
    }

    void ibans()
    {
        QFETCH(QString, iban);
        QFETCH(bool, valid);
        QCOMPARE(ibanValid(iban), valid);
    }
};

QTEST_GUILESS_MAIN(TestIdentifierChecks)
#include "tst_identifierchecks.moc"
