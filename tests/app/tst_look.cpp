#include "Artwork.h"
#include "CardScreen.h"
#include "LoanDesk.h"
#include "Look.h"
#include "MessageBox.h"
#include "Modal.h"
#include "ProgramStyle.h"
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
#include <QApplication>
#include <QDialog>
#include <QMessageBox>
#include <QScreen>
#include <QWindow>
#include <QtTest>

namespace {

// A desktop style of the kind that puts Qt's stock pictures on dialog buttons (a tick on OK, a
// cross on Annulla), as the desktops without a theme of their own do.
class StockButtonStyle : public QProxyStyle {
public:
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
        QStyleHintReturn* data) const override
    {
        if (hint == SH_DialogButtonBox_ButtonsHaveIcons)
            return 1;
        return QProxyStyle::styleHint(hint, option, widget, data);
    }
};

QImage picture(const QIcon& icon, int size)
{
    return icon.pixmap(size, size).toImage().convertToFormat(QImage::Format_ARGB32);
}

QImage picture(const QPixmap& pixmap)
{
    return pixmap.toImage().convertToFormat(QImage::Format_ARGB32);
}

QPoint centreOf(const QWidget* window)
{
    return window->frameGeometry().center();
}

} // namespace

class TestLook : public QObject {
    Q_OBJECT

    std::unique_ptr<TestFixture> fx;

private slots:
    void init() { fx = std::make_unique<TestFixture>(); }
    void cleanup() { fx.reset(); }

    // The program's icon is in the program itself, in every size a title bar or a task switcher
    // asks for, and every window shows it.
    void everyWindowShowsTheProgramsIcon()
    {
        installLook();
        const QIcon icon = QApplication::windowIcon();
        for (const int size : {16, 32, 48, 64, 128, 256}) {
            QVERIFY2(icon.availableSizes().contains(QSize(size, size)), qPrintable(QString::number(size)));
            QCOMPARE(
                picture(icon, size), picture(QPixmap(QStringLiteral(":/icons/lettoria-%1.png").arg(size))));
        }
        Screens screens;
        const QList<QWidget*> windows = {screens.frmPassword(), screens.frmAvvio(),
            screens.frmCambiaPassword(), screens.frmAnagrafica(), screens.frmTessera(), screens.frmLibri(),
            screens.frmDVD(), screens.frmMenuPrestiti(), screens.frmPrestiti(), screens.frmRestituzioni(),
            screens.frmMenuRiepilogoPrestiti(), screens.frmStatistiche(), screens.frmMenuCatalogo(),
            screens.frmConsultaLibri(), screens.frmConsultaDVD()};
        for (QWidget* window : windows) {
            window->show();
            QVERIFY(window->windowHandle());
            QCOMPARE(picture(window->windowHandle()->icon(), 32), picture(icon, 32));
            window->hide();
        }
        QDialog companion(screens.frmLibri());
        companion.setObjectName("frmProva");
        Modal::setDriver(
            "frmProva", [&](QDialog& d) { QCOMPARE(picture(d.windowIcon(), 32), picture(icon, 32)); });
        Modal::exec(companion);
        QCOMPARE(Modal::opened(), QStringList({"frmProva"}));
    }

    // Warnings, errors, information and questions show the program's own pictures, and their
    // buttons no stock pictures, whatever the desktop's style would put there; each box stands
    // at the centre of the window that asked for it.
    void messageBoxesWearTheProgramsPictures()
    {
        QApplication::setStyle(new ProgramStyle(new StockButtonStyle));
        MessageBox::stopRecording();

        QWidget caller;
        caller.setGeometry(QRect(QPoint(40, 60), QSize(700, 500)));
        caller.show();
        QVERIFY(QTest::qWaitForWindowExposed(&caller));
        struct Seen {
            QImage picture;
            int buttonsWithPictures;
            QPoint centre;
        };
        QList<Seen> seen;
        ModalWatcher watcher([&](QWidget* window) {
            auto* box = qobject_cast<QMessageBox*>(window);
            QVERIFY(box);
            int withPictures = 0;
            for (QAbstractButton* button : box->buttons())
                withPictures += button->icon().isNull() ? 0 : 1;
            seen.append({picture(box->iconPixmap()), withPictures, centreOf(box)});
            answerYes(box);
        });
        const auto waitForBox = [&](qsizetype count) { QTRY_COMPARE(seen.size(), count); };
        MessageBox::warning(&caller, QStringLiteral("Attenzione: prova."));
        waitForBox(1);
        MessageBox::error(&caller, QStringLiteral("Attenzione: prova."));
        waitForBox(2);
        MessageBox::information(&caller, QStringLiteral("Prova."));
        waitForBox(3);
        QVERIFY(MessageBox::question(&caller, QStringLiteral("Si vuole provare?")));
        waitForBox(4);

        const int side = seen.at(0).picture.width();
        QVERIFY(side >= 32);
        const Artwork::Alert alerts[] = {Artwork::Alert::Warning, Artwork::Alert::Error,
            Artwork::Alert::Information, Artwork::Alert::Question};
        for (int i = 0; i < 4; ++i) {
            QCOMPARE(seen.at(i).picture, picture(Artwork::alert(alerts[i], side)));
            QCOMPARE(seen.at(i).buttonsWithPictures, 0);
            QVERIFY2((seen.at(i).centre - centreOf(&caller)).manhattanLength() <= 2,
                qPrintable(QStringLiteral("%1,%2").arg(seen.at(i).centre.x()).arg(seen.at(i).centre.y())));
        }
        QApplication::setStyle(QStringLiteral("Fusion"));
    }

    // A companion window stands at the centre of its caller, and inside the screen when its caller
    // is near an edge.
    void companionsCentredOnTheirCaller()
    {
        const QRect room = QGuiApplication::primaryScreen()->availableGeometry();
        QWidget caller;
        caller.setGeometry(QRect(QPoint(room.x() + 50, room.y() + 80), QSize(900, 600)));
        caller.show();
        QVERIFY(QTest::qWaitForWindowExposed(&caller));
        QDialog companion(&caller);
        companion.setObjectName("frmProva");
        companion.setFixedSize(480, 262);
        QPoint centre;
        Modal::setDriver("frmProva", [&](QDialog& d) { centre = centreOf(&d); });
        Modal::exec(companion);
        QVERIFY2((centre - centreOf(&caller)).manhattanLength() <= 2,
            qPrintable(QStringLiteral("%1,%2").arg(centre.x()).arg(centre.y())));

        caller.move(room.right() - 300, room.bottom() - 200);
        QRect placed;
        Modal::setDriver("frmProva", [&](QDialog& d) { placed = d.frameGeometry(); });
        Modal::exec(companion);
        QVERIFY2(room.contains(placed), qPrintable(QStringLiteral("%1,%2").arg(placed.x()).arg(placed.y())));
    }
};

QTEST_MAIN(TestLook)
#include "tst_look.moc"
