#include "ReportRenderer.h"

#include <QPageSize>
#include <QPagedPaintDevice>
#include <QPainter>
#include <cmath>

namespace {

constexpr qreal kTolerance = 0.001;

// The highest cut at or above `cut` that does not fall inside a line of a splitting text.
qreal snapToLines(const ReportBand& band, qreal from, qreal cut)
{
    for (const ReportObject& object : band.objects) {
        if (object.kind != ReportObject::Kind::Text || object.linePitch <= 0)
            continue;
        const qreal top = object.geometry.top();
        if (cut <= top + kTolerance || cut >= object.geometry.bottom())
            continue;
        const qreal lines = std::floor((cut - top) / object.linePitch + kTolerance);
        cut = std::max(from, top + lines * object.linePitch);
    }
    return cut;
}

class Painter {
public:
    Painter(QPainter& painter, qreal dotsPerInch)
        : m_painter(painter)
        , m_scale(dotsPerInch / 25.4)
    {
    }

    QRectF device(const QRectF& mm) const
    {
        return QRectF(mm.left() * m_scale, mm.top() * m_scale, mm.width() * m_scale, mm.height() * m_scale);
    }

    void draw(const ReportObject& object, const QRectF& box, qreal from, qreal to, qreal bandTop)
    {
        switch (object.kind) {
        case ReportObject::Kind::Text:
            drawText(object, box, from, to, bandTop);
            break;
        case ReportObject::Kind::Picture:
            drawPicture(object, box);
            break;
        case ReportObject::Kind::Rectangle:
            m_painter.setPen(pen(object));
            m_painter.setBrush(object.fill.isValid() ? QBrush(object.fill) : Qt::NoBrush);
            m_painter.drawRect(device(box));
            break;
        case ReportObject::Kind::Line:
            m_painter.setPen(pen(object));
            m_painter.drawLine(device(box).topLeft(), device(box).bottomRight());
            break;
        case ReportObject::Kind::Chart:
            drawChart(m_painter, device(box), object.chart);
            break;
        }
    }

private:
    QPen pen(const ReportObject& object) const
    {
        if (!object.outline.isValid())
            return Qt::NoPen;
        return QPen(object.outline, object.outlineWidth * m_scale);
    }

    void drawText(const ReportObject& object, const QRectF& box, qreal from, qreal to, qreal bandTop)
    {
        if (object.fill.isValid())
            m_painter.fillRect(device(box), object.fill);
        QFont font(object.fontFamily);
        font.setPointSizeF(object.fontSize);
        font.setBold(object.bold);
        m_painter.setFont(font);
        m_painter.setPen(object.colour);
        m_painter.save();
        m_painter.setClipRect(device(box), Qt::IntersectClip);
        if (object.linePitch > 0) {
            const QStringList lines = object.text.split(QLatin1Char('\n'));
            const Qt::Alignment across = object.alignment & Qt::AlignHorizontal_Mask;
            for (int i = 0; i < lines.size(); ++i) {
                const qreal top = object.geometry.top() + i * object.linePitch;
                if (top < from - kTolerance || top + object.linePitch > to + kTolerance)
                    continue;
                const QRectF line(box.left(), bandTop + top - from, box.width(), object.linePitch);
                m_painter.drawText(device(line), int(across | Qt::AlignVCenter), lines.at(i));
            }
        } else {
            m_painter.drawText(device(box), int(object.alignment), object.text);
        }
        m_painter.restore();
    }

    void drawPicture(const ReportObject& object, const QRectF& box)
    {
        if (object.picture.isNull())
            return;
        const QRectF area = device(box);
        QSizeF size = object.picture.size();
        size.scale(area.size(), Qt::KeepAspectRatio);
        QRectF target(QPointF(), size);
        target.moveCenter(area.center());
        m_painter.drawImage(target, object.picture);
    }

    QPainter& m_painter;
    qreal m_scale;
};

} // namespace

QList<PagePlan> paginate(const Report& report)
{
    const qreal printable = report.printableArea().height();
    qreal footer = 0;
    for (const ReportBand& band : report.bands) {
        if (band.kind == ReportBand::Kind::Footer)
            footer += band.height;
    }
    const qreal usable = printable - footer;
    if (usable <= kTolerance) {
        // No room between the margins and the footer: one page, every band from its top edge, cut
        // where the paper ends.
        PagePlan page;
        for (int b = 0; b < report.bands.size(); ++b)
            page.append({b, 0, 0, report.bands.at(b).height});
        return {page};
    }

    QList<PagePlan> pages(1);
    qreal y = 0;
    for (int b = 0; b < report.bands.size(); ++b) {
        const ReportBand& band = report.bands.at(b);
        if (band.kind == ReportBand::Kind::Footer)
            continue;
        qreal from = 0;
        while (true) {
            const qreal space = usable - y;
            if (band.height - from <= space + kTolerance) {
                pages.last().append({b, y, from, band.height});
                y += band.height - from;
                break;
            }
            qreal cut = band.canSplit && space > 0 ? snapToLines(band, from, from + space) : from;
            if (cut <= from + kTolerance && y == 0)
                cut = from + usable; // nothing fits on an empty page: cut it where the page ends
            if (cut > from + kTolerance)
                pages.last().append({b, y, from, cut});
            from = cut;
            pages.append(PagePlan());
            y = 0;
        }
    }
    for (PagePlan& page : pages) {
        qreal top = usable;
        for (int b = 0; b < report.bands.size(); ++b) {
            const ReportBand& band = report.bands.at(b);
            if (band.kind != ReportBand::Kind::Footer)
                continue;
            page.append({b, top, 0, band.height});
            top += band.height;
        }
    }
    return pages;
}

void renderPage(const Report& report, const PagePlan& page, QPainter& painter, qreal dotsPerInch)
{
    Painter p(painter, dotsPerInch);
    const QRectF area = report.printableArea();
    for (const BandSlice& slice : page) {
        const ReportBand& band = report.bands.at(slice.band);
        const qreal bandTop = area.top() + slice.top;
        painter.save();
        painter.setClipRect(p.device(QRectF(area.left(), bandTop, area.width(), slice.to - slice.from)));
        for (const ReportObject& object : band.objects) {
            if (object.geometry.bottom() < slice.from || object.geometry.top() > slice.to)
                continue;
            const QRectF box = object.geometry.translated(area.left(), bandTop - slice.from);
            p.draw(object, box, slice.from, slice.to, bandTop);
        }
        painter.restore();
    }
}

bool renderReport(const Report& report, QPagedPaintDevice& device, int firstPage, int lastPage)
{
    device.setPageLayout(QPageLayout(
        QPageSize(QPageSize::A4), report.orientation, QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter));
    const QList<PagePlan> pages = paginate(report);
    if (firstPage < 1)
        firstPage = 1;
    if (lastPage < 1 || lastPage > pages.size())
        lastPage = int(pages.size());
    if (firstPage > lastPage)
        return false;
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    const qreal dpi = device.logicalDpiY();
    for (int i = firstPage; i <= lastPage; ++i) {
        if (i > firstPage)
            device.newPage();
        renderPage(report, pages.at(i - 1), painter, dpi);
    }
    return painter.end();
}
