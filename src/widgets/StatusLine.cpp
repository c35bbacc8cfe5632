#include "StatusLine.h"

#include "Keys.h"

#include <QLabel>
#include <QFocusEvent>
#include <QMouseEvent>

QLabel* StatusLine::panel(const QString& text, QWidget* parent)
{
    auto* line = new QLabel(text, parent);
    line->setObjectName(QStringLiteral("panInfo"));
    line->setStyleSheet(QStringLiteral("QLabel { background: #2e5f8f; color: white; font: 12pt 'Tahoma'; "
                                       "padding: 3px 10px; border-radius: 4px; }"));
    line->setFixedHeight(30);
    return line;
}

StatusLine::StatusLine(QLabel* panInfo)
    : QObject(panInfo)
    , m_line(panInfo)
{
}

void StatusLine::describe(QWidget* control, const QString& text)
{
    describe(control, text, Keys::name(Keys::of(control)));
}

void StatusLine::describe(QWidget* control, const QString& text, const QString& key)
{
    m_texts.insert(control, Keys::describe(text, key));
    control->setMouseTracking(true);
    control->installEventFilter(this);
}

void StatusLine::clearOver(QWidget* widget)
{
    widget->setMouseTracking(true);
    widget->installEventFilter(this);
}

bool StatusLine::eventFilter(QObject* watched, QEvent* event)
{
    // The keyboard bringing the focus to a described control shows its text as the mouse would.
    if (event->type() == QEvent::FocusIn && m_texts.contains(watched)) {
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason)
            m_line->setText(m_texts.value(watched));
    }
    if (event->type() == QEvent::MouseMove) {
        m_line->setText(m_texts.value(watched));
        // A described control keeps its move to itself, so that the panel behind it does not empty
        // the line again; a move with a button held still belongs to the control.
        if (m_texts.contains(watched) && static_cast<QMouseEvent*>(event)->buttons() == Qt::NoButton)
            return true;
    }
    return QObject::eventFilter(watched, event);
}
