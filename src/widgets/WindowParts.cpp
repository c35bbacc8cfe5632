#include "WindowParts.h"

#include <QLabel>
#include <QPushButton>

QPushButton* pushButton(const QString& objectName, const QString& text, QWidget* parent, const QSize& minimum)
{
    auto* button = new QPushButton(text, parent);
    button->setObjectName(objectName);
    button->setMinimumSize(minimum);
    button->setCursor(Qt::PointingHandCursor);
    return button;
}

QLabel* instructionLine(const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setWordWrap(true);
    label->setStyleSheet(QStringLiteral("color: #1a1a1a;"));
    return label;
}

QLabel* waitLabel(const QString& text, QWidget* parent)
{
    auto* wait = new QLabel(text, parent);
    wait->setObjectName(QStringLiteral("lblAttendere"));
    wait->setStyleSheet(QStringLiteral("color: #b00000; font-weight: bold;"));
    wait->hide();
    return wait;
}

void showWaitOnPress(QPushButton* button, QLabel* wait)
{
    QObject::connect(button, &QPushButton::pressed, wait, [wait] {
        wait->show();
        wait->repaint();
    });
}
