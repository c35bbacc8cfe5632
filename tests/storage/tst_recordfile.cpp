#include "RecordFile.h"
#include "TestFixture.h"

#include <QDir>
#include <QFile>
#include <QtTest>

namespace {

TSchedaPrestito loan(int i)
{
    TSchedaPrestito p;
    p.Tesserato = QStringLiteral("Socio %1").arg(i);
    p.NumTessera = QString::number(i);
    return p;
}

} // namespace

class TestRecordFile : public QObject {
    Q_OBJECT
private slots:
    void missingFileIsCreatedEmpty()
    {
        TestFixture fx;
        Archive<TSchedaLibro> books;
        QCOMPARE(books.file().path(), fx.file("Libri.pro"));
        QCOMPARE(books.count(), std::optional<int>(0));
        QVERIFY(QFile::exists(fx.file("Libri.pro")));
        QCOMPARE(QFile(fx.file("Libri.pro")).size(), 0);
    }

    void countIsLengthOverSizeAndPartialRecordsAreIgnored()
    {
        TestFixture fx;
        fx.writeFile("Libri.pro", QByteArray(3237 * 5, '\0'));
        QCOMPARE(Archive<TSchedaLibro>().count(), std::optional<int>(5));
        fx.writeFile("Libri.pro", QByteArray(3237 * 2 + 100, '\0'));
        Archive<TSchedaLibro> books;
        QCOMPARE(books.count(), std::optional<int>(2));
        QVERIFY(!books.read(3).has_value());

        TSchedaLibro book;
        book.Titolo = QStringLiteral("Terzo");
        QCOMPARE(books.append(book), std::optional<int>(3));
        QCOMPARE(QFile(fx.file("Libri.pro")).size(), 3237 * 3);
        QCOMPARE(books.read(3)->Titolo, QStringLiteral("Terzo"));
    }

    void writeOverwritesInPlaceOnly()
    {
        TestFixture fx;
        Archive<TSchedaPrestito> loans(fx.file("2015.bib"));
        for (int i = 1; i <= 3; ++i)
            QCOMPARE(loans.append(loan(i)), std::optional<int>(i));
        QVERIFY(loans.write(2, loan(20)));
        QCOMPARE(loans.count(), std::optional<int>(3));
        QCOMPARE(loans.read(1)->NumTessera, QStringLiteral("1"));
        QCOMPARE(loans.read(2)->NumTessera, QStringLiteral("20"));
        QCOMPARE(loans.read(3)->NumTessera, QStringLiteral("3"));
        QVERIFY(!loans.write(4, loan(4)));
        QVERIFY(!loans.write(0, loan(0)));
        QVERIFY(!loans.read(0).has_value());
        QCOMPARE(QFile(fx.file("2015.bib")).size(), 272 * 3);
    }

    void scanReadsEveryRecordInOrderAcrossBlocks()
    {
        TestFixture fx;
        // More records than one read block holds.
        QByteArray bytes;
        const int total = 5000;
        for (int i = 1; i <= total; ++i)
            bytes += encodeRecord(loan(i));
        fx.writeFile("2015.bib", bytes + QByteArray(10, 'x'));
        Archive<TSchedaPrestito> loans(fx.file("2015.bib"));
        int expected = 0;
        bool inOrder = true;
        QVERIFY(loans.scan([&](int n, const TSchedaPrestito& p) {
            ++expected;
            inOrder = inOrder && n == expected && p.NumTessera == QString::number(n);
            return true;
        }));
        QVERIFY(inOrder);
        QCOMPARE(expected, total);

        int seen = 0;
        QVERIFY(loans.scan([&](int, const TSchedaPrestito&) { return ++seen < 10; }));
        QCOMPARE(seen, 10);
    }

    void unreachableFileIsAnError()
    {
        TestFixture fx;
        QVERIFY(QDir(fx.folder()).mkdir("DVD.pro"));
        Archive<TSchedaDVD> dvds;
        QVERIFY(!dvds.touch());
        QVERIFY(!dvds.count().has_value());
        QVERIFY(!dvds.read(1).has_value());
        QVERIFY(!dvds.append(TSchedaDVD()).has_value());
        QVERIFY(!dvds.scan([](int, const TSchedaDVD&) { return true; }));
    }
};

QTEST_GUILESS_MAIN(TestRecordFile)
#include "tst_recordfile.moc"
