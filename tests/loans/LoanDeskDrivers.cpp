#include "LoanDeskDrivers.h"

#include "Modal.h"
#include "ProgramFolder.h"
#include "RecordFile.h"
#include "ResultList.h"
#include "SearchWindow.h"
#include "TfrmCalendario.h"

#include <QCalendarWidget>
#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QTest>

TSchedaLibro book(const QString& code, const QString& title, const QString& due, const QString& cancelled)
{
    TSchedaLibro b;
    b.Codice = code;
    b.Titolo = title;
    b.Autore = QStringLiteral("Autore");
    b.Scaffale = QStringLiteral("A1");
    b.Convalida = ShortString::kYes;
    b.Prestato = due.isEmpty() ? QStringLiteral("Libro disponibile per il prestito")
                               : QStringLiteral("Tessera n. 9");
    b.Scadenza = due;
    b.Annullata = cancelled;
    return b;
}

void fillArchives()
{
    TSchedaTesserato m;
    m.Tesserato = QStringLiteral("Rossi Mario");
    m.NumTessera = QStringLiteral("27");
    m.Recapito = QStringLiteral("0544 123456");
    m.Annullata = ShortString::kNo;
    Archive<TSchedaTesserato>().append(m);
    Archive<TSchedaLibro> books;
    books.append(book("L1", "Il nome della rosa"));
    books.append(book("L2", "Gia prestato", "20/06/2015"));
    books.append(book("L3", "Annullato", QString(), ShortString::kYes));
    TSchedaDVD d;
    d.Codice = QStringLiteral("D1");
    d.Titolo = QStringLiteral("Amarcord");
    d.Regia = QStringLiteral("Fellini");
    d.Prestato = QStringLiteral("DVD disponibile per il prestito");
    d.Annullata = ShortString::kNo;
    Archive<TSchedaDVD>().append(d);
}

void chooseFirstMember()
{
    Modal::setDriver("frmTrovaAnagrafica", [](QDialog& d) {
        auto& window = static_cast<SearchWindow&>(d);
        window.btnCerca->click();
        window.lstRecords->selectIndex(0);
        emit window.lstRecords->listDoubleClicked();
    });
}

void pickDay(const QDate& day)
{
    Modal::setDriver("frmCalendario", [day](QDialog& d) {
        auto& calendar = static_cast<TfrmCalendario&>(d);
        calendar.calAppuntamenti->setSelectedDate(day);
        calendar.btnImportaData->click();
    });
}

void pickFirstItem(const QString& picker, QStringList* listed, const std::function<void()>& before)
{
    Modal::setDriver(picker, [=](QDialog& d) {
        auto& window = static_cast<SearchWindow&>(d);
        window.btnCerca->click();
        if (listed)
            *listed = QStringList(window.lstRecords->lines())
                << window.lblTrovate->text() << window.lblMemory->text();
        if (before)
            before();
        window.lstRecords->selectIndex(0);
        emit window.lstRecords->listDoubleClicked();
    });
}

std::unique_ptr<TfrmPrestiti> openLendingCard()
{
    auto screen = std::make_unique<TfrmPrestiti>();
    screen->show();
    chooseFirstMember();
    screen->btnImporta->click();
    screen->btnVisualizza->click();
    return screen;
}

TSchedaPrestito openLoan(const QString& tipo, const QString& code, const QString& title, const QString& due)
{
    TSchedaPrestito loan;
    loan.Tesserato = QStringLiteral("Rossi Mario");
    loan.NumTessera = QStringLiteral("27");
    loan.Tipo = tipo;
    loan.Codice = code;
    loan.Titolo = title;
    loan.Data = QStringLiteral("01/06/2015");
    loan.DataSca = due;
    return loan;
}

void twoOpenLoans()
{
    TSchedaLibro lent = book("L2", "Gia prestato", "20/06/2015");
    lent.Prestato = QStringLiteral("Tessera n. 27");
    Archive<TSchedaLibro>().write(2, lent);
    TSchedaDVD dvd = *Archive<TSchedaDVD>().read(1);
    dvd.Prestato = QStringLiteral("Tessera n. 27");
    dvd.Scadenza = QStringLiteral("25/06/2015");
    Archive<TSchedaDVD>().write(1, dvd);
    Archive<TSchedaPrestito> loans(ProgramFolder::file("2015.bib"));
    loans.append(openLoan("Libro", "L2", "Gia prestato", "20/06/2015"));
    loans.append(openLoan("DVD", "D1", "Amarcord", "25/06/2015"));
}

std::unique_ptr<TfrmRestituzioni> openReturnsCard()
{
    auto screen = std::make_unique<TfrmRestituzioni>();
    screen->show();
    if (!QTest::qWaitForWindowActive(screen.get()))
        qWarning("the returns screen did not become active");
    chooseFirstMember();
    screen->btnImporta->click();
    screen->btnVisualizza->click();
    return screen;
}
