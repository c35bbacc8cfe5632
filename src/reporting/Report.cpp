#include "Report.h"

#include <QPageSize>

ReportObject ReportObject::textBox(const QString& name, const QRectF& mm, const QString& text, qreal size)
{
    ReportObject o;
    o.kind = Kind::Text;
    o.name = name;
    o.geometry = mm;
    o.text = text;
    o.fontSize = size;
    return o;
}

ReportObject ReportObject::rectangle(const QString& name, const QRectF& mm, const QColor& fill, const QColor& outline)
{
    ReportObject o;
    o.kind = Kind::Rectangle;
    o.name = name;
    o.geometry = mm;
    o.fill = fill;
    o.outline = outline;
    return o;
}

ReportObject ReportObject::line(const QString& name, const QRectF& mm)
{
    ReportObject o;
    o.kind = Kind::Line;
    o.name = name;
    o.geometry = mm;
    o.outline = Qt::black;
    return o;
}

ReportObject ReportObject::pictureBox(const QString& name, const QRectF& mm, const QImage& image)
{
    ReportObject o;
    o.kind = Kind::Picture;
    o.name = name;
    o.geometry = mm;
    o.picture = image;
    return o;
}

ReportBand& Report::addBand(ReportBand::Kind kind, const QString& name, qreal height)
{
    ReportBand band;
    band.kind = kind;
    band.name = name;
    band.height = height;
    bands.append(band);
    return bands.last();
}

ReportObject* Report::object(const QString& name)
{
    return const_cast<ReportObject*>(std::as_const(*this).object(name));
}

const ReportObject* Report::object(const QString& name) const
{
    for (const ReportBand& band : bands) {
        for (const ReportObject& object : band.objects) {
            if (object.name == name)
                return &object;
        }
    }
    return nullptr;
}

ReportBand* Report::band(const QString& name)
{
    return const_cast<ReportBand*>(std::as_const(*this).band(name));
}

const ReportBand* Report::band(const QString& name) const
{
    for (const ReportBand& band : bands) {
        if (band.name == name)
            return &band;
    }
    return nullptr;
}

QSizeF Report::pageSize() const
{
    const QSizeF a4 = QPageSize(QPageSize::A4).size(QPageSize::Millimeter);
    return orientation == QPageLayout::Landscape ? a4.transposed() : a4;
}

QRectF Report::printableArea() const
{
    const QSizeF page = pageSize();
    return QRectF(margins.left(), margins.top(), page.width() - margins.left() - margins.right(),
        page.height() - margins.top() - margins.bottom());
}
