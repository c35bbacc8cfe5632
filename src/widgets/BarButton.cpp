#include "BarButton.h"

#include "Keys.h"

#include <QKeyEvent>

const std::array<BrowsingButton, 4> kBrowsingButtons = {{
    {"cmdPrimo", "P&rimo", Artwork::Symbol::First},
    {"cmdIndietro", "&Indietro", Artwork::Symbol::Previous},
    {"cmdAvanti", "A&vanti", Artwork::Symbol::Next},
    {"cmdUltimo", "&Ultimo", Artwork::Symbol::Last},
}};

PictureButton::PictureButton(QWidget* parent)
    : FocusFramed<QToolButton>(parent)
{
    setAutoRaise(true);
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::TabFocus);
}

void PictureButton::keyPressEvent(QKeyEvent* event)
{
    const bool plain = event->modifiers() == Qt::NoModifier || event->modifiers() == Qt::KeypadModifier;
    if (plain && (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)) {
        click();
        return;
    }
    QToolButton::keyPressEvent(event);
}

QToolButton* makeBarButton(QWidget* parent, const QString& name, const QString& text, Artwork::Symbol symbol)
{
    auto* button = new PictureButton(parent);
    button->setObjectName(name);
    button->setText(text);
    button->setIcon(QIcon(Artwork::glyph(symbol, 64, QColor(0x1F, 0x3A, 0x5F))));
    button->setIconSize(QSize(30, 30));
    button->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    button->setMinimumWidth(std::max(48, button->fontMetrics().horizontalAdvance(Keys::plain(text)) + 10));
    Keys::bindStandard(button);
    return button;
}
