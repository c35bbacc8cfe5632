#include "RecordFile.h"
#include "ShortString.h"
#include "CardScreen.h"
#include "ClickableLabel.h"
#include "MessageBox.h"
#include "Modal.h"
#include "Password.h"
#include "Screens.h"
#include "TestFixture.h"
#include "TfrmAvvio.h"
#include "TfrmMenuCatalogo.h"
#include "TfrmPassword.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QPushButton>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QDirIterator>
#include <QLineEdit>
#include <QPointer>
#include <QtTest>

// The consultation is left running for visitors. Whatever they press, type or close there, no
// window of the management side may appear and no archive may change.
namespace {

// The consultation's own windows and the companions they may open.
const QSet<QString> kVisitorWindows = {
    "frmMenuCatalogo", "frmConsultaLibri", "frmConsultaDVD",
    "frmTrovaLibri", "frmTrovaDisponibili", "frmTrovaDVD", "frmTrovaDisponibiliDVD",
    "frmStampaLibro02", "frmStampaDVD02", "frmGuida",
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

    // A companion is walked too: every button it has is pressed, and every line double-clicked.
    void driveCompanion(QDialog& dialog)
    {
        if (m_depth > 2)
            return;
        ++m_depth;
        for (QLineEdit* edit : dialog.findChildren<QLineEdit*>()) {
            if (edit->isVisible() && edit->isEnabled())
                QTest::keyClicks(edit, "Vol");
        }
        for (QAbstractButton* button : dialog.findChildren<QAbstractButton*>()) {
            if (!button->isVisible() || !button->isEnabled())
                continue;
            m_trail << dialog.objectName() + "." + button->objectName();
            button->click();
            if (QAbstractItemView* list = dialog.findChild<QAbstractItemView*>()) {
                list->setCurrentIndex(list->model()->index(0, 0));
                QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, QPoint(5, 5));
            }
            m_trail.removeLast();
        }
        --m_depth;
    }

    void installCompanionDrivers()
    {
        for (const QString& name : kVisitorWindows)
            Modal::setDriver(name, [this](QDialog& d) { driveCompanion(d); });
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
        screens.reset();
        fx.reset();
    }

    void visitorsNeverReachTheManagementWindows_data()
    {
        QTest::addColumn<QString>("window");
        for (const char* name : {"frmMenuCatalogo", "frmConsultaLibri", "frmConsultaDVD"})
            QTest::newRow(name) << QString(name);
    }

    void visitorsNeverReachTheManagementWindows()
    {
        QFETCH(QString, window);
        const QMap<QString, QByteArray> before = folderBytes(fx->folder());
        QWidget* target = window == "frmMenuCatalogo" ? static_cast<QWidget*>(screens->frmMenuCatalogo())
            : window == "frmConsultaLibri"             ? screens->frmConsultaLibri()
                                                       : screens->frmConsultaDVD();
        walk(target);
        if (QTest::currentTestFailed())
            return;
        // The companions were really walked, not just refused.
        QVERIFY(!Modal::opened().isEmpty());
        // Printed sheets are the only new files; every archive keeps its bytes.
        const QMap<QString, QByteArray> after = folderBytes(fx->folder());
        for (auto it = before.cbegin(); it != before.cend(); ++it)
            QVERIFY2(after.value(it.key()) == it.value(), qPrintable(it.key()));
        for (const QString& name : after.keys()) {
            if (!before.contains(name))
                QVERIFY2(name.endsWith(".pdf"), qPrintable(name));
        }
    }
};

QTEST_MAIN(TestVisitors)
#include "tst_visitors.moc"
