#pragma once

#include <QColor>
#include <QLabel>

// A picture or text that acts as a button: a hand cursor, and pressed / released / clicked. The
// Tab key reaches it and shows the focus frame on it; Enter or the space bar then press it.
class ClickableLabel : public QLabel {
    Q_OBJECT
public:
    explicit ClickableLabel(QWidget* parent = nullptr);

    // Pressed and released at once, as a click of the mouse does.
    void click();

signals:
    void pressed();
    void released();
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
};

// The link of the help, information and credits windows (blue) and of the loan summary menu: a
// picture and a text that turn orange while the mouse button is held on either, and open their
// target when clicked. The text takes the keyboard focus for both.
class LinkLabel : public QWidget {
    Q_OBJECT
public:
    LinkLabel(const QPixmap& picture, const QString& text, const QFont& font, QWidget* parent = nullptr,
        const QColor& colour = QColor());

    ClickableLabel* textLabel() const { return m_text; }
    ClickableLabel* pictureLabel() const { return m_picture; }

signals:
    void clicked();

private:
    void setPressed(bool pressed);

    ClickableLabel* m_picture;
    ClickableLabel* m_text;
    QColor m_colour;
};
