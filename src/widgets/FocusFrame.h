#pragma once

class QPaintEvent;
class QWidget;

// The program's mark of the keyboard focus on a picture that acts as a button: a rounded frame
// in the orange of the field highlights, drawn over the widget while it has the focus; nothing
// otherwise, so that the picture looks as it always does. Called at the end of a paint event.
void paintFocusFrame(QWidget& widget);

// A widget that draws the focus frame over itself.
template <class Widget> class FocusFramed : public Widget {
public:
    using Widget::Widget;

protected:
    void paintEvent(QPaintEvent* event) override
    {
        Widget::paintEvent(event);
        paintFocusFrame(*this);
    }
};
