#include "EnterKey.h"

#include <QKeyEvent>
#include <QLineEdit>
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

void pressButtonsOnEnter(QWidget* window, QPushButton* defaultButton)
{
    auto* filter = new EnterPresses(window);
    for (QPushButton* button : window->findChildren<QPushButton*>()) {
        button->setAutoDefault(false);
        button->installEventFilter(filter);
    }
    if (defaultButton)
        defaultButton->setDefault(true);
}

void enterMovesAlong(const QList<QLineEdit*>& fields)
{
    for (qsizetype i = 0; i < fields.size(); ++i) {
        QLineEdit* next = fields.at((i + 1) % fields.size());
        QObject::connect(fields.at(i), &QLineEdit::returnPressed, next, qOverload<>(&QWidget::setFocus));
    }
}
