#include "Dialogs.h"
#include "ListReport.h"
#include "Modal.h"
#include "Printing.h"
#include "TestFixture.h"
#include "UserPlay.h"

#include <QAction>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPushButton>
#include <QRegularExpression>
#include <QToolBar>
#include <QWidgetAction>
#include <QtTest>

// The librarian's print dialog and preview are Qt's own: whatever file they let the librarian
// choose is chosen in the program's read-only file dialog.
class TestPrintDialogs : public QObject {
    Q_OBJECT

    std::unique_ptr<TestFixture> fx;
    QStringList m_qtWindows; // the windows Qt opened by itself, by class

    static Report sheet()
    {
        return listReport(QStringLiteral("Riepilogo libri in archivio"), {"Cod. L1"}, QDate(2015, 6, 10));
    }

    static QAbstractButton* browseButton(QDialog& dialog)
    {
        return dialog.findChild<QAbstractButton*>(QStringLiteral("fileBrowser"));
    }

    // Qt's page setup and the like are cancelled; a message box is answered yes; a file dialog
    // or a print dialog of Qt's own is closed, having no business here.
    void playQtWindow(QWidget* window)
    {
        m_qtWindows << window->metaObject()->className();
        if (qobject_cast<QMessageBox*>(window))
            answerYes(window);
        else if (auto* dialog = qobject_cast<QDialog*>(window))
            dialog->reject();
        else
            window->close();
    }

private slots:
    void init()
    {
        fx = std::make_unique<TestFixture>();
        Printing::showDialogs();
        m_qtWindows.clear();
        fx->writeFile("Libri.pro", "archivio dei libri");
        QVERIFY(QDir(fx->folder()).mkdir("Documenti_Allegati"));
    }

    void cleanup()
    {
        fx.reset();
    }

    // The browse button beside the file name opens the read-only file dialog; the file it gives
    // is the one printed.
    void printToFileIsChosenReadOnly()
    {
        ModalWatcher watcher([this](QWidget* window) { playQtWindow(window); });
        bool browsed = false;
        Modal::setDriver("dlgFile", [&](QDialog& dialog) {
            dialog.activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(&dialog));
            tryToChangeFiles(
                static_cast<QFileDialog&>(dialog), fx->file("Libri.pro"), fx->file("Documenti_Allegati"));
            browsed = true;
        });
        Modal::setDriver("dlgStampa", [&](QDialog& dialog) {
            QAbstractButton* browse = browseButton(dialog);
            QVERIFY(browse && browse->isVisible());
            browse->click();
            QVERIFY(browsed);
            Dialogs::scriptFile(fx->file("stampe/scheda.pdf"));
            browse->click();
            QCOMPARE(dialog.findChild<QLineEdit*>("filename")->text(), fx->file("stampe/scheda.pdf"));
            dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
        });
        QVERIFY(QDir(fx->folder()).mkdir("stampe"));
        QVERIFY(Printing::print(nullptr, sheet()));
        QVERIFY2(m_qtWindows.isEmpty(), qPrintable(m_qtWindows.join(", ")));
        QCOMPARE(fx->readFile("Libri.pro"), QByteArray("archivio dei libri"));
        QVERIFY(QDir(fx->file("Documenti_Allegati")).isEmpty());
        QVERIFY(fx->readFile("stampe/scheda.pdf").startsWith("%PDF"));
        QCOMPARE(QDir(fx->folder()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
            QStringList({"Documenti_Allegati", "Libri.pro", "stampe"}));
    }

    // A file printed into the program folder could take the name of an archive: it is refused,
    // whatever its name, and the archive stays.
    void noPrintIntoTheProgramFolder()
    {
        ModalWatcher watcher([this](QWidget* window) { playQtWindow(window); });
        Modal::setDriver("dlgStampa", [&](QDialog& dialog) {
            Dialogs::scriptFile(fx->file("Libri.pro"));
            browseButton(dialog)->click();
            dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
        });
        QVERIFY(!Printing::print(nullptr, sheet()));
        QCOMPARE(TestFixture::messages(),
            QStringList({"Attenzione: non \u00E8 possibile stampare su un file nella cartella di installazione del "
                         "programma, che contiene gli archivi.\n\r\n\rScegliere un'altra cartella."}));
        QCOMPARE(fx->readFile("Libri.pro"), QByteArray("archivio dei libri"));
    }

    // Every button of the preview's tool bar: its print button opens the program's print dialog,
    // never Qt's own as it comes; its page setup holds no way to a file.
    void previewPrintsThroughTheProgramsDialog()
    {
        ModalWatcher watcher([this](QWidget* window) { playQtWindow(window); });
        int printDialogs = 0;
        Modal::setDriver("dlgStampa", [&](QDialog& dialog) {
            ++printDialogs;
            QVERIFY(browseButton(dialog));
            dialog.reject();
        });
        Modal::setDriver("dlgAnteprima", [&](QDialog& dialog) {
            // Those the tool bar has no room for on the test's small screen are in its overflow
            // menu: each action of the tool bar is used.
            for (QToolBar* bar : dialog.findChildren<QToolBar*>()) {
                for (QAction* action : bar->actions()) {
                    if (action->isVisible() && action->isEnabled() && !qobject_cast<QWidgetAction*>(action))
                        action->trigger();
                }
            }
            dialog.reject();
        });
        Printing::preview(nullptr, sheet());
        QCOMPARE(printDialogs, 1);
        QVERIFY2(!m_qtWindows.contains("QPrintDialog") && !m_qtWindows.contains("QFileDialog"),
            qPrintable(m_qtWindows.join(", ")));
        QVERIFY2(m_qtWindows.contains("QPageSetupDialog"), qPrintable(m_qtWindows.join(", ")));
    }

    // The preview takes all the room the screen leaves free, and writes its zoom as a whole
    // percentage, at the start and after every zoom.
    void previewFillsTheScreenWithWholePercentages()
    {
        QStringList zooms;
        bool maximised = false;
        Modal::setDriver("dlgAnteprima", [&](QDialog& dialog) {
            maximised = dialog.isMaximized();
            auto* zoom = dialog.findChild<QComboBox*>();
            QVERIFY(zoom);
            for (int i = 0; i < zoom->count(); ++i)
                zooms << zoom->itemText(i);
            QTRY_VERIFY(!zoom->currentText().isEmpty());
            zooms << zoom->currentText();
            const QStringList steps = {QCoreApplication::translate("QPrintPreviewDialog", "Zoom in"),
                QCoreApplication::translate("QPrintPreviewDialog", "Zoom out"),
                QCoreApplication::translate("QPrintPreviewDialog", "Fit width")};
            for (const QString& step : steps) {
                for (QAction* action : dialog.findChildren<QAction*>()) {
                    if (action->text() == step) {
                        action->trigger();
                        zooms << zoom->currentText();
                    }
                }
            }
            dialog.reject();
        });
        Printing::preview(nullptr, sheet());
        QVERIFY(maximised);
        QVERIFY(zooms.size() > 4);
        static const QRegularExpression whole(QStringLiteral("^\\d+%$"));
        for (const QString& zoom : zooms)
            QVERIFY2(whole.match(zoom).hasMatch(), qPrintable(zoom));
    }
};

QTEST_MAIN(TestPrintDialogs)
#include "tst_printdialogs.moc"
