#include "RecordFile.h"
#include "Search.h"
#include "ShortString.h"
#include "TestFixture.h"

#include <QDir>
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
        QCOMPARE(codesOf(*lines), codes);
        QCOMPARE(Search::countedCriteria(criteria), counted);
    }

    void bookLineAndCutTitles()
    {
        TSchedaLibro b = book("LONG", QString(60, 'T'), "Autore", "Genere");
        QString line = bookLine(encodeRecord(b).constData());
        QCOMPARE(line,
            QStringLiteral("Cod. LONG                      ") + QString(50, 'T') + "  "
                + QStringLiteral("Autore").leftJustified(30) + "  Milano Adelphi 1980");
        Archive<TSchedaLibro>().append(b);
        const auto hits = Search::handBack(booksTable(), line + "  ", "libri");
        QVERIFY(hits.has_value());
        QCOMPARE(int(hits->size()), 1);
        QCOMPARE(hits->front().position, 8);
        QCOMPARE(hits->front().values.value("Titolo"), QString(60, 'T'));
        QCOMPARE(hits->front().values.size(), 34);

        TSchedaDVD d;
        d.Codice = "D1";
        d.Titolo = QString(60, 'x');
        d.Regia = "Fellini";
        d.Anno = "1960";
        d.Protagonista = " Mastroianni ";
        QCOMPARE(dvdLine(encodeRecord(d).constData()),
            QStringLiteral("Cod. D1                        ") + QString(46, 'x')
                + "  Regia: Fellini                       Anno: 1960  Prot. Mastroianni");
    }

    void handBackFindsEveryEqualLineEvenCancelledOnes()
    {
        Archive<TSchedaLibro> books;
        books.append(book("B1", "Il giallo di via Roma", "Mario Rossi", "Giallo", ShortString::kYes));
        const QString line
            = bookLine(encodeRecord(book("B1", "Il giallo di via Roma", "Mario Rossi", "")).constData());
        const auto hits = Search::handBack(booksTable(), line, "consulta_libri");
        QCOMPARE(int(hits->size()), 2);
        QCOMPARE(hits->at(0).position, 1);
        QCOMPARE(hits->at(1).position, 8);
        QCOMPARE(hits->at(1).values.value("Annullata"), ShortString::kYes);
        QVERIFY(Search::handBack(booksTable(), line, "dvd")->empty());
        QVERIFY(Search::handBack(booksTable(), line, "")->empty());
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
        QCOMPARE(lines->size(), 1);
        QVERIFY(lines->at(0).startsWith("Rossi Mario"));

        const auto card = Search::handBack(membersTable(), lines->at(0), "tessera");
        QCOMPARE(card->front().values,
            (QHash<QString, QString> {{"Tesserato", "Rossi Mario"}, {"Carica", "Classe 3A"},
                {"NumTessera", "27"}, {"DataRil", "15/06/2014"}, {"DataScade", "15/06/2015"}}));
        for (const char* marker : {"reg_prestiti", "reg_restituzioni"}) {
            const auto contact = Search::handBack(membersTable(), lines->at(0), marker);
            QCOMPARE(contact->front().values,
                (QHash<QString, QString> {
                    {"Tesserato", "Rossi Mario"}, {"NumTessera", "27"}, {"Recapito", "333 1234567"}}));
        }
        QCOMPARE(Search::handBack(membersTable(), lines->at(0), "anagrafica")->front().values.size(), 35);
    }

    void unreadableArchive()
    {
        QVERIFY(QDir(fx->folder()).mkdir("DVD.pro"));
        QVERIFY(!Search::run(dvdsTable(), Search::Criteria()).has_value());
        QVERIFY(!Search::handBack(dvdsTable(), "x", "dvd").has_value());
    }
};

QTEST_GUILESS_MAIN(TestSearch)
#include "tst_search.moc"
