#include "MessageBox.h"
#include "Password.h"
#include "Screens.h"
#include "TestFixture.h"
#include "TfrmAvvio.h"
#include "TfrmCambiaPassword.h"
#include "TfrmPassword.h"

#include <QFrame>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

namespace {

const QString kWrong = QStringLiteral("Attenzione: password errata.");

void type(QLineEdit* field, const QString& text)
{
    field->clear();
    TestFixture::type(field, text);
}

} // namespace

class TestPasswordWindows : public QObject {
    Q_OBJECT

    std::unique_ptr<TestFixture> fx;
    std::unique_ptr<Screens> screens;
    TfrmPassword* pw = nullptr;
    TfrmCambiaPassword* change = nullptr;

    void enterPassword(const QString& text)
    {
        type(pw->txtPassword, text);
        QTest::keyClick(pw->txtPassword, Qt::Key_Return);
    }

private slots:
    void init()
    {
        fx = std::make_unique<TestFixture>();
        QVERIFY(Password::writeStored("vendralopiskun"));
        screens = std::make_unique<Screens>();
        pw = screens->frmPassword();
        change = screens->frmCambiaPassword();
        screens->start();
        QVERIFY(QTest::qWaitForWindowActive(pw));
    }

    void cleanup()
    {
        screens.reset();
        fx.reset();
    }

    void okFollowsTheTrimmedText()
    {
        QCOMPARE(pw->windowTitle(), QStringLiteral(" Lettoria 3.0 - Accesso"));
        QCOMPARE(QApplication::focusWidget(), pw->txtPassword);
        QVERIFY(pw->effPassword->isVisible());
        QCOMPARE(pw->txtPassword->echoMode(), QLineEdit::Password);
        QVERIFY(!pw->cmdOK->isEnabled());
        QTest::keyClicks(pw->txtPassword, "   ");
        QVERIFY(!pw->cmdOK->isEnabled());
        QTest::keyClick(pw->txtPassword, Qt::Key_Return);
        QVERIFY(MessageBox::shown().isEmpty());
        QVERIFY(pw->isVisible());
        QTest::keyClicks(pw->txtPassword, "x");
        QVERIFY(pw->cmdOK->isEnabled());
    }

    void rightPasswordInAnyCaseOpensTheMenu()
    {
        enterPassword("  VendraLopiskun ");
        QVERIFY(MessageBox::shown().isEmpty());
        QVERIFY(screens->frmAvvio()->isVisible());
        QVERIFY(!pw->isVisible());
    }

    void wrongPasswordsAreRefused_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::newRow("wrong") << "vendralopiskin";
        QTest::newRow("too long") << QString(300, 'a');
        QTest::newRow("outside the file's characters") << QStringLiteral("vendralopiskun\u0100");
    }

    void wrongPasswordsAreRefused()
    {
        QFETCH(QString, typed);
        enterPassword(typed);
        QCOMPARE(TestFixture::messages(), QStringList({kWrong}));
        QCOMPARE(MessageBox::shown().at(0).kind, MessageBox::Kind::Plain);
        QCOMPARE(pw->txtPassword->text(), QString());
        QCOMPARE(QApplication::focusWidget(), pw->txtPassword);
        QVERIFY(!screens->frmAvvio()->isVisible());
    }

    void onlyLettersAToZChangeCase()
    {
        QVERIFY(Password::writeStored(QStringLiteral("citt\u00C0")));
        enterPassword(QStringLiteral("citt\u00E0"));
        QCOMPARE(TestFixture::messages(), QStringList({kWrong}));
        MessageBox::clearShown();
        enterPassword(QStringLiteral("CITT\u00C0"));
        QVERIFY(screens->frmAvvio()->isVisible());
    }

    void unreadablePasswordFile()
    {
        fx->writeFile("unins000.dll", "[Accesso]\r\nValore=ZZ\r\n");
        enterPassword("vendralopiskun");
        QCOMPARE(TestFixture::messages(),
            QStringList({QStringLiteral(
                "Attenzione: si \u00E8 verificato un errore durante la procedura di lettura della "
                "password. Si consiglia di reinstallare il software.")}));
        QCOMPARE(pw->txtPassword->text(), QStringLiteral("vendralopiskun"));
        QVERIFY(pw->isVisible());
    }

    void missingPasswordFileLetsNobodyIn()
    {
        QFile::remove(Password::filePath());
        enterPassword("vendralopiskun");
        QCOMPARE(TestFixture::messages(), QStringList({kWrong}));
    }

    void changeWindowFlow()
    {
        pw->btnCambiaPassword->click();
        QVERIFY(change->isVisible());
        QVERIFY(!pw->isVisible());
        QVERIFY(QTest::qWaitForWindowActive(change));
        QCOMPARE(change->windowTitle(), QStringLiteral(" Cambia password"));
        QCOMPARE(QApplication::focusWidget(), change->txtPasswordOld);

        // Enter walks the three fields round.
        QTest::keyClick(change->txtPasswordOld, Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), change->txtPasswordNew);
        QVERIFY(change->effPasswordNew->isVisible());
        QVERIFY(!change->effPasswordOld->isVisible());
        QTest::keyClick(change->txtPasswordNew, Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), change->txtConferma);
        QTest::keyClick(change->txtConferma, Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), change->txtPasswordOld);

        // OK only with all three fields filled.
        QVERIFY(!change->cmdOK->isEnabled());
        type(change->txtPasswordOld, "vendralopiskun");
        type(change->txtPasswordNew, "nuovapassword");
        QVERIFY(!change->cmdOK->isEnabled());
        type(change->txtConferma, " ");
        QVERIFY(!change->cmdOK->isEnabled());
        type(change->txtConferma, "NUOVAPASSWORD");
        QVERIFY(change->cmdOK->isEnabled());

        // Confirmation compared with its case, although both would be stored alike.
        change->cmdOK->click();
        QCOMPARE(TestFixture::messages(),
            QStringList(
                {QStringLiteral("Attenzione: la nuova password non \u00E8 stata confermata correttamente. E' "
                                "necessario reinserire entrambi i valori.")}));
        QCOMPARE(change->txtPasswordNew->text(), QString());
        QCOMPARE(change->txtConferma->text(), QString());
        QCOMPARE(change->txtPasswordOld->text(), QStringLiteral("vendralopiskun"));
        QCOMPARE(QApplication::focusWidget(), change->txtPasswordNew);
        MessageBox::clearShown();

        type(change->txtPasswordOld, "sbagliata");
        type(change->txtPasswordNew, "nuovapassword");
        type(change->txtConferma, "nuovapassword");
        change->cmdOK->click();
        QCOMPARE(
            TestFixture::messages(), QStringList({QStringLiteral("Attenzione: vecchia password errata.")}));
        QCOMPARE(change->txtPasswordOld->text(), QString());
        QCOMPARE(change->txtPasswordNew->text(), QStringLiteral("nuovapassword"));
        QCOMPARE(QApplication::focusWidget(), change->txtPasswordOld);
        MessageBox::clearShown();

        type(change->txtPasswordOld, " VENDRALOPISKUN");
        change->cmdOK->click();
        QCOMPARE(TestFixture::messages(),
            QStringList({QStringLiteral("Modifica della password completata con successo.")}));
        QVERIFY(!change->isVisible());
        QVERIFY(pw->isVisible());
        QCOMPARE(pw->txtPassword->text(), QString());
        QCOMPARE(*Password::readStored(), QStringLiteral("NUOVAPASSWORD"));
        MessageBox::clearShown();

        QVERIFY(QTest::qWaitForWindowActive(pw));
        enterPassword("vendralopiskun");
        QCOMPARE(TestFixture::messages(), QStringList({kWrong}));
        enterPassword("NuovaPassword");
        QVERIFY(screens->frmAvvio()->isVisible());
    }

    void closingTheChangeWindowEmptiesThePasswordField()
    {
        type(pw->txtPassword, "mezza");
        pw->btnCambiaPassword->click();
        type(change->txtPasswordOld, "qualcosa");
        change->cmdEsci->click();
        QVERIFY(!change->isVisible());
        QVERIFY(pw->isVisible());
        QCOMPARE(pw->txtPassword->text(), QString());
        QVERIFY(MessageBox::shown().isEmpty());
        QCOMPARE(*Password::readStored(), QStringLiteral("VENDRALOPISKUN"));

        // Shown again, the change window starts empty.
        pw->btnCambiaPassword->click();
        QCOMPARE(change->txtPasswordOld->text(), QString());
    }

    void aNewPasswordTheFileCannotHoldIsRefused()
    {
        pw->btnCambiaPassword->click();
        type(change->txtPasswordOld, "vendralopiskun");
        type(change->txtPasswordNew, QStringLiteral("\u0100\u0101\u0102"));
        type(change->txtConferma, QStringLiteral("\u0100\u0101\u0102"));
        change->cmdOK->click();
        QCOMPARE(TestFixture::messages(), QStringList({kWrong}));
        QCOMPARE(*Password::readStored(), QStringLiteral("VENDRALOPISKUN"));
        QVERIFY(change->isVisible());
    }

    void unreadableStoredValueIsReportedOnTheChangeWindow()
    {
        pw->btnCambiaPassword->click();
        fx->writeFile("unins000.dll", "[Accesso]\r\nValore=QQ\r\n");
        type(change->txtPasswordOld, "vendralopiskun");
        type(change->txtPasswordNew, "nuovapassword");
        type(change->txtConferma, "nuovapassword");
        change->cmdOK->click();
        QCOMPARE(TestFixture::messages(),
            QStringList({QStringLiteral(
                "Attenzione: si \u00E8 verificato un errore durante la procedura di modifica della "
                "password. Si consiglia di reinstallare il software.")}));
        QVERIFY(change->isVisible());
        QCOMPARE(fx->readFile("unins000.dll"), QByteArray("[Accesso]\r\nValore=QQ\r\n"));
    }

    void exitEndsTheProgram()
    {
        QSignalSpy ended(screens.get(), &Screens::programEnded);
        pw->cmdEsci->click();
        QCOMPARE(ended.count(), 1);
        QVERIFY(!pw->isVisible());
    }
};

QTEST_MAIN(TestPasswordWindows)
#include "tst_passwordwindows.moc"
