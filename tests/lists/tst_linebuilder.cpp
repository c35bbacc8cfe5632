#include "LineBuilder.h"
#include "LineStore.h"
#include "ListLines.h"
#include "ShortString.h"
#include "Windows1252.h"

#include <QtTest>

namespace {

// The column rule written plainly, on decoded texts: trimmed, followed by blanks, cut to width.
QString pad(const QString& text, int width)
{
    return (ShortString::trimmed(text) + QString(width, ' ')).left(width);
}

// What every member line must equal.
QString plainMemberLine(const TSchedaTesserato& m)
{
    return pad(m.Tesserato, 30) + QStringLiteral("  Tessera n. ") + pad(m.NumTessera, 20)
        + QStringLiteral("  Scad. ") + pad(m.DataScade, 10) + QStringLiteral("  Tel. ") + pad(m.Recapito, 12)
        + QStringLiteral("  ") + ShortString::trimmed(m.Note);
}

} // namespace

class TestLineBuilder : public QObject {
    Q_OBJECT
private slots:
    void memberLine()
    {
        TSchedaTesserato member;
        member.Tesserato = QStringLiteral(" Rossi Mario ");
        member.NumTessera = QStringLiteral("A27");
        member.DataScade = QStringLiteral("15/06/2015");
        member.Recapito = QStringLiteral("333 1234567 (sera)");
        member.Note = QStringLiteral("Socio dal 2010 ");
        QCOMPARE(memberListLine().line(encodeRecord(member).constData()),
            QStringLiteral("Rossi Mario                     Tessera n. A27                   "
                           "Scad. 15/06/2015  Tel. 333 1234567   Socio dal 2010"));
    }

    void padColumns_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("width");
        QTest::addColumn<QString>("padded");
        QTest::newRow("blanks around") << QStringLiteral("  Rossi  ") << 8 << QStringLiteral("Rossi   ");
        QTest::newRow("longer") << QString(30, QLatin1Char('x')) << 24 << QString(24, QLatin1Char('x'));
        QTest::newRow("empty") << QString() << 5 << QStringLiteral("     ");
    }

    void padColumns()
    {
        QFETCH(QString, text);
        QFETCH(int, width);
        QFETCH(QString, padded);
        TSchedaPrestito loan;
        loan.Titolo = text;
        LineBuilder b;
        b.text("[").pad(RecordType::of<TSchedaPrestito>().spot("Titolo"), width).text("]");
        QCOMPARE(b.line(encodeRecord(loan).constData()), "[" + padded + "]");
    }

    void sameTextAsTheColumnRule_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("note");
        QTest::newRow("empty fields") << QString() << QString();
        QTest::newRow("exactly the width") << QString(30, 'N') << "x";
        QTest::newRow("longer than the width") << QString(45, 'L') + "fine" << QString(200, 'n');
        QTest::newRow("code page characters") << QStringLiteral("Citt\u00E0 \u20AC \u2019 \u0160") << "\u00E8";
        QTest::newRow("inner blanks kept, outer ones dropped") << "\t Anna  Maria \n" << "  a  b  ";
        QTest::newRow("a cut ending in a blank") << QString(29, 'x') + " y" << QString();
    }

    void sameTextAsTheColumnRule()
    {
        QFETCH(QString, name);
        QFETCH(QString, note);
        TSchedaTesserato m;
        m.Tesserato = name;
        m.Note = note;
        m.NumTessera = QStringLiteral("12");
        const QByteArray bytes = encodeRecord(m);
        const QString line = plainMemberLine(decodeRecord<TSchedaTesserato>(bytes));
        QCOMPARE(memberListLine().line(bytes.constData()), line);
        // Written straight from the bytes into a list, the line reads back the same.
        LineStore store;
        store.append(memberListLine(), bytes.constData());
        QCOMPARE(store.at(0), line);
        QCOMPARE(store.longest(), memberListLine().length(bytes.constData()));
    }

    // Lines given as text keep every character of the code page, in the order given; a character
    // it has no byte for is a '?'.
    void storeKeepsTheCodePage()
    {
        QString every;
        for (int b = 1; b < 256; ++b)
            every += Windows1252::decode(QByteArray(1, char(b)));
        const LineStore store {every, QString(), QStringLiteral("Omega Ω")};
        QCOMPARE(store.size(), 3);
        QCOMPARE(store.at(0), every);
        QCOMPARE(store.at(1), QString());
        QCOMPARE(store.at(2), QStringLiteral("Omega ?"));
        QCOMPARE(store.longest(), 255);
        QCOMPARE(QStringList(store), QStringList({every, QString(), QStringLiteral("Omega ?")}));
    }

    // A store that grows past the size where its block is renewed several times keeps every line
    // where it was, and knows which line each byte belongs to.
    void largeStoreKeepsEveryLine()
    {
        QStringList lines;
        for (int i = 0; i < 120000; ++i)
            lines << QString::number(i) + QString(i % 97, QLatin1Char(char('a' + i % 26)));
        LineStore store(lines);
        store.squeeze();
        QCOMPARE(store.size(), lines.size());
        QCOMPARE(store.longest(), 6 + 96);
        qsizetype begin = 0;
        for (qsizetype i = 0; i < store.size(); ++i) {
            QCOMPARE(store.at(i), lines.at(i));
            QCOMPARE(store.lineOf(begin), i);
            begin = store.endOf(i);
            QCOMPARE(store.lineOf(begin - 1), i);
        }
        QCOMPARE(qsizetype(store.bytes().size()), begin);
        QCOMPARE(QStringList(store), lines);
    }

    // A store joined after another: its lines follow in order, found by their bytes where they now
    // lie; an empty store on either side changes nothing.
    void joinedStoresKeepTheirLines()
    {
        const QStringList first = {QStringLiteral("uno"), QString(), QStringLiteral("perché")};
        const QStringList second = {QStringLiteral("quattro cinque"), QStringLiteral("sei")};
        LineStore joined(first);
        joined.append(LineStore(second));
        QCOMPARE(QStringList(joined), first + second);
        QCOMPARE(joined.longest(), 14);
        QCOMPARE(joined.lineOf(joined.endOf(2)), 3);
        QCOMPARE(joined.endOf(4), qsizetype(joined.bytes().size()));

        LineStore empty;
        empty.append(joined);
        empty.append(LineStore());
        QCOMPARE(QStringList(empty), first + second);
        QCOMPARE(empty.longest(), 14);

        empty.append(empty);
        QCOMPARE(QStringList(empty), first + second + first + second);
    }

    // Blanks and control characters stored around a text (another program wrote the file) are
    // not part of any column.
    void storedBlanksAreTrimmed()
    {
        QByteArray bytes = encodeRecord(TSchedaTesserato());
        const FieldSpot name = RecordType::of<TSchedaTesserato>().spot("Tesserato");
        const QByteArray raw = " \t Rossi\x0d ";
        bytes[name.offset] = char(raw.size());
        bytes.replace(name.offset + 1, raw.size(), raw);
        QVERIFY(memberListLine().line(bytes.constData()).startsWith(pad("Rossi", 30) + "  Tessera n. "));
    }

    // A length byte above the capacity (a damaged file) reads as the capacity, as the decoder does.
    void damagedLengthReadsAsTheCapacity()
    {
        TSchedaTesserato m;
        m.Note = QStringLiteral("nota");
        QByteArray bytes = encodeRecord(m);
        const FieldSpot note = RecordType::of<TSchedaTesserato>().spot("Note");
        bytes[note.offset] = char(0xFF);
        QCOMPARE(memberListLine().line(bytes.constData()), plainMemberLine(decodeRecord<TSchedaTesserato>(bytes)));
    }
};

QTEST_GUILESS_MAIN(TestLineBuilder)
#include "tst_linebuilder.moc"
