#include "FieldText.h"

#include <QComboBox>
#include <QLineEdit>
#include <QStyle>
#include <QStyleOptionFrame>

namespace {

// QLineEdit's own room on each side of its text, and its cursor.
constexpr int kTextMargin = 2;
constexpr int kCursor = 1;

int widest(const QFontMetrics& metrics, const QString& alphabet)
{
    int width = 0;
    for (const QChar c : alphabet)
        width = std::max(width, metrics.horizontalAdvance(c));
    return width;
}

} // namespace

void loadText(QLineEdit* field, const QString& text)
{
    field->setText(text);
    field->setCursorPosition(0);
}

void loadText(QComboBox* field, const QString& text)
{
    field->setEditText(text);
    if (QLineEdit* edit = field->lineEdit())
        edit->setCursorPosition(0);
}

int codeWidth(const QLineEdit* field, const QString& pattern)
{
    const QFontMetrics metrics(field->font());
    const QString digits = QStringLiteral("0123456789");
    const QString letters = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZ");
    int text = 0;
    for (const QChar c : pattern) {
        if (c == QLatin1Char('9'))
            text += widest(metrics, digits);
        else if (c == QLatin1Char('A'))
            text += widest(metrics, letters);
        else if (c == QLatin1Char('X'))
            text += widest(metrics, digits + letters);
        else
            text += metrics.horizontalAdvance(c);
    }
    const QMargins textMargins = field->textMargins();
    const QMargins contents = field->contentsMargins();
    const int inner = text + 2 * kTextMargin + kCursor + textMargins.left() + textMargins.right()
        + contents.left() + contents.right();
    // The frame, as the field's style draws it.
    QStyleOptionFrame option;
    option.initFrom(field);
    option.lineWidth
        = field->hasFrame() ? field->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, field) : 0;
    return field->style()
        ->sizeFromContents(QStyle::CT_LineEdit, &option, QSize(inner, metrics.height()), field)
        .width();
}
