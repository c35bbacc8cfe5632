#include "FocusFrame.h"

#include <QPainter>
#include <QWidget>

void paintFocusFrame(QWidget& widget)
{
    if (!widget.hasFocus())
        return;
    // Orange, the colour of the field highlights, with a white line inside it, so that the frame
    // stands out on a white window and on a picture of any colour, orange ones included.
    QPainter painter(&widget);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(Qt::NoBrush);
    const QRectF outer = QRectF(widget.rect()).adjusted(1.5, 1.5, -1.5, -1.5);
    painter.setPen(QPen(QColor(0xE0, 0x8A, 0x00), 3));
    painter.drawRoundedRect(outer, 6, 6);
    painter.setPen(QPen(Qt::white, 2));
    painter.drawRoundedRect(outer.adjusted(2.5, 2.5, -2.5, -2.5), 4, 4);
}
