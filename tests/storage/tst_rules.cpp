#include "CardRules.h"
#include "RecordType.h"
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

    // Every fault of a card is named, in the order the card screen checks them, with the field the
    // user is sent back to.
    void cardProblems_data()
    {
        QTest::addColumn<QString>("archive");
        QTest::addColumn<QStringList>("values"); // field=value pairs
        QTest::addColumn<QStringList>("focus");
        QTest::addColumn<QList<bool>>("plain");
        QTest::addColumn<QString>("first");
        const QStringList book = {"Titolo=Fiabe", "Codice=A1", "Convalida=S\u00EC", "Autore=Calvino"};
        QTest::newRow("book complete") << "libri" << book << QStringList() << QList<bool>() << QString();
        QTest::newRow("book empty")
            << "libri" << QStringList({"Titolo=  ", "Convalida=No"})
            << QStringList({"Titolo", "Codice", "Codice", "Autore"})
            << QList<bool>({false, false, false, false})
            << QStringLiteral(
                   "Attenzione: per salvare la scheda \u00E8 necessario indicare il titolo del libro.");
        QTest::newRow("book without author")
            << "libri" << QStringList({"Titolo=Fiabe", "Codice=A1", "Convalida=S\u00EC"})
            << QStringList({"Autore"}) << QList<bool>({false})
            << QStringLiteral("Attenzione: per salvare la scheda \u00E8 necessario "
                              "indicare l'autore del libro.");
        QTest::newRow("DVD needs no author")
            << "dvd" << QStringList({"Titolo=Film", "Codice=D1", "Convalida=No"}) << QStringList({"Codice"})
            << QList<bool>({false})
            << QStringLiteral("Attenzione: per salvare la scheda \u00E8 necessario "
                              "convalidare il codice identificativo del DVD utilizzando "
                              "il pulsante a destra del campo di testo Codice.");
        const QStringList member = {"Tesserato=Rossi Mario", "NumTessera=27", "DataRil=10/03/2015",
            "DataScade=10/03/2015", "Preavviso=0"};
        QTest::newRow("member complete, equal dates")
            << "utenti" << member << QStringList() << QList<bool>() << QString();
        QTest::newRow("member without dates or notice")
            << "utenti" << QStringList({"Tesserato=Rossi Mario", "NumTessera=27"})
            << QStringList({"DataRil", "DataScade", "Preavviso"}) << QList<bool>({false, false, false})
            << QStringLiteral(
                   "Attenzione: per salvare la scheda \u00E8 necessario indicare la data di rilascio della "
                   "tessera.");
        QTest::newRow("member, a day that does not exist and an empty expiry")
            << "utenti"
            << QStringList({"Tesserato=Rossi Mario", "NumTessera=27", "DataRil=31/02/2015", "Preavviso=5"})
            << QStringList({"DataScade", "DataRil"}) << QList<bool>({false, true})
            << QStringLiteral(
                   "Attenzione: per salvare la scheda \u00E8 necessario indicare la data di scadenza della "
                   "tessera.");
        QTest::newRow("member, expiry before issue")
            << "utenti"
            << QStringList({"Tesserato=Rossi Mario", "NumTessera=27", "DataRil=10/03/2015",
                   "DataScade=09/03/2015", "Preavviso=0"})
            << QStringList({""}) << QList<bool>({true})
            << QStringLiteral(
                   "Attenzione: la data di scadenza (09/03/2015) non pu\u00F2 essere anteriore a quella di "
                   "rilascio della tessera (10/03/2015).");
        QTest::newRow("member, expiry that does not exist")
            << "utenti"
            << QStringList({"Tesserato=Rossi Mario", "NumTessera=27", "DataRil=10/03/2015",
                   "DataScade=29/02/2015", "Preavviso=0"})
            << QStringList({"DataScade"}) << QList<bool>({true})
            << QStringLiteral(
                   "Attenzione: la data di scadenza della tessera 29/02/2015 non esiste.\n\r\n\rPer poter "
                   "salvare la scheda \u00E8 necessario indicare una data valida nel formato gg/mm/aaaa.");
    }

    void cardProblems()
    {
        QFETCH(QString, archive);
        QFETCH(QStringList, values);
        QFETCH(QStringList, focus);
        QFETCH(QList<bool>, plain);
        QFETCH(QString, first);
        const RecordType& type = archive == "libri" ? RecordType::of<TSchedaLibro>()
            : archive == "dvd"                      ? RecordType::of<TSchedaDVD>()
                                                    : RecordType::of<TSchedaTesserato>();
        QHash<QString, QString> card;
        for (const QString& pair : values)
            card.insert(pair.section('=', 0, 0), pair.section('=', 1));
        const QList<CardRules::Problem> found
            = CardRules::problems(type, [&card](const QString& field) { return card.value(field); });
        QStringList foundFocus;
        QList<bool> foundPlain;
        for (const CardRules::Problem& problem : found) {
            foundFocus << problem.focus;
            foundPlain << problem.plain;
        }
        QCOMPARE(foundFocus, focus);
        QCOMPARE(foundPlain, plain);
        QCOMPARE(found.isEmpty() ? QString() : found.first().message, first);
    }

    void codeKey()
    {
        QCOMPARE(Rules::codeKey(QStringLiteral("  ab-12\u00E8 ")), QStringLiteral("AB-12\u00E8"));
        QCOMPARE(Rules::codeKey(QStringLiteral("a b")), QStringLiteral("A B"));
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
