#include "LoanRegister.h"
#include "TestFixture.h"

#include <QFile>
#include <QtTest>

namespace {

TSchedaPrestito loanOf(const QString& name, const QString& card, const QString& title)
{
    TSchedaPrestito loan;
    loan.Tesserato = name;
    loan.NumTessera = card;
    loan.Recapito = QStringLiteral("333 1234567");
    loan.Tipo = QStringLiteral("Libro");
    loan.Codice = QStringLiteral("LIB-1");
    loan.Titolo = title;
    loan.Data = QStringLiteral("10/06/2015");
    loan.DataSca = QStringLiteral("10/07/2015");
    return loan;
}

} // namespace

class TestLoanRegister : public QObject {
    Q_OBJECT
private slots:
    void missingYearReadsEmptyAndLeavesAnEmptyFile()
    {
        TestFixture fx;
        QCOMPARE(LoanRegister::path(2014), fx.file("2014.bib"));
        const auto loans = LoanRegister::readAll(2014);
        QVERIFY(loans.has_value());
        QVERIFY(loans->empty());
        QCOMPARE(QFile(fx.file("2014.bib")).size(), 0);
    }

    void appendGrowsAndRewriteKeepsTheSize()
    {
        TestFixture fx;
        QCOMPARE(LoanRegister::append(2015, loanOf("Rossi", "1", QString(120, 'T'))), std::optional<qint64>(1));
        QCOMPARE(LoanRegister::append(2015, loanOf("Bianchi", "2", "Emma")), std::optional<qint64>(2));
        QCOMPARE(QFile(fx.file("2015.bib")).size(), 272 * 2);

        const QByteArray bytes = fx.readFile("2015.bib");
        QCOMPARE(bytes.mid(127, 6), QByteArray("\x05Libro"));
        QCOMPARE(quint8(bytes[158]), quint8(80));

        auto first = LoanRegister::readAll(2015)->at(0);
        QCOMPARE(first.number, 1);
        QCOMPARE(first.loan.Titolo, QString(80, 'T'));
        first.loan.DataRes = QStringLiteral("11/06/2015");
        QVERIFY(LoanRegister::rewrite(2015, first.number, first.loan));
        QCOMPARE(QFile(fx.file("2015.bib")).size(), 272 * 2);
        QCOMPARE(LoanRegister::readAll(2015)->at(0).loan.DataRes, QStringLiteral("11/06/2015"));
        QVERIFY(!LoanRegister::rewrite(2015, 3, first.loan));
    }

    void openLoansOfAMember()
    {
        TestFixture fx;
        LoanRegister::append(2015, loanOf("Rossi Mario", "A1", "Primo"));
        LoanRegister::append(2015, loanOf("Rossi Mario", "A2", "Altro socio, stesso nome"));
        LoanRegister::append(2015, loanOf("Rossi Mario", "a1", "Altra tessera: maiuscole diverse"));
        auto returned = loanOf("Rossi Mario", "A1", "Reso");
        returned.DataRes = QStringLiteral("12/06/2015");
        LoanRegister::append(2015, returned);
        LoanRegister::append(2015, loanOf("Rossi Mario", "A1", "Secondo"));

        const auto loans = LoanRegister::openLoansOf(2015, QStringLiteral("  A1 "));
        QVERIFY(loans.has_value());
        QCOMPARE(int(loans->size()), 2);
        QCOMPARE(loans->at(0).number, 1);
        QCOMPARE(loans->at(0).loan.Titolo, QStringLiteral("Primo"));
        QCOMPARE(loans->at(1).number, 5);
        QCOMPARE(loans->at(1).loan.Titolo, QStringLiteral("Secondo"));
    }

    void periodAndMonthCounts()
    {
        TSchedaPrestito loan;
        loan.Data = QStringLiteral("10/06/2015");
        QVERIFY(LoanRegister::inPeriod(loan, QDate(2015, 6, 10), QDate(2015, 6, 10)));
        QVERIFY(LoanRegister::inPeriod(loan, QDate(2015, 1, 1), QDate(2015, 12, 31)));
        QVERIFY(!LoanRegister::inPeriod(loan, QDate(2015, 6, 11), QDate(2015, 12, 31)));
        loan.Data = QStringLiteral("31/02/2015");
        QVERIFY(!LoanRegister::inPeriod(loan, QDate(2015, 1, 1), QDate(2015, 12, 31)));

        std::vector<TSchedaPrestito> loans(6);
        loans[0].Data = QStringLiteral("10/06/2015");
        loans[1].Data = QStringLiteral("11/06/2015");
        loans[2].Data = QStringLiteral("02/01/2015");
        loans[3].Data = QStringLiteral("02/01/2014");
        loans[4].Data = QStringLiteral("02/13/2015");
        loans[5].Data = QStringLiteral(" 05/12/2015 ");
        const auto counts = LoanRegister::monthCounts(loans, QStringLiteral("2015"));
        QCOMPARE(counts, (std::array<int, 12> {1, 0, 0, 0, 0, 2, 0, 0, 0, 0, 0, 1}));
    }

    void typeOfAnItem()
    {
        QCOMPARE(LoanRegister::kindOf(QStringLiteral("Libro")), LoanRegister::ItemKind::Book);
        QCOMPARE(LoanRegister::kindOf(QStringLiteral("Lib")), LoanRegister::ItemKind::Book);
        QCOMPARE(LoanRegister::kindOf(QStringLiteral("DVD")), LoanRegister::ItemKind::Dvd);
        QCOMPARE(LoanRegister::kindOf(QStringLiteral("Rivista")), LoanRegister::ItemKind::Other);
        QCOMPARE(LoanRegister::kindOf(QStringLiteral("dvd")), LoanRegister::ItemKind::Other);
    }
};

QTEST_GUILESS_MAIN(TestLoanRegister)
#include "tst_loanregister.moc"
