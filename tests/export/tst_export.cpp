#include "ClickableLabel.h"
#include "Disk.h"
#include "ExportWindow.h"
#include "LinuxTools.h"
#include "MessageBox.h"
#include "Modal.h"
#include "RecordFile.h"
#include "ShortString.h"
#include "Spreadsheet.h"
#include "TMisc.h"
#include "TestFixture.h"

#include <QDir>
#include <QHeaderView>
#include <QProcess>
#include <QTableView>
#include <QtTest>

namespace {

const QString kAskExport = QStringLiteral(
    "L'esportazione dei dati in Excel pu\u00F2 richiedere diversi minuti a seconda del numero di schede presenti in "
    "archivio.\r\n\r\nSi vuole esportare i dati adesso?");
const QString kAskOpen = QStringLiteral(
    "Le schede in archivio sono state esportate con successo.\r\n\r\nSi vuole aprire il file di Excel?");
const QString kExportError = QStringLiteral(
    "Attenzione: il sistema non permette di esportare i dati.\n\r\n\rAccertarsi che il file di Excel non sia gi\u00E0 "
    "aperto.");

const QString kItalian = QStringLiteral("it_IT.UTF-8");

// A spreadsheet as a spreadsheet program shows it: every cell, and the cells it holds as numbers
// rather than as text.
struct Sheet {
    QList<QStringList> rows;
    QStringList numbers;
};

// Opens the files in LibreOffice, headless, in the given locale, and reads each back from a CSV
// copy: every cell as shown, in UTF-8, semicolons between cells, each text cell between double
// quotes, so that a cell without quotes is a number.
QList<Sheet> sheetsRead(const QStringList& files, const QString& folder, const QString& locale = kItalian)
{
    QProcess soffice;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("LC_ALL"), locale);
    environment.insert(QStringLiteral("LANG"), locale);
    soffice.setProcessEnvironment(environment);
    // Its options: ";", '"', UTF-8, ..., every text cell quoted, ..., each cell as it is shown.
    const QString filter = QStringLiteral("csv:Text - txt - csv (StarCalc):59,34,76,1,,0,true,false,true");
    const QStringList options({QStringLiteral("--headless"),
        QStringLiteral("-env:UserInstallation=file://") + folder + QStringLiteral("lo"),
        QStringLiteral("--convert-to"), filter, QStringLiteral("--outdir"), folder + QStringLiteral("csv")});
    soffice.start(QStringLiteral("soffice"), options + files);
    if (!soffice.waitForFinished(180000))
        return {};
    QList<Sheet> sheets;
    for (const QString& file : files) {
        QFile csv(folder + QStringLiteral("csv/") + QFileInfo(file).completeBaseName()
            + QStringLiteral(".csv"));
        if (!csv.open(QIODevice::ReadOnly))
            return {};
        Sheet sheet;
        // Fields between double quotes, doubled quotes inside.
        const QString text = QString::fromUtf8(csv.readAll());
        QStringList row;
        QString field;
        bool quoted = false;
        bool wasQuoted = false;
        const auto endField = [&] {
            if (!wasQuoted && !field.isEmpty())
                sheet.numbers << field;
            row << field;
            field.clear();
            wasQuoted = false;
        };
        for (int i = 0; i < text.size(); ++i) {
            const QChar c = text.at(i);
            if (quoted) {
                if (c == QLatin1Char('"') && i + 1 < text.size() && text.at(i + 1) == QLatin1Char('"')) {
                    field += c;
                    ++i;
                } else if (c == QLatin1Char('"')) {
                    quoted = false;
                } else {
                    field += c;
                }
            } else if (c == QLatin1Char('"')) {
                quoted = true;
                wasQuoted = true;
            } else if (c == QLatin1Char(';')) {
                endField();
            } else if (c == QLatin1Char('\n')) {
                endField();
                sheet.rows << row;
                row.clear();
            } else if (c != QLatin1Char('\r')) {
                field += c;
            }
        }
        sheets << sheet;
    }
    return sheets;
}

QList<QStringList> cellsRead(const QString& file, const QString& folder)
{
    return sheetsRead({file}, folder).value(0).rows;
}

void answerYesThenNo()
{
    MessageBox::scriptAnswer(MessageBox::Answer::Yes);
    MessageBox::scriptAnswer(MessageBox::Answer::No);
}

} // namespace

class TestExport : public QObject {
    Q_OBJECT
private slots:
    void writerByteForByte()
    {
        const QByteArray file = Spreadsheet::content(QStringLiteral("Foglio"),
            {{QStringLiteral("Titolo"), 350}, {QStringLiteral("Citt\u00E0"), 250}},
            {{QStringLiteral("  Fiabe  <illustrate>\t& altro "), QStringLiteral("Forl\u00EC")},
                {QStringLiteral("000123"), QStringLiteral("a \t\r\nb")}});
        // A data cell, marked as text for LibreOffice and for Excel.
        const QByteArray text
            = "<td style=\"text-align: left; mso-number-format:&quot;\\@&quot;;\" sdnum=\"1040;0;@\">";
        const QByteArray expected = "<html xmlns:o=\"urn:schemas-microsoft-com:office:office\" "
                                    "xmlns:x=\"urn:schemas-microsoft-com:office:excel\" "
                                    "xmlns=\"http://www.w3.org/TR/REC-html40\"><head><meta http-equiv=\"Content-Type\" "
                                    "content=\"text/html; charset=windows-1252\"><!--[if gte mso 9]><xml>"
                                    "<x:ExcelWorkbook><x:ExcelWorksheets><x:ExcelWorksheet><x:Name>Foglio</x:Name>"
                                    "<x:WorksheetOptions><x:Selected/><x:Panes><x:Pane><x:Number>1</x:Number>"
                                    "<x:ActiveRow>3</x:ActiveRow></x:Pane></x:Panes>"
                                    "<x:ProtectContents>False</x:ProtectContents>"
                                    "<x:ProtectObjects>False</x:ProtectObjects>"
                                    "<x:ProtectScenarios>False</x:ProtectScenarios></x:WorksheetOptions>"
                                    "</x:ExcelWorksheet></x:ExcelWorksheets></x:ExcelWorkbook></xml><![endif]-->"
                                    "</head><body><table x:str><tr>"
                                    "<td style=\"text-align: left; font-weight: bold;\" width=350>Titolo</td>"
                                    "<td style=\"text-align: left; font-weight: bold;\" width=250>Citt\xE0</td></tr>"
                                    "<tr>"
            + text + "Fiabe &nbsp;&lt;illustrate&gt; &amp; altro</td>" + text + "Forl\xEC</td></tr>"
            + "<tr>" + text + "000123</td>" + text + "a &nbsp;&nbsp;&nbsp;b</td></tr></table></body></html>";
        QCOMPARE(file, expected);
        QVERIFY(!file.contains('\n') && !file.startsWith("\xEF\xBB\xBF"));
    }

    void archiveExportedAndOpened()
    {
        SKIP_WITHOUT_LINUX_TOOL("LibreOffice");
        TestFixture fx;
        Archive<TSchedaLibro> books;
        for (const char* title : {" Fiabe <illustrate> & altro ", "Citt\u00E0 e \u00C8poca", "Terzo"}) {
            TSchedaLibro b;
            b.Titolo = QString::fromUtf8(title);
            b.Codice = QStringLiteral("C-") + QString::number(books.count().value_or(0) + 1);
            b.Annullata = ShortString::kNo;
            books.append(b);
        }
        TfrmExpLibri window(nullptr);
        QCOMPARE(window.windowTitle(), QStringLiteral(" Esporta archivio libri in Microsoft Excel"));
        QCOMPARE(window.size(), QSize(862, 560));
        auto* model = window.grdRecords->model();
        QCOMPARE(model->rowCount(), 3);
        // The view knows of the rows, not only the model.
        QCOMPARE(window.grdRecords->verticalHeader()->count(), 3);
        QCOMPARE(model->columnCount(), 26);
        QCOMPARE(model->headerData(0, Qt::Horizontal).toString(), QStringLiteral("N."));
        QCOMPARE(model->headerData(13, Qt::Horizontal).toString(), QStringLiteral("Citt\u00E0 pubblicazione"));
        QCOMPARE(model->data(model->index(2, 0)).toString(), QStringLiteral("3"));
        QVERIFY(window.grdRecords->alternatingRowColors());

        MessageBox::scriptAnswer(MessageBox::Answer::Yes);
        window.cmdEsporta->clicked();
        QCOMPARE(TestFixture::messages(), QStringList({kAskExport, kAskOpen}));
        QCOMPARE(TMisc::recorded(), QStringList({"\"" + fx.file("Libri.xls") + "\""}));
        const QList<QStringList> cells = cellsRead(fx.file("Libri.xls"), fx.folder());
        QCOMPARE(cells.size(), 4);
        QCOMPARE(cells.at(0).size(), 25);
        QCOMPARE(cells.at(0).at(0), QStringLiteral("Titolo libro"));
        QCOMPARE(cells.at(0).at(24), QStringLiteral("Scheda annullata"));
        QCOMPARE(cells.at(1).at(0), QStringLiteral("Fiabe <illustrate> & altro"));
        QCOMPARE(cells.at(2).at(0), QString::fromUtf8("Citt\u00E0 e \u00C8poca"));
        QCOMPARE(cells.at(3).at(1), QStringLiteral("C-3"));
        QCOMPARE(cells.at(3).at(24), QStringLiteral("No"));

        // A second export replaces the file; No to the first question writes nothing.
        MessageBox::clearShown();
        MessageBox::scriptAnswer(MessageBox::Answer::No);
        fx.writeFile("Libri.xls", "vecchio");
        window.cmdEsporta->clicked();
        QCOMPARE(TestFixture::messages(), QStringList({kAskExport}));
        QCOMPARE(fx.readFile("Libri.xls"), QByteArray("vecchio"));
    }

    void membersJoinTheirCells()
    {
        SKIP_WITHOUT_LINUX_TOOL("LibreOffice");
        TestFixture fx;
        Archive<TSchedaTesserato> members;
        TSchedaTesserato m;
        m.Tesserato = QStringLiteral("Rossi Mario");
        m.ComuneNasc = QStringLiteral("Roma");
        m.CapRes = QStringLiteral("00100");
        m.ComuneRes = QStringLiteral("Roma");
        m.ProvRes = QStringLiteral("RM");
        m.Preavviso = QStringLiteral("10");
        m.Annullata = ShortString::kYes;
        members.append(m);
        TfrmExpAnagrafica window(nullptr);
        QCOMPARE(window.rows().size(), 1);
        const QStringList row = window.rows().at(0);
        QCOMPARE(row.size(), 25);
        QCOMPARE(row.at(6), QStringLiteral("Roma"));
        QCOMPARE(row.at(8), QStringLiteral("00100 Roma RM"));
        QCOMPARE(row.at(24), ShortString::kYes);
        answerYesThenNo();
        window.cmdEsporta->clicked();
        const QList<QStringList> cells = cellsRead(fx.file("Tesserati.xls"), fx.folder());
        QCOMPARE(cells.size(), 2);
        QCOMPARE(cells.at(0).at(10), QStringLiteral("Titoli di studio e altre qualifiche"));
        QCOMPARE(cells.at(0).at(17), QStringLiteral("Codice fiscale"));
        QCOMPARE(cells.at(1).at(8), QStringLiteral("00100 Roma RM"));
        QCOMPARE(cells.at(1).at(24), QStringLiteral("S\u00EC"));
    }

    void dvdsAndAnEmptyArchive()
    {
        SKIP_WITHOUT_LINUX_TOOL("LibreOffice");
        TestFixture fx;
        TfrmExpDVD window(nullptr);
        QCOMPARE(window.rows().size(), 0);
        answerYesThenNo();
        window.cmdEsporta->clicked();
        const QList<QStringList> cells = cellsRead(fx.file("DVD.xls"), fx.folder());
        QCOMPARE(cells.size(), 1);
        QCOMPARE(cells.at(0).size(), 23);
        QCOMPARE(cells.at(0).at(6), QStringLiteral("Anno"));
    }

    // The register exports: every loan, or only the overdue ones; a due date that does not parse
    // is skipped, not the end of the list.
    void registerExports()
    {
        SKIP_WITHOUT_LINUX_TOOL("LibreOffice");
        TestFixture fx;
        Archive<TSchedaPrestito> loans(fx.file("2015.bib"));
        const auto loan = [&](const QString& code, const QString& due, const QString& returned) {
            TSchedaPrestito p;
            p.Tesserato = QStringLiteral("Rossi & figli");
            p.NumTessera = QStringLiteral("27");
            p.Tipo = QStringLiteral("Libro");
            p.Codice = code;
            p.Titolo = QStringLiteral("Titolo <") + code + QLatin1Char('>');
            p.Data = QStringLiteral("01/05/2015");
            p.DataSca = due;
            p.DataRes = returned;
            loans.append(p);
        };
        loan("OGGI", "10/06/2015", "");
        loan("IERI", "09/06/2015", "");
        loan("ROTTA", "31/02/2015", "");
        loan("RESO", "01/06/2015", "05/06/2015");
        loan("VECCHIO", "15/05/2015", "");
        for (int i = 0; i < 20; ++i)
            loan(QStringLiteral("X%1").arg(i), "30/06/2015", "");

        TfrmExpPrestiti all(fx.file("2015.bib"), nullptr);
        QCOMPARE(all.windowTitle(), QStringLiteral(" Esporta archivio prestiti libri e DVD in Microsoft Excel"));
        QCOMPARE(all.rows().size(), 25);
        QCOMPARE(all.grdRecords->model()->data(all.grdRecords->model()->index(24, 0)).toString(), QStringLiteral("25"));
        answerYesThenNo();
        all.cmdEsporta->clicked();
        const QList<QStringList> everything = cellsRead(fx.file("Registro_Prestiti.xls"), fx.folder());
        QCOMPARE(everything.size(), 26);
        QCOMPARE(everything.at(0),
            QStringList({"Data prestito", "Tipo", "Codice identificativo", "Titolo", "Data scadenza",
                "Data restituzione", "Cognome e nome utente", "Tessera n.", "Recapito preferenziale"}));
        QCOMPARE(everything.at(2).at(3), QStringLiteral("Titolo <IERI>"));
        QCOMPARE(everything.at(2).at(6), QStringLiteral("Rossi & figli"));

        TfrmExpPrestitiSca overdue(fx.file("2015.bib"), nullptr);
        QStringList codes;
        for (const QStringList& row : overdue.rows())
            codes << row.at(2);
        QCOMPARE(codes, QStringList({"IERI", "VECCHIO"}));
        QCOMPARE(overdue.grdRecords->model()->data(overdue.grdRecords->model()->index(1, 0)).toString(),
            QStringLiteral("2"));
        answerYesThenNo();
        overdue.cmdEsporta->clicked();
        QCOMPARE(cellsRead(fx.file("Prestiti_Scaduti.xls"), fx.folder()).size(), 3);
    }

    // The register grids keep the register's own column widths.
    void registerGridWidths()
    {
        TestFixture fx;
        for (const bool overdue : {false, true}) {
            std::unique_ptr<ExportWindow> window;
            if (overdue)
                window = std::make_unique<TfrmExpPrestitiSca>(fx.file("2015.bib"), nullptr);
            else
                window = std::make_unique<TfrmExpPrestiti>(fx.file("2015.bib"), nullptr);
            QList<int> widths;
            for (int c = 0; c < window->grdRecords->model()->columnCount(); ++c)
                widths << window->grdRecords->columnWidth(c);
            QCOMPARE(widths, QList<int>({60, 150, 100, 180, 350, 150, 150, 250, 200, 200}));
        }
    }

    // An archive or register that is there but cannot be read is the access error: the window
    // does not open, and no spreadsheet with a header alone is offered as a success.
    void anUnreadableSourceOpensNoExport()
    {
        TestFixture fx;
        QVERIFY(QDir(fx.folder()).mkdir("Libri.pro"));
        QVERIFY(QDir(fx.folder()).mkdir("2015.bib"));
        TfrmExpLibri books(nullptr);
        TfrmExpPrestiti loans(fx.file("2015.bib"), nullptr);
        QCOMPARE(books.runModal(), int(QDialog::Rejected));
        QCOMPARE(loans.runModal(), int(QDialog::Rejected));
        const QString access = QStringLiteral(
            "Attenzione: il sistema non permette di accedere all'archivio.\n\r\n\r"
            "Accertarsi di possedere i privilegi di scrittura nella cartella di installazione del programma.");
        QCOMPARE(TestFixture::messages(), QStringList({access, access}));
        QCOMPARE(Modal::opened(), QStringList());

        // A register not yet made is an empty year: the window opens on no rows.
        TfrmExpPrestitiSca empty(fx.file("2016.bib"), nullptr);
        empty.runModal();
        QCOMPARE(Modal::opened(), QStringList({"frmExpPrestitiSca"}));
        QCOMPARE(empty.rows().size(), 0);
    }

    // Every cell of the five exports, opened in LibreOffice in an Italian and in an English locale,
    // reads as the text of its record: leading zeros, long digit strings, prices, a leading "=",
    // runs of blanks, accents and the characters of HTML all kept, and no cell taken as a number.
    void everyCellReadsAsItsText_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("decimal");
        QTest::newRow("italiano") << kItalian << QStringLiteral("2,5");
        QTest::newRow("inglese") << QStringLiteral("en_US.UTF-8") << QStringLiteral("2.5");
    }

    void everyCellReadsAsItsText()
    {
        QFETCH(QString, locale);
        QFETCH(QString, decimal);
        TestFixture fx;
        const QString title = QStringLiteral("Citt\u00E0  e   \u00C8poca <illustrate> & altro");
        TSchedaLibro b;
        b.Titolo = title;
        b.Codice = QStringLiteral("000123");
        b.Dewey = QStringLiteral("004");
        b.Pagine = QStringLiteral("1.234");
        b.Isbn = QStringLiteral("9788807900051");
        b.Anno = QStringLiteral("2015");
        b.Volumi = QStringLiteral("+3");
        b.Prezzo = QStringLiteral("12,50");
        b.Note = QStringLiteral("= da rivedere");
        b.Annullata = ShortString::kNo;
        Archive<TSchedaLibro>().append(b);
        TSchedaDVD d;
        d.Titolo = QStringLiteral("L'ultimo  bacio");
        d.Codice = QStringLiteral("000045");
        d.Anno = QStringLiteral("2001");
        d.Durata = QStringLiteral("110");
        d.Prezzo = QStringLiteral("9,90");
        d.Note = QStringLiteral("=1+1");
        d.Annullata = ShortString::kYes;
        Archive<TSchedaDVD>().append(d);
        TSchedaTesserato m;
        m.Tesserato = QStringLiteral("Rossi  Mario");
        m.NumTessera = QStringLiteral("0001");
        m.DataNasc = QStringLiteral("01/02/1990");
        m.CapRes = QStringLiteral("00184");
        m.ComuneRes = QStringLiteral("Roma");
        m.ProvRes = QStringLiteral("RM");
        m.IndirizzoRes = QStringLiteral("Via  Appia   12");
        m.TelCasa = QStringLiteral("0612345678");
        m.Carta = QStringLiteral("1234567890123456789");
        m.ScadeCarta = QStringLiteral("12/2027");
        m.PartitaIva = QStringLiteral("01234567890");
        m.Note = QStringLiteral("+39 06 1234");
        m.Annullata = ShortString::kNo;
        Archive<TSchedaTesserato>().append(m);
        Archive<TSchedaPrestito> register2015(fx.file("2015.bib"));
        TSchedaPrestito p;
        p.Tesserato = m.Tesserato;
        p.NumTessera = m.NumTessera;
        p.Recapito = m.TelCasa;
        p.Tipo = QStringLiteral("Libro");
        p.Codice = b.Codice;
        p.Titolo = title;
        p.Data = QStringLiteral("01/05/2015");
        p.DataSca = QStringLiteral("09/06/2015");
        register2015.append(p);
        p.Codice = d.Codice;
        p.DataRes = QStringLiteral("05/06/2015");
        register2015.append(p);

        TfrmExpLibri books(nullptr);
        TfrmExpDVD dvds(nullptr);
        TfrmExpAnagrafica members(nullptr);
        TfrmExpPrestiti loans(fx.file("2015.bib"), nullptr);
        TfrmExpPrestitiSca overdue(fx.file("2015.bib"), nullptr);
        const QList<ExportWindow*> windows({&books, &dvds, &members, &loans, &overdue});
        for (ExportWindow* window : windows) {
            answerYesThenNo();
            window->cmdEsporta->clicked();
        }
        const QStringList names({"Libri.xls", "DVD.xls", "Tesserati.xls", "Registro_Prestiti.xls",
            "Prestiti_Scaduti.xls", "Controllo.xls"});
        // Two cells not marked as text: only the decimal number of the locale is read as a number,
        // which shows that LibreOffice worked in that locale.
        fx.writeFile(names.last(),
            "<html><body><table><tr><td>2,5</td><td>2.5</td></tr></table></body></html>");
        QStringList files;
        for (const QString& name : names)
            files << fx.file(name);
        const QList<Sheet> sheets = sheetsRead(files, fx.folder(), locale);
        QCOMPARE(sheets.size(), names.size());
        QCOMPARE(sheets.last().numbers, QStringList({decimal}));

        // Every data cell against the row it was written from, all differences at once.
        QStringList wrong;
        for (int s = 0; s < windows.size(); ++s) {
            const QList<QStringList>& rows = windows.at(s)->rows();
            const Sheet& sheet = sheets.at(s);
            QCOMPARE(sheet.rows.size(), rows.size() + 1);
            for (int r = 0; r < rows.size(); ++r) {
                QCOMPARE(sheet.rows.at(r + 1).size(), rows.at(r).size());
                for (int c = 0; c < rows.at(r).size(); ++c) {
                    if (sheet.rows.at(r + 1).at(c) != rows.at(r).at(c))
                        wrong << QStringLiteral("%1 row %2 column %3: [%4] instead of [%5]")
                                     .arg(names.at(s)).arg(r + 1).arg(c + 1)
                                     .arg(sheet.rows.at(r + 1).at(c), rows.at(r).at(c));
                }
            }
            for (const QString& number : sheet.numbers)
                wrong << names.at(s) + QStringLiteral(": a number, ") + number;
        }
        for (const QString& difference : wrong)
            qWarning().noquote() << difference;
        QVERIFY2(wrong.isEmpty(), "cells read otherwise than written");

        // The rows held the records' own texts.
        struct Cell {
            int sheet, column;
            QString text;
        };
        const QList<Cell> cells({{0, 0, title}, {0, 1, b.Codice}, {0, 6, b.Dewey}, {0, 7, b.Pagine},
            {0, 11, b.Isbn}, {0, 14, b.Volumi}, {0, 15, b.Prezzo}, {0, 23, b.Note}, {1, 0, d.Titolo},
            {1, 13, d.Prezzo}, {1, 21, d.Note}, {2, 0, m.Tesserato}, {2, 2, m.NumTessera},
            {2, 8, QStringLiteral("00184 Roma RM")}, {2, 9, m.IndirizzoRes}, {2, 11, m.TelCasa},
            {2, 18, m.Carta}, {2, 20, m.PartitaIva}, {3, 2, b.Codice}, {3, 3, title}, {3, 7, m.NumTessera},
            {3, 8, m.TelCasa}, {4, 2, b.Codice}});
        for (const Cell& cell : cells)
            QCOMPARE(sheets.at(cell.sheet).rows.at(1).at(cell.column), cell.text);
        QCOMPARE(sheets.at(4).rows.size(), 2);
    }

    void aFailedWriteIsTheExportError()
    {
        TestFixture fx;
        TfrmExpLibri window(nullptr);
        fx.writeFile("Libri.xls", "precedente");
        MessageBox::scriptAnswer(MessageBox::Answer::Yes);
        Disk::inject(Disk::Fault::Full);
        window.cmdEsporta->clicked();
        Disk::clearFaults();
        QCOMPARE(TestFixture::messages(), QStringList({kAskExport, kExportError}));
        QCOMPARE(fx.readFile("Libri.xls"), QByteArray("precedente"));
        QCOMPARE(QDir(fx.folder()).entryList(QDir::Files), QStringList({"Libri.pro", "Libri.xls"}));
    }
};

QTEST_MAIN(TestExport)
#include "tst_export.moc"
