// Every archive write against a disk that fails at any step, once or for good, and a program that
// ends at any step: the next opener always finds the old records or the new ones, never a mix, and
// a write said done is always the one the files hold.
#include "ArchiveWriters.h"
#include "Disk.h"
#include "Journal.h"
#include "RecordFile.h"
#include "TestFixture.h"

#include <QCryptographicHash>
#include <QDir>
#include <QProcess>
#include <QRegularExpression>
#include <QtEndian>
#include <QtTest>

namespace {

using Files = QMap<QString, QByteArray>;

int recordSizeOf(const QString& name)
{
    return name.endsWith(QLatin1String(".bib")) ? RecordLayout<TSchedaPrestito>::size
                                                : RecordLayout<TSchedaLibro>::size;
}

// What the files hold for a reader, who first puts back what an interrupted write left; nothing
// when a file cannot be opened. A missing register reads as an empty year.
std::optional<Files> readFiles(const TestFixture& fx, const QStringList& names)
{
    Files files;
    for (const QString& name : names) {
        if (!RecordFile(fx.file(name), recordSizeOf(name)).count())
            return std::nullopt;
        files.insert(name, fx.readFile(name));
    }
    return files;
}

QStringList leftOver(const TestFixture& fx)
{
    return QDir(fx.folder()).entryList({"*.journal"}, QDir::Files);
}

// A writer's files before and after its write, and the steps the write takes.
struct Outcomes {
    Files before;
    Files after;
    int steps = 0;
};

Outcomes outcomesOf(const ArchiveWriter& writer)
{
    TestFixture fx;
    writer.prepare();
    Outcomes o;
    o.before = readFiles(fx, writer.files).value_or(Files());
    Disk::clearFaults();
    if (!writer.write())
        qWarning("%s failed on a sound disk", writer.name);
    o.steps = Disk::stepsTaken();
    o.after = readFiles(fx, writer.files).value_or(Files());
    return o;
}

// Rows of every writer in each mode.
template <class Mode> void addWriterRows(const std::vector<std::pair<const char*, Mode>>& modes)
{
    QTest::addColumn<int>("writer");
    QTest::addColumn<Mode>("mode");
    const QList<ArchiveWriter>& writers = archiveWriters();
    for (int w = 0; w < writers.size(); ++w) {
        for (const auto& [name, mode] : modes)
            QTest::addRow("%s, %s", writers.at(w).name, name) << w << mode;
    }
}

// Books 1 and 2 and loans 1 and 2, as the files hold them after a transaction: record 1 of each
// changed from what its journal keeps.
struct TwoFiles {
    QByteArray booksOld, booksNew, loansOld, loansNew;
};

TwoFiles twoFiles(const TestFixture& fx)
{
    TwoFiles t;
    TSchedaLibro book;
    book.Titolo = QStringLiteral("Primo");
    t.booksOld = encodeRecord(book) + encodeRecord(book);
    book.Prestato = QStringLiteral("Tessera n. 27");
    t.booksNew = encodeRecord(book) + t.booksOld.mid(3237);
    TSchedaPrestito loan;
    loan.NumTessera = QStringLiteral("27");
    t.loansOld = encodeRecord(loan) + encodeRecord(loan);
    loan.DataRes = QStringLiteral("12/06/2015");
    t.loansNew = encodeRecord(loan) + t.loansOld.mid(272);
    fx.writeFile("Libri.pro", t.booksNew);
    fx.writeFile("2015.bib", t.loansNew);
    return t;
}

Journal::Entry entryOf(
    quint64 transaction, bool commitRecord, const QStringList& others, const QByteArray& old)
{
    Journal::Entry e;
    e.transaction = transaction;
    e.commitRecord = commitRecord;
    e.others = others;
    e.oldSize = old.size() * 2;
    e.offset = 0;
    e.old = old;
    return e;
}

} // namespace

Q_DECLARE_METATYPE(Disk::Failing)

class TestJournal : public QObject {
    Q_OBJECT
private slots:
    // The layout the note describes, and no journal from bytes that are not a whole one: a journal
    // cut by a crash, or one byte changed, is no journal.
    void aJournalIsWholeOrNothing()
    {
        const Journal::Entry entry = entryOf(0x0102030405060708, false, {"Libri.pro"}, QByteArray("vecchio"));
        const QByteArray bytes = Journal::encode(entry);
        QCOMPARE(bytes.left(8), QByteArray("LTRJRNL1"));
        QCOMPARE(qFromLittleEndian<quint64>(bytes.constData() + 8), quint64(0x0102030405060708));
        QCOMPARE(int(bytes[16]), 1);
        QCOMPARE(qFromLittleEndian<qint64>(bytes.constData() + 17), qint64(14));
        QCOMPARE(qFromLittleEndian<qint64>(bytes.constData() + 25), qint64(0));
        QCOMPARE(qFromLittleEndian<quint32>(bytes.constData() + 33), quint32(9));
        QCOMPARE(bytes.mid(37, 9), QByteArray("Libri.pro"));
        QCOMPARE(qFromLittleEndian<quint32>(bytes.constData() + 46), quint32(7));
        QCOMPARE(bytes.mid(50, 7), QByteArray("vecchio"));
        QCOMPARE(bytes.mid(57), QCryptographicHash::hash(bytes.left(57), QCryptographicHash::Sha256));

        const auto back = Journal::decode(bytes);
        QVERIFY(back);
        QCOMPARE(back->transaction, entry.transaction);
        QCOMPARE(back->commitRecord, false);
        QCOMPARE(back->others, entry.others);
        QCOMPARE(back->oldSize, entry.oldSize);
        QCOMPARE(back->offset, entry.offset);
        QCOMPARE(back->old, entry.old);
        for (int cut = 0; cut < bytes.size(); ++cut)
            QVERIFY2(!Journal::decode(bytes.left(cut)), qPrintable(QString::number(cut)));
        for (int i = 0; i < bytes.size(); ++i) {
            QByteArray changed = bytes;
            changed[i] = char(changed[i] ^ 0x10);
            QVERIFY2(!Journal::decode(changed), qPrintable(QString::number(i)));
        }
        QVERIFY(!Journal::decode(bytes + '\0'));
    }

    // Each step of each write fails once, for good (a pulled stick) or every other time (a share
    // that comes and goes, failing again while the old bytes are put back): the write is said
    // done exactly when the files, as the next opener finds them, hold the new records.
    void everyWriterThroughEveryStepFault_data()
    {
        addWriterRows<Disk::Failing>({{"once", Disk::Failing::Once}, {"for good", Disk::Failing::ForGood},
            {"alternately", Disk::Failing::Alternately}});
    }

    void everyWriterThroughEveryStepFault()
    {
        QFETCH(int, writer);
        QFETCH(Disk::Failing, mode);
        const ArchiveWriter& w = archiveWriters().at(writer);
        const Outcomes o = outcomesOf(w);
        QVERIFY(o.before != o.after && o.steps > 0);
        for (int step = 1; step <= o.steps; ++step) {
            TestFixture fx;
            w.prepare();
            Disk::failStep(step, mode);
            const bool stored = w.write();
            Disk::clearFaults();
            const auto files = readFiles(fx, w.files);
            const QByteArray at = QByteArray("at step ") + QByteArray::number(step);
            QVERIFY2(files, at);
            QVERIFY2(*files == (stored ? o.after : o.before), at);
            QVERIFY2(leftOver(fx).isEmpty(), at);
        }
    }

    // Another copy of the program ends at each step of each write, before the step or halfway
    // through it: the next opener finds the old records up to the commit and the new ones after
    // it, never a mix; the lock the ended program left does not stop the next write.
    void everyWriterEndedAtEveryStep_data()
    {
        addWriterRows<bool>({{"before the step", false}, {"halfway", true}});
    }

    void everyWriterEndedAtEveryStep()
    {
        QFETCH(int, writer);
        QFETCH(bool, mode);
        const ArchiveWriter& w = archiveWriters().at(writer);
        const Outcomes o = outcomesOf(w);
        QString states;
        for (int step = 1; step <= o.steps; ++step) {
            TestFixture fx;
            w.prepare();
            QProcess other;
            other.start(QStringLiteral(STORAGE_WORKER),
                {"crash", fx.folder(), w.name, QString::number(step), mode ? "1" : "0"});
            const QByteArray at = QByteArray("at step ") + QByteArray::number(step);
            QVERIFY2(other.waitForFinished(60000), at);
            QCOMPARE(other.exitCode(), Disk::kCrashExitCode);
            const auto files = readFiles(fx, w.files);
            QVERIFY2(files, at);
            QVERIFY2(*files == o.before || *files == o.after, at + " leaves a mix");
            states += *files == o.after ? QLatin1Char('N') : QLatin1Char('O');
            QVERIFY2(leftOver(fx).isEmpty(), at);
            for (const QString& name : w.files) {
                const int size = recordSizeOf(name);
                QVERIFY2(RecordFile(fx.file(name), size).append(QByteArray(size, '\0')), at);
            }
        }
        // Old up to the commit, new from it on; both are met.
        QVERIFY2(QRegularExpression("^O+N+$").match(states).hasMatch(), qPrintable(states));
    }

    // Hand-made journals of a loan, as an interrupted transaction leaves them; either file opened
    // first. A partner is rolled back only while the commit record of its own transaction is there.
    void journalsDecideByTheirTransaction_data()
    {
        QTest::addColumn<QString>("journals");
        QTest::addColumn<bool>("booksBack");
        QTest::addColumn<bool>("loansBack");
        QTest::addColumn<bool>("registerFirst");
        const std::tuple<const char*, const char*, bool, bool> rows[] = {
            {"partner alone, its transaction ended", "B", false, false},
            {"partner and its commit record", "AB", true, true},
            {"commit record alone, its partner already back", "A", true, false},
            {"partner and a later write's commit record", "YB", true, false},
            {"partner and a torn commit record", "TB", false, false},
        };
        for (const auto& [name, journals, booksBack, loansBack] : rows) {
            for (const bool registerFirst : {false, true})
                QTest::addRow("%s, %s first", name, registerFirst ? "register" : "books")
                    << QString::fromLatin1(journals) << booksBack << loansBack << registerFirst;
        }
    }

    void journalsDecideByTheirTransaction()
    {
        QFETCH(QString, journals);
        QFETCH(bool, booksBack);
        QFETCH(bool, loansBack);
        QFETCH(bool, registerFirst);
        TestFixture fx;
        const TwoFiles t = twoFiles(fx);
        const QString books = fx.file("Libri.pro");
        const QString loans = fx.file("2015.bib");
        const QByteArray oldBook = t.booksOld.left(3237);
        for (const QChar j : journals) {
            if (j == QLatin1Char('A'))
                QVERIFY(Journal::write(books, entryOf(7, true, {"2015.bib"}, oldBook)));
            if (j == QLatin1Char('Y'))
                QVERIFY(Journal::write(books, entryOf(8, true, {}, oldBook)));
            if (j == QLatin1Char('T'))
                fx.writeFile(
                    "Libri.pro.journal", Journal::encode(entryOf(7, true, {"2015.bib"}, oldBook)).chopped(1));
            if (j == QLatin1Char('B'))
                QVERIFY(Journal::write(loans, entryOf(7, false, {"Libri.pro"}, t.loansOld.left(272))));
        }
        Archive<TSchedaLibro> bookArchive;
        Archive<TSchedaPrestito> loanArchive(loans);
        if (registerFirst)
            QCOMPARE(loanArchive.count(), std::optional<qint64>(2));
        QCOMPARE(bookArchive.count(), std::optional<qint64>(2));
        QCOMPARE(loanArchive.count(), std::optional<qint64>(2));
        QCOMPARE(fx.readFile("Libri.pro"), booksBack ? t.booksOld : t.booksNew);
        QCOMPARE(fx.readFile("2015.bib"), loansBack ? t.loansOld : t.loansNew);
        QVERIFY(leftOver(fx).isEmpty());
    }

    // On a write-protected stick the old records cannot be put back: readers report an access
    // error rather than read the torn ones, and leave the journal for an opener that can.
    void aReaderThatCannotPutBackReportsAnAccessError()
    {
        TestFixture fx;
        const TwoFiles t = twoFiles(fx);
        QVERIFY(Journal::write(fx.file("Libri.pro"), entryOf(7, true, {}, t.booksOld.left(3237))));
        Archive<TSchedaLibro> books;
        Disk::inject(Disk::Fault::ReadOnly);
        QVERIFY(!books.count());
        QVERIFY(!books.read(1));
        QVERIFY(!books.scan([](qint64, const TSchedaLibro&) { return true; }));
        QVERIFY(!books.file().scanInHalves([](int, qint64, const char*) {}));
        QVERIFY(!books.touch());
        Disk::clearFaults();
        QCOMPARE(fx.readFile("Libri.pro"), t.booksNew);
        QCOMPARE(leftOver(fx), QStringList({"Libri.pro.journal"}));
        QCOMPARE(books.read(1)->Prestato, QString());
        QVERIFY(leftOver(fx).isEmpty());
    }

    // Putting back what a failed loan left meets the same failing disk, at each of its steps, once
    // or for good: the next opener that can still finds the old records.
    void puttingBackSurvivesItsOwnFaults_data()
    {
        QTest::addColumn<Disk::Failing>("failing");
        QTest::newRow("once") << Disk::Failing::Once;
        QTest::newRow("for good") << Disk::Failing::ForGood;
        QTest::newRow("alternately") << Disk::Failing::Alternately;
    }

    void puttingBackSurvivesItsOwnFaults()
    {
        QFETCH(Disk::Failing, failing);
        const ArchiveWriter& lending = archiveWriters().at(2);
        QCOMPARE(lending.name, "lending");
        const Outcomes o = outcomesOf(lending);
        TestFixture fx;
        // The first step failing for good that leaves the register written and its journal there.
        Files torn;
        for (int step = 1; step <= o.steps && torn.isEmpty(); ++step) {
            lending.prepare();
            Disk::failStep(step, Disk::Failing::ForGood);
            lending.write();
            Disk::clearFaults();
            const QStringList names = QDir(fx.folder()).entryList(QDir::Files);
            if (fx.readFile("2015.bib") != o.before.value("2015.bib") && leftOver(fx).size() == 2) {
                for (const QString& name : names)
                    torn.insert(name, fx.readFile(name));
            }
            for (const QString& name : names)
                QFile::remove(fx.file(name));
        }
        QVERIFY(!torn.isEmpty());
        for (int step = 1;; ++step) {
            for (auto file = torn.cbegin(); file != torn.cend(); ++file)
                fx.writeFile(file.key(), file.value());
            Disk::failStep(step, failing);
            const bool read = readFiles(fx, lending.files).has_value();
            const bool struck = Disk::stepsTaken() >= step;
            Disk::clearFaults();
            QCOMPARE(readFiles(fx, lending.files), std::optional<Files>(o.before));
            QVERIFY(leftOver(fx).isEmpty());
            if (!struck) {
                QVERIFY(read);
                break;
            }
        }
    }
};

QTEST_GUILESS_MAIN(TestJournal)
#include "tst_journal.moc"
