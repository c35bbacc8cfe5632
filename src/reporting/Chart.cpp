#include "Chart.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <QtMath>

namespace {

// The depth of the third dimension, as a share of the plot's height, drawn up and to the right.
constexpr qreal kDepth = 0.06;

QFont verdana(qreal pixels, bool bold)
{
    QFont font(QStringLiteral("Verdana"));
    font.setPixelSize(std::max(1, int(pixels)));
    font.setBold(bold);
    return font;
}

// The font, made smaller where the text would not fit the width (printers measure fonts their
// own way).
QFont fitted(QFont font, const QString& text, qreal width, QPaintDevice* device)
{
    while (font.pixelSize() > 4 && QFontMetricsF(font, device).horizontalAdvance(text) > width)
        font.setPixelSize(font.pixelSize() - 1);
    return font;
}

void drawBars(QPainter& p, const QRectF& plot, const Chart& chart, qreal unit)
{
    const int count = int(chart.points.size());
    int highest = 1;
    for (const ChartPoint& point : chart.points)
        highest = std::max(highest, point.value);
    // A round scale: the next multiple of a step that gives about five grid lines.
    const int step = std::max(1, int(std::ceil(highest / 5.0)));
    const int top = step * int(std::ceil(highest / double(step)));
    const qreal depth = plot.height() * kDepth;
    const QRectF front(plot.left() + 3 * unit, plot.top() + depth, plot.width() - 3 * unit - depth, plot.height() - depth);

    // The silver grid on the back wall, with its values.
    p.setFont(verdana(1.8 * unit, false));
    for (int v = 0; v <= top; v += step) {
        const qreal y = front.bottom() - front.height() * v / top;
        p.setPen(QPen(QColor(0xC0, 0xC0, 0xC0), unit * 0.15));
        p.drawLine(QPointF(front.left(), y), QPointF(front.left() + depth, y - depth));
        p.drawLine(QPointF(front.left() + depth, y - depth), QPointF(front.right() + depth, y - depth));
        p.setPen(Qt::black);
        p.drawText(QRectF(plot.left(), y - unit, 2.6 * unit, 2 * unit), Qt::AlignRight | Qt::AlignVCenter,
            QString::number(v));
    }
    const qreal slot = front.width() / count;
    const qreal width = slot * 0.6;
    const qreal barDepth = depth * 0.8;
    for (int i = 0; i < count; ++i) {
        const ChartPoint& point = chart.points.at(i);
        const qreal height = front.height() * point.value / top;
        const QRectF face(front.left() + i * slot + (slot - width) / 2, front.bottom() - height, width, height);
        const QPointF shift(barDepth, -barDepth);
        QPolygonF topFace({face.topLeft(), face.topLeft() + shift, face.topRight() + shift, face.topRight()});
        QPolygonF side({face.topRight(), face.topRight() + shift, face.bottomRight() + shift, face.bottomRight()});
        p.setPen(QPen(point.colour.darker(160), unit * 0.1));
        p.setBrush(point.colour.darker(130));
        p.drawPolygon(side);
        p.setBrush(point.colour.lighter(115));
        p.drawPolygon(topFace);
        p.setBrush(point.colour);
        p.drawRect(face);
        // The value as a mark above the bar.
        p.setPen(Qt::black);
        p.setBrush(QColor(0xFF, 0xFF, 0xE0));
        const QRectF mark(face.center().x() - 2 * unit, face.top() - barDepth - 2.6 * unit, 4 * unit, 2.1 * unit);
        p.drawRect(mark);
        p.drawText(mark, Qt::AlignCenter, QString::number(point.value));
        p.drawText(QRectF(front.left() + i * slot, front.bottom() + 0.4 * unit, slot, 2 * unit), Qt::AlignCenter,
            point.label.left(3));
    }
}

void drawPie(QPainter& p, const QRectF& plot, const Chart& chart, qreal unit)
{
    int total = 0;
    for (const ChartPoint& point : chart.points)
        total += point.value;
    const qreal side = std::min(plot.width() * 0.7, plot.height() * 1.4);
    const QRectF oval(plot.center().x() - side / 2, plot.center().y() - side / 4 - unit, side, side / 2);
    const qreal thickness = side * 0.08;
    if (total == 0) {
        p.setPen(QPen(QColor(0xC0, 0xC0, 0xC0), unit * 0.15));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(oval);
        return;
    }
    // The rim first, slice by slice from the back, then the top faces.
    for (int layer = int(thickness); layer > 0; --layer) {
        qreal start = 90;
        for (const ChartPoint& point : chart.points) {
            const qreal span = 360.0 * point.value / total;
            p.setPen(Qt::NoPen);
            p.setBrush(point.colour.darker(140));
            p.drawPie(oval.translated(0, layer), int(start * 16), int(span * 16));
            start += span;
        }
    }
    qreal start = 90;
    p.setFont(verdana(1.8 * unit, false));
    for (const ChartPoint& point : chart.points) {
        const qreal span = 360.0 * point.value / total;
        p.setPen(QPen(point.colour.darker(160), unit * 0.1));
        p.setBrush(point.colour);
        p.drawPie(oval, int(start * 16), int(span * 16));
        if (point.value > 0) {
            const qreal middle = qDegreesToRadians(start + span / 2);
            const QPointF at(oval.center().x() + std::cos(middle) * oval.width() * 0.62,
                oval.center().y() - std::sin(middle) * oval.height() * 0.62);
            const QRectF mark(at.x() - 2 * unit, at.y() - unit, 4 * unit, 2.1 * unit);
            p.setPen(Qt::black);
            p.setBrush(QColor(0xFF, 0xFF, 0xE0));
            p.drawRect(mark);
            p.drawText(mark, Qt::AlignCenter, QString::number(point.value));
        }
        start += span;
    }
}

} // namespace

void drawChart(QPainter& painter, const QRectF& area, const Chart& chart)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(area, Qt::white);
    const qreal unit = std::min(area.width() / 100.0, area.height() / 70.0);
    painter.setFont(fitted(verdana(4 * unit, true), chart.title, area.width() * 0.95, painter.device()));
    painter.setPen(chart.titleColour);
    const QRectF title(area.left(), area.top() + unit, area.width(), 6 * unit);
    painter.drawText(title, Qt::AlignCenter, chart.title);

    // The legend: its title and the twelve labels with their colours, in two rows.
    const qreal legendHeight = 9 * unit;
    const QRectF legend(area.left() + 2 * unit, area.bottom() - legendHeight - 5 * unit, area.width() - 4 * unit, legendHeight);
    painter.setFont(verdana(2 * unit, true));
    painter.setPen(Qt::black);
    painter.drawText(QRectF(legend.left(), legend.top(), legend.width(), 2.6 * unit), Qt::AlignLeft | Qt::AlignVCenter,
        chart.legendTitle);
    painter.setFont(verdana(1.8 * unit, false));
    const int perRow = 6;
    const qreal cell = legend.width() / perRow;
    for (int i = 0; i < chart.points.size(); ++i) {
        const QPointF at(legend.left() + (i % perRow) * cell, legend.top() + 3 * unit + (i / perRow) * 2.8 * unit);
        painter.setPen(Qt::black);
        painter.setBrush(chart.points.at(i).colour);
        painter.drawRect(QRectF(at.x(), at.y() + 0.3 * unit, 1.6 * unit, 1.6 * unit));
        painter.drawText(QRectF(at.x() + 2.2 * unit, at.y(), cell - 2.4 * unit, 2.2 * unit), Qt::AlignLeft | Qt::AlignVCenter,
            chart.points.at(i).label);
    }
    painter.setFont(fitted(verdana(2.2 * unit, true), chart.foot, area.width() * 0.95, painter.device()));
    painter.setPen(chart.footColour);
    painter.drawText(QRectF(area.left(), area.bottom() - 4.5 * unit, area.width(), 4 * unit), Qt::AlignCenter, chart.foot);

    const QRectF plot(area.left() + 4 * unit, title.bottom() + 3 * unit, area.width() - 8 * unit,
        legend.top() - title.bottom() - 7 * unit);
    if (chart.kind == Chart::Kind::Bars)
        drawBars(painter, plot, chart, unit);
    else
        drawPie(painter, plot, chart, unit);
    painter.restore();
}
