#pragma once

#include <QHash>
#include <QObject>
#include <QString>

class QLabel;
class QWidget;

// The status line at the foot of a work screen: a control's one-line description while the mouse
// is over it, nothing over the background, the panels and the controls without a text.
class StatusLine : public QObject
{
    Q_OBJECT
public:
    explicit StatusLine(QLabel* panInfo);

    void describe(QWidget* control, const QString& text);
    // The mouse over this widget empties the line.
    void clearOver(QWidget* widget);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLabel* m_line;
    QHash<QObject*, QString> m_texts;
};
