#include "Artwork.h"

#include "WindowPlace.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QWidget>

namespace {

const QColor kSteelBlue(0x46, 0x82, 0xB4);
const QColor kInk(0x1F, 0x3A, 0x5F);
const QColor kRed(0xC0, 0x39, 0x2B);
const QColor kAmber(0xE0, 0x8E, 0x0B);

QPixmap blank(const QSize& size)
{
    QPixmap pixmap(size);
    pixmap.fill(Qt::transparent);
    return pixmap;
}

// The symbol drawn in white inside the square r.
void drawSymbol(QPainter& p, Artwork::Symbol symbol, const QRectF& r, const QColor& ink)
{
    const qreal u = r.width() / 10.0;
    const QPointF c = r.center();
    QPen pen(ink, u * 0.7, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    QFont f(QStringLiteral("Liberation Serif"));

    switch (symbol) {
    case Artwork::Symbol::Member:
        p.setBrush(ink);
        p.setPen(Qt::NoPen);
        p.drawEllipse(QPointF(c.x(), r.top() + 3 * u), 1.9 * u, 1.9 * u);
        p.drawChord(QRectF(c.x() - 3.6 * u, r.top() + 5.4 * u, 7.2 * u, 7.2 * u), 0, 180 * 16);
        break;
    case Artwork::Symbol::Card: {
        const QRectF card(r.left() + 0.5 * u, r.top() + 2 * u, 9 * u, 6 * u);
        p.drawRoundedRect(card, u * 0.8, u * 0.8);
        p.setBrush(ink);
        p.setPen(Qt::NoPen);
        p.drawEllipse(QPointF(card.left() + 2.4 * u, card.top() + 2.2 * u), 1.0 * u, 1.0 * u);
        p.drawChord(QRectF(card.left() + 0.8 * u, card.top() + 3.2 * u, 3.2 * u, 3.2 * u), 0, 180 * 16);
        p.setPen(pen);
        for (int i = 0; i < 3; ++i)
            p.drawLine(QPointF(card.left() + 5 * u, card.top() + (1.6 + 1.4 * i) * u),
                QPointF(card.right() - 1 * u, card.top() + (1.6 + 1.4 * i) * u));
        break;
    }
    case Artwork::Symbol::Book: {
        QPainterPath left;
        left.moveTo(c.x(), r.top() + 2.5 * u);
        left.cubicTo(c.x() - 1.5 * u, r.top() + 1.5 * u, r.left() + 1.5 * u, r.top() + 1.5 * u,
            r.left() + 0.5 * u, r.top() + 2.2 * u);
        left.lineTo(r.left() + 0.5 * u, r.top() + 8.5 * u);
        left.cubicTo(r.left() + 1.5 * u, r.top() + 7.8 * u, c.x() - 1.5 * u, r.top() + 7.8 * u, c.x(),
            r.top() + 8.8 * u);
        left.closeSubpath();
        QTransform mirror;
        mirror.translate(2 * c.x(), 0);
        mirror.scale(-1, 1);
        p.drawPath(left);
        p.drawPath(mirror.map(left));
        for (int i = 0; i < 3; ++i) {
            const qreal y = r.top() + (3.6 + 1.3 * i) * u;
            p.drawLine(QPointF(r.left() + 1.8 * u, y), QPointF(c.x() - 1.2 * u, y + 0.2 * u));
            p.drawLine(QPointF(r.right() - 1.8 * u, y), QPointF(c.x() + 1.2 * u, y + 0.2 * u));
        }
        break;
    }
    case Artwork::Symbol::Disc:
        p.drawEllipse(c, 4.3 * u, 4.3 * u);
        p.drawEllipse(c, 1.2 * u, 1.2 * u);
        p.drawArc(QRectF(c.x() - 3 * u, c.y() - 3 * u, 6 * u, 6 * u), 100 * 16, 60 * 16);
        break;
    case Artwork::Symbol::Loan: {
        p.drawArc(QRectF(r.left() + 1.2 * u, r.top() + 1.2 * u, 7.6 * u, 7.6 * u), 30 * 16, 150 * 16);
        p.drawArc(QRectF(r.left() + 1.2 * u, r.top() + 1.2 * u, 7.6 * u, 7.6 * u), 210 * 16, 150 * 16);
        p.setBrush(ink);
        p.setPen(Qt::NoPen);
        QPolygonF head1(
            {QPointF(r.right() - 0.6 * u, r.top() + 3.0 * u), QPointF(r.right() - 3.0 * u, r.top() + 3.2 * u),
                QPointF(r.right() - 1.4 * u, r.top() + 5.2 * u)});
        p.drawPolygon(head1);
        QTransform turn;
        turn.translate(c.x(), c.y());
        turn.rotate(180);
        turn.translate(-c.x(), -c.y());
        p.drawPolygon(turn.map(head1));
        break;
    }
    case Artwork::Symbol::Catalogue:
        p.drawEllipse(QPointF(c.x() - 1 * u, c.y() - 1 * u), 3 * u, 3 * u);
        p.drawLine(
            QPointF(c.x() + 1.2 * u, c.y() + 1.2 * u), QPointF(r.right() - 0.8 * u, r.bottom() - 0.8 * u));
        break;
    case Artwork::Symbol::Info:
    case Artwork::Symbol::Help:
    case Artwork::Symbol::Copyright: {
        const QString letter = symbol == Artwork::Symbol::Info ? QStringLiteral("i")
            : symbol == Artwork::Symbol::Help                  ? QStringLiteral("?")
                                                               : QStringLiteral("\u00A9");
        f.setBold(true);
        f.setPixelSize(int(7.5 * u));
        p.setFont(f);
        p.drawText(r, Qt::AlignCenter, letter);
        break;
    }
    case Artwork::Symbol::Web:
        p.drawEllipse(c, 4 * u, 4 * u);
        p.drawEllipse(QRectF(c.x() - 1.7 * u, c.y() - 4 * u, 3.4 * u, 8 * u));
        p.drawLine(QPointF(c.x() - 4 * u, c.y()), QPointF(c.x() + 4 * u, c.y()));
        p.drawLine(QPointF(c.x(), c.y() - 4 * u), QPointF(c.x(), c.y() + 4 * u));
        break;
    case Artwork::Symbol::Exit:
        p.drawArc(QRectF(c.x() - 3.5 * u, c.y() - 3 * u, 7 * u, 7 * u), 120 * 16, 300 * 16);
        p.drawLine(QPointF(c.x(), c.y() - 4 * u), QPointF(c.x(), c.y() + 0.3 * u));
        break;
    case Artwork::Symbol::Pdf: {
        const QRectF page(r.left() + 2 * u, r.top() + 1 * u, 6 * u, 8 * u);
        p.drawRect(page);
        f.setBold(true);
        f.setFamily(QStringLiteral("Liberation Sans"));
        f.setPixelSize(int(2.3 * u));
        p.setFont(f);
        p.drawText(page, Qt::AlignCenter, QStringLiteral("PDF"));
        break;
    }
    case Artwork::Symbol::New:
    case Artwork::Symbol::Duplicate:
    case Artwork::Symbol::Notes: {
        if (symbol == Artwork::Symbol::Duplicate)
            p.drawRect(QRectF(r.left() + 1 * u, r.top() + 0.5 * u, 5.5 * u, 7 * u));
        const QRectF page(r.left() + 2.5 * u, r.top() + 2 * u, 6 * u, 7.5 * u);
        p.setBrush(symbol == Artwork::Symbol::Duplicate ? QBrush(Qt::white) : QBrush(Qt::NoBrush));
        p.drawRect(page);
        p.setBrush(Qt::NoBrush);
        if (symbol == Artwork::Symbol::New) {
            p.drawLine(QPointF(page.center().x() - 1.6 * u, page.center().y()),
                QPointF(page.center().x() + 1.6 * u, page.center().y()));
            p.drawLine(QPointF(page.center().x(), page.center().y() - 1.6 * u),
                QPointF(page.center().x(), page.center().y() + 1.6 * u));
        } else {
            for (int i = 0; i < 3; ++i)
                p.drawLine(QPointF(page.left() + 1.2 * u, page.top() + (2 + 1.8 * i) * u),
                    QPointF(page.right() - 1.2 * u, page.top() + (2 + 1.8 * i) * u));
        }
        break;
    }
    case Artwork::Symbol::Save: {
        const QRectF disk(r.left() + 1 * u, r.top() + 1 * u, 8 * u, 8 * u);
        p.drawRoundedRect(disk, 0.6 * u, 0.6 * u);
        p.drawRect(QRectF(disk.left() + 2 * u, disk.top(), 4 * u, 2.6 * u));
        p.drawRect(QRectF(disk.left() + 1.6 * u, disk.top() + 4.6 * u, 4.8 * u, 3.4 * u));
        break;
    }
    case Artwork::Symbol::Attach: {
        QPainterPath clip;
        clip.moveTo(c.x() + 1.5 * u, r.top() + 3 * u);
        clip.lineTo(c.x() + 1.5 * u, r.top() + 7.5 * u);
        clip.arcTo(QRectF(c.x() - 1.5 * u, r.top() + 6 * u, 3 * u, 3 * u), 0, -180);
        clip.lineTo(c.x() - 1.5 * u, r.top() + 2 * u);
        clip.arcTo(QRectF(c.x() - 1.5 * u, r.top() + 0.5 * u, 3 * u, 3 * u), 180, -180);
        p.drawPath(clip);
        break;
    }
    case Artwork::Symbol::Print:
        p.drawRect(QRectF(r.left() + 2.5 * u, r.top() + 0.8 * u, 5 * u, 3 * u));
        p.drawRoundedRect(QRectF(r.left() + 0.8 * u, r.top() + 3.8 * u, 8.4 * u, 3.6 * u), 0.6 * u, 0.6 * u);
        p.drawRect(QRectF(r.left() + 2.5 * u, r.top() + 6.2 * u, 5 * u, 3 * u));
        break;
    case Artwork::Symbol::First:
    case Artwork::Symbol::Previous:
    case Artwork::Symbol::Next:
    case Artwork::Symbol::Last: {
        const bool forward = symbol == Artwork::Symbol::Next || symbol == Artwork::Symbol::Last;
        const qreal tip = forward ? r.right() - 2 * u : r.left() + 2 * u;
        const qreal back = forward ? r.left() + 3 * u : r.right() - 3 * u;
        p.setBrush(ink);
        p.drawPolygon(
            QPolygonF({QPointF(tip, c.y()), QPointF(back, c.y() - 3.5 * u), QPointF(back, c.y() + 3.5 * u)}));
        if (symbol == Artwork::Symbol::First || symbol == Artwork::Symbol::Last) {
            const qreal bar = forward ? r.right() - 1.2 * u : r.left() + 1.2 * u;
            p.drawLine(QPointF(bar, c.y() - 3.5 * u), QPointF(bar, c.y() + 3.5 * u));
        }
        break;
    }
    case Artwork::Symbol::Export:
    case Artwork::Symbol::Import: {
        const QRectF sheet(r.left() + 0.8 * u, r.top() + 1.5 * u, 6 * u, 7 * u);
        p.drawRect(sheet);
        p.drawLine(
            QPointF(sheet.left(), sheet.top() + 2.3 * u), QPointF(sheet.right(), sheet.top() + 2.3 * u));
        p.drawLine(
            QPointF(sheet.left(), sheet.top() + 4.6 * u), QPointF(sheet.right(), sheet.top() + 4.6 * u));
        p.drawLine(QPointF(sheet.center().x(), sheet.top()), QPointF(sheet.center().x(), sheet.bottom()));
        p.drawLine(QPointF(c.x() + 1 * u, c.y()), QPointF(r.right() - 0.5 * u, c.y()));
        // The arrow leaves the sheet for an export and enters it for an import.
        const qreal tip = symbol == Artwork::Symbol::Export ? r.right() - 0.5 * u : c.x() + 1 * u;
        const qreal back = symbol == Artwork::Symbol::Export ? tip - 1.7 * u : tip + 1.7 * u;
        p.drawPolyline(
            QPolygonF({QPointF(back, c.y() - 1.7 * u), QPointF(tip, c.y()), QPointF(back, c.y() + 1.7 * u)}));
        break;
    }
    case Artwork::Symbol::Folder: {
        QPainterPath folder;
        folder.moveTo(r.left() + 0.8 * u, r.top() + 2.2 * u);
        folder.lineTo(r.left() + 3.8 * u, r.top() + 2.2 * u);
        folder.lineTo(r.left() + 4.8 * u, r.top() + 3.2 * u);
        folder.lineTo(r.right() - 0.8 * u, r.top() + 3.2 * u);
        folder.lineTo(r.right() - 0.8 * u, r.bottom() - 1.8 * u);
        folder.lineTo(r.left() + 0.8 * u, r.bottom() - 1.8 * u);
        folder.closeSubpath();
        p.drawPath(folder);
        p.drawLine(
            QPointF(r.left() + 0.8 * u, r.top() + 4.4 * u), QPointF(r.right() - 0.8 * u, r.top() + 4.4 * u));
        break;
    }
    case Artwork::Symbol::Available:
    case Artwork::Symbol::Check:
        if (symbol == Artwork::Symbol::Available) {
            p.drawEllipse(QPointF(c.x() - 1 * u, c.y() - 1 * u), 3.3 * u, 3.3 * u);
            p.drawLine(QPointF(c.x() + 1.4 * u, c.y() + 1.4 * u),
                QPointF(r.right() - 0.6 * u, r.bottom() - 0.6 * u));
            p.drawPolyline(QPolygonF({QPointF(c.x() - 2.6 * u, c.y() - 1 * u),
                QPointF(c.x() - 1.4 * u, c.y() + 0.3 * u), QPointF(c.x() + 0.8 * u, c.y() - 2.4 * u)}));
        } else {
            p.drawPolyline(
                QPolygonF({QPointF(r.left() + 1.5 * u, c.y()), QPointF(c.x() - 0.8 * u, r.bottom() - 2 * u),
                    QPointF(r.right() - 1.2 * u, r.top() + 1.8 * u)}));
        }
        break;
    case Artwork::Symbol::Cancelled:
        p.drawEllipse(c, 4 * u, 4 * u);
        p.drawLine(QPointF(c.x() - 2.8 * u, c.y() + 2.8 * u), QPointF(c.x() + 2.8 * u, c.y() - 2.8 * u));
        break;
    case Artwork::Symbol::Zoom:
        p.drawEllipse(QPointF(c.x() - 1 * u, c.y() - 1 * u), 3 * u, 3 * u);
        p.drawLine(
            QPointF(c.x() + 1.2 * u, c.y() + 1.2 * u), QPointF(r.right() - 0.8 * u, r.bottom() - 0.8 * u));
        p.drawLine(QPointF(c.x() - 2.4 * u, c.y() - 1 * u), QPointF(c.x() + 0.4 * u, c.y() - 1 * u));
        p.drawLine(QPointF(c.x() - 1 * u, c.y() - 2.4 * u), QPointF(c.x() - 1 * u, c.y() + 0.4 * u));
        break;
    case Artwork::Symbol::Clock:
        p.drawEllipse(c, 4 * u, 4 * u);
        p.drawLine(c, QPointF(c.x(), c.y() - 2.8 * u));
        p.drawLine(c, QPointF(c.x() + 2 * u, c.y() + 1 * u));
        break;
    case Artwork::Symbol::Preview: {
        const QRectF page(r.left() + 1 * u, r.top() + 0.8 * u, 6 * u, 8 * u);
        p.drawRect(page);
        p.setBrush(Qt::white);
        p.drawEllipse(QPointF(c.x() + 1.2 * u, c.y() + 0.8 * u), 2.2 * u, 2.2 * u);
        p.drawLine(QPointF(c.x() + 2.8 * u, c.y() + 2.4 * u), QPointF(r.right() - 0.4 * u, r.bottom() - 0.4 * u));
        break;
    }
    case Artwork::Symbol::Clear:
        p.drawLine(QPointF(c.x() - 3 * u, c.y() - 3 * u), QPointF(c.x() + 3 * u, c.y() + 3 * u));
        p.drawLine(QPointF(c.x() + 3 * u, c.y() - 3 * u), QPointF(c.x() - 3 * u, c.y() + 3 * u));
        break;
    case Artwork::Symbol::Photo: {
        const QRectF body(r.left() + 0.5 * u, r.top() + 2.5 * u, 9 * u, 6.5 * u);
        p.drawRoundedRect(body, 0.8 * u, 0.8 * u);
        p.drawRect(QRectF(c.x() - 1.5 * u, r.top() + 1.2 * u, 3 * u, 1.3 * u));
        p.drawEllipse(QPointF(c.x(), body.center().y()), 2.1 * u, 2.1 * u);
        break;
    }
    case Artwork::Symbol::Mail: {
        const QRectF env(r.left() + 1 * u, r.top() + 2.5 * u, 8 * u, 5 * u);
        p.drawRect(env);
        p.drawPolyline(QPolygonF(
            {env.topLeft(), QPointF(env.center().x(), env.center().y() + 0.3 * u), env.topRight()}));
        break;
    }
    }
}

// The symbol in white on a round badge of the colour given.
QPixmap disc(Artwork::Symbol symbol, int size, const QColor& colour)
{
    QPixmap pixmap = blank(QSize(size, size));
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF round(1, 1, size - 2, size - 2);
    QLinearGradient g(round.topLeft(), round.bottomLeft());
    g.setColorAt(0, colour.lighter(130));
    g.setColorAt(1, colour.darker(110));
    p.setBrush(g);
    p.setPen(Qt::NoPen);
    p.drawEllipse(round);
    drawSymbol(p, symbol, round.adjusted(size * 0.2, size * 0.2, -size * 0.2, -size * 0.2), Qt::white);
    return pixmap;
}

} // namespace

namespace Artwork {

QPixmap logo(const QSize& size)
{
    QPixmap pixmap = blank(size);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal h = size.height();
    const QRectF badge(2, 2, h - 4, h - 4);
    QLinearGradient g(badge.topLeft(), badge.bottomRight());
    g.setColorAt(0, QColor(0x2E, 0x6D, 0xA4));
    g.setColorAt(1, kInk);
    p.setBrush(g);
    p.setPen(Qt::NoPen);
    p.drawRoundedRect(badge, h * 0.18, h * 0.18);
    drawSymbol(p, Symbol::Book, badge.adjusted(h * 0.14, h * 0.14, -h * 0.14, -h * 0.14), Qt::white);

    QRectF text(h + 8, 0, size.width() - h - 8, h);
    QFont title(QStringLiteral("Liberation Serif"));
    title.setBold(true);
    // As large as the height allows, and never wider than the room beside the badge.
    int pixels = int(h * 0.44);
    title.setPixelSize(pixels);
    while (
        pixels > 8 && QFontMetrics(title).horizontalAdvance(QStringLiteral("Lettoria 3.0")) > text.width()) {
        title.setPixelSize(--pixels);
    }
    p.setFont(title);
    p.setPen(kInk);
    p.drawText(
        text.adjusted(0, 0, 0, -h * 0.38), Qt::AlignLeft | Qt::AlignBottom, QStringLiteral("Lettoria 3.0"));
    QFont sub(QStringLiteral("Liberation Sans"));
    sub.setPixelSize(int(h * 0.17));
    p.setFont(sub);
    p.setPen(kSteelBlue.darker(130));
    p.drawText(text.adjusted(2, h * 0.66, 0, 0), Qt::AlignLeft | Qt::AlignTop,
        QStringLiteral("Gestione della biblioteca"));
    return pixmap;
}

QPixmap areaPicture(Symbol symbol, const QString& name, const QColor& colour, const QSize& size)
{
    QPixmap pixmap = blank(size);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF tile(1, 1, size.width() - 2, size.height() - 2);
    QLinearGradient g(tile.topLeft(), tile.bottomLeft());
    g.setColorAt(0, colour.lighter(125));
    g.setColorAt(1, colour.darker(115));
    p.setBrush(g);
    p.setPen(QPen(colour.darker(140), 1));
    p.drawRoundedRect(tile, 14, 14);

    const qreal side = size.height() * 0.52;
    drawSymbol(p, symbol, QRectF((size.width() - side) / 2, size.height() * 0.1, side, side), Qt::white);

    QFont f(QStringLiteral("Liberation Sans"));
    f.setBold(true);
    f.setPixelSize(int(size.height() * 0.12));
    p.setFont(f);
    p.setPen(Qt::white);
    p.drawText(QRectF(0, size.height() * 0.7, size.width(), size.height() * 0.24), Qt::AlignCenter, name);
    return pixmap;
}

QPixmap areaButton(const QString& text, const QColor& colour, const QSize& size)
{
    QPixmap pixmap = blank(size);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF pill(1, 1, size.width() - 2, size.height() - 2);
    p.setBrush(Qt::white);
    p.setPen(QPen(colour.darker(110), 2));
    p.drawRoundedRect(pill, pill.height() / 2, pill.height() / 2);
    QFont f(QStringLiteral("Liberation Sans"));
    f.setBold(true);
    f.setPixelSize(int(size.height() * 0.42));
    p.setFont(f);
    p.setPen(colour.darker(140));
    p.drawText(pill, Qt::AlignCenter, text);
    return pixmap;
}

QPixmap icon(Symbol symbol, int size)
{
    const QColor colour = symbol == Symbol::Exit ? kRed
        : symbol == Symbol::Pdf                  ? QColor(0xB0, 0x30, 0x30)
                                                 : kSteelBlue;
    return disc(symbol, size, colour);
}

QPixmap alert(Alert alert, int size)
{
    switch (alert) {
    case Alert::Information:
        return icon(Symbol::Info, size);
    case Alert::Question:
        return icon(Symbol::Help, size);
    case Alert::Error:
        return disc(Symbol::Clear, size, kRed);
    case Alert::Warning:
        break;
    }
    // A rounded amber triangle with a white exclamation mark.
    QPixmap pixmap = blank(QSize(size, size));
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal s = size;
    QPainterPath triangle;
    triangle.moveTo(s * 0.5, s * 0.06);
    triangle.lineTo(s * 0.97, s * 0.9);
    triangle.lineTo(s * 0.03, s * 0.9);
    triangle.closeSubpath();
    QLinearGradient g(0, 0, 0, s);
    g.setColorAt(0, kAmber.lighter(125));
    g.setColorAt(1, kAmber.darker(110));
    p.setBrush(g);
    p.setPen(QPen(g, s * 0.08, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(triangle);
    p.setPen(QPen(Qt::white, s * 0.1, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(s * 0.5, s * 0.36), QPointF(s * 0.5, s * 0.6));
    p.drawPoint(QPointF(s * 0.5, s * 0.76));
    return pixmap;
}

QPixmap glyph(Symbol symbol, int size, const QColor& colour)
{
    QPixmap pixmap = blank(QSize(size, size));
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    drawSymbol(p, symbol, QRectF(size * 0.06, size * 0.06, size * 0.88, size * 0.88), colour);
    return pixmap;
}

QPixmap aboutPage(const QSize& size)
{
    QPixmap pixmap = blank(size);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal w = size.width();
    p.setPen(QColor(0xc9, 0xd8, 0xe8));
    p.setBrush(QColor(0xf3, 0xf7, 0xfb));
    p.drawRoundedRect(QRectF(0.5, 0.5, w - 1, size.height() - 1), 8, 8);

    const QColor ink(0x1f, 0x3a, 0x5f);
    QFont title(QStringLiteral("Liberation Serif"), 20);
    title.setBold(true);
    p.setFont(title);
    p.setPen(ink);
    p.drawText(QRectF(0, 6, w, 34), Qt::AlignCenter, QStringLiteral("Lettoria 3.0"));
    QFont text(QStringLiteral("Liberation Sans"), 10);
    p.setFont(text);
    p.setPen(kSteelBlue.darker(140));
    p.drawText(QRectF(0, 38, w, 18), Qt::AlignCenter, QStringLiteral("Versione 3.0"));
    p.setPen(ink);
    p.drawText(QRectF(24, 58, w - 48, 52), Qt::AlignCenter | Qt::TextWordWrap,
        QStringLiteral("Il programma per la biblioteca pubblica, scolastica o privata: cataloga libri e DVD, "
                       "tiene l'archivio degli utenti, registra i prestiti e le restituzioni."));

    // The six areas of the main menu, two rows of three.
    const std::pair<Symbol, const char*> areas[] = {{Symbol::Member, "Archivio Utenti"},
        {Symbol::Card, "Stampa Tessere"}, {Symbol::Book, "Archivio Libri"}, {Symbol::Disc, "Archivio DVD"},
        {Symbol::Loan, "Prestiti"}, {Symbol::Catalogue, "Consultazione"}};
    const qreal cell = (w - 32) / 3;
    QFont caption(QStringLiteral("Liberation Sans"), 9);
    caption.setBold(true);
    p.setFont(caption);
    for (int i = 0; i < 6; ++i) {
        const qreal x = 16 + (i % 3) * cell;
        const qreal y = 116 + (i / 3) * 82;
        p.drawPixmap(QPointF(x + (cell - 48) / 2, y), icon(areas[i].first, 48));
        p.drawText(QRectF(x, y + 52, cell, 20), Qt::AlignCenter, QString::fromUtf8(areas[i].second));
    }

    p.setFont(text);
    p.setPen(kSteelBlue.darker(140));
    p.drawText(QRectF(24, 280, w - 48, 38), Qt::AlignCenter | Qt::TextWordWrap,
        QStringLiteral("Tutti gli archivi sono nella cartella del programma: copiandola si copiano tutti i "
                       "dati."));
    return pixmap;
}

QImage logoPlaceholder(const QSize& size)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(0x9a, 0xa4, 0xae), 2, Qt::DashLine));
    p.drawRoundedRect(QRectF(3, 3, size.width() - 6, size.height() - 6), 10, 10);
    QFont font(QStringLiteral("Liberation Sans"));
    font.setBold(true);
    font.setPixelSize(size.height() / 4);
    p.setFont(font);
    p.setPen(QColor(0x9a, 0xa4, 0xae));
    p.drawText(image.rect(), Qt::AlignCenter, QStringLiteral("LOGO"));
    return image;
}

QImage silhouette(const QSize& size)
{
    QImage image(size, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient g(0, 0, 0, size.height());
    g.setColorAt(0, QColor(0xee, 0xf1, 0xf4));
    g.setColorAt(1, QColor(0xd5, 0xdb, 0xe1));
    p.fillRect(image.rect(), g);
    const qreal w = size.width();
    const qreal h = size.height();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xa9, 0xb3, 0xbd));
    p.drawEllipse(QPointF(w / 2, h * 0.36), w * 0.2, h * 0.19);
    QPainterPath shoulders;
    shoulders.moveTo(w * 0.08, h);
    shoulders.cubicTo(w * 0.1, h * 0.7, w * 0.3, h * 0.6, w / 2, h * 0.6);
    shoulders.cubicTo(w * 0.7, h * 0.6, w * 0.9, h * 0.7, w * 0.92, h);
    shoulders.closeSubpath();
    p.drawPath(shoulders);
    return image;
}

QPixmap credits(const QSize& size)
{
    QPixmap pixmap(size);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient g(0, 0, 0, size.height());
    g.setColorAt(0, QColor(0xE8, 0xF0, 0xF8));
    g.setColorAt(1, Qt::white);
    p.fillRect(pixmap.rect(), g);
    const int logoHeight = size.height() / 4;
    p.drawPixmap((size.width() - logoHeight * 4) / 2, 16, logo(QSize(logoHeight * 4, logoHeight)));

    QFont f(QStringLiteral("Liberation Sans"));
    f.setPixelSize(15);
    p.setFont(f);
    p.setPen(kInk);
    const QRect text(20, logoHeight + 40, size.width() - 40, size.height() - logoHeight - 50);
    p.drawText(text, Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap,
        QStringLiteral("Lettoria 3.0\n"
                       "Catalogazione di libri e DVD, prestiti, utenti e tessere\n"
                       "per biblioteche pubbliche, scolastiche e private.\n\n"
                       "Progetto, programmazione e grafica: il gruppo di sviluppo di Lettoria.\n"
                       "Realizzato con C++ e Qt.\n\n"
                       "Tutti i diritti riservati."));
    return pixmap;
}

void centreOnScreen(QWidget& window)
{
    WindowPlace::centre(window, nullptr);
}

void paintBackground(QPainter& painter, const QWidget& widget)
{
    QLinearGradient g(0, 0, 0, widget.height());
    g.setColorAt(0, kSteelBlue);
    g.setColorAt(1, Qt::white);
    painter.fillRect(widget.rect(), g);
}

} // namespace Artwork
