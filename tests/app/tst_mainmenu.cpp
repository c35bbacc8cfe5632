#include "CardScreen.h"
#include "Language.h"
#include "LoanDesk.h"
#include "TfrmMenuCatalogo.h"
#include "TfrmMenuPrestiti.h"
#include "ClickableLabel.h"
#include "MessageBox.h"
#include "Modal.h"
#include "Password.h"
#include "Screens.h"
#include "TMisc.h"
#include "TestFixture.h"
#include "TfrmAvvio.h"
#include "TfrmCambiaPassword.h"
#include "TfrmPassword.h"

#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <QtTest>

class TestMainMenu : public QObject {
    Q_OBJECT

    std::unique_ptr<TestFixture> fx;
    std::unique_ptr<Screens> screens;
    TfrmAvvio* menu = nullptr;

    void logIn()
    {
        screens->start();
        QTest::keyClicks(screens->frmPassword()->txtPassword, "vendralopiskun");
        QTest::keyClick(screens->frmPassword()->txtPassword, Qt::Key_Return);
        QVERIFY(menu->isVisible());
    }

private slots:
    void init()
    {
        fx = std::make_unique<TestFixture>();
        QVERIFY(Password::writeStored("vendralopiskun"));
        screens = std::make_unique<Screens>();
        menu = screens->frmAvvio();
    }

    void cleanup()
    {
        screens.reset();
        fx.reset();
    }

    void onlyThePasswordWindowAtStart()
    {
        screens->start();
        QCOMPARE(TestFixture::visibleWindows(), QList<QWidget*>({screens->frmPassword()}));
        logIn();
        QCOMPARE(TestFixture::visibleWindows(), QList<QWidget*>({menu}));
        QCOMPARE(menu->windowTitle(), QStringLiteral(" Lettoria 3.0"));
        QVERIFY(menu->windowState() & Qt::WindowMaximized);
        QCOMPARE(menu->findChild<QWidget*>("panMenu")->size(), QSize(995, 692));
    }

    void archivesComeBackToTheSameMenu()
    {
        logIn();
        for (ClickableLabel* part : {menu->imgAnagrafica, menu->btnAnagrafica, menu->imgLibri, menu->btnLibri,
                 menu->imgDVD, menu->btnDVD}) {
            QVERIFY(part->isEnabled());
            QTest::mouseClick(part, Qt::LeftButton);
            CardScreen* screen = (part == menu->imgAnagrafica || part == menu->btnAnagrafica)
                ? screens->frmAnagrafica()
                : (part == menu->imgLibri || part == menu->btnLibri) ? screens->frmLibri()
                                                                     : screens->frmDVD();
            QCOMPARE(TestFixture::visibleWindows(), QList<QWidget*>({screen}));
            QVERIFY(screen->windowState() & Qt::WindowMaximized);
            screen->cmdEsci->click();
            QCOMPARE(TestFixture::visibleWindows(), QList<QWidget*>({menu}));
        }
        QCOMPARE(screens->frmLibri()->windowTitle(), QStringLiteral(" Lettoria 3.0 - Archivio Libri"));
        QCOMPARE(screens->frmDVD()->windowTitle(), QStringLiteral(" Lettoria 3.0 - Archivio DVD"));
        QCOMPARE(screens->frmAnagrafica()->windowTitle(), QStringLiteral(" Lettoria 3.0 - Archivio Utenti"));
    }

    // The loan desk menu leads to lending or returns, which close back to the main menu; closing the
    // loan desk menu itself shows the main menu.
    void loanDeskMenuLeadsOn()
    {
        logIn();
        QTest::mouseClick(menu->btnCarico, Qt::LeftButton);
        TfrmMenuPrestiti* loans = screens->frmMenuPrestiti();
        QCOMPARE(TestFixture::visibleWindows(), QList<QWidget*>({loans}));
        QCOMPARE(loans->windowTitle(), QStringLiteral(" Lettoria 3.0 - Prestiti Libri e DVD"));
        QCOMPARE(loans->lblMemory->text(), QStringLiteral("avvio"));
        QVERIFY(loans->btnApriRiepStorico->isEnabled());
        QVERIFY(loans->btnApriRiepStats->isEnabled());
        loans->btnApriPrestito->click();
        QCOMPARE(TestFixture::visibleWindows(), QList<QWidget*>({screens->frmPrestiti()}));
        QCOMPARE(screens->frmPrestiti()->windowTitle(), QStringLiteral(" Lettoria 3.0 - Prestiti Libri e DVD anno 2015"));
        screens->frmPrestiti()->btnEsci->click();
        QCOMPARE(TestFixture::visibleWindows(), QList<QWidget*>({menu}));

        QTest::mouseClick(menu->imgPrestiti, Qt::LeftButton);
        loans->btnApriRestituzione->click();
        QCOMPARE(TestFixture::visibleWindows(), QList<QWidget*>({screens->frmRestituzioni()}));
        QCOMPARE(screens->frmRestituzioni()->windowTitle(), QStringLiteral(" Lettoria 3.0 - Restituzioni Libri e DVD"));
        screens->frmRestituzioni()->close();
        QCOMPARE(TestFixture::visibleWindows(), QList<QWidget*>({menu}));

        QTest::mouseClick(menu->imgPrestiti, Qt::LeftButton);
        loans->close();
        QCOMPARE(TestFixture::visibleWindows(), QList<QWidget*>({menu}));
    }

    // The consultation never leads back to the management screens: leaving it ends the program.
    void consultationEndsTheProgram()
    {
        logIn();
        QSignalSpy ended(screens.get(), &Screens::programEnded);
        QTest::mouseClick(menu->btnScarico, Qt::LeftButton);
        TfrmMenuCatalogo* catalogue = screens->frmMenuCatalogo();
        QCOMPARE(TestFixture::visibleWindows(), QList<QWidget*>({catalogue}));
        QVERIFY(catalogue->windowState() & Qt::WindowMaximized);
        QCOMPARE(catalogue->windowTitle(), QStringLiteral(" Lettoria 3.0 - Consultazione Catalogo Libri e DVD"));
        catalogue->btnApriLibri->click();
        QCOMPARE(TestFixture::visibleWindows(), QList<QWidget*>({screens->frmConsultaLibri()}));
        screens->frmConsultaLibri()->close();
        QCOMPARE(TestFixture::visibleWindows(), QList<QWidget*>({catalogue}));
        QTest::mouseClick(catalogue->icoDVD, Qt::LeftButton);
        QCOMPARE(TestFixture::visibleWindows(), QList<QWidget*>({screens->frmConsultaDVD()}));
        screens->frmConsultaDVD()->close();

        MessageBox::scriptAnswer(MessageBox::Answer::No);
        QTest::mouseClick(catalogue->imgEsci, Qt::LeftButton);
        QCOMPARE(TestFixture::visibleWindows(), QList<QWidget*>({catalogue}));
        QCOMPARE(ended.count(), 0);
        catalogue->close();
        QCOMPARE(TestFixture::messages().last(),
            QStringLiteral("Attenzione: chiudendo questa schermata di lavoro, l'applicazione sar\u00E0 terminata.\r\n\r\n"
                           "Si conferma la chiusura del programma?"));
        QCOMPARE(ended.count(), 1);
        QVERIFY(TestFixture::visibleWindows().isEmpty());
    }

    // Qt's standard buttons and dialogs speak Italian.
    void qtTextsAreItalian()
    {
        QVERIFY(installItalianTranslations(*qApp));
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Annulla"));
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "&Yes"), QStringLiteral("&S\u00EC"));
    }

    void closingTheMenuEndsTheProgramWithoutAQuestion()
    {
        logIn();
        QSignalSpy ended(screens.get(), &Screens::programEnded);
        menu->close();
        QCOMPARE(ended.count(), 1);
        QVERIFY(MessageBox::shown().isEmpty());
        QVERIFY(TestFixture::visibleWindows().isEmpty());
    }

    void exitPictureEndsTheProgram()
    {
        logIn();
        QSignalSpy ended(screens.get(), &Screens::programEnded);
        QTest::mouseClick(menu->imgEsci, Qt::LeftButton);
        QCOMPARE(ended.count(), 1);
        QVERIFY(TestFixture::visibleWindows().isEmpty());
    }

    void helpOfTheMainMenu()
    {
        logIn();
        QString title;
        Modal::setDriver("frmGuida", [&](QDialog& d) { title = d.findChild<QLabel*>("lblTitolo")->text(); });
        QTest::mouseClick(menu->imgGuida, Qt::LeftButton);
        QCOMPARE(Modal::opened(), QStringList({"frmGuida"}));
        QCOMPARE(title, QStringLiteral("Uno sguardo a Lettoria 3.0."));
    }

    void informationWindowMailLink()
    {
        logIn();
        Modal::setDriver("frmInfo", [](QDialog& d) {
            QCOMPARE(d.windowTitle(), QStringLiteral(" Informazioni su Lettoria 3.0"));
            QCOMPARE(d.size(), QSize(473, 579));
            QTest::mouseClick(d.findChild<QLabel*>("imgEmail"), Qt::LeftButton);
            d.findChild<QPushButton*>("btnChiudi")->click();
        });
        QTest::mouseClick(menu->imgInfo, Qt::LeftButton);
        QCOMPARE(TMisc::recorded(),
            QStringList({"\"mailto:info@lettoria.example.org?subject=Software Lettoria 3.0&body=Salve, "
                         "desidererei avere le seguenti informazioni sul software in oggetto:\""}));
    }

    void creditsAndWebSite()
    {
        logIn();
        Modal::setDriver("frmSplash", [](QDialog& d) {
            QCOMPARE(d.size(), QSize(661, 467));
            QTest::mouseClick(d.findChild<QLabel*>("imgWeb"), Qt::LeftButton);
        });
        QTest::mouseClick(menu->imgCopyright, Qt::LeftButton);
        QTest::mouseClick(menu->icoSito, Qt::LeftButton);
        QCOMPARE(Modal::opened(), QStringList({"frmSplash"}));
        QCOMPARE(TMisc::recorded(), QStringList(2, "\"https://www.lettoria.example.org\""));
    }
};

QTEST_MAIN(TestMainMenu)
#include "tst_mainmenu.moc"
