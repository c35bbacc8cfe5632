#include "RecordFile.h"
#include "Search.h"
#include "ShortString.h"
#include "TestFixture.h"

#include <QDir>
#include <QFile>
#include <QtTest>

namespace {

TSchedaLibro book(const QString& code, const QString& title, const QString& author, const QString& genre,
    const QString& cancelled = QStringLiteral("No"), const QString& due = QString())
{
    TSchedaLibro b;
    b.Codice = code;
    b.Titolo = title;
    b.Autore = author;
    b.Genere = genre;
    b.Annullata = cancelled;
    b.Scadenza = due;
    b.Citta = QStringLiteral("Milano");
    b.Editore = QStringLiteral("Adelphi");
    b.Anno = QStringLiteral("1980");
    return b;
}

Search::Criteria criteria(std::initializer_list<std::pair<int, QString>> set)
{
    Search::Criteria c;
    for (const auto& [index, text] : set)
        c[size_t(index)] = text;
    return c;
}

QStringList codesOf(const QStringList& lines)
{
    QStringList codes;
    for (const QString& line : lines)
        codes << line.mid(5, 24).trimmed();
    return codes;
}

} // namespace

Q_DECLARE_METATYPE(Search::Criteria)

class TestSearch : public QObject {
    Q_OBJECT

    std::unique_ptr<TestFixture> fx;

private slots:
    void init()
    {
        fx = std::make_unique<TestFixture>();
        Archive<TSchedaLibro> books;
        books.append(book("B1", "Il giallo di via Roma", "Mario Rossi", "Giallo"));
        books.append(book("B2", "Cronache", "Mario Rossi", "Storico"));
        books.append(book("B3", "Il giallo cancellato", "Ada Rossi", "Giallo", ShortString::kYes));
        books.append(book("B4", "Senza flag", "Rossi", "Giallo", QString()));
        books.append(book("B5", "In prestito", "Luca Rossini", "GIALLO", "No", "12/05/2014"));
        books.append(book("B6", "Due  spazi", "Bianchi", "Storia"));
        books.append(book("B7", "Citt\u00E0 e \u00C8poca", "Verdi", "Saggio"));
    }

    void cleanup() { fx.reset(); }

    void matching_data()
    {
        QTest::addColumn<Search::Criteria>("criteria");
        QTest::addColumn<bool>("available");
        QTest::addColumn<QStringList>("codes");
        QTest::addColumn<int>("counted");
        QTest::newRow("no criteria: every active record")
            << Search::Criteria() << false << QStringList({"B1", "B2", "B5", "B6", "B7"}) << 0;
        QTest::newRow("author and genre")
            << criteria({{2, "rossi"}, {4, "giallo"}}) << false << QStringList({"B1", "B5"}) << 2;
        QTest::newRow("A-Z without regard to case")
            << criteria({{2, "ROSSI"}}) << false << QStringList({"B1", "B2", "B5"}) << 1;
        QTest::newRow("disponibili leave out lent items")
            << criteria({{2, "rossi"}}) << true << QStringList({"B1", "B2"}) << 1;
        QTest::newRow("trailing blank counts and must match")
            << criteria({{0, "giallo "}}) << false << QStringList({"B1"}) << 1;
        QTest::newRow("blanks alone are not counted and never match")
            << criteria({{0, "  "}, {2, "verdi"}}) << false << QStringList({"B7"}) << 1;
        QTest::newRow("blanks alone, nothing else: every active record")
            << criteria({{0, "  "}}) << false << QStringList({"B1", "B2", "B5", "B6", "B7"}) << 0;
        QTest::newRow("accented letters must agree in case")
            << criteria({{0, "\u00E8poca"}}) << false << QStringList() << 1;
        QTest::newRow("accented letters in their case")
            << criteria({{0, "CITT\u00E0 e \u00C8"}}) << false << QStringList({"B7"}) << 1;
        QTest::newRow("a character no archive holds")
            << criteria({{0, "\u0141"}}) << false << QStringList() << 1;
    }

    void matching()
    {
        QFETCH(Search::Criteria, criteria);
        QFETCH(bool, available);
        QFETCH(QStringList, codes);
        QFETCH(int, counted);
        const auto lines = Search::run(available ? availableBooksTable() : booksTable(), criteria);
        QVERIFY(lines.has_value());
        QCOMPARE(codesOf(lines->lines), codes);
        QCOMPARE(Search::countedCriteria(criteria), counted);
    }

    void bookLineAndCutTitles()
    {
        TSchedaLibro b = book("LONG", QString(60, 'T'), "Autore", "Genere");
        QString line = booksTable().listLine.line(encodeRecord(b).constData());
        QCOMPARE(line,
            QStringLiteral("Cod. LONG                      ") + QString(50, 'T') + "  "
                + QStringLiteral("Autore").leftJustified(30) + "  Milano Adelphi 1980");
        const qint64 n = *Archive<TSchedaLibro>().append(b);
        const auto values = Search::handBack(booksTable(), n, "libri");
        QVERIFY(values.has_value());
        QCOMPARE(values->value("Titolo"), QString(60, 'T'));
        QCOMPARE(values->size(), 34);

        TSchedaDVD d;
        d.Codice = "D1";
        d.Titolo = QString(60, 'x');
        d.Regia = "Fellini";
        d.Anno = "1960";
        d.Protagonista = " Mastroianni ";
        QCOMPARE(dvdsTable().listLine.line(encodeRecord(d).constData()),
            QStringLiteral("Cod. D1                        ") + QString(46, 'x')
                + "  Regia: Fellini                       Anno: 1960  Prot. Mastroianni");
    }

    // Two records that give the same line: each line hands back its own record.
    void handBackReadsTheRecordOfTheChosenLine()
    {
        Archive<TSchedaLibro> books;
        books.append(book("B1", "Il giallo di via Roma", "Mario Rossi", "Noir"));
        const auto lines = Search::run(booksTable(), criteria({{1, "B1"}}));
        QCOMPARE(lines->lines.size(), 2);
        QCOMPARE(lines->lines.at(0), lines->lines.at(1));
        QCOMPARE(lines->records, std::vector<qint64>({1, 8}));
        QCOMPARE(Search::handBack(booksTable(), 1, "libri")->value("Genere"), QStringLiteral("Giallo"));
        QCOMPARE(Search::handBack(booksTable(), 8, "libri")->value("Genere"), QStringLiteral("Noir"));

        // Cancelled records are never listed, but a line's record is read whatever it holds now.
        books.append(book("B2", "Annullato", "Rossi", "", ShortString::kYes));
        QCOMPARE(Search::handBack(booksTable(), 9, "consulta_libri")->value("Annullata"), ShortString::kYes);
        QVERIFY(!Search::handBack(booksTable(), 8, "dvd"));
        QVERIFY(!Search::handBack(booksTable(), 8, ""));
        QVERIFY(!Search::handBack(booksTable(), 10, "libri"));
    }

    // An archive of many read blocks is searched in two halves at once: the lines still come in
    // the archive's order, each beside its own record, the longest line counted across both.
    void largeArchiveKeepsTheOrderOfItsRecords()
    {
        QVERIFY(QFile::remove(fx->file("Libri.pro")));
        QByteArray bytes;
        QStringList expectedCodes;
        std::vector<qint64> expectedRecords;
        const int total = 1000;
        for (int i = 1; i <= total; ++i) {
            const bool cancelled = i % 7 == 0;
            const bool rossi = i % 3 == 0;
            const QString code = QStringLiteral("L%1").arg(i);
            // The longest line is near the end, in the second half.
            const QString title = i == 990 ? QString(40, 'T') : QStringLiteral("Titolo");
            bytes += encodeRecord(book(code, title, rossi ? "Mario Rossi" : "Verdi", "Giallo",
                cancelled ? ShortString::kYes : QStringLiteral("No")));
            if (rossi && !cancelled) {
                expectedCodes << code;
                expectedRecords.push_back(i);
            }
        }
        fx->writeFile("Libri.pro", bytes);

        const auto lines = Search::run(booksTable(), criteria({{2, "rossi"}}));
        QVERIFY(lines.has_value());
        QCOMPARE(codesOf(lines->lines), expectedCodes);
        QCOMPARE(lines->records, expectedRecords);
        QCOMPARE(lines->lines.longest(), lines->lines.at(expectedCodes.indexOf("L990")).size());

        const auto all = Search::run(booksTable(), Search::Criteria());
        QCOMPARE(all->lines.size(), total - total / 7);
        QCOMPARE(all->records.back(), qint64(total));
        QCOMPARE(codesOf(all->lines).constLast(), QStringLiteral("L1000"));
    }

    void memberWindow()
    {
        Archive<TSchedaTesserato> members;
        TSchedaTesserato m;
        m.Tesserato = "Rossi Mario";
        m.NumTessera = "27";
        m.Carica = "Classe 3A";
        m.DataRil = "15/06/2014";
        m.DataScade = "15/06/2015";
        m.Recapito = "333 1234567";
        m.Annullata = "No";
        members.append(m);
        m.Tesserato = "Bianchi Ada";
        m.DataScade = "01/01/2016";
        members.append(m);

        const auto lines = Search::run(membersTable(), criteria({{4, "2015"}}));
        QCOMPARE(lines->lines.size(), 1);
        QVERIFY(lines->lines.at(0).startsWith("Rossi Mario"));
        const qint64 rossi = lines->records.at(0);

        const auto card = Search::handBack(membersTable(), rossi, "tessera");
        QCOMPARE(*card,
            (QHash<QString, QString> {{"Tesserato", "Rossi Mario"}, {"Carica", "Classe 3A"},
                {"NumTessera", "27"}, {"DataRil", "15/06/2014"}, {"DataScade", "15/06/2015"}}));
        for (const char* marker : {"reg_prestiti", "reg_restituzioni"}) {
            const auto contact = Search::handBack(membersTable(), rossi, marker);
            QCOMPARE(*contact,
                (QHash<QString, QString> {
                    {"Tesserato", "Rossi Mario"}, {"NumTessera", "27"}, {"Recapito", "333 1234567"}}));
        }
        QCOMPARE(Search::handBack(membersTable(), rossi, "anagrafica")->size(), 35);
    }

    void unreadableArchive()
    {
        QVERIFY(QDir(fx->folder()).mkdir("DVD.pro"));
        QVERIFY(!Search::run(dvdsTable(), Search::Criteria()).has_value());
        QVERIFY(!Search::handBack(dvdsTable(), 1, "dvd").has_value());
    }
};

QTEST_GUILESS_MAIN(TestSearch)
#include "tst_search.moc"
