#include "CheckWindows.h"
#include "Dialogs.h"
#include "LinuxTools.h"
#include "MessageBox.h"
#include "Modal.h"
#include "PdfWords.h"
#include "Pictures.h"
#include "Printing.h"
#include "RecordFile.h"
#include "ResultList.h"
#include "SearchWindow.h"
#include "ShortString.h"
#include "TMisc.h"
#include "TestFixture.h"
#include "TfrmAnagrafica.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <QtTest>

namespace {

const QString kAdded = QStringLiteral("La scheda corrente \u00E8 stata inserita in archivio.");
const QString kSaved
    = QStringLiteral("Le modifiche apportate alla scheda corrente sono state salvate in archivio.");
const QString kDateEnd = QStringLiteral(" non esiste.\n\r\n\rPer poter salvare la scheda \u00E8 necessario "
                                        "indicare una data valida nel formato gg/mm/aaaa.");

QLineEdit* edit(TfrmAnagrafica& screen, const QString& field)
{
    QWidget* control = screen.control(field);
    if (auto* combo = qobject_cast<QComboBox*>(control))
        return combo->lineEdit();
    return qobject_cast<QLineEdit*>(control);
}

void typeInto(TfrmAnagrafica& screen, const QString& field, const QString& text)
{
    QLineEdit* line = edit(screen, field);
    line->clear();
    TestFixture::type(line, text);
}

std::unique_ptr<TfrmAnagrafica> openScreen()
{
    auto screen = std::make_unique<TfrmAnagrafica>();
    screen->show();
    if (!QTest::qWaitForWindowActive(screen.get()))
        qWarning("the member screen did not become active");
    return screen;
}

TSchedaTesserato member(const QString& name, const QString& card)
{
    TSchedaTesserato m;
    m.Tesserato = name;
    m.NumTessera = card;
    m.DataRil = "01/01/2015";
    m.DataScade = "31/12/2015";
    m.Preavviso = "10";
    m.Recapito = "0544 " + card;
    m.Annullata = ShortString::kNo;
    return m;
}

// The widest text of a code's form at the field's font: in each place, the widest character that
// may stand there ('9' a digit, 'A' a letter, 'X' either).
QString widestCode(const QLineEdit* field, const QString& form)
{
    const QFontMetrics metrics(field->font());
    const auto widest = [&](const QString& alphabet) {
        QChar chosen = alphabet.front();
        for (const QChar c : alphabet) {
            if (metrics.horizontalAdvance(c) > metrics.horizontalAdvance(chosen))
                chosen = c;
        }
        return chosen;
    };
    const QString digits = QStringLiteral("0123456789");
    const QString letters = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZ");
    QString code;
    for (const QChar c : form)
        code += c == QLatin1Char('9') ? widest(digits)
            : c == QLatin1Char('A')   ? widest(letters)
                                      : widest(digits + letters);
    return code;
}

// Whether the field shows the whole of its text: with the cursor at the end, the text has not
// scrolled to the left (the field scrolls as it paints itself).
bool showsWhole(QLineEdit* field)
{
    const auto cursorX = [field] {
        field->repaint();
        return field->inputMethodQuery(Qt::ImCursorRectangle).toRect().center().x();
    };
    field->setCursorPosition(0);
    const int start = cursorX();
    field->setCursorPosition(int(field->text().size()));
    const int end = cursorX();
    return end - start >= field->fontMetrics().horizontalAdvance(field->text()) - 1;
}

QImage filled(const QColor& colour)
{
    QImage image(40, 50, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

// The colour at the centre of the photo box's picture.
QColor photoColour(const TfrmAnagrafica& screen)
{
    const QImage photo = screen.photo();
    return photo.pixelColor(photo.width() / 2, photo.height() / 2);
}

bool showsSilhouette(const TfrmAnagrafica& screen)
{
    return screen.photo() == screen.imgBianco->pixmap().toImage();
}

} // namespace

class TestAnagrafica : public QObject {
    Q_OBJECT

    std::unique_ptr<TestFixture> fx;

private slots:
    void init() { fx = std::make_unique<TestFixture>(); }
    void cleanup() { fx.reset(); }

    void newMemberTypedAndSaved()
    {
        auto screen = openScreen();
        QCOMPARE(screen->panInfo->text(), QStringLiteral("Pronto per archiviare una nuova scheda..."));
        QCOMPARE(screen->text("DataRil"), QStringLiteral("10/06/2015"));
        QCOMPARE(screen->text("Preavviso"), QStringLiteral("0"));
        QVERIFY(showsSilhouette(*screen));
        QCOMPARE(screen->imgBianco->pixmap().size(), QSize(157, 174));
        QCOMPARE(screen->imgFoto->size(), QSize(157, 174));

        screen->cmdNuovo->click();
        QCOMPARE(QApplication::focusWidget(), screen->control("Tesserato"));
        QTest::keyClicks(screen->control("Tesserato"), "Rossi Mario");
        QTest::keyClick(screen->control("Tesserato"), Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), screen->control("Carica"));
        typeInto(*screen, "NumTessera", "27");
        typeInto(*screen, "DataScade", "31/12/2015");
        screen->chkAnnullata->setChecked(true);
        screen->cmdSalva->click();
        QCOMPARE(TestFixture::messages(), QStringList({kAdded}));
        QCOMPARE(screen->lblPosizione->text(), QStringLiteral("1"));

        const QByteArray bytes = fx->readFile("Tesserati.pro");
        QCOMPARE(bytes.size(), 2738);
        QCOMPARE(bytes.mid(0, 12), QByteArray("\x0BRossi Mario"));
        QCOMPARE(bytes.mid(127, 11), QByteArray("\x0A" "10/06/2015"));
        QCOMPARE(bytes.mid(327, 2), QByteArray("\x01" "0"));
        QCOMPARE(bytes.mid(1229, 3), QByteArray("\x02\x53\xEC"));
        const QImage photo = Pictures::load(fx->file("1.jpg"));
        QCOMPARE(photo.size(), QSize(157, 174));

        screen->chkAnnullata->setChecked(false);
        MessageBox::clearShown();
        screen->cmdSalva->click();
        QCOMPARE(TestFixture::messages(), QStringList({kSaved}));
        QCOMPARE(fx->readFile("Tesserati.pro").size(), 2738);
        QCOMPARE(fx->readFile("Tesserati.pro").mid(1229, 3), QByteArray("\x02\x4E\x6F"));
    }

    void saveRefusals_data()
    {
        QTest::addColumn<QStringList>("card"); // name, card number, issued, expires, notice days
        QTest::addColumn<QString>("message");
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("focus");
        const int warning = int(MessageBox::Kind::Warning);
        const int plain = int(MessageBox::Kind::Plain);
        QTest::newRow("no name") << QStringList({"", "27", "01/03/2015", "31/12/2015", "0"})
                                 << "Attenzione: per salvare la scheda \u00E8 necessario indicare il nome "
                                    "delL'utente."
                                 << warning << "txtTesserato";
        QTest::newRow("no card number")
            << QStringList({"Rossi", "", "01/03/2015", "31/12/2015", "0"})
            << "Attenzione: per salvare la scheda \u00E8 necessario indicare il numero di tessera delL'utente."
            << warning << "txtNumTessera";
        QTest::newRow("no issue date")
            << QStringList({"Rossi", "27", "", "31/12/2015", "0"})
            << "Attenzione: per salvare la scheda \u00E8 necessario indicare la data di rilascio della tessera."
            << warning << "txtDataRil";
        QTest::newRow("no expiry date")
            << QStringList({"Rossi", "27", "01/03/2015", " ", "0"})
            << "Attenzione: per salvare la scheda \u00E8 necessario indicare la data di scadenza della tessera."
            << warning << "txtDataScade";
        QTest::newRow("an issue date that does not exist")
            << QStringList({"Rossi", "27", "31/02/2015", "31/12/2015", "0"})
            << "Attenzione: la data di rilascio della tessera 31/02/2015" + kDateEnd << plain << "txtDataRil";
        QTest::newRow("an expiry date that does not exist")
            << QStringList({"Rossi", "27", "01/03/2015", "29/02/2015", "0"})
            << "Attenzione: la data di scadenza della tessera 29/02/2015" + kDateEnd << plain << "txtDataScade";
        QTest::newRow("expiry before issue")
            << QStringList({"Rossi", "27", "10/03/2015", "09/03/2015", "0"})
            << "Attenzione: la data di scadenza (09/03/2015) non pu\u00F2 essere anteriore a quella di rilascio "
               "della tessera (10/03/2015)."
            << plain << "txtNote";
        QTest::newRow("no notice days")
            << QStringList({"Rossi", "27", "10/03/2015", "10/03/2015", ""})
            << "Attenzione: per salvare la scheda \u00E8 necessario indicare i giorni di preavviso." << warning
            << "txtPreavviso";
    }

    void saveRefusals()
    {
        QFETCH(QStringList, card);
        QFETCH(QString, message);
        QFETCH(int, kind);
        QFETCH(QString, focus);
        auto screen = openScreen();
        const QStringList fields = {"Tesserato", "NumTessera", "DataRil", "DataScade", "Preavviso"};
        for (int i = 0; i < fields.size(); ++i)
            typeInto(*screen, fields.at(i), card.at(i));
        // The order check moves the focus nowhere: it stays where the user was.
        screen->control("Note")->setFocus();
        screen->cmdSalva->click();
        QCOMPARE(MessageBox::shown().size(), 1);
        QCOMPARE(MessageBox::shown().at(0).text, message);
        QCOMPARE(int(MessageBox::shown().at(0).kind), kind);
        QCOMPARE(QApplication::focusWidget()->objectName(), focus);
        QCOMPARE(fx->readFile("Tesserati.pro"), QByteArray());
        QVERIFY(screen->lblPosizione->text().isEmpty());
    }

    void equalDatesAreAccepted()
    {
        for (int i = 0; i < 7; ++i)
            Archive<TSchedaTesserato>().append(member("Socio", QString::number(i)));
        auto screen = openScreen();
        typeInto(*screen, "Tesserato", "Bianchi Ada");
        typeInto(*screen, "NumTessera", "8");
        typeInto(*screen, "DataRil", "10/03/2015");
        typeInto(*screen, "DataScade", "10/03/2015");
        screen->cmdSalva->click();
        QCOMPARE(TestFixture::messages(), QStringList({kAdded}));
        QCOMPARE(screen->lblPosizione->text(), QStringLiteral("8"));
        QVERIFY(!Pictures::load(fx->file("8.jpg")).isNull());
    }

    void browsingLoadsEachPhotoOrTheSilhouette()
    {
        Archive<TSchedaTesserato> members;
        for (const char* name : {"Uno", "Due", "Tre"})
            members.append(member(name, name));
        QVERIFY(Pictures::saveJpeg(filled(Qt::red), fx->file("2.jpg")));
        fx->writeFile("3.jpg", "non una foto");
        auto screen = openScreen();
        screen->cmdPrimo->click();
        QCOMPARE(screen->text("Tesserato"), QStringLiteral("Uno"));
        QVERIFY(showsSilhouette(*screen));
        screen->cmdAvanti->click();
        QCOMPARE(screen->text("Tesserato"), QStringLiteral("Due"));
        QVERIFY(photoColour(*screen).red() > 200 && photoColour(*screen).green() < 60);
        screen->cmdUltimo->click();
        QVERIFY(showsSilhouette(*screen));
        QVERIFY(TestFixture::messages().isEmpty());

        // A stored card edited and saved in place, with the photo it shows.
        screen->cmdIndietro->click();
        typeInto(*screen, "Tesserato", "Due, riveduto");
        screen->cmdSalva->click();
        QCOMPARE(TestFixture::messages(), QStringList({kSaved}));
        QCOMPARE(members.count(), std::optional<qint64>(3));
        QCOMPARE(members.read(2)->Tesserato, QStringLiteral("Due, riveduto"));
        QCOMPARE(members.read(2)->Recapito, QStringLiteral("0544 Due"));
        const QImage rewritten = Pictures::load(fx->file("2.jpg"));
        QVERIFY(rewritten.pixelColor(20, 25).red() > 200);
    }

    void searchHitLoadsTheMemberWithThePhoto()
    {
        Archive<TSchedaTesserato> members;
        members.append(member("Rossi Mario", "27"));
        members.append(member("Verdi Anna", "28"));
        QVERIFY(Pictures::saveJpeg(filled(Qt::blue), fx->file("2.jpg")));
        auto screen = openScreen();
        QString marker;
        Modal::setDriver("frmTrovaAnagrafica", [&](QDialog& d) {
            auto& window = static_cast<SearchWindow&>(d);
            marker = window.lblMemory->text();
            window.criterion(0)->setText("verdi");
            window.btnCerca->click();
            window.lstRecords->selectIndex(0);
            emit window.lstRecords->listDoubleClicked();
        });
        screen->cmdTrova->click();
        QCOMPARE(marker, QStringLiteral("anagrafica"));
        QCOMPARE(screen->text("Tesserato"), QStringLiteral("Verdi Anna"));
        QCOMPARE(screen->lblPosizione->text(), QStringLiteral("2"));
        QVERIFY(photoColour(*screen).blue() > 200);
    }

    void typingRules()
    {
        auto screen = openScreen();
        QTest::keyClicks(screen->control("ProvNasc"), "rm");
        QCOMPARE(screen->text("ProvNasc"), QStringLiteral("RM"));
        QTest::keyClicks(screen->control("CodFisc"), "abc");
        QCOMPARE(screen->text("CodFisc"), QStringLiteral("ABC"));
        QTest::keyClicks(screen->control("Iban"), "it60 x");
        QCOMPARE(screen->text("Iban"), QStringLiteral("IT60X"));
        edit(*screen, "Preavviso")->clear();
        QTest::keyClicks(screen->control("Preavviso"), "1a2b");
        QCOMPARE(screen->text("Preavviso"), QStringLiteral("12"));
        QTest::keyClicks(screen->control("Carta"), "41x1");
        QCOMPARE(screen->text("Carta"), QStringLiteral("411"));
        QTest::keyClicks(screen->control("Email"), " rossi@esempio.it ");
        QCOMPARE(screen->text("Email"), QStringLiteral("rossi@esempio.it"));
        QTest::keyClicks(screen->control("Sesso"), "f");
        QCOMPARE(screen->text("Sesso"), QStringLiteral("F"));

        // The province list is a typing aid: a typed letter is not completed to a code.
        screen->control("ProvRes")->setFocus();
        QTest::keyClicks(screen->control("ProvRes"), "a");
        QTest::keyClick(screen->control("ProvRes"), Qt::Key_Tab);
        QCOMPARE(screen->text("ProvRes"), QStringLiteral("A"));
        auto* provinces = qobject_cast<QComboBox*>(screen->control("ProvRes"));
        QCOMPARE(provinces->count(), 112);
        QCOMPARE(provinces->itemText(0), QStringLiteral("AG"));
        QCOMPARE(provinces->itemText(111), QStringLiteral("VV"));
        QCOMPARE(edit(*screen, "Tesserato")->maxLength(), 50);
        QCOMPARE(edit(*screen, "Iban")->maxLength(), 27);
    }

    void enterChainWrapsRound()
    {
        auto screen = openScreen();
        screen->control("Tesserato")->setFocus();
        QStringList names;
        for (int i = 0; i < 29; ++i) {
            names << QApplication::focusWidget()->objectName();
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        }
        QCOMPARE(names,
            QStringList({"txtTesserato", "txtCarica", "txtNumTessera", "txtDataRil", "txtDataScade", "txtDataNasc",
                "txtComuneNasc", "txtProvNasc", "txtSesso", "txtComuneRes", "txtProvRes", "txtCapRes",
                "txtIndirizzoRes", "txtPreavviso", "txtTitoli", "txtTelCasa", "txtTelUff", "txtTelCel",
                "txtRecapito", "txtFax", "txtEmail", "txtCodFisc", "txtCarta", "txtScadeCarta", "txtPartitaIva",
                "txtIban", "txtIntestatario", "txtNote", "txtTesserato"}));
        for (const QString& name : names)
            QVERIFY2(screen->findChild<QFrame*>("eff" + name.mid(3)), qPrintable(name));
    }

    void identifierChecksAreRouted()
    {
        auto screen = openScreen();
        QList<std::pair<QString, QString>> shown;
        for (const char* window : {"frmCodFisc", "frmPartitaIva", "frmCarta", "frmIban"}) {
            Modal::setDriver(window, [&](QDialog& d) {
                shown.append({d.objectName(), static_cast<CheckWindow&>(d).edit->text()});
            });
        }
        screen->cmdCodFisc->click();
        typeInto(*screen, "CodFisc", "12345670157");
        screen->cmdCodFisc->click();
        typeInto(*screen, "CodFisc", "RSSMRA80A01H501U");
        screen->cmdCodFisc->click();
        typeInto(*screen, "PartitaIva", "00000001206");
        screen->cmdPartitaIva->click();
        typeInto(*screen, "Carta", "4111111111111111");
        screen->cmdCarta->click();
        typeInto(*screen, "Iban", "IT60X0542811101000000123456");
        screen->cmdIban->click();
        QCOMPARE(shown,
            (QList<std::pair<QString, QString>> {{"frmCodFisc", ""}, {"frmPartitaIva", "12345670157"},
                {"frmCodFisc", "RSSMRA80A01H501U"}, {"frmPartitaIva", "00000001206"},
                {"frmCarta", "4111111111111111"}, {"frmIban", "IT60X0542811101000000123456"}}));
    }

    // The card and the check windows show every identifier whole, at its widest, and each record's
    // texts from their first character.
    void identifiersShownWhole_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("form");
        QTest::newRow("codice fiscale") << "CodFisc" << "AAAAAA99A99A999A";
        QTest::newRow("carta") << "Carta" << "9999999999999999999";
        QTest::newRow("partita IVA") << "PartitaIva" << "99999999999";
        QTest::newRow("IBAN") << "Iban" << "AA99A9999999999XXXXXXXXXXXX";
    }

    void identifiersShownWhole()
    {
        QFETCH(QString, field);
        QFETCH(QString, form);
        auto screen = openScreen();
        QLineEdit* line = edit(*screen, field);
        const QString code = widestCode(line, form);
        TSchedaTesserato m = member("Bartolomei Montanari Giovanni Maria", "2015/000127");
        m.ComuneRes = QStringLiteral("Castelnuovo di Garfagnana");
        const QHash<QString, QString TSchedaTesserato::*> codes = {{"CodFisc", &TSchedaTesserato::CodFisc},
            {"Carta", &TSchedaTesserato::Carta}, {"PartitaIva", &TSchedaTesserato::PartitaIva},
            {"Iban", &TSchedaTesserato::Iban}};
        m.*codes.value(field) = code;
        Archive<TSchedaTesserato>().append(m);
        screen->cmdPrimo->click();
        QCOMPARE(line->text(), code);
        QCOMPARE(line->cursorPosition(), 0);
        QCOMPARE(edit(*screen, "ComuneRes")->cursorPosition(), 0);
        QVERIFY2(showsWhole(line), qPrintable(QStringLiteral("%1 in %2 px").arg(code).arg(line->width())));
        QVERIFY(showsWhole(edit(*screen, "ComuneRes")));

        const QString window = "frm" + field;
        Modal::setDriver(window, [&](QDialog& d) {
            auto& check = static_cast<CheckWindow&>(d);
            QVERIFY(QTest::qWaitForWindowExposed(&check));
            QCOMPARE(check.edit->text(), code);
            QVERIFY2(showsWhole(check.edit), qPrintable(QString::number(check.edit->width())));
            QVERIFY(check.width() <= 1280);
        });
        screen->fieldButton("cmd" + field)->click();
        QCOMPARE(Modal::opened(), QStringList({window}));
    }

    void digitsInTheTaxCodeFieldReachTheVatCheckWhole()
    {
        // Fourteen digits typed where the tax code goes: the VAT check gets all of them and
        // complains of the length, instead of judging the first eleven.
        auto screen = openScreen();
        typeInto(*screen, "CodFisc", "12345670157999");
        QString handed;
        bool stayedOpen = false;
        Modal::setDriver("frmPartitaIva", [&](QDialog& d) {
            auto& check = static_cast<CheckWindow&>(d);
            handed = check.edit->text();
            check.btnControlla->click();
            stayedOpen = check.isVisible();
        });
        screen->cmdCodFisc->click();
        QCOMPARE(handed, QStringLiteral("12345670157999"));
        QVERIFY(stayedOpen);
        QCOMPARE(TestFixture::messages(),
            QStringList({"Attenzione: la partita IVA deve essere composta da 11 caratteri numerici."}));
        QCOMPARE(screen->text("CodFisc"), QStringLiteral("12345670157999"));
    }

    void checkWindowsReportAndClose()
    {
        TfrmPartitaIva vat("1234567015", nullptr);
        QCOMPARE(vat.windowTitle(), QStringLiteral(" Controllo partita IVA"));
        vat.show();
        QVERIFY(QTest::qWaitForWindowActive(&vat));
        QCOMPARE(QApplication::focusWidget(), vat.edit);
        QTest::keyClick(vat.edit, Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), vat.btnControlla);
        QTest::keyClick(vat.btnControlla, Qt::Key_Return);
        // A length complaint keeps the window open, the focus back in the edit.
        QCOMPARE(TestFixture::messages(),
            QStringList({"Attenzione: la partita IVA deve essere composta da 11 caratteri numerici."}));
        QVERIFY(vat.isVisible());
        QCOMPARE(QApplication::focusWidget(), vat.edit);
        QTest::keyClicks(vat.edit, "7x");
        QCOMPARE(vat.edit->text(), QStringLiteral("12345670157"));
        vat.btnControlla->click();
        QVERIFY(!vat.isVisible());
        QCOMPARE(TestFixture::messages().last(),
            QStringLiteral("Il numero di partita IVA digitato risulta VALIDO.\r\n\r\nE' stato rilasciato "
                           "dall'Ufficio IVA del Comune di Milano 1."));

        MessageBox::clearShown();
        TfrmCodFisc taxCode("", nullptr);
        taxCode.show();
        QTest::keyClicks(taxCode.edit, "rssmra80a01h501");
        QCOMPARE(taxCode.edit->text(), QStringLiteral("RSSMRA80A01H501"));
        taxCode.btnControlla->click();
        QVERIFY(taxCode.isVisible());
        QTest::keyClicks(taxCode.edit, "u");
        taxCode.btnControlla->click();
        QVERIFY(!taxCode.isVisible());
        QCOMPARE(TestFixture::messages(),
            QStringList({"Attenzione: il codice fiscale deve essere composto da 16 caratteri alfanumerici.",
                "Il codice fiscale digitato \u00E8 VALIDO."}));

        MessageBox::clearShown();
        TfrmIban iban("IT60X054281110100000012345", nullptr);
        iban.show();
        iban.btnControlla->click();
        QVERIFY(iban.isVisible());
        TfrmCarta card("", nullptr);
        card.show();
        card.btnControlla->click();
        QVERIFY(card.isVisible());
        card.edit->setText("3200000000000002");
        card.btnControlla->click();
        QVERIFY(!card.isVisible());
        QCOMPARE(TestFixture::messages(),
            QStringList({"Attenzione: l'IBAN deve essere composto da 27 caratteri alfanumerici.",
                "Attenzione: immettere il numero di carta di credito prima di premere il pulsante di controllo.",
                "Attenzione: il numero digitato risulta ERRATO!\r\n\r\nNon \u00E8 quindi possibile fornire "
                "informazioni relative al tipo di carta di credito."}));
    }

    void photoLoadClearAndZoom()
    {
        auto screen = openScreen();
        QVERIFY(Pictures::saveJpeg(filled(Qt::green), fx->file("ritratto.jpg")));
        Dialogs::scriptFile(fx->file("ritratto.jpg"));
        screen->btnSfoglia->click();
        QVERIFY(photoColour(*screen).green() > 200);
        // A cancelled dialog changes nothing; a file that is no picture leaves the silhouette.
        screen->btnSfoglia->click();
        QVERIFY(photoColour(*screen).green() > 200);
        fx->writeFile("testo.jpg", "soltanto testo");
        Dialogs::scriptFile(fx->file("testo.jpg"));
        screen->btnSfoglia->click();
        QVERIFY(showsSilhouette(*screen));
        Dialogs::scriptFile(fx->file("ritratto.jpg"));
        screen->btnSfoglia->click();
        screen->btnCancFoto->click();
        QVERIFY(showsSilhouette(*screen));

        QSize zoomed;
        Modal::setDriver("frmZoom", [&](QDialog& d) {
            d.show();
            zoomed = d.findChild<QLabel*>("imgFoto")->size();
            QTest::mouseClick(d.findChild<QLabel*>("imgFoto"), Qt::LeftButton);
        });
        screen->btnZoom->click();
        QCOMPARE(zoomed, screen->screen()->size() - QSize(60, 90));
        QVERIFY(TestFixture::messages().isEmpty());
    }

    void mailToTheMember()
    {
        auto screen = openScreen();
        screen->cmdEmail->click();
        QCOMPARE(TestFixture::messages(), QStringList({"Attenzione: indicare l'indirizzo e-mail dell'utente."}));
        QCOMPARE(QApplication::focusWidget(), screen->control("Email"));
        typeInto(*screen, "Email", "rossi@esempio.it");
        screen->cmdEmail->click();
        QCOMPARE(TMisc::recorded(), QStringList({"\"mailto:rossi@esempio.it\""}));
    }

    // Today 10/06/2015: due from the expiry less the notice days, active cards only; a damaged
    // record is skipped, not the end of the list.
    void renewalSchedule()
    {
        Archive<TSchedaTesserato> members;
        const auto add = [&](const char* name, const char* expiry, const char* notice, const QString& cancelled) {
            TSchedaTesserato m = member(name, "1");
            m.DataScade = expiry;
            m.Preavviso = notice;
            m.Annullata = cancelled;
            m.Recapito = "0544";
            members.append(m);
        };
        add("Dieci giorni", "20/06/2015", "10", ShortString::kNo);
        add("Nove giorni", "20/06/2015", "9", ShortString::kNo);
        add("Scaduta", "01/01/2015", "0", ShortString::kNo);
        add("Annullata", "01/01/2015", "0", ShortString::kYes);
        add("Rovinata", "31/02/2015", "0", ShortString::kNo);
        add("Gemello", "01/06/2015", "0", ShortString::kNo);
        add("Gemello", "01/06/2015", "0", ShortString::kNo);
        TSchedaTesserato twin = *members.read(7);
        twin.IndirizzoRes = "Via del secondo";
        members.write(7, twin);
        auto screen = openScreen();
        QStringList names;
        Modal::setDriver("frmSospesi", [&](QDialog& d) {
            auto* list = d.findChild<ResultList*>("lstRecords");
            for (const QString& line : list->lines())
                names << line.left(30).trimmed();
            list->selectIndex(2);
            emit list->listDoubleClicked();
        });
        screen->cmdScadute->click();
        QCOMPARE(names, QStringList({"Dieci giorni", "Scaduta", "Gemello", "Gemello"}));
        QCOMPARE(screen->lblPosizione->text(), QStringLiteral("6"));
        QCOMPARE(screen->text("IndirizzoRes"), QString());

        Modal::setDriver("frmSospesi", [&](QDialog& d) { d.findChild<QPushButton*>("btnStampa")->click(); });
        screen->cmdScadute->click();
        QCOMPARE(Printing::printed().at(0).report.object("txtTitolo")->text,
            QStringLiteral("Riepilogo tessere in attesa di rinnovo"));
    }

    void reminderMail()
    {
        auto screen = openScreen();
        const QStringList refusals = {
            "Attenzione: per inviare l'avviso \u00E8 necessario indicare cognome e nome dell'utente.",
            "Attenzione: per inviare l'avviso \u00E8 necessario indicare il numero della tessera.",
            "Attenzione: per inviare l'avviso \u00E8 necessario indicare la data di rilascio del tesserino.",
            "Attenzione: per inviare l'avviso \u00E8 necessario indicare la data di scadenza del tesserino.",
            "Attenzione: per inviare l'avviso \u00E8 necessario indicare l'indirizzo e-mail dell'utente."};
        const QList<std::pair<const char*, const char*>> fields = {{"Tesserato", "Rossi Carlo"},
            {"NumTessera", "AA07654567"}, {"DataRil", "04/03/2014"}, {"DataScade", "03/03/2015"},
            {"Email", "carlo@esempio.it"}};
        edit(*screen, "DataRil")->clear();
        for (int i = 0; i < fields.size(); ++i) {
            MessageBox::clearShown();
            screen->btnEmail->click();
            QCOMPARE(TestFixture::messages(), QStringList({refusals.at(i)}));
            QCOMPARE(QApplication::focusWidget(), screen->control(fields.at(i).first));
            typeInto(*screen, fields.at(i).first, fields.at(i).second);
        }
        screen->btnEmail->click();
        QCOMPARE(TMisc::recorded(),
            QStringList({"\"mailto:carlo@esempio.it?subject=Rinnovo tessera biblioteca&body=Gentilissimo Utente Rossi "
                         "Carlo, con la presente le ricordiamo che la sua tessera n. AA07654567, rilasciata in data "
                         "04/03/2014 e con scadenza in data 03/03/2015, ha bisogno di essere rinnovata. Pertanto, la "
                         "preghiamo di recarsi con cortese sollecitudine presso i nostri uffici per provvedere al "
                         "rinnovo. In attesa di un suo riscontro, le porgiamo cordiali saluti.\""}));
    }

    void memberSheetPrintedAndPreviewed()
    {
        SKIP_WITHOUT_LINUX_TOOL("pdftotext");
        auto screen = openScreen();
        typeInto(*screen, "Tesserato", "Rossi Mario");
        typeInto(*screen, "ComuneNasc", "Pisa");
        typeInto(*screen, "ProvNasc", "pi");
        typeInto(*screen, "ComuneRes", "Lucca");
        typeInto(*screen, "ProvRes", "LU");
        screen->cmdStampa->click();
        screen->cmdAnteprima->click();
        QCOMPARE(Printing::printed().size(), 2);
        QVERIFY(!Printing::printed().at(0).preview);
        QVERIFY(Printing::printed().at(1).preview);
        const Report& sheet = Printing::printed().at(0).report;
        QCOMPARE(sheet.object("txtTitolo")->text, QStringLiteral("SCHEDA ANAGRAFICA UTENTE"));
        QCOMPARE(sheet.object("txtCampo07")->text, QStringLiteral("Pisa PI"));
        QCOMPARE(sheet.object("txtCampo08")->text, QStringLiteral("Lucca  LU"));
        QCOMPARE(sheet.object("titCampo11")->text, QStringLiteral("Titoli posseduti:"));
        QCOMPARE(sheet.object("titCampo24")->geometry, QRectF(3.0, 254.0, 52.0, 6.0));
        QCOMPARE(sheet.object("txtCalce")->text, QStringLiteral("Stampa eseguita in data 10/06/2015 alle ore 10:30:00"));
        const QList<PdfWord> words = pdfWords(Printing::printed().at(0).pdf);
        QRectF found;
        for (const PdfWord& w : words) {
            if (w.text == "Lucca")
                found = w.box;
        }
        QVERIFY(QRectF(10 + 60.0, 10 + 94.0, 128.0, 6.0).adjusted(-0.5, -0.8, 0.5, 0.8).contains(found));
    }

    // Real mouse moves over the screen: described controls show their text, everything else
    // empties the line, and a new showing starts from the initial text.
    void statusLineFollowsTheMouse()
    {
        auto screen = openScreen();
        const auto over = [&](QWidget* widget) {
            QTest::mouseMove(widget, widget->rect().center());
            return screen->panInfo->text();
        };
        QCOMPARE(over(screen->cmdSalva), QStringLiteral("Salva la scheda corrente in archivio. (Ctrl+S)"));
        QCOMPARE(over(screen->lblPosizione), QString());
        QCOMPARE(over(screen->btnZoom), QStringLiteral("Visualizza la foto a tutto schermo. (Alt+Z)"));
        QCOMPARE(over(screen->findChild<QWidget*>("imgAnnullata")), QString());
        QCOMPARE(over(screen->cmdIban), QStringLiteral("Controlla l'IBAN. (F4 nel campo)"));
        QCOMPARE(over(screen->control("Tesserato")), QString());
        QCOMPARE(over(screen->chkAnnullata),
            QStringLiteral("Contrassegna la tessera come annullata per escluderla dai risultati di ricerca."));
        QCOMPARE(over(screen->findChild<QWidget*>("imgSezione1")), QString());
        over(screen->cmdEsci);
        screen->cmdEsci->click();
        screen->show();
        QCOMPARE(screen->panInfo->text(), QStringLiteral("Pronto per archiviare una nuova scheda..."));
        for (QToolButton* now : {screen->cmdAllega, screen->cmdAnteprima, screen->cmdStampa, screen->cmdScadute,
                 screen->cmdExcel})
            QVERIFY(now->isEnabled());
        QVERIFY(screen->btnEmail->isEnabled());
        QCOMPARE(screen->cmdSalva->cursor().shape(), Qt::PointingHandCursor);
    }
};

QTEST_MAIN(TestAnagrafica)
#include "tst_anagrafica.moc"
