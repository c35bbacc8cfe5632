#include "ClickableLabel.h"
#include "Disk.h"
#include "ExportWindow.h"
#include "LinuxTools.h"
#include "MessageBox.h"
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

// The cells of a spreadsheet file as a spreadsheet program reads them: LibreOffice, headless,
// converting it to CSV in UTF-8.
QList<QStringList> cellsRead(const QString& file, const QString& folder)
{
    QProcess soffice;
    soffice.start(QStringLiteral("soffice"),
        {QStringLiteral("--headless"), QStringLiteral("-env:UserInstallation=file://") + folder + QStringLiteral("lo"),
            QStringLiteral("--convert-to"), QStringLiteral("csv:Text - txt - csv (StarCalc):44,34,76"),
            QStringLiteral("--outdir"), folder + QStringLiteral("csv"), file});
    if (!soffice.waitForFinished(180000))
        return {};
    QFile csv(folder + QStringLiteral("csv/") + QFileInfo(file).completeBaseName() + QStringLiteral(".csv"));
    if (!csv.open(QIODevice::ReadOnly))
        return {};
    QList<QStringList> rows;
    // Quoted CSV: fields between double quotes, doubled quotes inside.
    const QString text = QString::fromUtf8(csv.readAll());
    QStringList row;
    QString field;
    bool quoted = false;
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
        } else if (c == QLatin1Char(',')) {
            row << field;
            field.clear();
        } else if (c == QLatin1Char('\n')) {
            row << field;
            rows << row;
            row.clear();
            field.clear();
        } else if (c != QLatin1Char('\r')) {
            field += c;
        }
    }
    return rows;
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
            {{QStringLiteral("  Fiabe <illustrate> & altro "), QStringLiteral("Forl\u00EC")}});
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
                                    "<tr><td style=\"text-align: left;\">Fiabe &lt;illustrate&gt; &amp; altro</td>"
                                    "<td style=\"text-align: left;\">Forl\xEC</td></tr></table></body></html>";
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
