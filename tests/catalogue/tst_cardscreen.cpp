#include "CatalogueScreen.h"
#include "CodeValidation.h"
#include "Dialogs.h"
#include "LinuxTools.h"
#include "PdfWords.h"
#include "Printing.h"
#include "TfrmAllegaCartella.h"
#include "ClickableLabel.h"
#include "HelpTopic.h"
#include "MessageBox.h"
#include "Modal.h"
#include "RecordFile.h"
#include "ResultList.h"
#include "SearchWindow.h"
#include "ShortString.h"
#include "TMisc.h"
#include "TestFixture.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QToolButton>
#include <QtTest>

namespace {

std::unique_ptr<CatalogueScreen> openScreen(bool books)
{
    std::unique_ptr<CatalogueScreen> screen;
    if (books)
        screen = std::make_unique<TfrmLibri>();
    else
        screen = std::make_unique<TfrmDVD>();
    screen->show();
    if (!QTest::qWaitForWindowActive(screen.get()))
        qWarning("the card screen did not become active");
    return screen;
}

QLineEdit* edit(CatalogueScreen& screen, const QString& field)
{
    return qobject_cast<QLineEdit*>(screen.control(field));
}

void typeInto(CatalogueScreen& screen, const QString& field, const QString& text)
{
    TestFixture::type(screen.control(field), text);
}

// A validation that answers OK, as the librarian would after reading the verdict.
void validateWithOk(const QString& window)
{
    Modal::setDriver(window, [](QDialog& d) { d.findChild<QPushButton*>("btnOK")->click(); });
}

void storeBooks(int count)
{
    for (int i = 1; i <= count; ++i) {
        TSchedaLibro b;
        b.Titolo = QStringLiteral("Volume %1").arg(i);
        b.Codice = QStringLiteral("V%1").arg(i);
        b.Convalida = ShortString::kYes;
        b.Autore = QStringLiteral("Autore");
        b.Prestato = QStringLiteral("Tessera n. 27");
        b.Scadenza = QStringLiteral("30/06/2015");
        b.Annullata = ShortString::kNo;
        b.File01 = QStringLiteral("copertina.jpg");
        Archive<TSchedaLibro>().append(b);
    }
}

const QString kBookTitleMissing
    = QStringLiteral("Attenzione: per salvare la scheda \u00E8 necessario indicare il titolo del libro.");
const QString kBookCodeMissing = QStringLiteral(
    "Attenzione: per salvare la scheda \u00E8 necessario indicare il codice identificativo del libro.");
const QString kBookNotValidated = QStringLiteral("Attenzione: per salvare la scheda \u00E8 necessario "
                                                 "convalidare il codice identificativo del libro utilizzando "
                                                 "il pulsante a destra del campo di testo Codice.");
const QString kBookAuthorMissing
    = QStringLiteral("Attenzione: per salvare la scheda \u00E8 necessario indicare l'autore del libro.");
const QString kAdded = QStringLiteral("La scheda corrente \u00E8 stata inserita in archivio.");
const QString kSaved
    = QStringLiteral("Le modifiche apportate alla scheda corrente sono state salvate in archivio.");

} // namespace

class TestCardScreen : public QObject {
    Q_OBJECT

    std::unique_ptr<TestFixture> fx;

private slots:
    void init() { fx = std::make_unique<TestFixture>(); }
    void cleanup() { fx.reset(); }

    void newBookTypedValidatedAndSaved()
    {
        auto screen = openScreen(true);
        QCOMPARE(screen->panInfo->text(), QStringLiteral("Pronto per archiviare una nuova scheda..."));
        QCOMPARE(QApplication::focusWidget(), screen->control("Titolo"));
        QCOMPARE(edit(*screen, "Prestato")->text(), QStringLiteral("Libro disponibile per il prestito"));
        QTest::keyClicks(screen->control("Titolo"), "  Il nome della rosa");
        QTest::keyClick(screen->control("Titolo"), Qt::Key_Return);
        QTest::keyClicks(screen->control("Codice"), "ab-12");
        QTest::keyClick(screen->control("Codice"), Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), screen->control("Scaffale"));
        typeInto(*screen, "Autore", QStringLiteral("Umberto Eco"));
        typeInto(*screen, "Citta", QStringLiteral("Milano \u20AC"));
        typeInto(*screen, "Genere", QStringLiteral("Romanzo storico"));

        QString shownCode;
        Modal::setDriver("frmConvalida", [&](QDialog& d) {
            shownCode = d.findChild<QLabel*>("txtCodice")->text();
            d.findChild<QPushButton*>("btnOK")->click();
        });
        screen->btnCodice->click();
        QCOMPARE(shownCode, QStringLiteral("CODICE DA CONVALIDARE:  ab-12"));
        QCOMPARE(screen->txtConvalida->text(), ShortString::kYes);

        screen->cmdSalva->click();
        QCOMPARE(TestFixture::messages(), QStringList({kAdded}));
        QCOMPARE(screen->lblPosizione->text(), QStringLiteral("1"));
        const QByteArray bytes = fx->readFile("Libri.pro");
        QCOMPARE(bytes.size(), 3237);
        QCOMPARE(bytes.mid(0, 19), QByteArray("\x12Il nome della rosa"));
        QCOMPARE(bytes.mid(251, 6),
            QByteArray("\x05"
                       "ab-12"));
        QCOMPARE(bytes.mid(276, 3), QByteArray("\x02S\xEC"));
        QCOMPARE(bytes.mid(330, 12), QByteArray("\x0BUmberto Eco"));
        QCOMPARE(bytes.mid(500, 16), QByteArray("\x0FRomanzo storico"));
        QCOMPARE(bytes.mid(704, 9), QByteArray("\x08Milano \x80"));
        QCOMPARE(bytes.mid(1345, 34), QByteArray("\x21Libro disponibile per il prestito"));
        QCOMPARE(bytes.at(1466), '\0');
        QCOMPARE(bytes.mid(1728, 3), QByteArray("\x02No"));

        // Saved again: overwritten in place.
        MessageBox::clearShown();
        screen->cmdSalva->click();
        QCOMPARE(TestFixture::messages(), QStringList({kSaved}));
        QCOMPARE(fx->readFile("Libri.pro").size(), 3237);
    }

    void saveChecksInOrder_data()
    {
        QTest::addColumn<bool>("books");
        QTest::addColumn<QStringList>("filled"); // fields typed; "Convalida" marks a validated code
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("focus");
        QTest::newRow("book: title") << true << QStringList() << kBookTitleMissing << "Titolo";
        QTest::newRow("book: code") << true << QStringList({"Titolo", "Autore"}) << kBookCodeMissing
                                    << "Codice";
        QTest::newRow("book: validation")
            << true << QStringList({"Titolo", "Codice", "Autore"}) << kBookNotValidated << "Codice";
        QTest::newRow("book: author")
            << true << QStringList({"Titolo", "Codice", "Convalida"}) << kBookAuthorMissing << "Autore";
        QTest::newRow("dvd: title") << false << QStringList({"Codice"})
                                    << QStringLiteral(
                                           "Attenzione: per salvare la scheda \u00E8 necessario indicare il "
                                           "titolo del DVD.")
                                    << "Titolo";
        QTest::newRow("dvd: code") << false << QStringList({"Titolo"})
                                   << QStringLiteral(
                                          "Attenzione: per salvare la scheda \u00E8 necessario indicare il "
                                          "codice identificativo del DVD.")
                                   << "Codice";
        QTest::newRow("dvd: validation")
            << false << QStringList({"Titolo", "Codice"})
            << QStringLiteral("Attenzione: per salvare la scheda \u00E8 necessario "
                              "convalidare il codice identificativo del DVD utilizzando "
                              "il pulsante a destra del campo di testo Codice.")
            << "Codice";
        QTest::newRow("dvd: no author needed")
            << false << QStringList({"Titolo", "Codice", "Convalida"}) << kAdded << "";
    }

    void saveChecksInOrder()
    {
        QFETCH(bool, books);
        QFETCH(QStringList, filled);
        QFETCH(QString, message);
        QFETCH(QString, focus);
        auto screen = openScreen(books);
        for (const QString& field : filled) {
            if (field == "Convalida") {
                validateWithOk(books ? "frmConvalida" : "frmConvalidaDVD");
                screen->btnCodice->click();
            } else {
                typeInto(*screen, field, "  x" + field);
            }
        }
        screen->control("Note")->setFocus();
        screen->cmdSalva->click();
        QCOMPARE(TestFixture::messages(), QStringList({message}));
        if (focus.isEmpty()) {
            QCOMPARE(Archive<TSchedaDVD>().count(), std::optional<qint64>(1));
            return;
        }
        QCOMPARE(MessageBox::shown().at(0).kind, MessageBox::Kind::Warning);
        QCOMPARE(QApplication::focusWidget(), screen->control(focus));
        QCOMPARE(fx->readFile(books ? "Libri.pro" : "DVD.pro").size(), 0);
    }

    void storedCardBrowsedEditedAndSavedInPlace()
    {
        storeBooks(3);
        auto screen = openScreen(true);
        screen->cmdUltimo->click();
        screen->cmdIndietro->click();
        QCOMPARE(screen->lblPosizione->text(), QStringLiteral("2"));
        QCOMPARE(edit(*screen, "Titolo")->text(), QStringLiteral("Volume 2"));
        QCOMPARE(edit(*screen, "Prestato")->text(), QStringLiteral("Tessera n. 27"));
        QCOMPARE(screen->lblFile01->text(), QStringLiteral("copertina.jpg"));
        typeInto(*screen, "Note", "Rilegato");
        screen->chkAnnullata->setChecked(true);
        screen->cmdSalva->click();
        QCOMPARE(TestFixture::messages(), QStringList({kSaved}));
        QCOMPARE(Archive<TSchedaLibro>().count(), std::optional<qint64>(3));
        const TSchedaLibro saved = *Archive<TSchedaLibro>().read(2);
        QCOMPARE(saved.Note, QStringLiteral("Rilegato"));
        QCOMPARE(saved.Codice, QStringLiteral("V2"));
        QCOMPARE(saved.Annullata, ShortString::kYes);
        QCOMPARE(saved.Scadenza, QStringLiteral("30/06/2015"));
        QCOMPARE(saved.File01, QStringLiteral("copertina.jpg"));
        QCOMPARE(Archive<TSchedaLibro>().read(3)->Note, QString());

        // Showing the screen again starts from a new card.
        screen->hide();
        screen->show();
        QCOMPARE(screen->lblPosizione->text(), QString());
        QCOMPARE(edit(*screen, "Titolo")->text(), QString());
        QVERIFY(!screen->chkAnnullata->isChecked());
    }

    void awardsLongerThanMayBeTypedSurviveASave()
    {
        TSchedaDVD dvd;
        dvd.Titolo = "Amarcord";
        dvd.Codice = "D1";
        dvd.Convalida = ShortString::kYes;
        dvd.Premi = QString(45, 'p');
        dvd.Annullata = ShortString::kNo;
        Archive<TSchedaDVD>().append(dvd);
        auto screen = openScreen(false);
        QLineEdit* awards = edit(*screen, "Premi");
        QTest::keyClicks(awards, QString(40, 'n'));
        QCOMPARE(awards->text(), QString(30, 'n'));

        screen->cmdPrimo->click();
        QCOMPARE(awards->text(), QString(45, 'p'));
        awards->setFocus();
        awards->end(false);
        QTest::keyClicks(awards, "xy");
        QCOMPARE(awards->text(), QString(45, 'p'));
        screen->cmdSalva->click();
        QCOMPARE(Archive<TSchedaDVD>().read(1)->Premi, QString(45, 'p'));

        // Shortened, it never grows back past what it holds, nor past 30 once below 30.
        for (int i = 0; i < 5; ++i)
            QTest::keyClick(awards, Qt::Key_Backspace);
        QTest::keyClicks(awards, "xy");
        QCOMPARE(awards->text(), QString(40, 'p'));
        for (int i = 0; i < 15; ++i)
            QTest::keyClick(awards, Qt::Key_Backspace);
        QTest::keyClicks(awards, QString(10, 'z'));
        QCOMPARE(awards->text(), QString(25, 'p') + QString(5, 'z'));

        screen->cmdNuovo->click();
        QTest::keyClicks(awards, QString(40, 'n'));
        QCOMPARE(awards->text(), QString(30, 'n'));
    }

    // The sheet prints what the screen shows, saved or not, each value in its row.
    void sheetPrintsTheScreen()
    {
        SKIP_WITHOUT_LINUX_TOOL("pdftotext");
        auto screen = openScreen(true);
        typeInto(*screen, "Titolo", "Il nome della rosa");
        typeInto(*screen, "Autore", "Umberto Eco");
        Modal::setDriver("frmStampaLibro", [](QDialog& d) {
            QCOMPARE(d.windowTitle(), QStringLiteral(" Stampa scheda libro"));
            d.findChild<QPushButton*>("btnStampa")->click();
        });
        screen->cmdStampa->click();
        QCOMPARE(Printing::printed().size(), 1);
        const Report& sheet = Printing::printed().at(0).report;
        QCOMPARE(sheet.orientation, QPageLayout::Portrait);
        QCOMPARE(sheet.object("titArcataSup")->text, QStringLiteral("SCHEDA INFORMATIVA LIBRO"));
        QCOMPARE(sheet.object("txtTitolo")->text, QStringLiteral("Il nome della rosa"));
        QCOMPARE(sheet.object("txtPrestato")->text, QStringLiteral("Libro disponibile per il prestito"));
        QCOMPARE(sheet.object("txtScadenza")->text, QString());
        QCOMPARE(sheet.object("txtScadenza")->geometry, QRectF(44.0, 7.5 + 5.0 * 25, 144.0, 3.5));
        QCOMPARE(sheet.object("titScadenza")->text, QStringLiteral("Scadenza prestito:"));
        QCOMPARE(sheet.object("txtCalce")->text, QStringLiteral("Stampa eseguita in data 10/06/2015 alle ore 10:30:00"));
        QCOMPARE(sheet.object("txtCalce")->geometry.top(), 140.0);
        QVERIFY(!sheet.object("txtAnnullata"));

        // End to end: the words where their boxes put them on the page.
        const QList<PdfWord> words = pdfWords(Printing::printed().at(0).pdf);
        const auto at = [&](const QString& text) {
            for (const PdfWord& w : words) {
                if (w.text == text)
                    return w.box;
            }
            return QRectF();
        };
        QVERIFY(QRectF(10 + 44.0, 10 + 7.5, 144.0, 3.5).adjusted(-0.5, -0.8, 0.5, 0.8).contains(at("Il")));
        QVERIFY(QRectF(10 + 2.0, 10 + 7.5 + 5.0 * 24, 37.8, 3.5).adjusted(-0.5, -0.8, 0.5, 0.8).contains(at("Prestato")));

        // A cancelled print dialog closes the window too; the consultation has a window of its own.
        Printing::cancelNextPrint();
        TfrmConsultaDVD dvds;
        dvds.show();
        bool shown = false;
        Modal::setDriver("frmStampaDVD02", [&](QDialog& d) {
            shown = true;
            d.findChild<QPushButton*>("btnStampa")->click();
            QCOMPARE(d.result(), int(QDialog::Accepted));
        });
        dvds.cmdStampa->click();
        QVERIFY(shown);
        QCOMPARE(Printing::printed().size(), 1);
    }

    // Attached files are copied into the shared folder at once; the card keeps names and
    // descriptions, stored when it is saved.
    void attachmentsCopiedAndHandedBack()
    {
        storeBooks(1);
        auto screen = openScreen(true);
        screen->cmdPrimo->click();
        fx->writeFile("copertina.jpg", "vecchia copertina");
        QDir(fx->folder()).mkdir("scansioni");
        fx->writeFile("scansioni/copertina.jpg", "nuova copertina");
        fx->writeFile("scansioni/indice.pdf", "indice");
        Modal::setDriver("frmAllegaCartella", [&](QDialog& d) {
            auto& window = static_cast<TfrmAllegaCartella&>(d);
            QCOMPARE(window.lblMemory->text(), QStringLiteral("libri"));
            QCOMPARE(window.txtFile[0]->text(), QStringLiteral("copertina.jpg"));
            QVERIFY(window.btnApri[0]->isEnabled());
            QVERIFY(!window.btnApri[1]->isEnabled());
            // The folder is made; the same name asks before replacing, No keeps the old file.
            Dialogs::scriptFile(fx->file("scansioni/indice.pdf"));
            window.btnSfoglia[1]->click();
            QCOMPARE(window.txtFile[1]->text(), QStringLiteral("indice.pdf"));
            QCOMPARE(fx->readFile("Documenti_Allegati/indice.pdf"), QByteArray("indice"));
            fx->writeFile("Documenti_Allegati/copertina.jpg", "vecchia");
            MessageBox::scriptAnswer(MessageBox::Answer::No);
            Dialogs::scriptFile(fx->file("scansioni/copertina.jpg"));
            window.btnSfoglia[0]->click();
            QCOMPARE(fx->readFile("Documenti_Allegati/copertina.jpg"), QByteArray("vecchia"));
            Dialogs::scriptFile(fx->file("scansioni/copertina.jpg"));
            window.btnSfoglia[0]->click();
            QCOMPARE(fx->readFile("Documenti_Allegati/copertina.jpg"), QByteArray("nuova copertina"));
            window.btnApri[0]->click();
            QCOMPARE(TMisc::recorded().last(), "\"" + fx->file("Documenti_Allegati/copertina.jpg") + "\"");
            window.txtDesc[1]->setText("  L'indice  ");
            window.imgCancella[2]->clicked();
            window.btnApplica->click();
        });
        screen->cmdFile->click();
        QCOMPARE(screen->lblFile02->text(), QStringLiteral("indice.pdf"));
        QCOMPARE(screen->lblDesc02->text(), QStringLiteral("L'indice"));
        screen->cmdSalva->click();
        QCOMPARE(Archive<TSchedaLibro>().read(1)->File02, QStringLiteral("indice.pdf"));

        // "Annulla" leaves the card's labels as they were, the copied file in the folder.
        Modal::setDriver("frmAllegaCartella", [&](QDialog& d) {
            auto& window = static_cast<TfrmAllegaCartella&>(d);
            window.imgCancella[0]->clicked();
            window.btnAnnulla->click();
        });
        screen->cmdFile->click();
        QCOMPARE(screen->lblFile01->text(), QStringLiteral("copertina.jpg"));
        QVERIFY(QFile::exists(fx->file("Documenti_Allegati/indice.pdf")));
    }

    // The copy itself chosen again stays; a name that points outside the folder opens nothing.
    void attachmentsStayInTheirFolder()
    {
        auto screen = openScreen(true);
        QDir(fx->folder()).mkdir("Documenti_Allegati");
        fx->writeFile("Documenti_Allegati/indice.pdf", "indice");
        fx->writeFile("segreto.txt", "fuori");
        screen->lblFile01->setText("../segreto.txt");
        screen->lblFile02->setText(fx->file("segreto.txt"));
        Modal::setDriver("frmAllegaCartella", [&](QDialog& d) {
            auto& window = static_cast<TfrmAllegaCartella&>(d);
            window.btnApri[0]->click();
            window.btnApri[1]->click();
            Dialogs::scriptFile(fx->file("Documenti_Allegati/indice.pdf"));
            window.btnSfoglia[2]->click();
        });
        screen->cmdFile->click();
        QVERIFY(TMisc::recorded().isEmpty());
        QCOMPARE(TestFixture::messages().size(), 1); // the overwrite question, answered Yes
        QCOMPARE(fx->readFile("Documenti_Allegati/indice.pdf"), QByteArray("indice"));
    }

    // The visitors' screens: the same card, looked at and found, never changed.
    void consultationIsReadOnly()
    {
        storeBooks(2);
        TSchedaLibro cancelled = *Archive<TSchedaLibro>().read(2);
        cancelled.Annullata = ShortString::kYes;
        Archive<TSchedaLibro>().write(2, cancelled);
        const QByteArray before = fx->readFile("Libri.pro");
        TfrmConsultaLibri screen;
        screen.show();
        QVERIFY(QTest::qWaitForWindowActive(&screen));
        QCOMPARE(screen.windowTitle(), QStringLiteral(" Lettoria 3.0 - Consultazione Catalogo Libri"));
        QCOMPARE(screen.panInfo->text(), QStringLiteral("Pronto per consultare una nuova scheda..."));
        QCOMPARE(screen.text("Prestato"), QString());
        QCOMPARE(QApplication::focusWidget(), screen.control("Titolo"));
        for (const char* absent : {"cmdNuovo", "cmdDuplica", "cmdSalva", "cmdFile", "cmdEsporta", "cmdGuida", "btnCodice",
                 "btnDewey", "btnGoogle"})
            QVERIFY2(!screen.findChild<QWidget*>(absent), absent);
        screen.cmdUltimo->click();
        QCOMPARE(screen.text("Titolo"), QStringLiteral("Volume 2"));
        QVERIFY(screen.chkAnnullata->isChecked());
        QTest::keyClicks(screen.control("Titolo"), "abc");
        QCOMPARE(screen.text("Titolo"), QStringLiteral("Volume 2"));
        QTest::keyClicks(screen.control("Genere"), "x");
        QCOMPARE(screen.text("Genere"), QString());
        screen.chkAnnullata->click();
        screen.cmdPrimo->click();
        screen.cmdUltimo->click();
        QVERIFY(screen.chkAnnullata->isChecked());
        QCOMPARE(fx->readFile("Libri.pro"), before);
        QTest::keyClick(screen.control("Titolo"), Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), screen.control("Codice"));
        QVERIFY(screen.chkAnnullata->cursor().shape() != Qt::PointingHandCursor);

        QString marker;
        Modal::setDriver("frmTrovaLibri", [&](QDialog& d) { marker = static_cast<SearchWindow&>(d).lblMemory->text(); });
        screen.cmdTrova->click();
        QCOMPARE(marker, QStringLiteral("consulta_libri"));
        TfrmConsultaDVD dvds;
        Modal::setDriver("frmTrovaDisponibiliDVD", [&](QDialog& d) { marker = static_cast<SearchWindow&>(d).lblMemory->text(); });
        dvds.cmdDisponibili->click();
        QCOMPARE(marker, QStringLiteral("consulta_dvd"));
    }

    // Fields that cannot be typed in look alike and unlike those that can: the loan fields of
    // the card screens and every field of the visitors' screens.
    void readOnlyFieldsLookReadOnly()
    {
        TfrmLibri card;
        TfrmConsultaLibri visitors;
        const QColor editable = card.control("Titolo")->palette().color(QPalette::Base);
        const QColor readOnly = card.control("Prestato")->palette().color(QPalette::Base);
        QVERIFY(readOnly != editable);
        QCOMPARE(card.control("Scadenza")->palette().color(QPalette::Base), readOnly);
        for (const char* field : {"Titolo", "Codice", "Genere", "Lingua", "Note", "Prestato", "Scadenza"}) {
            QWidget* control = visitors.control(field);
            QCOMPARE(control->palette().color(QPalette::Base), readOnly);
            if (auto* combo = qobject_cast<QComboBox*>(control))
                QCOMPARE(combo->lineEdit()->palette().color(QPalette::Base), readOnly);
        }
        const QColor crimson = card.control("Prestato")->palette().color(QPalette::Text);
        QCOMPARE(visitors.control("Prestato")->palette().color(QPalette::Text), crimson);
        QVERIFY(visitors.control("Titolo")->palette().color(QPalette::Text) != crimson);
    }

    // A record's long texts show their beginning, on the card and on the visitors' card alike.
    void loadedTextsShowTheirBeginning()
    {
        TSchedaLibro b;
        b.Titolo = QStringLiteral("Storia della letteratura italiana dalle origini ai giorni nostri, con "
                                  "antologia dei testi, note di commento e un ampio apparato critico");
        b.Codice = QStringLiteral("LIB-2015-000127");
        b.Genere = QStringLiteral("Storia della letteratura italiana e delle sue scuole regionali");
        b.Prestato = QStringLiteral("Tessera n. 2015/000127-BIBLIOTECA-COMUNALE-DI-CASTELNUOVO");
        b.Annullata = ShortString::kNo;
        Archive<TSchedaLibro>().append(b);
        TfrmLibri card;
        TfrmConsultaLibri visitors;
        for (CardScreen* screen : std::initializer_list<CardScreen*> {&card, &visitors}) {
            screen->show();
            QVERIFY(QTest::qWaitForWindowExposed(screen));
            screen->cmdPrimo->click();
            for (const char* field : {"Titolo", "Codice", "Genere", "Prestato"}) {
                QWidget* control = screen->control(field);
                auto* line = qobject_cast<QLineEdit*>(control);
                if (auto* combo = qobject_cast<QComboBox*>(control))
                    line = combo->lineEdit();
                QVERIFY2(!line->text().isEmpty(), field);
                QCOMPARE(line->cursorPosition(), 0);
            }
            screen->hide();
        }
    }

    // The lists are typing aids: what is typed is what is stored, never a completed item.
    void combosNeverCompleteTheTypedText()
    {
        for (bool books : {true, false}) {
            auto screen = openScreen(books);
            for (const char* field : {"Genere", "Lingua"}) {
                QWidget* combo = screen->control(field);
                combo->setFocus();
                QTest::keyClicks(combo, field == QByteArray("Genere") ? "Romanzo" : "Ital");
                QTest::keyClick(combo, Qt::Key_Tab);
                QCOMPARE(screen->text(field), QString(field == QByteArray("Genere") ? "Romanzo" : "Ital"));
            }
        }
    }

    void anEmptyCancelledFlagLeavesTheBoxAsItWas()
    {
        storeBooks(2);
        QByteArray bytes = fx->readFile("Libri.pro");
        bytes.replace(1728, 3, QByteArray("\x02S\xEC"));
        bytes.replace(3237 + 1728, 3, QByteArray(3, '\0'));
        fx->writeFile("Libri.pro", bytes);
        auto screen = openScreen(true);
        screen->cmdPrimo->click();
        QVERIFY(screen->chkAnnullata->isChecked());
        screen->cmdAvanti->click();
        QCOMPARE(screen->lblPosizione->text(), QStringLiteral("2"));
        QVERIFY(screen->chkAnnullata->isChecked());
        screen->cmdPrimo->click();
        screen->chkAnnullata->setChecked(false);
        screen->cmdUltimo->click();
        QVERIFY(!screen->chkAnnullata->isChecked());
    }

    void duplicate()
    {
        storeBooks(1);
        auto screen = openScreen(true);
        screen->cmdDuplica->click();
        QCOMPARE(TestFixture::messages(),
            QStringList({QStringLiteral(
                "Attenzione: la duplicazione di una scheda pu\u00F2 avvenire soltanto dopo che "
                "questa \u00E8 stata inserita in archivio.")}));
        MessageBox::clearShown();

        screen->cmdPrimo->click();
        screen->chkAnnullata->setChecked(true);
        screen->cmdDuplica->click();
        QCOMPARE(screen->lblPosizione->text(), QString());
        QCOMPARE(edit(*screen, "Codice")->text(), QString());
        QCOMPARE(edit(*screen, "Titolo")->text(), QStringLiteral("Volume 1"));
        QCOMPARE(edit(*screen, "Autore")->text(), QStringLiteral("Autore"));
        QCOMPARE(edit(*screen, "Prestato")->text(), QStringLiteral("Libro disponibile per il prestito"));
        QCOMPARE(edit(*screen, "Scadenza")->text(), QString());
        QCOMPARE(screen->txtConvalida->text(), ShortString::kNo);
        QCOMPARE(screen->lblFile01->text(), QString());
        QVERIFY(!screen->chkAnnullata->isChecked());
        QCOMPARE(QApplication::focusWidget(), screen->control("Codice"));
        MessageBox::clearShown();

        typeInto(*screen, "Codice", "V2");
        screen->cmdSalva->click();
        QCOMPARE(TestFixture::messages(), QStringList({kBookNotValidated}));
        QCOMPARE(Archive<TSchedaLibro>().count(), std::optional<qint64>(1));
    }

    void codeOfAStoredCardCannotChange()
    {
        storeBooks(1);
        auto screen = openScreen(true);
        QLineEdit* code = edit(*screen, "Codice");
        // On a new card every key is taken.
        QTest::keyClicks(code, "N1");
        QCOMPARE(code->text(), QStringLiteral("N1"));

        screen->cmdPrimo->click();
        code->setFocus();
        code->setCursorPosition(2);
        QTest::keyClicks(code, "x");
        QTest::keyClick(code, Qt::Key_Backspace);
        QTest::keyClick(code, Qt::Key_Delete);
        QCOMPARE(code->text(), QStringLiteral("V1"));
        QTest::keyClick(code, Qt::Key_Left);
        QCOMPARE(code->cursorPosition(), 1);
        QTest::keyClick(code, Qt::Key_Right);
        QCOMPARE(code->cursorPosition(), 2);
        QTest::keyClick(code, Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), screen->control("Scaffale"));

        screen->btnCodice->click();
        QCOMPARE(TestFixture::messages(),
            QStringList(
                {QStringLiteral("Il codice identificativo del libro \u00E8 gi\u00E0 stato convalidato.")}));
        QCOMPARE(MessageBox::shown().at(0).kind, MessageBox::Kind::Information);
        QCOMPARE(QApplication::focusWidget(), screen->control("Codice"));
        QVERIFY(Modal::opened().isEmpty());
    }

    void codeCheckNeedsACode()
    {
        auto screen = openScreen(false);
        typeInto(*screen, "Codice", "   ");
        screen->btnCodice->click();
        QCOMPARE(TestFixture::messages(),
            QStringList({QStringLiteral("Indicare il codice identificativo da assegnare al DVD prima "
                                        "di premere il pulsante di convalida.")}));
        QVERIFY(Modal::opened().isEmpty());
    }

    void aCodeChangedAfterItsCheckMustBeCheckedAgain_data()
    {
        QTest::addColumn<bool>("books");
        QTest::newRow("libro") << true;
        QTest::newRow("DVD") << false;
    }

    // A free code checked, then retyped as a stored one: the save asks for a new check instead
    // of storing two equal codes.
    void aCodeChangedAfterItsCheckMustBeCheckedAgain()
    {
        QFETCH(bool, books);
        if (books) {
            storeBooks(1);
        } else {
            TSchedaDVD stored;
            stored.Titolo = "Amarcord";
            stored.Codice = "V1";
            stored.Convalida = ShortString::kYes;
            stored.Annullata = ShortString::kNo;
            Archive<TSchedaDVD>().append(stored);
        }
        auto screen = openScreen(books);
        typeInto(*screen, "Titolo", "Nuovo");
        typeInto(*screen, books ? "Autore" : "Regia", "Qualcuno");
        typeInto(*screen, "Codice", "X9");
        validateWithOk(books ? "frmConvalida" : "frmConvalidaDVD");
        screen->btnCodice->click();
        QCOMPARE(screen->txtConvalida->text(), ShortString::kYes);

        QLineEdit* code = edit(*screen, "Codice");
        code->setFocus();
        code->selectAll();
        QTest::keyClick(code, Qt::Key_Backspace);
        QTest::keyClicks(code, "v1");
        QCOMPARE(screen->txtConvalida->text(), ShortString::kNo);
        MessageBox::clearShown();
        screen->cmdSalva->click();
        QCOMPARE(TestFixture::messages().size(), 1);
        QVERIFY(TestFixture::messages().first().contains("convalidare il codice identificativo"));
        QCOMPARE(QApplication::focusWidget(), screen->control("Codice"));
        const QString file = books ? "Libri.pro" : "DVD.pro";
        QCOMPARE(fx->readFile(file).size(), books ? 3237 : 3634);

        // A code loaded from the archive is not an edit: browsing keeps its stored flag.
        screen->cmdPrimo->click();
        QCOMPARE(screen->txtConvalida->text(), ShortString::kYes);
    }

    // The loan fields belong to the loan desk: a card saved on one computer keeps the loan that
    // another computer made after the card was loaded.
    void savingACardKeepsTheLoanTheFileHolds()
    {
        TSchedaLibro book;
        book.Titolo = "Il Gattopardo";
        book.Codice = "L-2";
        book.Convalida = ShortString::kYes;
        book.Autore = "Tomasi di Lampedusa";
        book.Prestato = "Libro disponibile per il prestito";
        book.Annullata = ShortString::kNo;
        Archive<TSchedaLibro>().append(book);
        auto screen = openScreen(true);
        screen->cmdPrimo->click();
        QCOMPARE(screen->text("Prestato"), QStringLiteral("Libro disponibile per il prestito"));

        TSchedaLibro lent = book;
        lent.Prestato = "Tessera n. 5";
        lent.Scadenza = "20/06/2015";
        QVERIFY(Archive<TSchedaLibro>().write(1, lent));

        typeInto(*screen, "Note", "Copertina rigida");
        screen->cmdSalva->click();
        QCOMPARE(TestFixture::messages(), QStringList({kSaved}));
        const TSchedaLibro saved = *Archive<TSchedaLibro>().read(1);
        QCOMPARE(saved.Note, QStringLiteral("Copertina rigida"));
        QCOMPARE(saved.Prestato, QStringLiteral("Tessera n. 5"));
        QCOMPARE(saved.Scadenza, QStringLiteral("20/06/2015"));
        // The card shows what was stored.
        QCOMPARE(screen->text("Prestato"), QStringLiteral("Tessera n. 5"));
        QCOMPARE(screen->text("Scadenza"), QStringLiteral("20/06/2015"));
        QCOMPARE(screen->text("Note"), QStringLiteral("Copertina rigida"));
    }

    void anAttachmentThatCannotBeCopiedLeavesTheSlotAsItWas_data()
    {
        QTest::addColumn<bool>("folderBlocked");
        QTest::newRow("the folder cannot be made") << true;
        QTest::newRow("the copy fails") << false;
    }

    void anAttachmentThatCannotBeCopiedLeavesTheSlotAsItWas()
    {
        QFETCH(bool, folderBlocked);
        storeBooks(1);
        auto screen = openScreen(true);
        screen->cmdPrimo->click();
        fx->writeFile("indice.pdf", "indice");
        // A file where the folder should be: the folder cannot be made.
        if (folderBlocked)
            fx->writeFile("Documenti_Allegati", "un file");
        const QString chosen = fx->file(folderBlocked ? "indice.pdf" : "sparito.pdf");
        QString name0, name1;
        bool open0 = false, open1 = true;
        Modal::setDriver("frmAllegaCartella", [&](QDialog& d) {
            auto& window = static_cast<TfrmAllegaCartella&>(d);
            for (int slot : {0, 1}) {
                Dialogs::scriptFile(chosen);
                window.btnSfoglia[size_t(slot)]->click();
            }
            name0 = window.txtFile[0]->text();
            name1 = window.txtFile[1]->text();
            open0 = window.btnApri[0]->isEnabled();
            open1 = window.btnApri[1]->isEnabled();
            window.btnApplica->click();
        });
        screen->cmdFile->click();
        const QString failed = QStringLiteral(
            "Attenzione: il sistema non permette di copiare il file nella cartella dei documenti allegati.\n\r\n\r"
            "Accertarsi di possedere i privilegi di scrittura nella cartella di installazione del programma.");
        QCOMPARE(TestFixture::messages(), QStringList({failed, failed}));
        QCOMPARE(name0, QStringLiteral("copertina.jpg"));
        QCOMPARE(name1, QString());
        QVERIFY(open0);
        QVERIFY(!open1);
        QCOMPARE(screen->lblFile01->text(), QStringLiteral("copertina.jpg"));
        QCOMPARE(screen->lblFile02->text(), QString());
    }

    void annullaKeepsTheCodeUnvalidated()
    {
        auto screen = openScreen(true);
        typeInto(*screen, "Codice", "C1");
        Modal::setDriver(
            "frmConvalida", [](QDialog& d) { d.findChild<QPushButton*>("btnAnnulla")->click(); });
        screen->btnCodice->click();
        QCOMPARE(screen->txtConvalida->text(), ShortString::kNo);
    }

    void isbnTurnsToUpperCaseOnKeyRelease()
    {
        auto screen = openScreen(true);
        QLineEdit* isbn = edit(*screen, "Isbn");
        isbn->setFocus();
        QTest::keyClicks(isbn, " 88-04-3");
        QTest::keyClick(isbn, Qt::Key_X, Qt::NoModifier);
        QCOMPARE(isbn->text(), QStringLiteral("88-04-3X"));
        isbn->setText(QStringLiteral("\u00E0bc"));
        QTest::keyRelease(isbn, Qt::Key_Shift);
        QCOMPARE(isbn->text(), QStringLiteral("\u00E0BC"));
    }

    void enterChain_data()
    {
        QTest::addColumn<bool>("books");
        QTest::addColumn<QStringList>("chain");
        QTest::newRow("books") << true
                               << QStringList({"Titolo", "Codice", "Scaffale", "Autore", "Nazione",
                                      "Curatore", "Dewey", "Pagine", "Genere", "Giudizio", "Editore", "Isbn",
                                      "Citta", "Anno", "Volumi", "Prezzo", "Collana", "Formato", "Originale",
                                      "Lingua", "Prima", "Traduttore", "Versione", "Note", "Prestato",
                                      "Scadenza", "Titolo"});
        QTest::newRow("dvds") << false
                              << QStringList({"Titolo", "Codice", "Scaffale", "Regia", "Nazione",
                                     "Protagonista", "Anno", "Durata", "Genere", "Giudizio", "Distribuzione",
                                     "Sceneggiatura", "Collana", "Prezzo", "Cast", "Contenuti", "Originale",
                                     "Lingua", "AltreLingue", "Sottotitoli", "Premi", "Note", "Prestato",
                                     "Scadenza", "Titolo"});
    }

    void enterChain()
    {
        QFETCH(bool, books);
        QFETCH(QStringList, chain);
        auto screen = openScreen(books);
        QStringList walked;
        for (int i = 0; i < chain.size(); ++i) {
            QWidget* focus = QApplication::focusWidget();
            walked << focus->objectName().mid(3);
            QVERIFY(screen->findChild<QFrame*>("eff" + walked.last())->isVisible());
            QTest::keyClick(focus, Qt::Key_Return);
        }
        QCOMPARE(walked, chain);
    }

    void fieldsAndLists()
    {
        auto books = openScreen(true);
        auto* genre = qobject_cast<QComboBox*>(books->control("Genere"));
        auto* language = qobject_cast<QComboBox*>(books->control("Lingua"));
        QCOMPARE(genre->count(), 120);
        QCOMPARE(genre->itemText(0), QStringLiteral("Agricoltura"));
        QCOMPARE(genre->itemText(119), QStringLiteral("Usi e costumi, etichetta, folclore"));
        QCOMPARE(language->count(), 213);
        QCOMPARE(language->itemText(212), QStringLiteral("Zulu"));
        QCOMPARE(edit(*books, "Dewey")->maxLength(), 3);
        QCOMPARE(edit(*books, "Titolo")->maxLength(), 250);
        QVERIFY(edit(*books, "Prestato")->isReadOnly());

        // A chosen item does not stay chosen when the box takes the focus again; its text stays.
        genre->setCurrentIndex(5);
        books->control("Note")->setFocus();
        genre->setFocus();
        QCOMPARE(genre->currentIndex(), -1);
        QCOMPARE(genre->currentText(), QStringLiteral("Arti grafiche"));

        auto dvds = openScreen(false);
        QCOMPARE(qobject_cast<QComboBox*>(dvds->control("Genere"))->count(), 31);
        QCOMPARE(qobject_cast<QComboBox*>(dvds->control("Lingua"))->count(), 213);
        QCOMPARE(edit(*dvds, "Premi")->maxLength(), 30);
        QCOMPARE(edit(*dvds, "Anno")->maxLength(), 4);
        QVERIFY(!dvds->btnDewey);
        QVERIFY(books->cmdStampa->isEnabled() && books->cmdEsporta->isEnabled() && books->cmdFile->isEnabled());
        QVERIFY(books->btnDewey->isEnabled());
    }

    void webSearch_data()
    {
        QTest::addColumn<bool>("books");
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("missing");
        QTest::newRow("books by ISBN")
            << true << "Isbn"
            << " 88-04-3x"
            << "\"https://www.google.com/search?q=ISBN:88-04-3X\""
            << "Attenzione: per poter effettuare una ricerca sul Web \u00E8 necessario "
               "compilare il campo relativo all'ISBN del libro.";
        QTest::newRow("dvds by title")
            << false << "Titolo"
            << "  La dolce vita "
            << "\"https://www.google.com/search?q=La dolce vita\""
            << "Attenzione: per poter effettuare una ricerca sul Web \u00E8 necessario "
               "compilare il campo relativo al titolo del DVD.";
    }

    void webSearch()
    {
        QFETCH(bool, books);
        QFETCH(QString, field);
        QFETCH(QString, typed);
        QFETCH(QString, command);
        QFETCH(QString, missing);
        auto screen = openScreen(books);
        screen->btnGoogle->click();
        QCOMPARE(TestFixture::messages(), QStringList({missing}));
        QCOMPARE(QApplication::focusWidget(), screen->control(field));
        QVERIFY(TMisc::recorded().isEmpty());
        MessageBox::clearShown();

        typeInto(*screen, field, typed);
        screen->btnGoogle->click();
        QCOMPARE(TMisc::recorded(), QStringList({command}));
        QVERIFY(MessageBox::shown().isEmpty());

        TMisc::refuseNext();
        screen->btnGoogle->click();
        QCOMPARE(TestFixture::messages(),
            QStringList({QStringLiteral(
                "Attenzione: il sistema non permette di collegarsi al motore di ricerca di Google."
                "\n\r\n\rAccertarsi che la propria connessione a Internet funzioni correttamente.")}));
    }

    void searchHitLoadsIntoTheCard()
    {
        storeBooks(3);
        auto screen = openScreen(true);
        QString marker;
        Modal::setDriver("frmTrovaDisponibili", [&](QDialog& d) {
            auto& w = static_cast<SearchWindow&>(d);
            marker = w.lblMemory->text();
            w.criterion(0)->setText("volume");
            w.btnCerca->click();
            // Every book is lent: none is listed.
            QCOMPARE(w.lstRecords->count(), 0);
            w.btnChiudi->click();
        });
        screen->cmdDisponibili->click();
        QCOMPARE(marker, QStringLiteral("libri"));

        Modal::setDriver("frmTrovaLibri", [&](QDialog& d) {
            auto& w = static_cast<SearchWindow&>(d);
            marker = w.lblMemory->text();
            w.criterion(0)->setText("volume 3");
            w.btnCerca->click();
            w.lstRecords->selectIndex(0);
            emit w.lstRecords->listDoubleClicked();
        });
        screen->cmdTrova->click();
        QCOMPARE(marker, QStringLiteral("libri"));
        QCOMPARE(screen->lblPosizione->text(), QStringLiteral("3"));
        QCOMPARE(edit(*screen, "Titolo")->text(), QStringLiteral("Volume 3"));
        QCOMPARE(edit(*screen, "Codice")->text(), QStringLiteral("V3"));
        QCOMPARE(screen->txtConvalida->text(), ShortString::kYes);
        // A stored card now: its code is fixed.
        edit(*screen, "Codice")->setFocus();
        QTest::keyClicks(edit(*screen, "Codice"), "9");
        QCOMPARE(edit(*screen, "Codice")->text(), QStringLiteral("V3"));
    }

    void statusLineAndHelp()
    {
        auto screen = openScreen(false);
        const auto moveOver = [](QWidget* widget) {
            QMouseEvent move(QEvent::MouseMove, QPointF(2, 2), widget->mapToGlobal(QPointF(2, 2)),
                Qt::NoButton, Qt::NoButton, Qt::NoModifier);
            QApplication::sendEvent(widget, &move);
        };
        QCOMPARE(screen->panInfo->text(), QStringLiteral("Pronto per archiviare una nuova scheda..."));
        moveOver(screen->cmdDisponibili);
        QCOMPARE(screen->panInfo->text(),
            QStringLiteral("Trova un DVD in archivio fra quelli disponibili per il prestito. (Alt+B)"));
        moveOver(screen->control("Titolo")); // a field without a text of its own
        QCOMPARE(screen->panInfo->text(), QString());
        moveOver(screen->control("Scadenza"));
        QCOMPARE(screen->panInfo->text(),
            QStringLiteral("Campo di testo di sola lettura che si autocompila in fase "
                           "di emissione di una scheda prestito."));
        moveOver(screen.get());
        QCOMPARE(screen->panInfo->text(), QString());
        moveOver(screen->btnGoogle);
        QCOMPARE(screen->panInfo->text(),
            QStringLiteral("Cerca sul Web, tramite Google, informazioni relative al DVD "
                           "con il titolo indicato. (F4 nel campo)"));

        QString title;
        int paragraphs = 0;
        Modal::setDriver("frmGuida", [&](QDialog& d) {
            title = d.findChild<QLabel*>("lblTitolo")->text();
            paragraphs = int(d.findChild<QPlainTextEdit*>("txtGuida")->toPlainText().split("\n\n").size());
        });
        screen->cmdGuida->click();
        QCOMPARE(title, QStringLiteral("Archivio DVD."));
        QCOMPARE(paragraphs, HelpTopic::load("dvd").paragraphs.size());
        QVERIFY(HelpTopic::load("dvd").paragraphs.first().startsWith(
            "L'ambiente per la gestione dei DVD presenta una serie di campi di testo in cui bisogna inserire "
            "le "
            "informazioni riguardanti ciascun film o documentario."));
        const HelpTopic books = HelpTopic::load("libri");
        QCOMPARE(books.title, QStringLiteral("Archivio Libri."));
        QCOMPARE(books.paragraphs.size(), 7);
        QVERIFY(books.paragraphs.first().startsWith("L'ambiente per la gestione dei libri presenta una serie "
                                                    "di campi di testo in cui bisogna inserire le "
                                                    "informazioni riguardanti ciascuna opera."));
    }

    void closingSaysSo()
    {
        auto screen = openScreen(true);
        QSignalSpy closed(screen.get(), &CardScreen::closed);
        screen->cmdEsci->click();
        QCOMPARE(closed.count(), 1);
        QVERIFY(!screen->isVisible());
    }
};

QTEST_MAIN(TestCardScreen)
#include "tst_cardscreen.moc"
