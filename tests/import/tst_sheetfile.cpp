// The readers of the files a library brings in: CSV in the dialects spreadsheet programs write,
// in the encodings they save, and the program's own spreadsheet exports, old and new.
#include "Csv.h"
#include "HtmlTable.h"
#include "SheetFile.h"

#include <QtTest>

namespace {

using Rows = QList<QStringList>;

// The bytes of a literal that holds zero bytes, all of them.
template <size_t N> QByteArray binary(const char (&bytes)[N])
{
    return QByteArray(bytes, N - 1);
}

Rows rowsOf(const SheetTable& table)
{
    Rows rows;
    for (int r = 0; r < table.rowCount(); ++r) {
        QStringList row;
        for (int c = 0; c < table.columnCount(r); ++c)
            row << table.cell(r, c).toString();
        rows << row;
    }
    return rows;
}

QByteArray utf16(const QString& text, bool littleEndian, bool mark)
{
    QByteArray bytes;
    if (mark)
        bytes += littleEndian ? QByteArray("\xFF\xFE") : QByteArray("\xFE\xFF");
    for (const QChar c : text) {
        const char low = char(c.unicode() & 0xFF);
        const char high = char(c.unicode() >> 8);
        bytes += littleEndian ? QByteArray {&low, 1} + QByteArray {&high, 1}
                              : QByteArray {&high, 1} + QByteArray {&low, 1};
    }
    return bytes;
}

} // namespace

class TestSheetFile : public QObject {
    Q_OBJECT
private slots:
    void csvDialects_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("separator");
        QTest::addColumn<int>("encoding");
        QTest::addColumn<Rows>("rows");
        const int utf8 = int(SheetFile::Encoding::Utf8);
        const int ansi = int(SheetFile::Encoding::Windows1252);
        const int wide = int(SheetFile::Encoding::Utf16);
        QTest::newRow("comma, CR LF") << QByteArray("Titolo,Autore\r\nUno,Rossi\r\n") << "," << utf8
                                      << Rows {{"Titolo", "Autore"}, {"Uno", "Rossi"}};
        QTest::newRow("semicolon, commas inside fields")
            << QByteArray("Titolo;Autore\nUno, due e tre;Rossi, Mario\nQuattro;Verdi\n") << ";" << utf8
            << Rows {{"Titolo", "Autore"}, {"Uno, due e tre", "Rossi, Mario"}, {"Quattro", "Verdi"}};
        QTest::newRow("tab") << QByteArray("Titolo\tAutore\nUno; due\tRossi\n") << "\t" << utf8
                             << Rows {{"Titolo", "Autore"}, {"Uno; due", "Rossi"}};
        QTest::newRow("quoted separator, quotes and line break")
            << QByteArray("Titolo;Note\r\n\"a;b\";\"detto \"\"ciao\"\"\r\nseconda riga\"\r\nc;d\r\n") << ";"
            << utf8 << Rows {{"Titolo", "Note"}, {"a;b", "detto \"ciao\"\r\nseconda riga"}, {"c", "d"}};
        QTest::newRow("CR alone ends lines")
            << QByteArray("a,b\rc,d\r") << "," << utf8 << Rows {{"a", "b"}, {"c", "d"}};
        QTest::newRow("no line end at the end")
            << QByteArray("a;b\nc;d") << ";" << utf8 << Rows {{"a", "b"}, {"c", "d"}};
        QTest::newRow("separator at the end of lines")
            << QByteArray("a;b;\nc;d;") << ";" << utf8 << Rows {{"a", "b", ""}, {"c", "d", ""}};
        QTest::newRow("empty line kept as an empty row")
            << QByteArray("a;b\n\nc;d\n") << ";" << utf8 << Rows {{"a", "b"}, {""}, {"c", "d"}};
        QTest::newRow("text after a closing quote")
            << QByteArray("\"ab\"c;d\nx;y") << ";" << utf8 << Rows {{"abc", "d"}, {"x", "y"}};
        QTest::newRow("a quote inside a field is itself")
            << QByteArray("a\"b;c\nd;e") << ";" << utf8 << Rows {{"a\"b", "c"}, {"d", "e"}};
        QTest::newRow("one column") << QByteArray("Titolo\nUno\nDue\n") << ";" << utf8
                                    << Rows {{"Titolo"}, {"Uno"}, {"Due"}};
        QTest::newRow("UTF-8 with byte-order mark")
            << QByteArray("\xEF\xBB\xBF"
                          "Citt\xC3\xA0;Titolo\nForl\xC3\xAC;\xE2\x82\xAC 5\n")
            << ";" << utf8 << Rows {{"Citt\u00E0", "Titolo"}, {"Forl\u00EC", "\u20AC 5"}};
        QTest::newRow("UTF-8 without mark") << QByteArray("Citt\xC3\xA0,X\nPer\xC3\xB9,Y\n") << "," << utf8
                                            << Rows {{"Citt\u00E0", "X"}, {"Per\u00F9", "Y"}};
        QTest::newRow("Windows-1252") << QByteArray("Citt\xE0;X\nPer\xF9;\x80 5\n") << ";" << ansi
                                      << Rows {{"Citt\u00E0", "X"}, {"Per\u00F9", "\u20AC 5"}};
        const QString text = QStringLiteral("Titolo\tCitt\u00E0\r\nUno\tForl\u00EC\r\n");
        const Rows wideRows {{"Titolo", "Citt\u00E0"}, {"Uno", "Forl\u00EC"}};
        QTest::newRow("UTF-16 LE with mark") << utf16(text, true, true) << "\t" << wide << wideRows;
        QTest::newRow("UTF-16 BE with mark") << utf16(text, false, true) << "\t" << wide << wideRows;
        QTest::newRow("UTF-16 LE without mark") << utf16(text, true, false) << "\t" << wide << wideRows;
    }

    void csvDialects()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, separator);
        QFETCH(int, encoding);
        QFETCH(Rows, rows);
        const SheetFile::Sheet sheet = SheetFile::read(bytes);
        QCOMPARE(int(sheet.failure), int(SheetFile::Failure::None));
        QCOMPARE(int(sheet.format), int(SheetFile::Format::Csv));
        QCOMPARE(QString(sheet.separator), separator);
        QCOMPARE(int(sheet.encoding), encoding);
        QCOMPARE(rowsOf(sheet.table), rows);
        QCOMPARE(sheet.brokenRow, -1);
    }

    void filesThatAreNoSheet_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("failure");
        QTest::newRow("empty") << QByteArray() << int(SheetFile::Failure::Empty);
        QTest::newRow("blank lines") << QByteArray("  \r\n\t\r\n") << int(SheetFile::Failure::Empty);
        QTest::newRow("byte-order mark alone")
            << QByteArray("\xEF\xBB\xBF") << int(SheetFile::Failure::Empty);
        QTest::newRow("PNG picture") << binary("\x89PNG\r\n\x1A\n\0\0\0\rIHDR\0\0\0\x10")
                                     << int(SheetFile::Failure::Binary);
        QTest::newRow("JPEG picture") << binary("\xFF\xD8\xFF\xE0\0\x10JFIF\0\x01\x01\0\0\x01")
                                      << int(SheetFile::Failure::Binary);
        QTest::newRow("control characters")
            << QByteArray("a\x01\x02\x03\x04;b\x05\x06\x07\x08\n") << int(SheetFile::Failure::Binary);
        QTest::newRow("xlsx or ods workbook")
            << binary("PK\x03\x04\x14\0\x06\0") << int(SheetFile::Failure::Workbook);
        QTest::newRow("binary xls workbook")
            << binary("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1\0\0") << int(SheetFile::Failure::OldWorkbook);
        // Bytes Windows-1252 leaves unassigned: a text of another code page.
        QTest::newRow("another code page")
            << QByteArray("Titolo;Autore\nCaf\x8E;Per\x9D\n") << int(SheetFile::Failure::Encoding);
        QTest::newRow("web page without a table")
            << QByteArray("<html><body><p>Ciao</p></body></html>") << int(SheetFile::Failure::NoTable);
    }

    void filesThatAreNoSheet()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(int, failure);
        QCOMPARE(int(SheetFile::read(bytes).failure), failure);
    }

    // The rows before an unclosed quote are read; the row where it opens is named.
    void unclosedQuote()
    {
        const SheetFile::Sheet sheet
            = SheetFile::read("Titolo;Autore\nUno;Rossi\n\"Due;Verdi\nTre;Bianchi\n");
        QCOMPARE(int(sheet.failure), int(SheetFile::Failure::None));
        QCOMPARE(sheet.brokenRow, 2);
        QCOMPARE(rowsOf(sheet.table), (Rows {{"Titolo", "Autore"}, {"Uno", "Rossi"}}));
    }

    void readingStopsWhenAsked()
    {
        QByteArray big = "Titolo;Autore\n";
        while (big.size() < 2 * 1024 * 1024)
            big += "Un titolo qualsiasi;Un autore qualsiasi\n";
        int calls = 0;
        const SheetFile::Sheet sheet = SheetFile::read(big, [&](qint64 done, qint64 total) {
            ++calls;
            return done < total / 2;
        });
        QCOMPARE(int(sheet.failure), int(SheetFile::Failure::Cancelled));
        QVERIFY(calls > 1);
    }

    void tooLargeOrUnreadableFile()
    {
        QTemporaryDir dir;
        QFile file(dir.filePath("enorme.csv"));
        QVERIFY(file.open(QIODevice::WriteOnly) && file.resize(SheetFile::kMaxBytes + 1));
        file.close();
        QCOMPARE(int(SheetFile::readFile(file.fileName()).failure), int(SheetFile::Failure::TooLarge));
        QCOMPARE(int(SheetFile::readFile(QStringLiteral("/nessuna/cartella/file.csv")).failure),
            int(SheetFile::Failure::Unreadable));
    }

    void exportedSpreadsheets_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<Rows>("rows");
        const QByteArray head
            = "<html xmlns:o=\"urn:schemas-microsoft-com:office:office\" "
              "xmlns:x=\"urn:schemas-microsoft-com:office:excel\" "
              "xmlns=\"http://www.w3.org/TR/REC-html40\"><head><meta http-equiv=\"Content-Type\" "
              "content=\"text/html; charset=windows-1252\"><!--[if gte mso 9]><xml>"
              "<x:ExcelWorkbook><x:ExcelWorksheets><x:ExcelWorksheet><x:Name>Riepilogo Libri"
              "</x:Name></x:ExcelWorksheet></x:ExcelWorksheets></x:ExcelWorkbook></xml>"
              "<![endif]--></head><body><table x:str><tr>"
              "<td style=\"text-align: left; font-weight: bold;\" width=350>Titolo libro</td>"
              "<td style=\"text-align: left; font-weight: bold;\" width=250>Citt\xE0 pubblicazione"
              "</td></tr>";
        QTest::newRow("cells written bare")
            << head
                + "<tr><td style=\"text-align: left;\">Fiabe <illustrate> & altro  bis</td>"
                  "<td style=\"text-align: left;\">Forl\xEC</td></tr><tr><td style=\"text-align: left;\">"
                  "a<b</td><td style=\"text-align: left;\"></td></tr></table></body></html>"
            << Rows {{"Titolo libro", "Citt\u00E0 pubblicazione"},
                   {"Fiabe <illustrate> & altro  bis", "Forl\u00EC"}, {"a<b", ""}};
        QTest::newRow("cells marked as text, entities and kept blanks")
            << head
                + "<tr><td sdnum=\"1040;0;@\" style=\"text-align: left; mso-number-format:'\\@';\">"
                  "Fiabe &lt;illustrate&gt; &amp; altro&nbsp; bis</td>"
                  "<td sdnum=\"1040;0;@\" style=\"text-align: left; mso-number-format:'\\@';\">0012</td>"
                  "</tr></table></body></html>"
            << Rows {
                   {"Titolo libro", "Citt\u00E0 pubblicazione"}, {"Fiabe <illustrate> & altro  bis", "0012"}};
        QTest::newRow("as a spreadsheet program saves it")
            << QByteArray(
                   "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.0 Transitional//EN\">\n<HTML>\n<BODY>\n"
                   "<!-- <table><tr><td>commento</td></tr></table> -->\n"
                   "<TABLE CELLSPACING=\"0\" BORDER=\"0\">\n<TR>\n\t<TH ALIGN=\"left\">Titolo</TH>\n"
                   "\t<TD ALIGN=\"left\" TITLE=\"a > b\"><FONT FACE=\"Arial\">Autore</FONT></TD>\n</TR>\n"
                   "<TR>\n\t<TD COLSPAN=2>Due\n\t\tcolonne</TD>\n</TR>\n<TR><TD>Prima<BR>seconda</TD>"
                   "<TD>&#232; &#xE0; &egrave;</TD></TR>\n</TABLE>\n</BODY>\n</HTML>\n")
            << Rows {{"Titolo", "Autore"}, {"Due colonne", ""}, {"Prima\nseconda", "\u00E8 \u00E0 \u00E8"}};
        QTest::newRow("a table inside a cell belongs to that cell")
            << QByteArray("<table><tr><td>a<table><tr><td>b</td></tr></table></td><td>c</td></tr></table>")
            << Rows {{"ab", "c"}};
    }

    void exportedSpreadsheets()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(Rows, rows);
        const SheetFile::Sheet sheet = SheetFile::read(bytes);
        QCOMPARE(int(sheet.failure), int(SheetFile::Failure::None));
        QCOMPARE(int(sheet.format), int(SheetFile::Format::Html));
        QCOMPARE(rowsOf(sheet.table), rows);
    }
};

QTEST_APPLESS_MAIN(TestSheetFile)
#include "tst_sheetfile.moc"
