// The rows of a spreadsheet against the rules of the cards: what each column fills, what is refused
// and why, what is changed on the way in, and the archives exported by the program coming back
// byte for byte.
#include "ClickableLabel.h"
#include "Disk.h"
#include "ExportWindow.h"
#include "ImportPlan.h"
#include "MessageBox.h"
#include "RecordFile.h"
#include "RecordType.h"
#include "Rules.h"
#include "ShortString.h"
#include "TestFixture.h"

#include <QProcess>
#include <QtTest>

namespace {

using Reasons = QList<std::pair<int, QStringList>>; // sheet row, reasons; refused rows carry a '!' first

ImportPlan planOf(const ImportTable& table, const QByteArray& bytes)
{
    return ImportPlan(table, SheetFile::read(bytes));
}

// The plan's reports as rows of the sheet with their reasons, a refused row marked with "!".
Reasons reportsOf(const ImportPlan& plan)
{
    Reasons reasons;
    for (const ImportPlan::Report& report : plan.reports()) {
        QStringList texts = report.reasons;
        if (report.refused)
            texts.prepend(QStringLiteral("!"));
        reasons.append({report.row + 1, texts});
    }
    return reasons;
}

QStringList targetFields(const ImportPlan& plan)
{
    QStringList fields;
    for (int c = 0; c < plan.columnCount(); ++c)
        fields << (plan.target(c) < 0 ? QStringLiteral("-")
                                      : plan.table().targets.at(plan.target(c)).fields.join('+'));
    return fields;
}

TSchedaLibro book(const QString& title, const QString& code)
{
    TSchedaLibro b;
    b.Titolo = title;
    b.Codice = code;
    b.Convalida = ShortString::kYes;
    b.Autore = QStringLiteral("Autore");
    b.Prestato = Rules::kBookAvailable;
    b.Annullata = ShortString::kNo;
    return b;
}

// Exports an archive through its window, answering Yes to the export and No to opening the file.
template <class Window> void exportThroughTheWindow()
{
    Window window(nullptr);
    MessageBox::scriptAnswer(MessageBox::Answer::Yes);
    MessageBox::scriptAnswer(MessageBox::Answer::No);
    window.cmdEsporta->clicked();
}

// Reads a spreadsheet back into the archive of the table, as the import window does.
ImportPlan::Appended importFile(const ImportTable& table, const QString& path)
{
    ImportPlan plan(table, SheetFile::readFile(path));
    const RecordFile archive = table.type->archive();
    const auto codes = ImportPlan::archiveCodes(table, archive);
    if (!codes || !plan.check(*codes) || !plan.reports().isEmpty())
        return {};
    return plan.append(archive);
}

} // namespace

class TestImportPlan : public QObject {
    Q_OBJECT
private slots:
    void headersFindTheirFields_data()
    {
        QTest::addColumn<QString>("archive");
        QTest::addColumn<QByteArray>("header");
        QTest::addColumn<QStringList>("fields");
        QTest::newRow("Italian words")
            << "libri"
            << QByteArray("Titolo;Autore/i;N. inventario;Collocazione;ISBN-13;"
                          "Casa editrice;Anno di pubblicazione;Prezzo (\xE2\x82\xAC);Citt\xC3\xA0")
            << QStringList(
                   {"Titolo", "Autore", "Codice", "Scaffale", "Isbn", "Editore", "Anno", "Prezzo", "Citta"});
        QTest::newRow("English words and field names")
            << "libri" << QByteArray("Title,Author,Publisher,Year,Shelf,Code,Originale,Dewey")
            << QStringList(
                   {"Titolo", "Autore", "Editore", "Anno", "Scaffale", "Codice", "Originale", "Dewey"});
        QTest::newRow("unknown and repeated headers are left out")
            << "libri" << QByteArray("Titolo;Colore della copertina;Titolo;Scaffale")
            << QStringList({"Titolo", "-", "-", "Scaffale"});
        QTest::newRow("the DVD export's two headers for the year")
            << "dvd" << QByteArray("Titolo DVD;Anno pubblicazione;Regista;Trama")
            << QStringList({"Titolo", "Anno", "Regia", "Contenuti"});
        // A joined cell and the single fields it holds are not filled twice: the first column keeps them.
        QTest::newRow("members, joined and single")
            << "utenti"
            << QByteArray("Nome e cognome;Tessera n.;Luogo di nascita;CAP;Comune;Provincia;E-mail;Comune di "
                          "residenza")
            << QStringList({"Tesserato", "NumTessera", "ComuneNasc+ProvNasc", "CapRes", "ComuneRes",
                   "ProvRes", "Email", "-"});
    }

    void headersFindTheirFields()
    {
        QFETCH(QString, archive);
        QFETCH(QByteArray, header);
        QFETCH(QStringList, fields);
        const ImportTable& table = archive == "libri" ? booksImport()
            : archive == "dvd"                        ? dvdsImport()
                                                      : membersImport();
        const ImportPlan plan = planOf(table, header + "\n");
        QCOMPARE(targetFields(plan), fields);
        QVERIFY(plan.matchedAny());
        QVERIFY(plan.dataRows().isEmpty());
    }

    // A field given to a column is taken from the column that had it; a header row that holds data
    // is read as data.
    void columnsChosenByHand()
    {
        ImportPlan plan = planOf(booksImport(), "Uno;Rossi;A1\nDue;Verdi;A2\n");
        QVERIFY(!plan.matchedAny());
        QCOMPARE(targetFields(plan), QStringList({"-", "-", "-"}));
        plan.setHasHeader(false);
        QCOMPARE(plan.dataRows(), QList<int>({0, 1}));
        QCOMPARE(plan.header(0), QString());
        const auto targetOf = [&](const char* field) {
            for (int t = 0; t < booksImport().targets.size(); ++t) {
                if (booksImport().targets.at(t).fields == QStringList({field}))
                    return t;
            }
            return -1;
        };
        plan.setTarget(0, targetOf("Autore"));
        plan.setTarget(1, targetOf("Autore"));
        plan.setTarget(0, targetOf("Titolo"));
        plan.setTarget(2, targetOf("Codice"));
        QCOMPARE(targetFields(plan), QStringList({"Titolo", "Autore", "Codice"}));
        QVERIFY(plan.check({}));
        QCOMPARE(plan.acceptedCount(), 2);
        const TSchedaLibro first = decodeRecord<TSchedaLibro>(plan.record(0));
        QCOMPARE(first.Titolo, QStringLiteral("Uno"));
        QCOMPARE(first.Autore, QStringLiteral("Rossi"));
    }

    // A fixture that breaks every rule once: each refused row is named with its reason, each row cut
    // or changed on the way in is named too, and only the good rows are accepted.
    void bookRules()
    {
        const QString longTitle = QString(260, QLatin1Char('t'));
        QByteArray csv = "Titolo;Codice;Autore;Scheda annullata;Note\r\n"
                         "Il nome della rosa;A-1;Eco;No;\r\n" // 2
                         ";A-2;Eco;No;\r\n" // 3
                         "Senza autore;A-3;;No;\r\n" // 4
                         "Senza codice;;Rossi;S\xC3\xAC;\r\n" // 5
                         "Doppio; a-1 ;Verdi;No;\r\n" // 6
                         "In archivio;x-9;Bianchi;No;\r\n" // 7
                         "Annullato forse;A-8;Neri;forse;\r\n" // 8
                         "Troppe;A-9;Neri;No;;altro\r\n" // 9
                         "Poche;A-10\r\n" // 10
                         "\r\n" // 11, blank: not a row of data
            ;
        csv += longTitle.toUtf8() + ";A-12;Neri;no;\r\n"; // 12
        csv += "\xCE\x95\xCE\xBB\xCE\xBB\xCE\xAC\xCE\xB4\xCE\xB1;A-13;Omero;Si;\r\n"; // 13
        csv += "A capo;A-14;Neri;No;\"prima\r\nseconda\"\r\n"; // 14
        csv += "Vuote in fondo;A-15;Neri;No;;;\r\n"; // 15: row 14 spans two lines of text
        ImportPlan plan = planOf(booksImport(), csv);
        QCOMPARE(plan.dataRows().size(), 13);
        QVERIFY(plan.check({{QStringLiteral("X-9"), 7}}));
        const QString columns = QStringLiteral("La riga ha %1 colonne, mentre la prima riga ne ha 5.");
        const Reasons expected = {
            {3, {"!", "Per salvare la scheda \u00E8 necessario indicare il titolo del libro."}},
            {4, {"!", "Per salvare la scheda \u00E8 necessario indicare l'autore del libro."}},
            {5,
                {"!",
                    "Per salvare la scheda \u00E8 necessario indicare il codice identificativo del libro."}},
            {6, {"!", "Il codice a-1 compare gi\u00E0 alla riga 2 del file."}},
            {7, {"!", "Il codice x-9 \u00E8 gi\u00E0 assegnato alla scheda n. 7 dell'archivio."}},
            {8, {"!", "Scheda annullata: indicare S\u00EC oppure No, non \u00ABforse\u00BB."}},
            {9, {"!", columns.arg(6)}},
            {10, {"!", columns.arg(2)}},
            {12, {"Titolo libro: testo di 260 caratteri tagliato a 250."}},
            {13,
                {"Titolo libro: i caratteri che l'archivio non pu\u00F2 contenere sono stati sostituiti da "
                 "\u00AB?\u00BB."}},
            {14, {"Note: gli a capo sono stati sostituiti da spazi."}},
        };
        QCOMPARE(reportsOf(plan), expected);
        QCOMPARE(plan.acceptedCount(), 5);
        QCOMPARE(plan.refusedCount(), 8);

        const TSchedaLibro cut = decodeRecord<TSchedaLibro>(plan.record(11));
        QCOMPARE(cut.Titolo, longTitle.left(250));
        QCOMPARE(cut.Codice, QStringLiteral("A-12"));
        // What every imported book is: checked, ready for loan, as the file says about cancelling.
        QCOMPARE(cut.Convalida, ShortString::kYes);
        QCOMPARE(cut.Prestato, Rules::kBookAvailable);
        QCOMPARE(cut.Scadenza, QString());
        QCOMPARE(cut.Annullata, ShortString::kNo);
        QCOMPARE(cut.File01, QString());
        const TSchedaLibro greek = decodeRecord<TSchedaLibro>(plan.record(12));
        QCOMPARE(greek.Titolo, QStringLiteral("??????"));
        QCOMPARE(greek.Annullata, ShortString::kYes);
        QCOMPARE(decodeRecord<TSchedaLibro>(plan.record(13)).Note, QStringLiteral("prima  seconda"));

        // The refused rows, for correction: the header, each row as it was read, the reasons last.
        QVERIFY(plan.rejectsCsv().startsWith("\xEF\xBB\xBF"));
        const QString rejects = QString::fromUtf8(plan.rejectsCsv().mid(3));
        QVERIFY(rejects.startsWith(QStringLiteral("Titolo;Codice;Autore;Scheda annullata;Note;Motivo\r\n")));
        QVERIFY(rejects.contains(QStringLiteral(
            "Doppio;\" a-1 \";Verdi;No;;Il codice a-1 compare gi\u00E0 alla riga 2 del file.\r\n")));
        QCOMPARE(rejects.count(QStringLiteral("\r\n")), 9);
        const SheetFile::Sheet back = SheetFile::read(plan.rejectsCsv());
        QCOMPARE(back.table.rowCount(), 9);
        QCOMPARE(back.table.cell(4, 1).toString(), QStringLiteral(" a-1 "));
    }

    // The dates and the notice days of a member card; the fields a file leaves out start as on a
    // new card; the joined residence cell comes apart again.
    void memberRules()
    {
        ImportPlan plan = planOf(membersImport(),
            "Cognome e nome;Tessera n.;Data di rilascio;Data di scadenza;Giorni di preavviso;Comune di "
            "residenza\n"
            "Rossi Mario;27;01/01/2015;31/12/2015;10;00100 Roma RM\n"
            "Verdi Anna;28;31/02/2015;31/12/2015;0;\n"
            "Bianchi Ugo;29;10/03/2015;09/03/2015;0;\n"
            ";30;01/01/2015;31/12/2015;0;\n"
            "Neri Ada;31;01/01/2015;31/12/2015;dieci;\n"
            "Gialli Eva;32;01/01/2015;31/12/2015;;\n");
        QVERIFY(plan.check({}));
        const Reasons expected = {
            {3, {"!", "La data di rilascio della tessera 31/02/2015 non esiste."}},
            {4,
                {"!",
                    "La data di scadenza (09/03/2015) non pu\u00F2 essere anteriore a quella di rilascio "
                    "della "
                    "tessera (10/03/2015)."}},
            {5, {"!", "Per salvare la scheda \u00E8 necessario indicare il nome delL'utente."}},
            {6,
                {"!",
                    "Giorni di preavviso: indicare un numero intero di giorni da 0 a 999, non "
                    "\u00ABdieci\u00BB."}},
            {7, {"!", "Per salvare la scheda \u00E8 necessario indicare i giorni di preavviso."}},
        };
        QCOMPARE(reportsOf(plan), expected);
        const TSchedaTesserato rossi = decodeRecord<TSchedaTesserato>(plan.record(1));
        QCOMPARE(rossi.CapRes, QStringLiteral("00100"));
        QCOMPARE(rossi.ComuneRes, QStringLiteral("Roma"));
        QCOMPARE(rossi.ProvRes, QStringLiteral("RM"));
        QCOMPARE(rossi.Preavviso, QStringLiteral("10"));
        QCOMPARE(rossi.Annullata, ShortString::kNo);

        TestFixture fx;
        ImportPlan bare = planOf(
            membersImport(), "Cognome e nome,Tessera n.,Data di scadenza\nRossi Mario,27,31/12/2015\n");
        QVERIFY(bare.check({}));
        QVERIFY(bare.reports().isEmpty());
        const TSchedaTesserato started = decodeRecord<TSchedaTesserato>(bare.record(1));
        QCOMPARE(started.DataRil, QStringLiteral("10/06/2015"));
        QCOMPARE(started.Preavviso, QStringLiteral("0"));
    }

    void joinedCellsComeApart_data()
    {
        QTest::addColumn<QString>("birth");
        QTest::addColumn<QString>("residence");
        QTest::addColumn<QStringList>("parts"); // ComuneNasc, ProvNasc, CapRes, ComuneRes, ProvRes
        QTest::newRow("all parts") << "Reggio nell'Emilia RE"
                                   << "42121 San Polo d'Enza RE"
                                   << QStringList(
                                          {"Reggio nell'Emilia", "RE", "42121", "San Polo d'Enza", "RE"});
        QTest::newRow("town alone") << "Roma"
                                    << "Roma" << QStringList({"Roma", "", "", "Roma", ""});
        QTest::newRow("province alone") << "MI"
                                        << "RM" << QStringList({"", "MI", "", "", "RM"});
        QTest::newRow("postcode alone") << ""
                                        << "00100" << QStringList({"", "", "00100", "", ""});
        QTest::newRow("a town of two letters") << "Ne GE"
                                               << "16040 Ne" << QStringList({"Ne", "GE", "16040", "Ne", ""});
    }

    void joinedCellsComeApart()
    {
        QFETCH(QString, birth);
        QFETCH(QString, residence);
        QFETCH(QStringList, parts);
        ImportPlan plan = planOf(membersImport(),
            ("Cognome e nome;Tessera n.;Data di rilascio;Data di scadenza;Comune di nascita;Comune di "
             "residenza\n"
             "Rossi Mario;27;01/01/2015;31/12/2015;"
                + birth + ";" + residence + "\n")
                .toUtf8());
        const TSchedaTesserato m = decodeRecord<TSchedaTesserato>(plan.record(1));
        QCOMPARE(QStringList({m.ComuneNasc, m.ProvNasc, m.CapRes, m.ComuneRes, m.ProvRes}), parts);
    }

    // The three archives, exported by the program and imported into empty archives, come back
    // byte for byte.
    void exportedArchivesComeBackWhole()
    {
        TestFixture fx;
        const QString widest = QString(250, QChar(u'\u00E8'));
        QByteArray books;
        TSchedaLibro b = book(QStringLiteral("Fiabe <illustrate> & altro"), QStringLiteral("LIB-001"));
        b.Autore = QStringLiteral("Calvino, Italo");
        b.Scaffale = QStringLiteral("Sala 2; ripiano \"alto\"");
        b.Editore = QStringLiteral("Einaudi");
        b.Citta = QStringLiteral("Torino");
        b.Anno = QStringLiteral("1956");
        b.Isbn = QStringLiteral("978-88-06-17");
        b.Dewey = QStringLiteral("853");
        b.Pagine = QStringLiteral("1104");
        b.Note = QStringLiteral("Due  spazi dentro, &amp; scritto cos\u00EC");
        b.Lingua = QStringLiteral("Italiano");
        books += encodeRecord(b);
        b = book(widest, QString(24, QLatin1Char('Z')));
        // Every exported field as full as it can be.
        const QStringList unexported = {"Codice", "Convalida", "Prestato", "Scadenza", "Annullata", "File01",
            "File02", "File03", "Desc01", "Desc02", "Desc03"};
        for (const auto& f : RecordLayout<TSchedaLibro>::fields) {
            if (!unexported.contains(QLatin1String(f.name)))
                b.*f.member = widest;
        }
        b.Annullata = ShortString::kYes;
        books += encodeRecord(b);
        books += encodeRecord(book(QStringLiteral("Terzo"), QStringLiteral("lib-003")));

        QByteArray dvds;
        TSchedaDVD d;
        d.Titolo = QStringLiteral("La vita \u00E8 bella");
        d.Codice = QStringLiteral("DVD-1");
        d.Convalida = ShortString::kYes;
        d.Regia = QStringLiteral("Benigni");
        d.Anno = QStringLiteral("1997");
        d.Cast = QStringLiteral("Benigni, Braschi <e altri>");
        d.Prestato = Rules::kDvdAvailable;
        d.Annullata = ShortString::kNo;
        dvds += encodeRecord(d);
        d.Codice = QStringLiteral("DVD-2");
        d.Annullata = ShortString::kYes;
        dvds += encodeRecord(d);

        QByteArray members;
        const auto member = [](const QString& name, const QStringList& places) {
            TSchedaTesserato m;
            m.Tesserato = name;
            m.NumTessera = QStringLiteral("27");
            m.DataRil = QStringLiteral("01/01/2015");
            m.DataScade = QStringLiteral("31/12/2015");
            m.Preavviso = QStringLiteral("0");
            m.ComuneNasc = places.at(0);
            m.ProvNasc = places.at(1);
            m.CapRes = places.at(2);
            m.ComuneRes = places.at(3);
            m.ProvRes = places.at(4);
            m.Annullata = ShortString::kNo;
            return m;
        };
        TSchedaTesserato m = member(
            QStringLiteral("Rossi Mario"), {"Reggio nell'Emilia", "RE", "42121", "San Polo d'Enza", "RE"});
        m.Carica = QStringLiteral("Classe 3^ B");
        m.DataNasc = QStringLiteral("02/03/1970");
        m.Sesso = QStringLiteral("M");
        m.IndirizzoRes = QStringLiteral("Via Roma, 1");
        m.Titoli = QStringLiteral("Laurea");
        m.TelCasa = QStringLiteral("0522 123456");
        m.Recapito = QStringLiteral("333 1234567");
        m.Email = QStringLiteral("mario.rossi@example.org");
        m.CodFisc = QStringLiteral("RSSMRA70C02H223X");
        m.Carta = QStringLiteral("4111111111111111");
        m.PartitaIva = QStringLiteral("01234567890");
        m.Iban = QStringLiteral("IT60X0542811101000000123456");
        m.Intestatario = QStringLiteral("Mario Rossi");
        m.Note = QStringLiteral("Preferisce i gialli");
        members += encodeRecord(m);
        m = member(QStringLiteral("Verdi Anna"), {"Roma", "", "", "", "RM"});
        m.Annullata = ShortString::kYes;
        members += encodeRecord(m);
        members += encodeRecord(member(QStringLiteral("Bianchi Ugo"), {"", "MI", "00100", "", ""}));

        fx.writeFile("Libri.pro", books);
        fx.writeFile("DVD.pro", dvds);
        fx.writeFile("Tesserati.pro", members);
        exportThroughTheWindow<TfrmExpLibri>();
        exportThroughTheWindow<TfrmExpDVD>();
        exportThroughTheWindow<TfrmExpAnagrafica>();
        for (const char* archive : {"Libri.pro", "DVD.pro", "Tesserati.pro"})
            QVERIFY(QFile::remove(fx.file(archive)));

        const std::tuple<const ImportTable&, const char*, const char*, QByteArray, int> cases[]
            = {{booksImport(), "Libri.xls", "Libri.pro", books, 3},
                {dvdsImport(), "DVD.xls", "DVD.pro", dvds, 2},
                {membersImport(), "Tesserati.xls", "Tesserati.pro", members, 3}};
        for (const auto& [table, sheet, archive, original, count] : cases) {
            const ImportPlan::Appended appended = importFile(table, fx.file(sheet));
            QCOMPARE(int(appended.outcome), int(ImportPlan::Outcome::Done));
            QCOMPARE(appended.first, qint64(1));
            QCOMPARE(appended.count, count);
            QVERIFY2(fx.readFile(archive) == original, archive);
        }
    }

    // An export opened in a spreadsheet program and saved again, as a web page with the program's
    // own markup or as CSV, comes home byte for byte.
    void exportSavedAgainBySpreadsheetProgram_data()
    {
        QTest::addColumn<QString>("filter");
        QTest::addColumn<QString>("extension");
        QTest::newRow("web page") << "html:HTML (StarCalc)"
                                  << "html";
        QTest::newRow("CSV") << "csv:Text - txt - csv (StarCalc):59,34,76"
                             << "csv";
    }

    void exportSavedAgainBySpreadsheetProgram()
    {
        QFETCH(QString, filter);
        QFETCH(QString, extension);
        TestFixture fx;
        QByteArray books;
        TSchedaLibro b = book(QStringLiteral("Fiabe <illustrate> & \"altro\"; bis"), QStringLiteral("LIB-001"));
        b.Autore = QStringLiteral("Calvino, Italo");
        b.Citta = QStringLiteral("Forl\u00EC");
        b.Anno = QStringLiteral("1956");
        b.Dewey = QStringLiteral("853");
        b.Note = QStringLiteral("Perch\u00E9 \u00E8 cos\u00EC");
        books += encodeRecord(b);
        b = book(QStringLiteral("Secondo"), QStringLiteral("LIB-002"));
        b.Annullata = ShortString::kYes;
        books += encodeRecord(b);
        fx.writeFile("Libri.pro", books);
        exportThroughTheWindow<TfrmExpLibri>();
        QVERIFY(QFile::remove(fx.file("Libri.pro")));

        QProcess soffice;
        soffice.start(QStringLiteral("soffice"),
            {QStringLiteral("--headless"), QStringLiteral("-env:UserInstallation=file://") + fx.folder() + "lo",
                QStringLiteral("--convert-to"), filter, QStringLiteral("--outdir"), fx.folder() + "salvato",
                fx.file("Libri.xls")});
        QVERIFY(soffice.waitForFinished(180000));
        const QByteArray saved = fx.readFile("salvato/Libri." + extension);
        QVERIFY(!saved.isEmpty() && saved != fx.readFile("Libri.xls"));
        const ImportPlan::Appended appended = importFile(booksImport(), fx.file("salvato/Libri." + extension));
        QCOMPARE(int(appended.outcome), int(ImportPlan::Outcome::Done));
        QCOMPARE(fx.readFile("Libri.pro"), books);
    }

    // Refused again under the archive's lock when another computer took a code after the check; no
    // record is added then, nor when the work is stopped.
    void appendChecksTheCodesAgainAndStops()
    {
        TestFixture fx;
        Archive<TSchedaLibro> archive;
        QVERIFY(archive.append(book(QStringLiteral("Primo"), QStringLiteral("P-1"))));
        ImportPlan plan = planOf(booksImport(), "Titolo;Codice;Autore\nSecondo;S-2;Rossi\nTerzo;T-3;Verdi\n");
        QVERIFY(plan.check(*ImportPlan::archiveCodes(booksImport(), archive.file())));
        QCOMPARE(plan.acceptedCount(), 2);

        QVERIFY(archive.append(book(QStringLiteral("Altro computer"), QStringLiteral(" t-3"))));
        const QByteArray before = fx.readFile("Libri.pro");
        QCOMPARE(int(plan.append(archive.file()).outcome), int(ImportPlan::Outcome::Changed));
        QCOMPARE(fx.readFile("Libri.pro"), before);

        QVERIFY(plan.check(*ImportPlan::archiveCodes(booksImport(), archive.file())));
        QCOMPARE(plan.acceptedCount(), 1);
        QCOMPARE(int(plan.append(archive.file(), [](qint64, qint64) { return false; }).outcome),
            int(ImportPlan::Outcome::Stopped));
        QCOMPARE(fx.readFile("Libri.pro"), before);

        Disk::inject(Disk::Fault::Full);
        QCOMPARE(int(plan.append(archive.file()).outcome), int(ImportPlan::Outcome::Failed));
        Disk::clearFaults();
        QCOMPARE(fx.readFile("Libri.pro"), before);

        const ImportPlan::Appended appended = plan.append(archive.file());
        QCOMPARE(int(appended.outcome), int(ImportPlan::Outcome::Done));
        QCOMPARE(appended.first, qint64(3));
        QCOMPARE(archive.read(3)->Codice, QStringLiteral("S-2"));
        QCOMPARE(archive.count(), std::optional<qint64>(3));
    }

    // An import while another computer appends cards one by one: every card of both is there,
    // where each was said to go, the imported ones in one piece.
    void importWhileAnotherComputerAppends()
    {
        TestFixture fx;
        const int imported = 4000;
        QByteArray csv = "Titolo;Codice;Autore\n";
        for (int i = 1; i <= imported; ++i)
            csv += QStringLiteral("Importato %1;IMP-%1;Rossi\n").arg(i).toUtf8();
        fx.writeFile("libri.csv", csv);
        QProcess worker;
        worker.start(QStringLiteral(IMPORT_WORKER), {fx.folder(), fx.file("libri.csv")});
        QVERIFY(worker.waitForStarted());
        Archive<TSchedaLibro> archive;
        QHash<QString, qint64> numberOf;
        QList<qint64> appended;
        for (int i = 1; i <= 20 || (worker.waitForFinished(0), worker.state() != QProcess::NotRunning); ++i) {
            const auto n
                = archive.append(book(QStringLiteral("Aggiunto %1").arg(i), QStringLiteral("APP-%1").arg(i)));
            QVERIFY(n);
            numberOf.insert(QStringLiteral("APP-%1").arg(i), *n);
            appended << *n;
        }
        QVERIFY(worker.state() == QProcess::NotRunning || worker.waitForFinished(120000));
        QCOMPARE(worker.exitCode(), 0);
        const QStringList reported = QString::fromUtf8(worker.readAllStandardOutput()).split(' ');
        QCOMPARE(reported.value(1).trimmed().toInt(), imported);
        const qint64 first = reported.value(0).toLongLong();
        for (int i = 1; i <= imported; ++i)
            numberOf.insert(QStringLiteral("IMP-%1").arg(i), first + i - 1);
        // The two wrote at the same time: cards of the other computer stand before and after the lot.
        QVERIFY(std::any_of(appended.begin(), appended.end(), [&](qint64 n) { return n < first; }));
        QVERIFY(
            std::any_of(appended.begin(), appended.end(), [&](qint64 n) { return n >= first + imported; }));
        QCOMPARE(archive.count(), std::optional<qint64>(numberOf.size()));
        QVERIFY(archive.scan([&](qint64 n, const TSchedaLibro& b) { return numberOf.take(b.Codice) == n; }));
        QVERIFY(numberOf.isEmpty());
        QVERIFY(!QFile::exists(fx.file("Libri.pro.lock")));
    }
};

QTEST_MAIN(TestImportPlan)
#include "tst_importplan.moc"
