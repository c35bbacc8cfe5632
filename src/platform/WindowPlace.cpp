#include "WindowPlace.h"

#include <QApplication>
#include <QMargins>
#include <QScreen>
#include <QWidget>
#include <algorithm>

namespace {

// The caller's window when it is on the screen.
const QWidget* shownCaller(const QWidget* caller)
{
    const QWidget* window = caller ? caller->window() : nullptr;
    return window && window->isVisible() ? window : nullptr;
}

// The title bar and borders the window manager puts around a window: those of a window already on
// the screen, the caller's first.
QMargins frameMargins(const QWidget* caller)
{
    const QWidget* framed = shownCaller(caller);
    if (!framed) {
        for (const QWidget* top : QApplication::topLevelWidgets()) {
            if (top->isVisible() && top->frameGeometry() != top->geometry()) {
                framed = top;
                break;
            }
        }
    }
    if (!framed)
        return {};
    const QRect frame = framed->frameGeometry();
    const QRect client = framed->geometry();
    return {client.left() - frame.left(), client.top() - frame.top(), frame.right() - client.right(),
        frame.bottom() - client.bottom()};
}

QRect freeRoom(const QWidget& window, const QWidget* caller)
{
    const QWidget* framed = shownCaller(caller);
    const QScreen* screen = framed ? framed->screen() : window.screen();
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect();
}

// The frame's top-left corner that centres `outer` on `around`, inside `room`.
QPoint centred(const QSize& outer, const QRect& around, const QRect& room)
{
    QPoint topLeft(around.x() + (around.width() - outer.width()) / 2,
        around.y() + (around.height() - outer.height()) / 2);
    topLeft.setX(
        std::clamp(topLeft.x(), room.left(), std::max(room.left(), room.right() + 1 - outer.width())));
    topLeft.setY(
        std::clamp(topLeft.y(), room.top(), std::max(room.top(), room.bottom() + 1 - outer.height())));
    return topLeft;
}

} // namespace

namespace WindowPlace {

void centre(QWidget& window, const QWidget* caller)
{
    const QRect room = freeRoom(window, caller);
    const QWidget* shown = shownCaller(caller);
    const QMargins frame = frameMargins(caller);
    QPoint corner = centred(window.size().grownBy(frame), shown ? shown->frameGeometry() : room, room);
    // Qt moves the frame's corner of a window it has not made yet, and the inside's corner of a
    // window made but not yet framed by the window manager.
    if (window.testAttribute(Qt::WA_WState_Created) && window.frameGeometry() == window.geometry())
        corner += QPoint(frame.left(), frame.top());
    window.move(corner);
}

} // namespace WindowPlace
