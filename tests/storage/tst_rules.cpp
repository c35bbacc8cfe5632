#include "Rules.h"
#include "TestFixture.h"

#include <QtTest>

class TestRules : public QObject {
    Q_OBJECT
private slots:
    void cancelledAndLent_data()
    {
        QTest::addColumn<QString>("annullata");
        QTest::addColumn<QString>("scadenza");
        QTest::addColumn<bool>("cancelled");
        QTest::addColumn<bool>("lent");
        QTest::addColumn<bool>("available");
        QTest::newRow("active, on the shelf") << "No"
                                              << "" << false << false << true;
        QTest::newRow("active, blanks around the flag") << " No "
                                                        << "  " << false << false << true;
        QTest::newRow("active, lent") << "No"
                                      << "12/05/2014" << false << true << false;
        QTest::newRow("cancelled") << "S\u00EC"
                                   << "" << true << false << false;
        QTest::newRow("empty flag counts as cancelled") << ""
                                                        << "" << true << false << false;
        QTest::newRow("lower-case no counts as cancelled") << "no"
                                                           << "" << true << false << false;
    }

    void cancelledAndLent()
    {
        QFETCH(QString, annullata);
        QFETCH(QString, scadenza);
        QFETCH(bool, cancelled);
        QFETCH(bool, lent);
        QFETCH(bool, available);
        TSchedaDVD dvd;
        dvd.Annullata = annullata;
        dvd.Scadenza = scadenza;
        dvd.Prestato = Rules::kLentPrefix + QStringLiteral("27");
        QCOMPARE(Rules::isCancelled(dvd), cancelled);
        QCOMPARE(Rules::isLent(dvd), lent);
        QCOMPARE(Rules::isAvailable(dvd), available);
    }

    void renewal_data()
    {
        QTest::addColumn<QString>("expiry");
        QTest::addColumn<QString>("notice");
        QTest::addColumn<QString>("annullata");
        QTest::addColumn<QDate>("day");
        QTest::addColumn<bool>("due");
        QTest::newRow("ten days: the day before") << "15/06/2015"
                                                  << "10"
                                                  << "No" << QDate(2015, 6, 4) << false;
        QTest::newRow("ten days: first day") << "15/06/2015"
                                             << "10"
                                             << "No" << QDate(2015, 6, 5) << true;
        QTest::newRow("no notice: the day before") << "15/06/2015"
                                                   << "0"
                                                   << "No" << QDate(2015, 6, 14) << false;
        QTest::newRow("no notice: the day") << "15/06/2015"
                                            << "0"
                                            << "No" << QDate(2015, 6, 15) << true;
        QTest::newRow("expired") << "15/06/2015"
                                 << "0"
                                 << "No" << QDate(2016, 1, 1) << true;
        QTest::newRow("cancelled") << "15/06/2015"
                                   << "0"
                                   << "S\u00EC" << QDate(2016, 1, 1) << false;
        QTest::newRow("no expiry date") << ""
                                        << "0"
                                        << "No" << QDate(2016, 1, 1) << false;
        QTest::newRow("notice days that are no number") << "15/06/2015"
                                                        << "dieci"
                                                        << "No" << QDate(2016, 1, 1) << false;
        QTest::newRow("the example: notice 10") << "20/03/2015"
                                                << "10"
                                                << "No" << QDate(2015, 3, 10) << true;
        QTest::newRow("the example: notice 9") << "20/03/2015"
                                               << "9"
                                               << "No" << QDate(2015, 3, 10) << false;
    }

    void renewal()
    {
        QFETCH(QString, expiry);
        QFETCH(QString, notice);
        QFETCH(QString, annullata);
        QFETCH(QDate, day);
        QFETCH(bool, due);
        TSchedaTesserato member;
        member.DataScade = expiry;
        member.Preavviso = notice;
        member.Annullata = annullata;
        QCOMPARE(Rules::isDueForRenewal(member, day), due);
    }

    void memberPhoto()
    {
        TestFixture fx;
        QCOMPARE(Rules::memberPhotoPath(1), fx.file("1.jpg"));
        QCOMPARE(Rules::memberPhotoPath(10), fx.file("10.jpg"));
    }

    void loans_data()
    {
        QTest::addColumn<QString>("due");
        QTest::addColumn<QString>("returned");
        QTest::addColumn<bool>("open");
        QTest::addColumn<bool>("overdue");
        QTest::newRow("due today") << "10/06/2015"
                                   << "" << true << false;
        QTest::newRow("due yesterday") << "09/06/2015"
                                       << "" << true << true;
        QTest::newRow("returned late") << "09/06/2015"
                                       << "10/06/2015" << false << false;
        QTest::newRow("blank return date") << "09/06/2015"
                                           << "  " << true << true;
    }

    void loans()
    {
        QFETCH(QString, due);
        QFETCH(QString, returned);
        QFETCH(bool, open);
        QFETCH(bool, overdue);
        TSchedaPrestito loan;
        loan.DataSca = due;
        loan.DataRes = returned;
        QCOMPARE(Rules::isOpenLoan(loan), open);
        QCOMPARE(Rules::isOverdueLoan(loan, QDate(2015, 6, 10)), overdue);
    }
};

QTEST_GUILESS_MAIN(TestRules)
#include "tst_rules.moc"
