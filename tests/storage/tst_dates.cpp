#include "Dates.h"

#include <QtTest>

class TestDates : public QObject {
    Q_OBJECT
private slots:
    void parse_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QDate>("date");
        QTest::newRow("full") << "05/06/2015" << QDate(2015, 6, 5);
        QTest::newRow("short day and month") << "5/6/2015" << QDate(2015, 6, 5);
        QTest::newRow("blanks around") << " 15/06/2015 " << QDate(2015, 6, 15);
        QTest::newRow("leap day") << "29/02/2016" << QDate(2016, 2, 29);
        QTest::newRow("no leap day") << "29/02/2015" << QDate();
        QTest::newRow("no such day") << "31/04/2015" << QDate();
        QTest::newRow("month 13") << "01/13/2015" << QDate();
        QTest::newRow("day 0") << "00/01/2015" << QDate();
        QTest::newRow("two-digit year") << "01/02/15" << QDate();
        QTest::newRow("three-digit day") << "001/02/2015" << QDate();
        QTest::newRow("dashes") << "01-02-2015" << QDate();
        QTest::newRow("sign") << "+1/02/2015" << QDate();
        QTest::newRow("letters") << "aa/bb/cccc" << QDate();
        QTest::newRow("extra part") << "01/02/2015/1" << QDate();
        QTest::newRow("empty") << "" << QDate();
    }

    void parse()
    {
        QFETCH(QString, text);
        QFETCH(QDate, date);
        QCOMPARE(Dates::parse(text), date);
        QCOMPARE(Dates::isValid(text), date.isValid());
    }

    void format()
    {
        QCOMPARE(Dates::format(QDate(2015, 6, 5)), QStringLiteral("05/06/2015"));
        QCOMPARE(Dates::format(QDate(2014, 12, 31)), QStringLiteral("31/12/2014"));
    }
};

QTEST_GUILESS_MAIN(TestDates)
#include "tst_dates.moc"
