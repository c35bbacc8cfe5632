#pragma once

#include <QHash>
#include <QObject>
#include <QString>

class QLabel;
class QWidget;

// The status line at the foot of a work screen: moving the mouse over a control, or the Tab key to
// it, shows its one-line description; moving the mouse over the background, the panels and the
// controls without a text of their own empties the line.
class StatusLine : public QObject {
    Q_OBJECT
public:
    // The panel panInfo itself: white on blue at the foot of a screen, with its first text.
    static QLabel* panel(const QString& text, QWidget* parent);

    explicit StatusLine(QLabel* panInfo);

    // The control's description, followed by the key that presses it (Keys::of) when it has one.
    void describe(QWidget* control, const QString& text);
    // The same with the name of a key that the control itself does not carry.
    void describe(QWidget* control, const QString& text, const QString& key);
    // The mouse moving over this widget, or over a child without a text, empties the line.
    void clearOver(QWidget* widget);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLabel* m_line;
    QHash<QObject*, QString> m_texts;
};
