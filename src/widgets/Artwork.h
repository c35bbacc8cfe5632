#pragma once

#include <QColor>
#include <QImage>
#include <QPixmap>
#include <QString>

class QPainter;
class QWidget;

// The program's pictures, drawn rather than shipped, so that they stay sharp at any size and carry
// their Italian texts.
namespace Artwork {

enum class Symbol {
    Member,
    Card,
    Book,
    Disc,
    Loan,
    Catalogue,
    Info,
    Help,
    Copyright,
    Web,
    Exit,
    Pdf,
    Mail,
    New,
    Duplicate,
    Save,
    Attach,
    Print,
    First,
    Previous,
    Next,
    Last,
    Export,
    Available,
    Notes,
    Check,
    Cancelled,
    Zoom,
    Clock,
    Preview,
    Clear,
    Photo,
    Import,
    Folder
};

// The product's logo: an open book and "Lettoria 3.0".
QPixmap logo(const QSize& size);
// A work area of the main menu: its symbol and name on a coloured tile.
QPixmap areaPicture(Symbol symbol, const QString& name, const QColor& colour, const QSize& size);
// The button picture under an area.
QPixmap areaButton(const QString& text, const QColor& colour, const QSize& size);
// A round icon of a symbol.
QPixmap icon(Symbol symbol, int size);
// The pictures of the message boxes.
enum class Alert { Information, Question, Warning, Error };
QPixmap alert(Alert alert, int size);
// A symbol alone, in one colour, for the button bars of the work screens.
QPixmap glyph(Symbol symbol, int size, const QColor& colour);
// The neutral head-and-shoulders picture of a member without a photo.
QImage silhouette(const QSize& size);
// The generic picture of a library without a logo of its own: the word LOGO in a frame.
QImage logoPlaceholder(const QSize& size);
// The about page of the information window: name and version, what the program is for and its
// areas; the maker's address stands under it.
QPixmap aboutPage(const QSize& size);
// The credits picture of the credits window.
QPixmap credits(const QSize& size);

// Moves a window, title bar and borders included, to the centre of the free room of its screen.
void centreOnScreen(QWidget& window);

// Paints the steel-blue-to-white background of the menus and the password windows.
void paintBackground(QPainter& painter, const QWidget& widget);

} // namespace Artwork
