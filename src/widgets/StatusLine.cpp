#include "StatusLine.h"

#include <QEvent>
#include <QLabel>

StatusLine::StatusLine(QLabel* panInfo)
    : QObject(panInfo)
    , m_line(panInfo)
{
}

void StatusLine::describe(QWidget* control, const QString& text)
{
    m_texts.insert(control, text);
    control->installEventFilter(this);
}

void StatusLine::clearOver(QWidget* widget)
{
    widget->installEventFilter(this);
}

bool StatusLine::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Enter)
        m_line->setText(m_texts.value(watched));
    else if (event->type() == QEvent::Leave && m_texts.contains(watched))
        m_line->clear();
    return QObject::eventFilter(watched, event);
}
