#include "CatalogueScreen.h"
#include "ClickableLabel.h"
#include "Keys.h"
#include "MessageBox.h"
#include "Modal.h"
#include "RecordFile.h"
#include "ResultList.h"
#include "SearchWindow.h"
#include "ShortString.h"
#include "TMisc.h"
#include "TestFixture.h"
#include "TfrmAnagrafica.h"
#include "TfrmAvvio.h"
#include "TfrmMenuCatalogo.h"
#include "TfrmMenuPrestiti.h"
#include "TfrmMenuRiepilogoPrestiti.h"
#include "TfrmPrestiti.h"
#include "TfrmZoom.h"

#include <QAbstractItemView>
#include <QCalendarWidget>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <QtTest>

// The program worked as a librarian with one hand on a book does: every step is a key pressed
// where the focus stands; no mouse event, no click called, no signal sent by the test.
namespace {

const QString kAdded = QStringLiteral("La scheda corrente \u00E8 stata inserita in archivio.");
const QString kLoanAdded = QStringLiteral("Il prestito corrente \u00E8 stato aggiunto all'elenco.\n\r\n\r"
                                          "E' ora possibile registrare un nuovo prestito allo stesso utente.");

QWidget* focused()
{
    return QApplication::focusWidget();
}

// Where a key pressed on the keyboard goes: the widget that has the focus, or the active window
// when none has it.
QWidget* keyTarget()
{
    return focused() ? focused() : QApplication::activeWindow();
}

void press(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QWidget* target = keyTarget();
    QVERIFY2(target, "no window is active");
    QTest::keyClick(target, Qt::Key(key), modifiers);
}

void typeKeys(const QString& text)
{
    QWidget* target = keyTarget();
    QVERIFY2(target, "no window is active");
    QTest::keyClicks(target, text);
}

// The window is the one the keys go to, as the window manager makes it after a dialog closes.
void activate(QWidget& window)
{
    if (QApplication::activeWindow() != &window)
        window.activateWindow();
    QTRY_COMPARE(QApplication::activeWindow(), &window);
}

// In a search window: types the criterion into the first field, runs the search with Alt+C,
// goes with Tab to the list, selects the first line and chooses it with Enter.
void searchAndChooseFirst(QDialog& d, const QString& criterion)
{
    auto& window = static_cast<SearchWindow&>(d);
    activate(window);
    typeKeys(criterion);
    press(Qt::Key_C, Qt::AltModifier);
    QTRY_VERIFY(window.panContainer->isVisible());
    QCOMPARE(focused(), window.txtTrova);
    press(Qt::Key_Tab);
    press(Qt::Key_Tab);
    QCOMPARE(focused(), window.lstRecords);
    press(Qt::Key_Home);
    QCOMPARE(window.lstRecords->selectedIndex(), 0);
    press(Qt::Key_Return);
    QCOMPARE(window.result(), int(QDialog::Accepted));
}

TSchedaLibro book(const QString& code, const QString& title)
{
    TSchedaLibro b;
    b.Codice = code;
    b.Titolo = title;
    b.Autore = QStringLiteral("Autore");
    b.Convalida = ShortString::kYes;
    b.Prestato = QStringLiteral("Libro disponibile per il prestito");
    b.Annullata = ShortString::kNo;
    return b;
}

} // namespace

class TestKeyboard : public QObject {
    Q_OBJECT

    std::unique_ptr<TestFixture> fx;

private slots:
    void init() { fx = std::make_unique<TestFixture>(); }
    void cleanup() { fx.reset(); }

    // Member search, loan card, due date from the calendar, book from the picker: the whole
    // road of a loan.
    void loanFromTheKeyboard()
    {
        TSchedaTesserato member;
        member.Tesserato = QStringLiteral("Rossi Mario");
        member.NumTessera = QStringLiteral("27");
        member.Recapito = QStringLiteral("0544 123456");
        member.Annullata = ShortString::kNo;
        Archive<TSchedaTesserato>().append(member);
        Archive<TSchedaLibro>().append(book("L1", "Il barone rampante"));
        Archive<TSchedaLibro>().append(book("L2", "Il nome della rosa"));

        TfrmPrestiti screen;
        screen.show();
        activate(screen);
        QCOMPARE(focused(), screen.btnImporta);

        Modal::setDriver("frmTrovaAnagrafica", [](QDialog& d) { searchAndChooseFirst(d, "rossi"); });
        press(Qt::Key_Return);
        QCOMPARE(screen.txtTesserato->text(), QStringLiteral("Rossi Mario"));
        QCOMPARE(screen.txtNumTessera->text(), QStringLiteral("27"));
        activate(screen);

        press(Qt::Key_V, Qt::AltModifier);
        QTRY_VERIFY(screen.panContainer->isVisible());
        QCOMPARE(focused(), screen.titDataSca);

        // Any key in the due date opens the calendar, where the arrows choose the day and Enter
        // imports it.
        Modal::setDriver("frmCalendario", [](QDialog& d) {
            activate(d);
            QVERIFY(d.isAncestorOf(focused()));
            press(Qt::Key_Right);
            press(Qt::Key_Right);
            press(Qt::Key_Return);
            QCOMPARE(d.result(), int(QDialog::Accepted));
        });
        press(Qt::Key_Return);
        QCOMPARE(screen.titDataSca->text(), QStringLiteral("12/06/2015"));
        activate(screen);
        QCOMPARE(focused(), screen.titDataSca);

        Modal::setDriver("frmTrovaPrestitiLibri", [](QDialog& d) { searchAndChooseFirst(d, "rosa"); });
        press(Qt::Key_Tab);
        press(Qt::Key_Tab);
        QCOMPARE(focused(), screen.btnImportaLibro);
        press(Qt::Key_Return);

        QCOMPARE(TestFixture::messages(), QStringList({kLoanAdded}));
        const auto lent = Archive<TSchedaLibro>().read(2);
        QVERIFY(lent);
        QCOMPARE(lent->Prestato, QStringLiteral("Tessera n. 27"));
        QCOMPARE(lent->Scadenza, QStringLiteral("12/06/2015"));
        QCOMPARE(Archive<TSchedaLibro>().read(1)->Scadenza, QString());
        const auto loan = Archive<TSchedaPrestito>(fx->file("2015.bib")).read(1);
        QVERIFY(loan);
        QCOMPARE(loan->Codice, QStringLiteral("L2"));
        QCOMPARE(loan->NumTessera, QStringLiteral("27"));
        QCOMPARE(loan->DataSca, QStringLiteral("12/06/2015"));
        QCOMPARE(screen.lstRecords->count(), 1);
        QVERIFY(screen.lstRecords->lines().first().contains(QStringLiteral("Il nome della rosa")));
    }

    // New card, typed, code checked, saved; a second one; browsing back and forth; the search.
    void bookCardFromTheKeyboard()
    {
        TfrmLibri screen;
        screen.show();
        activate(screen);
        QCOMPARE(focused(), screen.control("Titolo"));

        // The code check answers with Enter on its OK, which has the focus.
        Modal::setDriver("frmConvalida", [](QDialog& d) {
            activate(d);
            QCOMPARE(focused(), d.findChild<QPushButton*>("btnOK"));
            press(Qt::Key_Return);
            QCOMPARE(d.result(), int(QDialog::Accepted));
        });
        const auto typeCard = [&](const QString& title, const QString& code, const QString& author) {
            typeKeys(title);
            press(Qt::Key_Return);
            QCOMPARE(focused(), screen.control("Codice"));
            typeKeys(code);
            press(Qt::Key_F4);
            QCOMPARE(screen.txtConvalida->text(), ShortString::kYes);
            activate(screen);
            QCOMPARE(focused(), screen.control("Codice"));
            press(Qt::Key_Return);
            press(Qt::Key_Return);
            QCOMPARE(focused(), screen.control("Autore"));
            typeKeys(author);
            press(Qt::Key_S, Qt::ControlModifier);
        };
        typeCard("Primo libro", "P1", "Eco");
        QCOMPARE(TestFixture::messages(), QStringList({kAdded}));
        QCOMPARE(screen.lblPosizione->text(), QStringLiteral("1"));

        press(Qt::Key_N, Qt::ControlModifier);
        QCOMPARE(screen.lblPosizione->text(), QString());
        QCOMPARE(focused(), screen.control("Titolo"));
        typeCard("Secondo libro", "S2", "Calvino");
        QCOMPARE(TestFixture::messages(), QStringList({kAdded, kAdded}));
        QCOMPARE(screen.lblPosizione->text(), QStringLiteral("2"));
        QCOMPARE(fx->readFile("Libri.pro").size(), 2 * 3237);

        // Browsing from inside a field: Ctrl+Home and Ctrl+End are the archive's, not the field's.
        const auto shows = [&](const char* position, const char* title) {
            QCOMPARE(screen.lblPosizione->text(), QLatin1String(position));
            QCOMPARE(screen.text("Titolo"), QLatin1String(title));
        };
        QVERIFY(qobject_cast<QLineEdit*>(focused()));
        press(Qt::Key_PageUp);
        shows("1", "Primo libro");
        press(Qt::Key_End, Qt::ControlModifier);
        shows("2", "Secondo libro");
        press(Qt::Key_Home, Qt::ControlModifier);
        shows("1", "Primo libro");
        press(Qt::Key_PageDown);
        shows("2", "Secondo libro");

        Modal::setDriver("frmTrovaLibri", [](QDialog& d) { searchAndChooseFirst(d, "primo"); });
        press(Qt::Key_F, Qt::ControlModifier);
        shows("1", "Primo libro");
        QCOMPARE(screen.text("Autore"), QStringLiteral("Eco"));
        activate(screen);

        QSignalSpy closed(&screen, &CardScreen::closed);
        press(Qt::Key_Escape);
        QCOMPARE(closed.count(), 1);
        QCOMPARE(TestFixture::messages().size(), 2);
    }

    // F4 in the Dewey field opens the table; the find and Enter on the line found import the class.
    void deweyTableFromTheKeyboard()
    {
        TfrmLibri screen;
        screen.show();
        activate(screen);
        for (int i = 0; i < 6; ++i)
            press(Qt::Key_Return);
        QCOMPARE(focused(), screen.control("Dewey"));
        QString chosen;
        Modal::setDriver("frmCodici_Dewey", [&](QDialog& d) {
            activate(d);
            auto* list = d.findChild<ResultList*>("lstRecords");
            QTRY_VERIFY(list->count() > 0);
            typeKeys("scienze fisiche");
            press(Qt::Key_Return);
            QCOMPARE(focused(), d.findChild<QPushButton*>("btnTrova"));
            press(Qt::Key_Return);
            chosen = list->selectedLine();
            press(Qt::Key_Tab);
            QCOMPARE(focused(), list);
            press(Qt::Key_Return);
            QCOMPARE(d.result(), int(QDialog::Accepted));
        });
        press(Qt::Key_F4);
        QVERIFY(chosen.contains(QStringLiteral("SCIENZE FISICHE")));
        QCOMPARE(screen.text("Dewey"), chosen.left(3));
    }

    // On the member card, F4 in a field presses the button at its right, and the photo has keys.
    void memberFieldButtonsAndPhoto_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("opened");
        QTest::newRow("tax code") << "CodFisc" << int(Qt::Key_F4) << "frmCodFisc";
        QTest::newRow("card") << "Carta" << int(Qt::Key_F4) << "frmCarta";
        QTest::newRow("VAT") << "PartitaIva" << int(Qt::Key_F4) << "frmPartitaIva";
        QTest::newRow("IBAN") << "Iban" << int(Qt::Key_F4) << "frmIban";
        QTest::newRow("e-mail") << "Email" << int(Qt::Key_F4) << "\"mailto:rossi@example.org\"";
        QTest::newRow("zoom") << "Note" << (Qt::ALT | Qt::Key_Z).toCombined() << "frmZoom";
        QTest::newRow("no button") << "Note" << int(Qt::Key_F4) << "";
    }

    void memberFieldButtonsAndPhoto()
    {
        QFETCH(QString, field);
        QFETCH(int, key);
        QFETCH(QString, opened);
        TfrmAnagrafica screen;
        screen.show();
        activate(screen);
        screen.setText(QStringLiteral("Email"), QStringLiteral("rossi@example.org"));
        screen.control(field)->setFocus();
        press(key & ~int(Qt::KeyboardModifierMask), Qt::KeyboardModifiers(key & int(Qt::KeyboardModifierMask)));
        QTRY_COMPARE((Modal::opened() + TMisc::recorded()).join(QString()), opened);
    }

    // The zoomed photo closes with Enter or the space bar, as with a click, and with Escape.
    void zoomClosesFromTheKeyboard_data()
    {
        QTest::addColumn<int>("key");
        QTest::newRow("enter") << int(Qt::Key_Return);
        QTest::newRow("space") << int(Qt::Key_Space);
        QTest::newRow("escape") << int(Qt::Key_Escape);
    }

    void zoomClosesFromTheKeyboard()
    {
        QFETCH(int, key);
        TfrmZoom zoom(QImage(40, 50, QImage::Format_RGB32), nullptr);
        zoom.show();
        activate(zoom);
        press(key);
        QVERIFY(!zoom.isVisible());
    }

    // The keys every card-screen command answers to, and the way the status line names them.
    void commandKeysAndTheirNames_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("name");
        QTest::newRow("new") << "cmdNuovo" << "Ctrl+N";
        QTest::newRow("save") << "cmdSalva" << "Ctrl+S";
        QTest::newRow("find") << "cmdTrova" << "Ctrl+F";
        QTest::newRow("print") << "cmdStampa" << "Ctrl+P";
        QTest::newRow("first") << "cmdPrimo" << "Ctrl+Inizio";
        QTest::newRow("back") << "cmdIndietro" << "Pag Su";
        QTest::newRow("forward") << "cmdAvanti" << "Pag Gi\u00F9";
        QTest::newRow("last") << "cmdUltimo" << "Ctrl+Fine";
        QTest::newRow("help") << "cmdGuida" << "F1";
        QTest::newRow("leave") << "cmdEsci" << "Esc";
        QTest::newRow("duplicate") << "cmdDuplica" << "Alt+D";
        QTest::newRow("attach") << "cmdFile" << "Alt+A";
        QTest::newRow("export") << "cmdEsporta" << "Alt+O";
        QTest::newRow("available") << "cmdDisponibili" << "Alt+B";
    }

    void commandKeysAndTheirNames()
    {
        QFETCH(QString, control);
        QFETCH(QString, name);
        TfrmLibri screen;
        auto* button = screen.findChild<QToolButton*>(control);
        QVERIFY(button);
        QCOMPARE(Keys::name(Keys::of(button)), name);
        QCOMPARE(button->focusPolicy(), Qt::TabFocus);
        QVERIFY(!Keys::plain(button->text()).contains(QLatin1Char('&')));
    }

    void statusTextsEndWithTheKey()
    {
        TfrmLibri screen;
        screen.show();
        activate(screen);
        const auto over = [&](QWidget* widget) {
            QTest::mouseMove(widget, widget->rect().center());
            return screen.panInfo->text();
        };
        QCOMPARE(over(screen.cmdIndietro),
            QStringLiteral("Visualizza la scheda precedente in archivio. (Pag Su)"));
        QCOMPARE(over(screen.cmdDuplica),
            QStringLiteral("Prepara la schermata per la registrazione di una nuova scheda duplicando i dati "
                           "correnti. (Alt+D)"));
        QCOMPARE(over(screen.btnDewey),
            QStringLiteral("Visualizza la Tabella dei Codici Dewey. (F4 nel campo)"));
        // Tab to a button shows its text as well.
        screen.control("Titolo")->setFocus();
        press(Qt::Key_Backtab);
        QCOMPARE(focused(), screen.cmdEsci);
        QCOMPARE(screen.panInfo->text(), QStringLiteral("Esci da questa schermata di lavoro. (Esc)"));
        QCOMPARE(over(screen.chkAnnullata),
            QStringLiteral("Contrassegna la scheda del libro come annullata per escluderla dai risultati di "
                           "ricerca."));
    }

    // A picture that acts as a button looks as it always did until the keyboard brings the focus
    // to it; then the orange frame stands around it, and Enter or the space bar press it.
    void picturesTakeTheFocusAndShowIt()
    {
        QWidget window;
        QPixmap picture(60, 40);
        picture.fill(QColor(0x2E, 0x86, 0xC1));
        auto* plain = new QLabel(&window);
        plain->setPixmap(picture);
        auto* button = new ClickableLabel(&window);
        button->setPixmap(picture);
        plain->setGeometry(0, 0, 60, 40);
        button->setGeometry(0, 50, 60, 40);
        auto* before = new QLineEdit(&window);
        before->setGeometry(0, 100, 60, 20);
        window.show();
        activate(window);
        before->setFocus();
        QCOMPARE(button->grab().toImage(), plain->grab().toImage());

        press(Qt::Key_Backtab);
        QCOMPARE(focused(), button);
        const QImage framed = button->grab().toImage();
        QVERIFY(framed != plain->grab().toImage());
        QCOMPARE(framed.pixelColor(framed.width() / 2, 1), QColor(0xE0, 0x8A, 0x00));
        QCOMPARE(framed.pixelColor(framed.width() / 2, framed.height() / 2), QColor(0x2E, 0x86, 0xC1));

        QSignalSpy clicked(button, &ClickableLabel::clicked);
        press(Qt::Key_Return);
        press(Qt::Key_Space);
        QCOMPARE(clicked.count(), 2);
    }

    void mainMenuFromTheKeyboard()
    {
        TfrmAvvio menu;
        menu.show();
        activate(menu);
        QCOMPARE(focused(), menu.imgAnagrafica);
        press(Qt::Key_Right);
        QCOMPARE(focused(), menu.imgTessere);
        press(Qt::Key_Down);
        QCOMPARE(focused(), menu.imgPrestiti);
        press(Qt::Key_Left);
        QCOMPARE(focused(), menu.imgDVD);
        press(Qt::Key_Up);
        QCOMPARE(focused(), menu.imgAnagrafica);

        QList<TfrmAvvio::Area> chosen;
        connect(&menu, &TfrmAvvio::areaChosen, this, [&](TfrmAvvio::Area area) { chosen << area; });
        press(Qt::Key_Left);
        QCOMPARE(focused(), menu.imgCatalogo);
        press(Qt::Key_Space);
        press(Qt::Key_Tab);
        QCOMPARE(focused(), menu.imgGuida);
        press(Qt::Key_Tab);
        QCOMPARE(focused(), menu.imgInfo);
        press(Qt::Key_Return);
        press(Qt::Key_F1);
        for (int i = 0; i < 3; ++i)
            press(Qt::Key_Tab);
        QCOMPARE(focused(), menu.imgEsci);
        QSignalSpy quit(&menu, &TfrmAvvio::quitRequested);
        press(Qt::Key_Return);
        QCOMPARE(chosen, QList<TfrmAvvio::Area>({TfrmAvvio::Area::Catalogo}));
        QCOMPARE(Modal::opened(), QStringList({"frmInfo", "frmGuida"}));
        QCOMPARE(quit.count(), 1);
    }

    // Escape leaves each window as its own close or cancel command does.
    void escapeLeaves()
    {
        QStringList leftSearch;
        TfrmLibri books;
        books.show();
        activate(books);
        Modal::setDriver("frmTrovaLibri", [&](QDialog& d) {
            activate(d);
            press(Qt::Key_Escape);
            leftSearch << QString::number(d.result());
        });
        press(Qt::Key_F, Qt::ControlModifier);
        QCOMPARE(leftSearch, QStringList({QString::number(QDialog::Rejected)}));
        QVERIFY(books.isVisible());

        TfrmMenuPrestiti desk;
        desk.show();
        activate(desk);
        QSignalSpy deskClosed(&desk, &TfrmMenuPrestiti::closed);
        press(Qt::Key_Escape);
        QCOMPARE(deskClosed.count(), 1);
        QCOMPARE(deskClosed.first().first().toString(), QStringLiteral("avvio"));

        // Leaving the consultation asks first; No keeps it on screen.
        TfrmMenuCatalogo consultation;
        consultation.show();
        activate(consultation);
        MessageBox::scriptAnswer(MessageBox::Answer::No);
        press(Qt::Key_Escape);
        QCOMPARE(MessageBox::shown().size(), 1);
        QCOMPARE(MessageBox::shown().first().kind, MessageBox::Kind::Question);
        QVERIFY(consultation.isVisible());

        TfrmPrestiti lending;
        lending.show();
        activate(lending);
        QSignalSpy lendingClosed(&lending, &TfrmPrestiti::closed);
        press(Qt::Key_Escape);
        QCOMPARE(lendingClosed.count(), 1);
    }

    // The consultation has no New and no Save: their keys do nothing there.
    void absentCommandsHaveNoKey()
    {
        Archive<TSchedaLibro>().append(book("L1", "Il barone rampante"));
        TfrmConsultaLibri screen;
        screen.show();
        activate(screen);
        press(Qt::Key_End, Qt::ControlModifier);
        QCOMPARE(screen.lblPosizione->text(), QStringLiteral("1"));
        typeKeys("x");
        press(Qt::Key_S, Qt::ControlModifier);
        press(Qt::Key_N, Qt::ControlModifier);
        QCOMPARE(screen.lblPosizione->text(), QStringLiteral("1"));
        QCOMPARE(screen.text("Titolo"), QStringLiteral("Il barone rampante"));
        QVERIFY(TestFixture::messages().isEmpty());
        QVERIFY(Modal::opened().isEmpty());
    }

    // The day and month lists refuse typed text and still open and move with the keyboard.
    void summaryListsMoveButRefuseTyping()
    {
        TfrmMenuRiepilogoPrestiti menu;
        menu.show();
        activate(menu);
        QCOMPARE(focused(), menu.txtTipologia);
        press(Qt::Key_Return);
        QCOMPARE(focused(), menu.txtGiornoInizio);
        typeKeys("5");
        QCOMPARE(menu.txtGiornoInizio->currentIndex(), -1);
        press(Qt::Key_Down);
        press(Qt::Key_Down);
        QCOMPARE(menu.txtGiornoInizio->currentText(), QStringLiteral("02"));
        press(Qt::Key_Up);
        QCOMPARE(menu.txtGiornoInizio->currentText(), QStringLiteral("01"));
        typeKeys("3");
        QCOMPARE(menu.txtGiornoInizio->currentText(), QStringLiteral("01"));

        press(Qt::Key_Return);
        QCOMPARE(focused(), menu.txtMeseInizio);
        press(Qt::Key_Down, Qt::AltModifier);
        QAbstractItemView* view = menu.txtMeseInizio->view();
        QTRY_VERIFY(view->isVisible());
        const int before = view->currentIndex().row();
        typeKeys("m");
        QCOMPARE(view->currentIndex().row(), before);
        QTest::keyClick(view, Qt::Key_Down);
        QTest::keyClick(view, Qt::Key_Down);
        QTest::keyClick(view, Qt::Key_Return);
        QTRY_VERIFY(!view->isVisible());
        QCOMPARE(menu.txtMeseInizio->currentIndex(), before + 2);
        typeKeys("d");
        QCOMPARE(menu.txtMeseInizio->currentIndex(), before + 2);
    }

    void enterOnAListLine()
    {
        QWidget window;
        auto* acting = new ResultList(&window);
        auto* looking = new ResultList(&window);
        acting->setLines(QStringList({"uno", "due"}));
        looking->setLines(QStringList({"tre"}));
        QSignalSpy chosen(acting, &ResultList::listDoubleClicked);
        window.show();
        activate(window);

        acting->setFocus();
        press(Qt::Key_Return);
        QCOMPARE(chosen.count(), 0); // no line selected yet
        press(Qt::Key_Home);
        press(Qt::Key_Down);
        press(Qt::Key_Return);
        QCOMPARE(chosen.count(), 1);
        QCOMPARE(acting->selectedLine(), QStringLiteral("due"));

        // A list that acts on no double-click leaves Enter to its window.
        looking->setFocus();
        press(Qt::Key_Home);
        QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
        QApplication::sendEvent(looking, &enter);
        QVERIFY(!enter.isAccepted());
    }
};

QTEST_MAIN(TestKeyboard)
#include "tst_keyboard.moc"
