#include "FieldHighlight.h"

#include <QEvent>
#include <QFrame>

namespace {

constexpr int kBorder = 3;

} // namespace

QFrame* FieldHighlight::attach(QWidget* field, const QString& fieldName)
{
    auto* frame = new QFrame(field->parentWidget());
    frame->setObjectName(QStringLiteral("eff") + fieldName);
    frame->setStyleSheet(QStringLiteral(
        "QFrame { background-color: #ffd27f; border: 1px solid #e08a00; border-radius: 4px; }"));
    frame->setAttribute(Qt::WA_TransparentForMouseEvents);
    frame->hide();
    new FieldHighlight(field, frame);
    return frame;
}

FieldHighlight::FieldHighlight(QWidget* field, QFrame* frame)
    : QObject(field)
    , m_field(field)
    , m_frame(frame)
{
    field->installEventFilter(this);
    follow();
}

bool FieldHighlight::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_field) {
        switch (event->type()) {
        case QEvent::FocusIn:
            follow();
            m_frame->show();
            m_frame->stackUnder(m_field);
            break;
        case QEvent::FocusOut:
            m_frame->hide();
            break;
        case QEvent::Move:
        case QEvent::Resize:
            follow();
            break;
        default:
            break;
        }
    }
    return QObject::eventFilter(watched, event);
}

void FieldHighlight::follow()
{
    m_frame->setGeometry(m_field->geometry().adjusted(-kBorder, -kBorder, kBorder, kBorder));
}
