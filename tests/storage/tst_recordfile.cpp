#include "ArchiveLock.h"
#include "Disk.h"
#include "RecordFile.h"
#include "TestFixture.h"

#include <QDir>
#include <QFile>
#include <QLockFile>
#include <QProcess>
#include <QSet>
#include <QSysInfo>
#include <QtTest>
#include <atomic>
#include <numeric>
#include <thread>

namespace {

TSchedaPrestito loan(int i)
{
    TSchedaPrestito p;
    p.Tesserato = QStringLiteral("Socio %1").arg(i);
    p.NumTessera = QString::number(i);
    return p;
}

// The bytes of loans 1 ... total.
QByteArray loanBytes(int total)
{
    QByteArray bytes;
    for (int i = 1; i <= total; ++i)
        bytes += encodeRecord(loan(i));
    return bytes;
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
        QCOMPARE(books.count(), std::optional<qint64>(0));
        QVERIFY(QFile::exists(fx.file("Libri.pro")));
        QCOMPARE(QFile(fx.file("Libri.pro")).size(), 0);
    }

    void countIsLengthOverSizeAndPartialRecordsAreIgnored()
    {
        TestFixture fx;
        fx.writeFile("Libri.pro", QByteArray(3237 * 5, '\0'));
        QCOMPARE(Archive<TSchedaLibro>().count(), std::optional<qint64>(5));
        fx.writeFile("Libri.pro", QByteArray(3237 * 2 + 100, '\0'));
        Archive<TSchedaLibro> books;
        QCOMPARE(books.count(), std::optional<qint64>(2));
        QVERIFY(!books.read(3).has_value());

        TSchedaLibro book;
        book.Titolo = QStringLiteral("Terzo");
        QCOMPARE(books.append(book), std::optional<qint64>(3));
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
        QCOMPARE(loans.count(), std::optional<qint64>(3));
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
        const int total = 5000;
        fx.writeFile("2015.bib", loanBytes(total) + QByteArray(10, 'x'));
        Archive<TSchedaPrestito> loans(fx.file("2015.bib"));
        int expected = 0;
        bool inOrder = true;
        QVERIFY(loans.scan([&](qint64 n, const TSchedaPrestito& p) {
            ++expected;
            inOrder = inOrder && n == expected && p.NumTessera == QString::number(n);
            return true;
        }));
        QVERIFY(inOrder);
        QCOMPARE(expected, total);

        // Stopping in the first block or in a later one ends the scan there.
        for (const int stopAt : {10, 4000}) {
            int seen = 0;
            QVERIFY(loans.scan([&](qint64, const TSchedaPrestito&) { return ++seen < stopAt; }));
            QCOMPARE(seen, stopAt);
        }
    }

    // The halves between them visit every record once, each half in order, the second after
    // the first; an archive of one read block is all first half.
    void scanInHalvesVisitsEveryRecordOnce_data()
    {
        QTest::addColumn<int>("total");
        QTest::addColumn<bool>("split");
        QTest::newRow("empty") << 0 << false;
        QTest::newRow("one record") << 1 << false;
        QTest::newRow("one block") << 300 << false;
        QTest::newRow("several blocks, even") << 6000 << true;
        QTest::newRow("several blocks, odd") << 6001 << true;
    }

    void scanInHalvesVisitsEveryRecordOnce()
    {
        QFETCH(int, total);
        QFETCH(bool, split);
        TestFixture fx;
        // A partial record at the end is not visited.
        fx.writeFile("2015.bib", loanBytes(total) + QByteArray(10, 'x'));
        // Each half writes only its own list, so the two threads share nothing.
        std::vector<qint64> seen[2];
        bool rightBytes[2] = {true, true};
        QVERIFY(RecordFile(fx.file("2015.bib"), 272).scanInHalves([&](int half, qint64 n, const char* record) {
            seen[half].push_back(n);
            rightBytes[half] = rightBytes[half] && decodeRecord<TSchedaPrestito>(record).NumTessera == QString::number(n);
        }));
        QVERIFY(rightBytes[0] && rightBytes[1]);
        QCOMPARE(!seen[1].empty(), split);
        std::vector<qint64> all = seen[0];
        all.insert(all.end(), seen[1].begin(), seen[1].end());
        std::vector<qint64> expected(static_cast<size_t>(total));
        std::iota(expected.begin(), expected.end(), 1);
        QCOMPARE(all, expected);
        if (split)
            QCOMPARE(qint64(seen[0].size()), qint64(total / 2));
    }

    // A visit that throws (out of memory while adding a line) in either half stops both halves;
    // the exception comes back on the caller's thread only once the other half has let go of the
    // scan's state. The half that does not throw is held at its first record from just before the
    // other throws until a while after, so that it is still reading when it is told to stop.
    void aThrowInEitherHalfStopsBothAndComesBack_data()
    {
        QTest::addColumn<int>("thrower");
        QTest::newRow("first half throws") << 0;
        QTest::newRow("second half throws") << 1;
    }

    void aThrowInEitherHalfStopsBothAndComesBack()
    {
        QFETCH(int, thrower);
        TestFixture fx;
        const int total = 20000;
        fx.writeFile("2015.bib", loanBytes(total));
        const RecordFile file(fx.file("2015.bib"), 272);
        std::atomic<bool> threw {false};
        std::atomic<bool> holding {false};
        std::atomic<int> visited[2] = {0, 0};
        QVERIFY_THROWS_EXCEPTION(std::bad_alloc, file.scanInHalves([&](int half, qint64, const char*) {
            if (++visited[half] > 1)
                return;
            if (half == thrower) {
                while (!holding)
                    std::this_thread::yield();
                threw = true;
                throw std::bad_alloc();
            }
            holding = true;
            while (!threw)
                std::this_thread::yield();
            QThread::msleep(200);
            holding = false;
        }));
        QVERIFY2(!holding, "the exception came back while the other half was still visiting");
        QCOMPARE(visited[thrower].load(), 1);
        QVERIFY(visited[1 - thrower] < total / 2);
        // The archive is free for the next scan.
        std::atomic<int> again {0};
        QVERIFY(file.scanInHalves([&](int, qint64, const char*) { ++again; }));
        QCOMPARE(again.load(), total);
    }

    // A visit that throws in a scan that reads ahead on a second thread: the reading thread stops
    // and the exception comes back.
    void aThrowInAScanComesBack()
    {
        TestFixture fx;
        fx.writeFile("2015.bib", loanBytes(20000));
        Archive<TSchedaPrestito> loans(fx.file("2015.bib"));
        QVERIFY_THROWS_EXCEPTION(std::bad_alloc, loans.scan([](qint64 n, const TSchedaPrestito&) {
            if (n == 5000)
                throw std::bad_alloc();
            return true;
        }));
        qint64 last = 0;
        QVERIFY(loans.scan([&](qint64 n, const TSchedaPrestito&) { return (last = n) > 0; }));
        QCOMPARE(last, 20000);
    }

    void fileCutShortDuringAScanInHalvesIsAnError()
    {
        TestFixture fx;
        // Each half holds several blocks: the first half's next block is read after the cut.
        fx.writeFile("2015.bib", loanBytes(20000));
        QVERIFY(!RecordFile(fx.file("2015.bib"), 272).scanInHalves([&](int half, qint64 n, const char*) {
            if (half == 0 && n == 10)
                QFile::resize(fx.file("2015.bib"), 272 * 100);
        }));
    }

    void fileCutShortDuringAScanIsAnError()
    {
        TestFixture fx;
        // Several blocks, so that the blocks after the first two are read after the cut.
        fx.writeFile("2015.bib", loanBytes(20000));
        Archive<TSchedaPrestito> loans(fx.file("2015.bib"));
        qint64 last = 0;
        QVERIFY(!loans.scan([&](qint64 n, const TSchedaPrestito&) {
            if (n == 10)
                QFile::resize(fx.file("2015.bib"), 272 * 100);
            last = n;
            return true;
        }));
        QVERIFY(last < 20000);
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
        QVERIFY(!dvds.scan([](qint64, const TSchedaDVD&) { return true; }));
        QVERIFY(!dvds.file().scanInHalves([](int, qint64, const char*) {}));
    }

    // Two copies of the program on one shared folder, appending at the same moment.
    void concurrentAppendsLoseNothing()
    {
        TestFixture fx;
        const QString path = fx.file("2015.bib");
        const int each = 1000;
        QProcess first, second;
        for (auto [process, tag] : {std::pair(&first, "A"), std::pair(&second, "B")})
            process->start(QStringLiteral(STORAGE_WORKER), {"append", path, tag, QString::number(each)});
        QSet<qint64> reported;
        QHash<QString, qint64> numberOf;
        for (auto [process, tag] : {std::pair(&first, "A"), std::pair(&second, "B")}) {
            QVERIFY(process->waitForFinished(120000));
            QCOMPARE(process->exitCode(), 0);
            const QList<QByteArray> numbers = process->readAllStandardOutput().split('\n');
            QCOMPARE(numbers.size(), each + 1);
            for (int i = 0; i < each; ++i) {
                const qint64 n = numbers.at(i).toLongLong();
                QVERIFY2(!reported.contains(n), "a record number was reported twice");
                reported.insert(n);
                numberOf.insert(QStringLiteral("%1 %2").arg(tag).arg(i + 1), n);
            }
        }
        QCOMPARE(QFile(path).size(), qint64(272) * 2 * each);
        QVERIFY(!QFile::exists(path + ".lock"));
        Archive<TSchedaPrestito> loans(path);
        QVERIFY(loans.scan([&](qint64 n, const TSchedaPrestito& loan) {
            // Every record is whole and sits where its writer was told it went.
            return numberOf.take(loan.Tesserato + ' ' + loan.NumTessera) == n;
        }));
        QVERIFY(numberOf.isEmpty());
    }

    // Many records added in one locked operation while another copy of the program appends one at
    // a time: each lot lands whole, in one piece, and nothing of either is lost.
    void appendAllWhileAnotherCopyAppends()
    {
        TestFixture fx;
        const QString path = fx.file("2015.bib");
        const int single = 1000;
        const int lots = 20;
        const int perLot = 300;
        QProcess other;
        other.start(QStringLiteral(STORAGE_WORKER), {"append", path, QStringLiteral("A"), QString::number(single)});
        // The lots start once the other copy is appending.
        QTRY_VERIFY_WITH_TIMEOUT(QFile(path).size() >= 272 * 10, 30000);
        const RecordFile file(path, 272);
        QList<qint64> firsts;
        for (int lot = 0; lot < lots; ++lot) {
            int handed = 0;
            const auto first = file.appendAll([] { return true; }, [&]() -> std::optional<QByteArray> {
                QByteArray block;
                for (int i = 0; i < 100 && handed < perLot; ++i, ++handed) {
                    TSchedaPrestito p = loan(handed + 1);
                    p.Tesserato = QStringLiteral("B%1").arg(lot);
                    block += encodeRecord(p);
                }
                return block;
            });
            QVERIFY(first);
            firsts << *first;
        }
        QVERIFY(other.waitForFinished(120000));
        QCOMPARE(other.exitCode(), 0);
        QHash<QString, qint64> numberOf;
        const QList<QByteArray> numbers = other.readAllStandardOutput().split('\n');
        for (int i = 0; i < single; ++i)
            numberOf.insert(QStringLiteral("A %1").arg(i + 1), numbers.at(i).toLongLong());
        for (int lot = 0; lot < lots; ++lot) {
            for (int i = 0; i < perLot; ++i)
                numberOf.insert(QStringLiteral("B%1 %2").arg(lot).arg(i + 1), firsts.at(lot) + i);
        }
        QCOMPARE(QFile(path).size(), qint64(272) * (single + lots * perLot));
        QVERIFY(Archive<TSchedaPrestito>(path).scan([&](qint64 n, const TSchedaPrestito& p) {
            return numberOf.take(p.Tesserato + ' ' + p.NumTessera) == n;
        }));
        QVERIFY(numberOf.isEmpty());
        QVERIFY(!QFile::exists(path + ".lock"));
        // The two really wrote at the same time: the other copy's last record follows the first lot.
        QVERIFY(numbers.at(single - 1).toLongLong() > firsts.first());
    }

    // A lock of this computer whose program has ended goes at once, whatever its date.
    void lockLeftByAnEndedProgramIsTakenOver()
    {
        TestFixture fx;
        QProcess ended;
        ended.start(QStringLiteral(STORAGE_WORKER), {});
        QVERIFY(ended.waitForStarted());
        const qint64 pid = ended.processId();
        QVERIFY(ended.waitForFinished());
        const QString lock = fx.file("Libri.pro.lock");
        fx.writeFile("Libri.pro.lock",
            QByteArray::number(pid) + "\nstorage_worker\n" + QSysInfo::machineHostName().toUtf8() + "\n");
        QFile file(lock);
        QVERIFY(file.open(QIODevice::ReadWrite));
        const QDateTime ahead = QDateTime::currentDateTime().addSecs(3600);
        QVERIFY(file.setFileTime(ahead, QFileDevice::FileModificationTime));
        file.close();
        QCOMPARE(Archive<TSchedaLibro>().append(TSchedaLibro()), std::optional<qint64>(1));
        QVERIFY(!QFile::exists(lock));
    }

    // Two computers whose clocks are an hour apart: the lock of a write still running elsewhere is
    // waited for, never taken for its date. The other copy writes its record while it holds the lock.
    void aLiveLockIsNeverTakenForItsDate_data()
    {
        QTest::addColumn<int>("seconds");
        QTest::addColumn<QString>("computer");
        QTest::newRow("this computer, an hour ahead") << 3600 << "-";
        QTest::newRow("this computer, an hour behind") << -3600 << "-";
        QTest::newRow("another computer, an hour ahead") << 3600 << "altro-computer";
        QTest::newRow("another computer, an hour behind") << -3600 << "altro-computer";
    }

    void aLiveLockIsNeverTakenForItsDate()
    {
        QFETCH(int, seconds);
        QFETCH(QString, computer);
        TestFixture fx;
        Archive<TSchedaPrestito> loans(fx.file("2015.bib"));
        QProcess other;
        other.start(QStringLiteral(STORAGE_WORKER),
            {"hold", loans.file().path(), QString::number(seconds), computer, "700"});
        QVERIFY(other.waitForReadyRead(20000));
        QCOMPARE(other.readLine(), QByteArray("held\n"));
        QCOMPARE(loans.append(loan(1)), std::optional<qint64>(2));
        QVERIFY(other.waitForFinished());
        QCOMPARE(other.exitCode(), 0);
        QCOMPARE(loans.read(1)->Tesserato, QStringLiteral("altro"));
        QCOMPARE(loans.read(2)->NumTessera, QStringLiteral("1"));
    }

    // Another computer's lock is taken over only once this computer has seen it unchanged for the
    // take-over time of its own clock; a lock that changes meanwhile is watched anew.
    void anAbandonedLockIsTakenOverOnlyOnceSeenUnchanged()
    {
        TestFixture fx;
        ArchiveLock::setPatience(100, 800);
        Archive<TSchedaPrestito> loans(fx.file("2015.bib"));
        const auto leave = [&](const QByteArray& pid) {
            fx.writeFile("2015.bib.lock", pid + "\nLettoria\naltro-computer\n");
        };
        leave("4242");
        QVERIFY(!loans.append(loan(1)));
        QTest::qWait(500);
        leave("4343");
        QVERIFY(!loans.append(loan(1)));
        QTest::qWait(500);
        QVERIFY(!loans.append(loan(1)));
        QTest::qWait(400);
        QCOMPARE(loans.append(loan(1)), std::optional<qint64>(1));
        QVERIFY(!QFile::exists(fx.file("2015.bib.lock")));
        ArchiveLock::setPatience(-1, -1);
    }

    void lockHeldElsewhereDelaysTheAppend()
    {
        TestFixture fx;
        Archive<TSchedaPrestito> loans(fx.file("2015.bib"));
        QLockFile other(fx.file("2015.bib.lock"));
        QVERIFY(other.tryLock());
        QTimer::singleShot(300, [&] { other.unlock(); });
        std::optional<qint64> n;
        QThread* writer = QThread::create([&] { n = loans.append(loan(1)); });
        writer->start();
        QVERIFY(QTest::qWaitFor([&] { return writer->isFinished(); }, 5000));
        delete writer;
        QCOMPARE(n, std::optional<qint64>(1));
    }

    // Sizes past 2^31 bytes and records: sparse files, so the disk holds almost nothing.
    void largeFilesUseWideOffsets()
    {
        TestFixture fx;
        const qint64 records = 700000; // 2.2 GB of books
        QFile file(fx.file("Libri.pro"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        QVERIFY(file.resize(records * 3237));
        file.close();
        Archive<TSchedaLibro> books;
        QCOMPARE(books.count(), std::optional<qint64>(records));
        TSchedaLibro last;
        last.Titolo = QStringLiteral("Ultimo");
        QVERIFY(books.write(records, last));
        QCOMPARE(books.read(records)->Titolo, QStringLiteral("Ultimo"));
        QCOMPARE(books.append(last), std::optional<qint64>(records + 1));

        QVERIFY(file.open(QIODevice::WriteOnly));
        QVERIFY(file.resize((RecordFile::kMaxRecords + 1) * 3237));
        file.close();
        // Too many records for an archive: an access error, whatever the operation.
        QVERIFY(!books.count());
        QVERIFY(!books.read(1));
        QVERIFY(!books.append(last));
        QVERIFY(!books.scan([](qint64, const TSchedaLibro&) { return true; }));
        QVERIFY(!books.file().scanInHalves([](int, qint64, const char*) {}));
    }

    // Each fault strikes the journal's step (1) or the archive's (2). A full disk has no room for
    // the journal; once the journal is written, it still takes bytes that replace bytes already
    // there.
    void failedWritesLeaveTheFileAsItWas_data()
    {
        QTest::addColumn<int>("fault");
        QTest::addColumn<int>("nth");
        QTest::addColumn<bool>("append");
        QTest::addColumn<bool>("stored");
        const std::pair<const char*, Disk::Fault> faults[] = {{"error", Disk::Fault::Error},
            {"half", Disk::Fault::Half}, {"full", Disk::Fault::Full}, {"sync", Disk::Fault::Sync},
            {"close", Disk::Fault::Close}, {"read-only", Disk::Fault::ReadOnly}};
        for (const auto& [name, fault] : faults) {
            for (const int nth : {1, 2}) {
                QTest::addRow("append, %s %d", name, nth) << int(fault) << nth << true << false;
                QTest::addRow("overwrite, %s %d", name, nth)
                    << int(fault) << nth << false << (fault == Disk::Fault::Full && nth == 2);
            }
        }
    }

    void failedWritesLeaveTheFileAsItWas()
    {
        QFETCH(int, fault);
        QFETCH(int, nth);
        QFETCH(bool, append);
        QFETCH(bool, stored);
        TestFixture fx;
        Archive<TSchedaPrestito> loans(fx.file("2015.bib"));
        QVERIFY(loans.append(loan(1)) && loans.append(loan(2)));
        // A partial record at the end, which an append writes over.
        fx.writeFile("2015.bib", fx.readFile("2015.bib") + QByteArray(40, 'x'));
        const QByteArray before = fx.readFile("2015.bib");

        Disk::inject(Disk::Fault(fault), nth);
        const bool done = append ? loans.append(loan(3)).has_value() : loans.write(1, loan(3));
        Disk::clearFaults();
        QCOMPARE(done, stored);
        if (!stored)
            QCOMPARE(fx.readFile("2015.bib"), before);
        QCOMPARE(QDir(fx.folder()).entryList(QDir::Files), QStringList({"2015.bib"}));
    }

    // Many records in one operation: all of them at the end, over a partial record, or, whatever
    // goes wrong at whichever block, none of them and the file as it was.
    void appendAllIsAllOrNothing_data()
    {
        QTest::addColumn<int>("fault");
        QTest::addColumn<int>("nth");
        QTest::addColumn<int>("giveUpAt");
        QTest::addColumn<bool>("stored");
        QTest::newRow("no fault") << -1 << 0 << -1 << true;
        const std::pair<const char*, Disk::Fault> faults[] = {{"error", Disk::Fault::Error},
            {"half", Disk::Fault::Half}, {"full", Disk::Fault::Full}, {"sync", Disk::Fault::Sync},
            {"close", Disk::Fault::Close}, {"read-only", Disk::Fault::ReadOnly}};
        for (const auto& [name, fault] : faults) {
            QTest::addRow("%s at the first block", name) << int(fault) << 1 << -1 << false;
            if (fault == Disk::Fault::Error || fault == Disk::Fault::Half || fault == Disk::Fault::Full)
                QTest::addRow("%s at the third block", name) << int(fault) << 3 << -1 << false;
        }
        QTest::newRow("given up at the third block") << -1 << 0 << 2 << false;
        QTest::newRow("given up before the first block") << -1 << 0 << -2 << false;
        QTest::newRow("a block of a record and a half") << -1 << 0 << 10 << false;
    }

    void appendAllIsAllOrNothing()
    {
        QFETCH(int, fault);
        QFETCH(int, nth);
        QFETCH(int, giveUpAt);
        QFETCH(bool, stored);
        TestFixture fx;
        Archive<TSchedaPrestito> loans(fx.file("2015.bib"));
        QVERIFY(loans.append(loan(1)) && loans.append(loan(2)));
        fx.writeFile("2015.bib", fx.readFile("2015.bib") + QByteArray(40, 'x'));
        const QByteArray before = fx.readFile("2015.bib");

        int block = 0;
        if (fault >= 0)
            Disk::inject(Disk::Fault(fault), nth);
        const auto first = loans.file().appendAll([&] { return giveUpAt != -2; }, [&]() -> std::optional<QByteArray> {
            if (block == giveUpAt)
                return std::nullopt;
            if (block == 4)
                return QByteArray();
            QByteArray bytes;
            for (int i = 0; i < 50; ++i)
                bytes += encodeRecord(loan(3 + block * 50 + i));
            if (giveUpAt == 10 && block == 1)
                bytes.chop(136);
            ++block;
            return bytes;
        });
        Disk::clearFaults();
        QCOMPARE(first.has_value(), stored);
        QVERIFY(!QFile::exists(fx.file("2015.bib.lock")));
        if (!stored) {
            QCOMPARE(fx.readFile("2015.bib"), before);
            return;
        }
        QCOMPARE(*first, qint64(3));
        QCOMPARE(loans.count(), std::optional<qint64>(202));
        for (const qint64 n : {qint64(3), qint64(100), qint64(202)})
            QCOMPARE(loans.read(n)->NumTessera, QString::number(n));
    }

    void checkAndChangeUnderOneLock()
    {
        TestFixture fx;
        Archive<TSchedaPrestito> loans(fx.file("2015.bib"));
        QVERIFY(loans.append(loan(1)));
        const RecordFile& file = loans.file();
        const auto lend = [](QByteArray& bytes) {
            TSchedaPrestito p = decodeRecord<TSchedaPrestito>(bytes);
            if (!p.DataRes.isEmpty())
                return false;
            p.DataRes = QStringLiteral("10/06/2015");
            bytes = encodeRecord(p);
            return true;
        };
        QCOMPARE(file.update(1, lend), std::optional<bool>(true));
        QCOMPARE(loans.read(1)->DataRes, QStringLiteral("10/06/2015"));
        const QByteArray after = fx.readFile("2015.bib");
        QCOMPARE(file.update(1, lend), std::optional<bool>(false));
        QCOMPARE(fx.readFile("2015.bib"), after);
        QVERIFY(!file.update(2, lend));
    }

    // Browsing and searching need no write access to an archive that exists.
    void readersNeedNoWriteAccess()
    {
        TestFixture fx;
        Archive<TSchedaPrestito> loans(fx.file("2015.bib"));
        QVERIFY(loans.append(loan(1)));
        Disk::inject(Disk::Fault::ReadOnly);
        QCOMPARE(loans.count(), std::optional<qint64>(1));
        QCOMPARE(loans.read(1)->NumTessera, QStringLiteral("1"));
        QVERIFY(loans.scan([](qint64, const TSchedaPrestito&) { return true; }));
        QVERIFY(!loans.touch());
        QVERIFY(!loans.append(loan(2)));
        // A missing archive is still created by its first reader, which needs write access.
        QVERIFY(!Archive<TSchedaLibro>().count());
        Disk::clearFaults();
    }
};

QTEST_GUILESS_MAIN(TestRecordFile)
#include "tst_recordfile.moc"
