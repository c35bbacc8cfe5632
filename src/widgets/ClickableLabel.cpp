#include "ClickableLabel.h"

#include "FocusFrame.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QMouseEvent>

namespace {

const QColor kLinkColour(0x00, 0x00, 0x80);
const QColor kPressedColour(0xFF, 0x80, 0x00);

} // namespace

ClickableLabel::ClickableLabel(QWidget* parent)
    : QLabel(parent)
{
    setCursor(Qt::PointingHandCursor);
    // The mouse leaves the focus where it was; only the keyboard brings it here.
    setFocusPolicy(Qt::TabFocus);
}

void ClickableLabel::click()
{
    emit pressed();
    emit released();
    emit clicked();
}

void ClickableLabel::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        emit pressed();
}

void ClickableLabel::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    emit released();
    if (rect().contains(event->position().toPoint()))
        emit clicked();
}

void ClickableLabel::keyPressEvent(QKeyEvent* event)
{
    const int key = event->key();
    if (event->modifiers() == Qt::NoModifier || event->modifiers() == Qt::KeypadModifier) {
        if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space) {
            click();
            return;
        }
    }
    QLabel::keyPressEvent(event);
}

void ClickableLabel::paintEvent(QPaintEvent* event)
{
    QLabel::paintEvent(event);
    paintFocusFrame(*this);
}

LinkLabel::LinkLabel(
    const QPixmap& picture, const QString& text, const QFont& font, QWidget* parent, const QColor& colour)
    : QWidget(parent)
    , m_picture(new ClickableLabel(this))
    , m_text(new ClickableLabel(this))
    , m_colour(colour.isValid() ? colour : kLinkColour)
{
    m_picture->setPixmap(picture);
    m_picture->setFocusPolicy(Qt::NoFocus);
    m_text->setText(text);
    // Room for the focus frame around the words.
    m_text->setContentsMargins(6, 3, 6, 3);
    QFont f = font;
    f.setUnderline(true);
    m_text->setFont(f);
    setPressed(false);

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(8);
    layout->addStretch();
    layout->addWidget(m_picture);
    layout->addWidget(m_text);
    layout->addStretch();

    for (ClickableLabel* part : {m_picture, m_text}) {
        connect(part, &ClickableLabel::pressed, this, [this] { setPressed(true); });
        connect(part, &ClickableLabel::released, this, [this] { setPressed(false); });
        connect(part, &ClickableLabel::clicked, this, &LinkLabel::clicked);
    }
}

void LinkLabel::setPressed(bool pressed)
{
    QPalette p = m_text->palette();
    p.setColor(QPalette::WindowText, pressed ? kPressedColour : m_colour);
    m_text->setPalette(p);
}
