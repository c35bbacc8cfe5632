#pragma once

#include "Chart.h"

#include <QColor>
#include <QImage>
#include <QList>
#include <QMarginsF>
#include <QPageLayout>
#include <QRectF>
#include <QString>

// A printable layout in millimetres: a page, then bands stacked from the top (a title printed
// once, data bands that may split across pages, a footer at the foot of every page), each band
// holding named objects placed relative to the band. A screen fills a layout by setting the texts
// and pictures of named objects.

struct ReportObject {
    enum class Kind { Text, Picture, Rectangle, Line, Chart };

    Kind kind = Kind::Text;
    QString name;
    QRectF geometry; // millimetres, relative to the band
    // Text boxes.
    QString text;
    QString fontFamily = QStringLiteral("Arial");
    qreal fontSize = 10; // points
    bool bold = false;
    QColor colour = Qt::black;
    Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignTop;
    // The pitch of the lines of a multi-line text, in millimetres; 0 lets the font decide. A text
    // with a pitch splits between pages at its lines.
    qreal linePitch = 0;
    // Text boxes and rectangles; an invalid colour is no fill.
    QColor fill;
    // Rectangles and lines; an invalid colour is no outline.
    QColor outline;
    qreal outlineWidth = 0.2; // millimetres
    // Picture boxes: scaled to fit, proportions kept, centred.
    QImage picture;
    // Chart boxes: drawn by the chart engine into the box.
    Chart chart;

    // The objects of a layout by kind; every other field keeps its default.
    static ReportObject textBox(const QString& name, const QRectF& mm, const QString& text, qreal size);
    static ReportObject rectangle(const QString& name, const QRectF& mm, const QColor& fill, const QColor& outline);
    static ReportObject line(const QString& name, const QRectF& mm);
    static ReportObject pictureBox(const QString& name, const QRectF& mm, const QImage& image);
};

struct ReportBand {
    enum class Kind { Title, Data, Footer };

    Kind kind = Kind::Data;
    QString name;
    qreal height = 0; // millimetres
    bool canSplit = false;
    QList<ReportObject> objects;
};

class Report {
public:
    QPageLayout::Orientation orientation = QPageLayout::Portrait;
    QMarginsF margins {10, 10, 10, 10}; // millimetres
    QList<ReportBand> bands;

    ReportBand& addBand(ReportBand::Kind kind, const QString& name, qreal height);

    // The object or band of a name; nullptr when there is none.
    ReportObject* object(const QString& name);
    const ReportObject* object(const QString& name) const;
    ReportBand* band(const QString& name);
    const ReportBand* band(const QString& name) const;

    // The A4 page, in millimetres, and the part inside the margins.
    QSizeF pageSize() const;
    QRectF printableArea() const;
};
