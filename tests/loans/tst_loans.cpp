#include "CatalogueScreen.h"
#include "Clock.h"
#include "Disk.h"
#include "MessageBox.h"
#include "Modal.h"
#include "Printing.h"
#include "RecordFile.h"
#include "ResultList.h"
#include "ReturnConfirm.h"
#include "SearchWindow.h"
#include "ShortString.h"
#include "LoanDeskDrivers.h"
#include "TestFixture.h"
#include "TfrmCalendario.h"
#include "TfrmPrestiti.h"
#include "TfrmRestituzioni.h"

#include <QCalendarWidget>
#include <QDir>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <QtTest>

namespace {

const QString kAccess = QStringLiteral(
    "Attenzione: il sistema non permette di accedere all'archivio.\n\r\n\r"
    "Accertarsi di possedere i privilegi di scrittura nella cartella di installazione del programma.");
const QString kAdded = QStringLiteral(
    "Il prestito corrente \u00E8 stato aggiunto all'elenco.\n\r\n\rE' ora possibile registrare un nuovo prestito allo "
    "stesso utente.");
const QString kRemoved = QStringLiteral(
    "Il prestito selezionato \u00E8 stato rimosso dall'elenco.\n\r\n\rE' ora possibile registrare una nuova "
    "restituzione per lo stesso utente.");

QByteArray registerBytes(const TestFixture& fx, int year)
{
    return fx.readFile(QStringLiteral("%1.bib").arg(year));
}

} // namespace

class TestLoans : public QObject {
    Q_OBJECT

    std::unique_ptr<TestFixture> fx;

private slots:
    void init()
    {
        fx = std::make_unique<TestFixture>();
        fillArchives();
    }
    void cleanup() { fx.reset(); }

    void theRoadOfALoan()
    {
        auto screen = std::make_unique<TfrmPrestiti>();
        screen->show();
        QVERIFY(QTest::qWaitForWindowActive(screen.get()));
        QVERIFY(screen->panSelezione->isVisible());
        QCOMPARE(QApplication::focusWidget(), screen->btnImporta);
        chooseFirstMember();
        screen->btnImporta->click();
        QCOMPARE(screen->txtTesserato->text(), QStringLiteral("Rossi Mario"));
        QCOMPARE(screen->txtRecapito->text(), QStringLiteral("0544 123456"));
        // Loaded texts show their beginning.
        QCOMPARE(screen->txtTesserato->cursorPosition(), 0);
        QCOMPARE(screen->txtRecapito->cursorPosition(), 0);
        QVERIFY(!QFile::exists(fx->file("2015.bib")));
        screen->btnVisualizza->click();
        QVERIFY(screen->panContainer->isVisible());
        QVERIFY(QFile::exists(fx->file("2015.bib")));
        QCOMPARE(screen->lblFile->text(), fx->file("2015.bib"));
        QCOMPARE(screen->titData->text(), QStringLiteral("10/06/2015"));
        QCOMPARE(screen->lstRecords->count(), 0);
        QCOMPARE(QApplication::focusWidget(), screen->titDataSca);

        screen->btnImportaLibro->click();
        QCOMPARE(TestFixture::messages(),
            QStringList({"Attenzione: indicare la data di scadenza del prestito prima di importare il libro."}));
        // Only the calendar fills the due date; Backspace empties it.
        pickDay(QDate(2015, 6, 20));
        QTest::keyClick(screen->titDataSca, Qt::Key_5);
        QCOMPARE(screen->titDataSca->text(), QStringLiteral("20/06/2015"));
        QTest::keyClick(screen->titDataSca, Qt::Key_Backspace);
        QCOMPARE(screen->titDataSca->text(), QString());
        // The calendar offers no day before today; a due date that is past all the same (the day
        // changed while the card was open) is refused.
        Modal::setDriver("frmCalendario", [](QDialog& d) {
            auto& calendar = static_cast<TfrmCalendario&>(d);
            QCalendarWidget* days = calendar.calAppuntamenti;
            QCOMPARE(days->minimumDate(), QDate(2015, 6, 10));
            const QColor greyed = days->palette().color(QPalette::Disabled, QPalette::Text);
            QCOMPARE(days->dateTextFormat(QDate(2015, 6, 1)).foreground().color(), greyed);
            QCOMPARE(days->dateTextFormat(QDate(2015, 6, 9)).foreground().color(), greyed);
            QVERIFY(days->dateTextFormat(QDate(2015, 6, 10)).foreground().color() != greyed);
            calendar.calAppuntamenti->setSelectedDate(QDate(2015, 6, 9));
            QCOMPARE(calendar.calAppuntamenti->selectedDate(), QDate(2015, 6, 10));
            calendar.btnAnnulla->click();
        });
        screen->btnDataSca->click();
        QCOMPARE(screen->titDataSca->text(), QString());
        screen->titDataSca->setText(QStringLiteral("09/06/2015"));
        MessageBox::clearShown();
        screen->btnImportaLibro->click();
        QCOMPARE(TestFixture::messages(),
            QStringList({"Attenzione: la data di scadenza (09/06/2015) non pu\u00F2 essere anteriore a quella del "
                         "prestito (10/06/2015).\n\r\n\rPer poter compilare la scheda \u00E8 necessario indicare "
                         "una data di scadenza valida."}));

        // Due today is accepted; the picker lists available books only.
        pickDay(QDate(2015, 6, 10));
        screen->btnDataSca->click();
        QStringList listed;
        pickFirstItem("frmTrovaPrestitiLibri", &listed);
        MessageBox::clearShown();
        screen->btnImportaLibro->click();
        QCOMPARE(listed.size(), 3);
        QVERIFY(listed.at(0).startsWith("Cod. L1 "));
        QCOMPARE(listed.at(1), QStringLiteral("Il presente riepilogo contiene 1 schede."));
        QCOMPARE(listed.at(2), QStringLiteral("prestiti_libri"));
        QCOMPARE(TestFixture::messages(), QStringList({kAdded}));
        const auto lent = Archive<TSchedaLibro>().read(1);
        QCOMPARE(lent->Prestato, QStringLiteral("Tessera n. 27"));
        QCOMPARE(lent->Scadenza, QStringLiteral("10/06/2015"));
        QCOMPARE(lent->Titolo, QStringLiteral("Il nome della rosa"));
        QCOMPARE(registerBytes(*fx, 2015).size(), 272);
        const auto loan = Archive<TSchedaPrestito>(fx->file("2015.bib")).read(1);
        QCOMPARE(QStringList({loan->Tesserato, loan->NumTessera, loan->Recapito, loan->Tipo, loan->Codice,
                     loan->Titolo, loan->Data, loan->DataSca, loan->DataRes}),
            QStringList({"Rossi Mario", "27", "0544 123456", "Libro", "L1", "Il nome della rosa", "10/06/2015",
                "10/06/2015", ""}));
        QCOMPARE(screen->lstRecords->count(), 1);
        QVERIFY(screen->lstRecords->lines().at(0).endsWith("  Data: 10/06/2015  Scad. 10/06/2015"));
        QVERIFY(screen->lstRecords->lines().at(0).startsWith("Libro  Cod. L1      "));
        QCOMPARE(screen->titDataSca->text(), QString());
        QCOMPARE(screen->titTipo->text(), QString());

        // A second loan in a row needs a new due date.
        MessageBox::clearShown();
        screen->btnImportaDVD->click();
        QCOMPARE(TestFixture::messages(),
            QStringList({"Attenzione: indicare la data di scadenza del prestito prima di importare il DVD."}));
        pickDay(QDate(2015, 6, 30));
        screen->btnDataSca->click();
        pickFirstItem("frmTrovaPrestitiDVD");
        screen->btnImportaDVD->click();
        QCOMPARE(registerBytes(*fx, 2015).size(), 544);
        QCOMPARE(Archive<TSchedaDVD>().read(1)->Scadenza, QStringLiteral("30/06/2015"));
        QCOMPARE(Archive<TSchedaPrestito>(fx->file("2015.bib")).read(2)->Tipo, QStringLiteral("DVD"));

        // Printed, after the question, under the member's title.
        screen->btnStampa->click();
        QCOMPARE(Printing::printed().size(), 1);
        QCOMPARE(Printing::printed().at(0).report.object("txtTitolo")->text,
            QStringLiteral("Prestiti dell'utente Rossi Mario - Tessera n. 27"));

        // Opened again, the card reads the loans back from the register.
        screen->btnEsci->click();
        auto again = openLendingCard();
        QCOMPARE(again->lstRecords->count(), 2);
        QVERIFY(again->lstRecords->lines().at(0).endsWith("  Scad: 10/06/2015"));
        QVERIFY(again->lstRecords->lines().at(1).startsWith("DVD    Cod. D1"));

        // The book card shows the loan.
        TfrmLibri books;
        books.show();
        books.cmdPrimo->click();
        QCOMPARE(books.text("Prestato"), QStringLiteral("Tessera n. 27"));
        QCOMPARE(books.text("Scadenza"), QStringLiteral("10/06/2015"));
    }

    void selectionChecksAndEmptyPrint()
    {
        TfrmPrestiti screen;
        screen.show();
        QVERIFY(QTest::qWaitForWindowActive(&screen));
        screen.btnVisualizza->click();
        QCOMPARE(TestFixture::messages().last(),
            QStringLiteral("Attenzione: per visualizzare la scheda prestito \u00E8 necessario indicare il nome "
                           "dell'utente importandolo dall'archivio anagrafico."));
        QCOMPARE(QApplication::focusWidget(), screen.btnImporta);
        auto card = openLendingCard();
        MessageBox::clearShown();
        card->btnStampa->click();
        QCOMPARE(TestFixture::messages(),
            QStringList({"Operazione di stampa non applicabile: l'elenco non contiene nessuna voce."}));
    }

    // One loan marks one item: taken by another desk between the list and the double-click, the
    // item is not lent twice.
    void anItemLentMeanwhileIsNotLentAgain()
    {
        auto screen = openLendingCard();
        pickDay(QDate(2015, 6, 20));
        screen->btnDataSca->click();
        const QByteArray books = fx->readFile("Libri.pro");
        pickFirstItem("frmTrovaPrestitiLibri", nullptr, [] {
            TSchedaLibro taken = *Archive<TSchedaLibro>().read(1);
            taken.Prestato = QStringLiteral("Tessera n. 31");
            taken.Scadenza = QStringLiteral("15/06/2015");
            Archive<TSchedaLibro>().write(1, taken);
        });
        screen->btnImportaLibro->click();
        QCOMPARE(TestFixture::messages(),
            QStringList({"Attenzione: il libro selezionato non \u00E8 pi\u00F9 disponibile per il prestito."}));
        QCOMPARE(Archive<TSchedaLibro>().read(1)->Prestato, QStringLiteral("Tessera n. 31"));
        QCOMPARE(registerBytes(*fx, 2015).size(), 0);
        QCOMPARE(screen->lstRecords->count(), 0);
    }

    // No item lent to nobody: when the register cannot take the loan, the item is put back.
    void aFailedRegisterLeavesTheItemAvailable()
    {
        auto screen = openLendingCard();
        pickDay(QDate(2015, 6, 20));
        screen->btnDataSca->click();
        const QByteArray books = fx->readFile("Libri.pro");
        pickFirstItem("frmTrovaPrestitiLibri");
        // The journals take the first two writes, the book the third; the fourth is the register's.
        Disk::inject(Disk::Fault::Half, 4);
        screen->btnImportaLibro->click();
        Disk::clearFaults();
        QCOMPARE(TestFixture::messages(), QStringList({kAccess}));
        QCOMPARE(fx->readFile("Libri.pro"), books);
        QCOMPARE(registerBytes(*fx, 2015).size(), 0);
        QCOMPARE(screen->lstRecords->count(), 0);
    }

    // A loan of 30/12/2014 given back on 02/01/2015, found by typing the old year.
    void aReturnAcrossTheNewYear()
    {
        TSchedaLibro lent = book("L2", "Gia prestato", "20/01/2015");
        lent.Prestato = QStringLiteral("Tessera n. 27");
        Archive<TSchedaLibro>().write(2, lent);
        TSchedaPrestito loan;
        loan.Tesserato = QStringLiteral("Rossi Mario");
        loan.NumTessera = QStringLiteral("27");
        loan.Tipo = QStringLiteral("Libro");
        loan.Codice = QStringLiteral("L2");
        loan.Titolo = QStringLiteral("Gia prestato");
        loan.Data = QStringLiteral("30/12/2014");
        loan.DataSca = QStringLiteral("20/01/2015");
        Archive<TSchedaPrestito> register2014(fx->file("2014.bib"));
        TSchedaPrestito other = loan;
        other.NumTessera = QStringLiteral("28");
        register2014.append(other);
        register2014.append(loan);
        Clock::setFixed(QDateTime(QDate(2015, 1, 2), QTime(9, 0)));

        TfrmRestituzioni screen;
        screen.show();
        QVERIFY(QTest::qWaitForWindowActive(&screen));
        QCOMPARE(screen.txtAnno->text(), QStringLiteral("2015"));
        QCOMPARE(QApplication::focusWidget(), screen.txtAnno);
        chooseFirstMember();
        screen.btnImporta->click();
        screen.txtAnno->clear();
        QTest::keyClicks(screen.txtAnno, "2x01");
        QCOMPARE(screen.txtAnno->text(), QStringLiteral("201"));
        screen.btnVisualizza->click();
        QCOMPARE(TestFixture::messages(), QStringList({"Attenzione: indicare l'anno solare utilizzando quattro cifre."}));
        QCOMPARE(QApplication::focusWidget(), screen.txtAnno);
        QTest::keyClicks(screen.txtAnno, "4");
        screen.btnVisualizza->click();
        QVERIFY(screen.panContainer->isVisible());
        QCOMPARE(screen.lstRecords->count(), 1);
        QCOMPARE(screen.titDataRes->text(), QStringLiteral("02/01/2015"));

        MessageBox::clearShown();
        screen.btnRimuovi->click();
        QCOMPARE(TestFixture::messages(),
            QStringList({"Attenzione: selezionare un libro o DVD con un clic prima di premere il pulsante Rimuovi "
                         "da elenco."}));
        const QRect line = screen.lstRecords->visualRect(screen.lstRecords->model()->index(0, 0));
        QTest::mouseClick(screen.lstRecords->viewport(), Qt::LeftButton, {}, line.center());
        QCOMPARE(screen.titCodice->text(), QStringLiteral("L2"));
        QCOMPARE(screen.titData->text(), QStringLiteral("30/12/2014"));
        QCOMPARE(screen.lblPosizione->text(), QStringLiteral("2"));
        QCOMPARE(screen.titTitolo->cursorPosition(), 0);

        QString shown;
        Modal::setDriver("frmRendiLibro", [&](QDialog& d) {
            auto& confirm = static_cast<ReturnConfirm&>(d);
            QCOMPARE(confirm.txtTitolo->cursorPosition(), 0);
            shown = confirm.txtTitolo->text() + '|' + confirm.txtScaffale->text() + '|' + confirm.lblPosizione->text();
            confirm.btnConferma->click();
        });
        const qint64 size = registerBytes(*fx, 2014).size();
        MessageBox::clearShown();
        screen.btnRimuovi->click();
        QCOMPARE(shown, QStringLiteral("Gia prestato|A1|2"));
        QCOMPARE(TestFixture::messages(), QStringList({kRemoved}));
        QCOMPARE(Archive<TSchedaLibro>().read(2)->Prestato, QStringLiteral("Libro disponibile per il prestito"));
        QCOMPARE(Archive<TSchedaLibro>().read(2)->Scadenza, QString());
        QCOMPARE(registerBytes(*fx, 2014).size(), size);
        QCOMPARE(register2014.read(2)->DataRes, QStringLiteral("02/01/2015"));
        QCOMPARE(register2014.read(1)->DataRes, QString());
        QCOMPARE(screen.lstRecords->count(), 0);
        MessageBox::clearShown();
        screen.btnStampa->click();
        QCOMPARE(TestFixture::messages(),
            QStringList({"Operazione di stampa non applicabile: l'elenco non contiene nessuna voce."}));
        screen.btnRimuovi->click();
        QCOMPARE(TestFixture::messages().last(),
            QStringLiteral("Operazione non applicabile: l'elenco non contiene nessuna voce."));
    }

    // The loan on display is the line chosen, however it was chosen: arrows move it along.
    void returnFieldsFollowTheChosenLine()
    {
        twoOpenLoans();
        auto screen = openReturnsCard();
        QCOMPARE(screen->lstRecords->count(), 2);
        QCOMPARE(screen->titCodice->text(), QString());
        screen->lstRecords->selectIndex(0);
        QCOMPARE(screen->titCodice->text(), QStringLiteral("L2"));
        screen->lstRecords->setFocus();
        QTest::keyClick(screen->lstRecords, Qt::Key_Down);
        QCOMPARE(screen->lstRecords->selectedIndex(), 1);
        QCOMPARE(screen->titCodice->text(), QStringLiteral("D1"));
        QCOMPARE(screen->titTipo->text(), QStringLiteral("DVD"));
        QCOMPARE(screen->lblPosizione->text(), QStringLiteral("2"));

        QString confirmed;
        Modal::setDriver("frmRendiDVD", [&](QDialog& d) {
            auto& confirm = static_cast<ReturnConfirm&>(d);
            confirmed = confirm.txtCodice->text();
            confirm.btnConferma->click();
        });
        screen->btnRimuovi->click();
        QCOMPARE(confirmed, QStringLiteral("D1"));
        Archive<TSchedaPrestito> loans(fx->file("2015.bib"));
        QCOMPARE(loans.read(1)->DataRes, QString());
        QCOMPARE(loans.read(2)->DataRes, QStringLiteral("10/06/2015"));
        QCOMPARE(Archive<TSchedaDVD>().read(1)->Prestato, QStringLiteral("DVD disponibile per il prestito"));
        QCOMPARE(Archive<TSchedaLibro>().read(2)->Prestato, QStringLiteral("Tessera n. 27"));
    }

    // A member cancelled with a book still out can still give it back: the returns screen finds
    // cancelled members, marked as such; the lending screen does not.
    void aCancelledMemberCanStillReturn()
    {
        twoOpenLoans();
        TSchedaTesserato member = *Archive<TSchedaTesserato>().read(1);
        member.Annullata = ShortString::kYes;
        Archive<TSchedaTesserato>().write(1, member);

        QStringList returnsLines, lendingLines;
        const auto listing = [](QStringList* lines) {
            Modal::setDriver("frmTrovaAnagrafica", [lines](QDialog& d) {
                auto& window = static_cast<SearchWindow&>(d);
                window.btnCerca->click();
                *lines = window.lstRecords->lines();
                window.lstRecords->selectIndex(0);
                emit window.lstRecords->listDoubleClicked();
            });
        };
        TfrmPrestiti lending;
        lending.show();
        listing(&lendingLines);
        lending.btnImporta->click();
        QCOMPARE(lendingLines, QStringList());
        QCOMPARE(lending.txtTesserato->text(), QString());

        TfrmRestituzioni returns;
        returns.show();
        listing(&returnsLines);
        returns.btnImporta->click();
        QCOMPARE(returnsLines.size(), 1);
        QVERIFY(returnsLines.at(0).startsWith("Rossi Mario "));
        QVERIFY2(returnsLines.at(0).contains("SCHEDA ANNULLATA"), qPrintable(returnsLines.at(0)));
        QCOMPARE(returns.txtNumTessera->text(), QStringLiteral("27"));
        returns.btnVisualizza->click();
        QCOMPARE(returns.lstRecords->count(), 2);
        returns.lstRecords->selectIndex(0);
        Modal::setDriver("frmRendiLibro", [](QDialog& d) { static_cast<ReturnConfirm&>(d).btnConferma->click(); });
        returns.btnRimuovi->click();
        QCOMPARE(Archive<TSchedaLibro>().read(2)->Prestato, QStringLiteral("Libro disponibile per il prestito"));
        QCOMPARE(returns.lstRecords->count(), 1);
    }

    // A catalogue that cannot be read is an access error: no confirmation, nothing written.
    void aReturnWithAnUnreadableCatalogueWritesNothing()
    {
        twoOpenLoans();
        auto screen = openReturnsCard();
        screen->lstRecords->selectIndex(0);
        const QByteArray before = registerBytes(*fx, 2015);
        QVERIFY(QFile::rename(fx->file("Libri.pro"), fx->file("Libri.bak")));
        QVERIFY(QDir(fx->folder()).mkdir("Libri.pro"));
        MessageBox::clearShown();
        screen->btnRimuovi->click();
        QCOMPARE(TestFixture::messages(), QStringList({kAccess}));
        QVERIFY(!Modal::opened().contains("frmRendiLibro"));
        QCOMPARE(registerBytes(*fx, 2015), before);
        QCOMPARE(screen->lstRecords->count(), 2);
        QCOMPARE(screen->titCodice->text(), QStringLiteral("L2"));
    }

    // The due date shows its highlight while it has the focus, as every data field does.
    void theDueDateHasItsHighlight()
    {
        auto screen = openLendingCard();
        screen->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(screen.get()));
        auto* highlight = screen->findChild<QFrame*>("effDataSca");
        QVERIFY(highlight);
        screen->titDataSca->setFocus();
        QVERIFY(highlight->isVisible());
        screen->btnDataSca->setFocus();
        QVERIFY(!highlight->isVisible());
    }

    // When the register cannot take the return, the item goes back to its lent state; a type that
    // names neither a book nor a DVD does nothing.
    void returnsLeaveNothingHalfDone()
    {
        TSchedaLibro lent = book("L2", "Gia prestato", "20/06/2015");
        Archive<TSchedaLibro>().write(2, lent);
        Archive<TSchedaPrestito> loans(fx->file("2015.bib"));
        loans.append(openLoan("Libro", "L2", QString(), QString()));
        loans.append(openLoan("Rivista", "R1", QString(), QString()));

        TfrmRestituzioni screen;
        screen.show();
        chooseFirstMember();
        screen.btnImporta->click();
        screen.btnVisualizza->click();
        QCOMPARE(screen.lstRecords->count(), 2);
        const QByteArray books = fx->readFile("Libri.pro");
        const QByteArray before = registerBytes(*fx, 2015);

        screen.lstRecords->selectIndex(1);
        emit screen.lstRecords->clicked(screen.lstRecords->model()->index(1, 0));
        QCOMPARE(screen.titCodice->text(), QStringLiteral("R1"));
        screen.btnRimuovi->click();
        QCOMPARE(Modal::opened(), QStringList({"frmTrovaAnagrafica"}));
        QVERIFY(TestFixture::messages().isEmpty());

        screen.lstRecords->selectIndex(0);
        emit screen.lstRecords->clicked(screen.lstRecords->model()->index(0, 0));
        Modal::setDriver("frmRendiLibro", [](QDialog& d) { static_cast<ReturnConfirm&>(d).btnConferma->click(); });
        // The journals take the first two writes, the book the third; the fourth is the register's.
        Disk::inject(Disk::Fault::Error, 4);
        screen.btnRimuovi->click();
        Disk::clearFaults();
        QCOMPARE(TestFixture::messages(), QStringList({kAccess}));
        QCOMPARE(fx->readFile("Libri.pro"), books);
        QCOMPARE(registerBytes(*fx, 2015), before);
    }
};

QTEST_MAIN(TestLoans)
#include "tst_loans.moc"
