#include "EnterKey.h"

#include <QKeyEvent>
#include <QPushButton>

namespace {

class EnterPresses : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent*>(event)->key();
            auto* button = qobject_cast<QPushButton*>(watched);
            if (button && button->isEnabled() && (key == Qt::Key_Return || key == Qt::Key_Enter)) {
                button->click();
                return true;
            }
        }
        return QObject::eventFilter(watched, event);
    }
};

} // namespace

void pressButtonsOnEnter(QWidget* window)
{
    auto* filter = new EnterPresses(window);
    for (QPushButton* button : window->findChildren<QPushButton*>()) {
        button->setAutoDefault(false);
        button->installEventFilter(filter);
    }
}
