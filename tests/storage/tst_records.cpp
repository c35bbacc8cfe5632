#include "Records.h"
#include "ShortString.h"

#include <QtTest>

namespace {

struct Offset {
    const char* name;
    int offset;
    int capacity;
};

// The layouts as the archive files have them: name, byte offset, capacity.
const std::vector<Offset> kBook = {
    {"Titolo", 0, 250},
    {"Codice", 251, 24},
    {"Convalida", 276, 2},
    {"Scaffale", 279, 50},
    {"Autore", 330, 50},
    {"Nazione", 381, 50},
    {"Curatore", 432, 50},
    {"Dewey", 483, 3},
    {"Pagine", 487, 12},
    {"Genere", 500, 50},
    {"Giudizio", 551, 50},
    {"Editore", 602, 50},
    {"Isbn", 653, 50},
    {"Citta", 704, 50},
    {"Anno", 755, 30},
    {"Volumi", 786, 30},
    {"Prezzo", 817, 30},
    {"Collana", 848, 50},
    {"Formato", 899, 50},
    {"Originale", 950, 250},
    {"Lingua", 1201, 30},
    {"Prima", 1232, 30},
    {"Traduttore", 1263, 50},
    {"Versione", 1314, 30},
    {"Prestato", 1345, 120},
    {"Scadenza", 1466, 10},
    {"Note", 1477, 250},
    {"Annullata", 1728, 2},
    {"File01", 1731, 250},
    {"File02", 1982, 250},
    {"File03", 2233, 250},
    {"Desc01", 2484, 250},
    {"Desc02", 2735, 250},
    {"Desc03", 2986, 250},
};
const std::vector<Offset> kDvd = {
    {"Titolo", 0, 250},
    {"Codice", 251, 24},
    {"Convalida", 276, 2},
    {"Scaffale", 279, 50},
    {"Regia", 330, 50},
    {"Nazione", 381, 50},
    {"Protagonista", 432, 50},
    {"Anno", 483, 4},
    {"Durata", 488, 30},
    {"Genere", 519, 50},
    {"Giudizio", 570, 50},
    {"Distribuzione", 621, 50},
    {"Sceneggiatura", 672, 50},
    {"Collana", 723, 50},
    {"Prezzo", 774, 30},
    {"Cast", 805, 250},
    {"Contenuti", 1056, 250},
    {"Originale", 1307, 250},
    {"Lingua", 1558, 30},
    {"AltreLingue", 1589, 50},
    {"Sottotitoli", 1640, 50},
    {"Premi", 1691, 50},
    {"Note", 1742, 250},
    {"Prestato", 1993, 120},
    {"Scadenza", 2114, 10},
    {"Annullata", 2125, 2},
    {"File01", 2128, 250},
    {"File02", 2379, 250},
    {"File03", 2630, 250},
    {"Desc01", 2881, 250},
    {"Desc02", 3132, 250},
    {"Desc03", 3383, 250},
};
const std::vector<Offset> kMember = {
    {"Tesserato", 0, 50},
    {"Carica", 51, 50},
    {"NumTessera", 102, 24},
    {"DataRil", 127, 10},
    {"DataScade", 138, 10},
    {"DataNasc", 149, 10},
    {"ComuneNasc", 160, 50},
    {"ProvNasc", 211, 2},
    {"Sesso", 214, 1},
    {"ComuneRes", 216, 50},
    {"ProvRes", 267, 2},
    {"CapRes", 270, 5},
    {"IndirizzoRes", 276, 50},
    {"Preavviso", 327, 3},
    {"Titoli", 331, 250},
    {"TelCasa", 582, 30},
    {"TelUff", 613, 30},
    {"TelCel", 644, 30},
    {"Recapito", 675, 50},
    {"Fax", 726, 30},
    {"Email", 757, 50},
    {"CodFisc", 808, 16},
    {"Carta", 825, 30},
    {"ScadeCarta", 856, 30},
    {"PartitaIva", 887, 11},
    {"Iban", 899, 27},
    {"Intestatario", 927, 50},
    {"Note", 978, 250},
    {"Annullata", 1229, 2},
    {"File01", 1232, 250},
    {"File02", 1483, 250},
    {"File03", 1734, 250},
    {"Desc01", 1985, 250},
    {"Desc02", 2236, 250},
    {"Desc03", 2487, 250},
};
const std::vector<Offset> kLoan = {
    {"Tesserato", 0, 50},
    {"NumTessera", 51, 24},
    {"Recapito", 76, 50},
    {"Tipo", 127, 5},
    {"Codice", 133, 24},
    {"Titolo", 158, 80},
    {"Data", 239, 10},
    {"DataSca", 250, 10},
    {"DataRes", 261, 10},
};

// A distinct value per field, with an accent where there is room: "<name> è" cut to the capacity.
QString valueFor(const Offset& o)
{
    return (QString::fromLatin1(o.name) + QStringLiteral(" \u00E8")).left(o.capacity);
}

QByteArray fixtureFor(const std::vector<Offset>& layout, int size)
{
    QByteArray bytes(size, '\0');
    for (const Offset& o : layout) {
        QByteArray text = QString::fromLatin1(o.name).toLatin1() + " \xE8";
        text = text.left(o.capacity);
        // The trimming rule: a cut that ends on the blank leaves it out.
        while (text.endsWith(' '))
            text.chop(1);
        bytes[o.offset] = char(text.size());
        bytes.replace(o.offset + 1, text.size(), text);
    }
    return bytes;
}

template <class R> void checkLayout(const std::vector<Offset>& layout)
{
    QCOMPARE(int(RecordLayout<R>::fields.size()), int(layout.size()));
    R record;
    for (size_t i = 0; i < layout.size(); ++i) {
        QCOMPARE(QLatin1String(RecordLayout<R>::fields[i].name), QLatin1String(layout[i].name));
        record.*RecordLayout<R>::fields[i].member = valueFor(layout[i]);
    }
    const QByteArray expected = fixtureFor(layout, RecordLayout<R>::size);
    const QByteArray written = encodeRecord(record);
    QCOMPARE(written.size(), expected.size());
    for (const Offset& o : layout)
        QVERIFY2(written.mid(o.offset, o.capacity + 1) == expected.mid(o.offset, o.capacity + 1), o.name);
    QCOMPARE(written, expected);

    const R read = decodeRecord<R>(expected);
    for (size_t i = 0; i < layout.size(); ++i)
        QCOMPARE(read.*RecordLayout<R>::fields[i].member, ShortString::trimmed(valueFor(layout[i])));
}

QByteArray field(const QString& text, int capacity)
{
    QByteArray bytes(capacity + 1, '\x55');
    ShortString::store(text, bytes.data(), capacity);
    return bytes;
}

} // namespace

class TestRecords : public QObject {
    Q_OBJECT
private slots:
    void bookLayout() { checkLayout<TSchedaLibro>(kBook); }
    void dvdLayout() { checkLayout<TSchedaDVD>(kDvd); }
    void memberLayout() { checkLayout<TSchedaTesserato>(kMember); }
    void loanLayout() { checkLayout<TSchedaPrestito>(kLoan); }

    void storedFields_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("capacity");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("accents and euro") << QStringLiteral("\u00E8 \u00E0 \u00EC \u00F9 \u20AC") << 10
                                          << QByteArray("\x09\xE8 \xE0 \xEC \xF9 \x80\0", 11);
        QTest::newRow("yes flag") << QStringLiteral("S\u00EC") << 2 << QByteArray("\x02S\xEC");
        QTest::newRow("no flag") << QStringLiteral("No") << 2 << QByteArray("\x02No");
        QTest::newRow("blanks and controls trimmed")
            << QStringLiteral("\t \x01Rossi Mario \r\n") << 12 << QByteArray("\x0BRossi Mario\0\0", 13);
        QTest::newRow("only blanks") << QStringLiteral("   ") << 3 << QByteArray("\0\0\0\0", 4);
        QTest::newRow("unrepresentable") << QStringLiteral("\u0141\u00F3d\u017A") << 4
                                         << QByteArray("\x04?\xF3"
                                                       "d?");
        QTest::newRow("cut to capacity") << QStringLiteral("abcdefgh") << 5
                                         << QByteArray("\x05"
                                                       "abcde");
    }

    void storedFields()
    {
        QFETCH(QString, text);
        QFETCH(int, capacity);
        QFETCH(QByteArray, bytes);
        QCOMPARE(field(text, capacity), bytes);
    }

    void titleOfExactlyTheCapacityAndOneMore()
    {
        TSchedaLibro book;
        book.Titolo = QString(250, QLatin1Char('a'));
        QCOMPARE(decodeRecord<TSchedaLibro>(encodeRecord(book)).Titolo, book.Titolo);
        book.Titolo = QString(250, QLatin1Char('a')) + QLatin1Char('b');
        const QByteArray bytes = encodeRecord(book);
        QCOMPARE(quint8(bytes[0]), quint8(250));
        QCOMPARE(decodeRecord<TSchedaLibro>(bytes).Titolo, QString(250, QLatin1Char('a')));
        QCOMPARE(bytes[251], '\0'); // the code's length byte follows at once
    }

    void cancelledFlagOfABook()
    {
        TSchedaLibro book;
        book.Annullata = ShortString::kYes;
        QCOMPARE(encodeRecord(book).mid(1728, 3), QByteArray("\x02S\xEC"));
        book.Annullata = ShortString::kNo;
        QCOMPARE(encodeRecord(book).mid(1728, 3), QByteArray("\x02No"));
    }

    void loadedFields_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("capacity");
        QTest::addColumn<QString>("text");
        QTest::newRow("blanks around") << QByteArray("\x08  Rossi \0\0", 11) << 10 << QStringLiteral("Rossi");
        QTest::newRow("bytes after the text ignored") << QByteArray("\x02NoXYZ") << 5 << QStringLiteral("No");
        QTest::newRow("damaged length byte") << QByteArray("\xFF"
                                                           "abcdef")
                                             << 6 << QStringLiteral("abcdef");
        QTest::newRow("empty") << QByteArray("\0xx", 3) << 2 << QString();
    }

    void loadedFields()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(int, capacity);
        QFETCH(QString, text);
        QCOMPARE(ShortString::load(bytes.constData(), capacity), text);
    }
};

QTEST_GUILESS_MAIN(TestRecords)
#include "tst_records.moc"
