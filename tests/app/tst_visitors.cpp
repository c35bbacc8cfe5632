#include "RecordFile.h"
#include "ShortString.h"
#include "CardScreen.h"
#include "ClickableLabel.h"
#include "MessageBox.h"
#include "Modal.h"
#include "LoanDesk.h"
#include "Password.h"
#include "Printing.h"
#include "Screens.h"
#include "TestFixture.h"
#include "TfrmAvvio.h"
#include "TfrmCambiaPassword.h"
#include "TfrmMenuCatalogo.h"
#include "TfrmMenuPrestiti.h"
#include "TfrmMenuRiepilogoPrestiti.h"
#include "TfrmPassword.h"
#include "TfrmStatistiche.h"
#include "TfrmTessera.h"
#include "UserPlay.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QPushButton>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDirIterator>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QPrintDialog>
#include <QtTest>

// The consultation is left running for visitors. Whatever they press, type or close there, no
// window of the management side may appear and no archive may change.
namespace {

// The consultation's own windows and the companions they may open.
const QSet<QString> kVisitorWindows = {
    "frmMenuCatalogo", "frmConsultaLibri", "frmConsultaDVD",
    "frmTrovaLibri", "frmTrovaDisponibili", "frmTrovaDVD", "frmTrovaDisponibiliDVD",
    "frmStampaLibro02", "frmStampaDVD02", "frmGuida", "dlgStampa",
};

struct Key {
    int key;
    Qt::KeyboardModifiers modifiers;
};

const QList<Key> kKeys = {
    {Qt::Key_Return, Qt::NoModifier}, {Qt::Key_Enter, Qt::KeypadModifier}, {Qt::Key_Escape, Qt::NoModifier},
    {Qt::Key_Space, Qt::NoModifier}, {Qt::Key_Tab, Qt::NoModifier}, {Qt::Key_Delete, Qt::NoModifier},
    {Qt::Key_F1, Qt::NoModifier}, {Qt::Key_F4, Qt::AltModifier}, {Qt::Key_W, Qt::ControlModifier},
    {Qt::Key_N, Qt::ControlModifier}, {Qt::Key_S, Qt::ControlModifier}, {Qt::Key_P, Qt::ControlModifier},
    {Qt::Key_Q, Qt::ControlModifier}, {Qt::Key_Down, Qt::AltModifier},
};

QMap<QString, QByteArray> folderBytes(const QString& folder)
{
    QMap<QString, QByteArray> bytes;
    QDirIterator it(folder, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        QFile file(it.next());
        if (file.open(QIODevice::ReadOnly))
            bytes.insert(file.fileName(), file.readAll());
    }
    return bytes;
}

QStringList visibleWindowNames()
{
    QStringList names;
    for (QWidget* w : TestFixture::visibleWindows())
        names << w->objectName();
    return names;
}

} // namespace

class TestVisitors : public QObject {
    Q_OBJECT

    std::unique_ptr<TestFixture> fx;
    std::unique_ptr<Screens> screens;
    QStringList m_trail; // what was done last, for the failure message
    int m_depth = 0;
    std::unique_ptr<ModalWatcher> m_watcher;
    int m_printDialogs = 0;
    // The windows Qt opened on its own from the print dialog, and the file dialogs among them.
    QStringList m_qtWindows;
    QStringList m_fileDialogs;

    void storeCatalogue()
    {
        for (int i = 1; i <= 3; ++i) {
            TSchedaLibro b;
            b.Titolo = QStringLiteral("Volume %1").arg(i);
            b.Codice = QStringLiteral("V%1").arg(i);
            b.Autore = QStringLiteral("Autore");
            b.Annullata = i == 2 ? ShortString::kYes : ShortString::kNo;
            Archive<TSchedaLibro>().append(b);
            TSchedaDVD d;
            d.Titolo = QStringLiteral("Film %1").arg(i);
            d.Codice = QStringLiteral("F%1").arg(i);
            d.Annullata = ShortString::kNo;
            Archive<TSchedaDVD>().append(d);
        }
    }

    // Fails the test at the first window of the management side that is open or visible.
    bool onlyVisitorWindows()
    {
        for (const QString& name : visibleWindowNames() + Modal::opened()) {
            if (!kVisitorWindows.contains(name)) {
                qWarning() << "after" << m_trail.join(" / ");
                return false;
            }
        }
        return true;
    }

    // A companion is walked too: every button it shows is pressed, those that close it last, and
    // before them a line of its list double-clicked. A window that closes is opened again.
    void driveCompanion(QDialog& dialog)
    {
        if (m_depth > 2)
            return;
        ++m_depth;
        for (QLineEdit* edit : dialog.findChildren<QLineEdit*>()) {
            if (edit->isVisible() && edit->isEnabled())
                QTest::keyClicks(edit, "Vol");
        }
        const auto closes = [](QAbstractButton* button) {
            return button->text() == QLatin1String("Chiudi") || button->text() == QLatin1String("Annulla");
        };
        QSet<QAbstractButton*> pressed;
        // The first button not pressed yet that the visitor sees now, of those that close or not.
        const auto next = [&](bool closing) -> QAbstractButton* {
            for (QAbstractButton* button : dialog.findChildren<QAbstractButton*>()) {
                if (!pressed.contains(button) && closes(button) == closing && button->isVisible()
                    && button->isEnabled())
                    return button;
            }
            return nullptr;
        };
        const auto press = [&](QAbstractButton* button) {
            pressed << button;
            m_trail << dialog.objectName() + "." + button->objectName();
            button->click();
            m_trail.removeLast();
        };
        while (QAbstractButton* button = next(false))
            press(button);
        QAbstractItemView* list = dialog.findChild<QAbstractItemView*>();
        if (list && list->isVisible() && list->model()->rowCount() > 0) {
            m_trail << dialog.objectName() + ".lstRecords double click";
            list->setCurrentIndex(list->model()->index(0, 0));
            QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, QPoint(5, 5));
            m_trail.removeLast();
        }
        for (;;) {
            if (!dialog.isVisible())
                dialog.show();
            QAbstractButton* button = next(true);
            if (!button)
                break;
            press(button);
        }
        --m_depth;
    }

    // Every control of one of Qt's own dialogs but its closing buttons: each button pressed, each
    // entry of each list chosen. Whatever opens from there is played by the watcher.
    void exploreQtDialog(QDialog& dialog)
    {
        for (QAbstractButton* button : dialog.findChildren<QAbstractButton*>()) {
            const bool closing = qobject_cast<QDialogButtonBox*>(button->parent());
            if (button->isVisible() && button->isEnabled() && !closing)
                button->click();
        }
        for (QComboBox* list : dialog.findChildren<QComboBox*>()) {
            for (int i = 0; list->isVisible() && list->isEnabled() && i < list->count(); ++i)
                list->setCurrentIndex(i);
        }
    }

    // The windows Qt opens by itself: message boxes answered yes, menus closed, file dialogs
    // recorded and closed, any other dialog explored and cancelled.
    void playQtWindow(QWidget* window)
    {
        m_qtWindows << window->metaObject()->className();
        if (qobject_cast<QFileDialog*>(window)) {
            m_fileDialogs << m_trail.join(" / ");
            window->close();
        } else if (qobject_cast<QMessageBox*>(window)) {
            answerYes(window);
        } else if (auto* dialog = qobject_cast<QDialog*>(window)) {
            exploreQtDialog(*dialog);
            dialog->reject();
        } else {
            window->close();
        }
    }

    // Qt's print dialog, played in turn two ways: every control explored, then cancelled; or the
    // worst a visitor can do, the last printer of the list (where Qt puts its file entry) with
    // the archive's path typed in every field, then "Stampa".
    void playPrintDialog(QDialog& dialog)
    {
        QVERIFY(qobject_cast<QPrintDialog*>(&dialog));
        auto* buttons = dialog.findChild<QDialogButtonBox*>();
        QVERIFY(buttons);
        if (m_printDialogs++ % 2 == 0) {
            exploreQtDialog(dialog);
            buttons->button(QDialogButtonBox::Cancel)->click();
            return;
        }
        if (auto* printers = dialog.findChild<QComboBox*>(QStringLiteral("printers")))
            printers->setCurrentIndex(printers->count() - 1);
        for (QLineEdit* field : dialog.findChildren<QLineEdit*>()) {
            if (field->isVisible() && field->isEnabled() && !field->isReadOnly())
                field->setText(fx->file("Libri.pro"));
        }
        buttons->button(QDialogButtonBox::Ok)->click();
    }

    void installCompanionDrivers()
    {
        for (const QString& name : kVisitorWindows)
            Modal::setDriver(name, [this](QDialog& d) { driveCompanion(d); });
        Modal::setDriver(QStringLiteral("dlgStampa"), [this](QDialog& d) { playPrintDialog(d); });
    }

    QList<QWidget*> managementWindows()
    {
        return {screens->frmPassword(), screens->frmCambiaPassword(), screens->frmAvvio(), screens->frmAnagrafica(),
            screens->frmTessera(), screens->frmLibri(), screens->frmDVD(), screens->frmMenuPrestiti(),
            screens->frmPrestiti(), screens->frmRestituzioni(), screens->frmMenuRiepilogoPrestiti(),
            screens->frmStatistiche()};
    }

    // Brings the visitor back to `window`, as a visitor would after whatever the last step did.
    void reach(QWidget* window)
    {
        TfrmMenuCatalogo* menu = screens->frmMenuCatalogo();
        if (window->isVisible())
            return;
        if (!menu->isVisible())
            menu->show();
        if (window == screens->frmConsultaLibri())
            menu->btnApriLibri->click();
        else if (window == screens->frmConsultaDVD())
            menu->btnApriDVD->click();
        QVERIFY(window->isVisible());
    }

    void walk(QWidget* window)
    {
        reach(window);
        QList<QPointer<QWidget>> targets;
        targets << window;
        for (QWidget* child : window->findChildren<QWidget*>()) {
            if (child->isVisible())
                targets << child;
        }
        for (const QPointer<QWidget>& target : targets) {
            const QString name = window->objectName() + "." + target->objectName() + " (" + target->metaObject()->className() + ")";
            if (auto* button = qobject_cast<QAbstractButton*>(target.data())) {
                reach(window);
                m_trail = {name, "click"};
                button->click();
                QVERIFY(onlyVisitorWindows());
            }
            if (auto* label = qobject_cast<ClickableLabel*>(target.data())) {
                reach(window);
                m_trail = {name, "click"};
                QTest::mouseClick(label, Qt::LeftButton);
                QVERIFY(onlyVisitorWindows());
            }
            if (qobject_cast<QLineEdit*>(target.data()) || qobject_cast<QComboBox*>(target.data())) {
                reach(window);
                m_trail = {name, "typing"};
                target->setFocus();
                QTest::keyClicks(target, "abc 123");
                QVERIFY(onlyVisitorWindows());
            }
            for (const Key& key : kKeys) {
                reach(window);
                if (!target)
                    break;
                m_trail = {name, QKeySequence(key.key | key.modifiers).toString()};
                target->setFocus();
                QTest::keyClick(target, Qt::Key(key.key), key.modifiers);
                QVERIFY(onlyVisitorWindows());
            }
            reach(window);
            m_trail = {name, "double click"};
            QTest::mouseDClick(target, Qt::LeftButton);
            QVERIFY(onlyVisitorWindows());
        }
        reach(window);
        m_trail = {window->objectName(), "window closed"};
        window->close();
        QVERIFY(onlyVisitorWindows());
    }

private slots:
    void init()
    {
        fx = std::make_unique<TestFixture>();
        // The print dialog is Qt's own, as the visitor sees it, and so is all it opens.
        Printing::showDialogs();
        m_printDialogs = 0;
        m_qtWindows.clear();
        m_fileDialogs.clear();
        m_watcher = std::make_unique<ModalWatcher>([this](QWidget* window) { playQtWindow(window); });
        QVERIFY(Password::writeStored("vendralopiskun"));
        storeCatalogue();
        screens = std::make_unique<Screens>();
        screens->start();
        QTest::keyClicks(screens->frmPassword()->txtPassword, "vendralopiskun");
        QTest::keyClick(screens->frmPassword()->txtPassword, Qt::Key_Return);
        QTest::mouseClick(screens->frmAvvio()->btnScarico, Qt::LeftButton);
        QCOMPARE(visibleWindowNames(), QStringList({"frmMenuCatalogo"}));
        installCompanionDrivers();
    }

    void cleanup()
    {
        m_watcher.reset();
        screens.reset();
        fx.reset();
    }

    void visitorsNeverReachTheManagementWindows_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<bool>("reachesPrinting");
        QTest::newRow("frmMenuCatalogo") << QString("frmMenuCatalogo") << false;
        QTest::newRow("frmConsultaLibri") << QString("frmConsultaLibri") << true;
        QTest::newRow("frmConsultaDVD") << QString("frmConsultaDVD") << true;
    }

    void visitorsNeverReachTheManagementWindows()
    {
        QFETCH(QString, window);
        QFETCH(bool, reachesPrinting);
        const QMap<QString, QByteArray> before = folderBytes(fx->folder());
        QWidget* target = window == "frmMenuCatalogo" ? static_cast<QWidget*>(screens->frmMenuCatalogo())
            : window == "frmConsultaLibri"             ? screens->frmConsultaLibri()
                                                       : screens->frmConsultaDVD();
        walk(target);
        if (QTest::currentTestFailed())
            return;
        // The companions were really walked, not just refused, and so was Qt's print dialog.
        QVERIFY(!Modal::opened().isEmpty());
        QVERIFY(m_printDialogs >= (reachesPrinting ? 2 : 0));
        QCOMPARE(m_qtWindows.contains("QPrintPropertiesDialog"), reachesPrinting);
        QVERIFY2(m_fileDialogs.isEmpty(), qPrintable(m_fileDialogs.join("; ")));
        // Every file keeps its bytes; the sheets the test records are the only new files.
        const QMap<QString, QByteArray> after = folderBytes(fx->folder());
        for (auto it = before.cbegin(); it != before.cend(); ++it)
            QVERIFY2(after.value(it.key()) == it.value(), qPrintable(it.key()));
        QStringList recorded;
        for (const Printing::Printed& sheet : Printing::printed())
            recorded << sheet.pdf;
        for (const QString& name : after.keys()) {
            if (!before.contains(name))
                QVERIFY2(recorded.contains(name), qPrintable(name));
        }
    }

    // Another program may ask for a hidden window of the management side, or map it: while the
    // visitors browse, it stays hidden and off the screen.
    void managementWindowsStayHidden()
    {
        for (QWidget* window : managementWindows()) {
            window->show();
            window->setVisible(true);
            window->showMaximized();
            window->showNormal();
            QVERIFY2(!window->isVisible(), qPrintable(window->objectName()));
            // No native window is left that another program could map.
            QVERIFY2(!window->windowHandle() || !window->windowHandle()->handle(),
                qPrintable(window->objectName()));
        }
        QCOMPARE(visibleWindowNames(), QStringList({"frmMenuCatalogo"}));
    }
};

QTEST_MAIN(TestVisitors)
#include "tst_visitors.moc"
