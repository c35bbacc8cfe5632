#include "FocusFrame.h"

#include <QPainter>
#include <QWidget>

void paintFocusFrame(QWidget& widget)
{
    if (!widget.hasFocus())
        return;
    QPainter painter(&widget);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(0xE0, 0x8A, 0x00), 2));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(QRectF(widget.rect()).adjusted(1, 1, -1, -1), 5, 5);
}
