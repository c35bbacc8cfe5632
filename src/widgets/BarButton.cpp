#include "BarButton.h"

#include <QToolButton>

QToolButton* makeBarButton(QWidget* parent, const QString& name, const QString& text, Artwork::Symbol symbol)
{
    auto* button = new QToolButton(parent);
    button->setObjectName(name);
    button->setText(text);
    button->setIcon(QIcon(Artwork::glyph(symbol, 64, QColor(0x1F, 0x3A, 0x5F))));
    button->setIconSize(QSize(30, 30));
    button->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    button->setAutoRaise(true);
    button->setCursor(Qt::PointingHandCursor);
    button->setMinimumWidth(std::max(48, button->fontMetrics().horizontalAdvance(text) + 10));
    button->setFocusPolicy(Qt::NoFocus);
    return button;
}
