#pragma once

#include <QColor>
#include <QList>
#include <QString>

class QPainter;
class QRectF;

// The program's own chart engine: one series of labelled, coloured points drawn as
// three-dimensional bars or a three-dimensional pie in an oblique view, with a title, a foot text,
// a legend, the values as marks and silver grid lines. The same drawing serves the screen, an
// image and the printer.
struct ChartPoint {
    QString label;
    int value = 0;
    QColor colour;
};

struct Chart {
    enum class Kind { Bars, Pie };
    Kind kind = Kind::Bars;
    QString title;
    QColor titleColour;
    QString foot;
    QColor footColour;
    QString legendTitle;
    QList<ChartPoint> points;
};

// Draws the chart into the area; sizes follow the area, so a printed page looks like the screen.
void drawChart(QPainter& painter, const QRectF& area, const Chart& chart);
