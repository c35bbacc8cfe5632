#include "WindowParts.h"

#include "ClickableLabel.h"
#include "Keys.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>

QFrame* whiteBox(QWidget* parent)
{
    auto* box = new QFrame(parent);
    box->setObjectName(QStringLiteral("box"));
    box->setStyleSheet(
        QStringLiteral("QFrame#box { background: white; border: 1px solid #b8c7d9; border-radius: 8px; }"));
    return box;
}

QPushButton* pushButton(const QString& objectName, const QString& text, QWidget* parent, const QSize& minimum)
{
    auto* button = new QPushButton(text, parent);
    button->setObjectName(objectName);
    button->setMinimumSize(minimum);
    button->setCursor(Qt::PointingHandCursor);
    Keys::bindStandard(button);
    return button;
}

ClickableLabel* iconButton(const QString& objectName, Artwork::Symbol symbol, int size, QWidget* parent)
{
    auto* icon = new ClickableLabel(parent);
    icon->setObjectName(objectName);
    icon->setPixmap(Artwork::icon(symbol, size));
    Keys::bindStandard(icon);
    return icon;
}

QLabel* memoryLabel(QWidget* parent, const QString& text)
{
    auto* memory = new QLabel(text, parent);
    memory->setObjectName(QStringLiteral("lblMemory"));
    memory->hide();
    return memory;
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
