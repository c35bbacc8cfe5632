#pragma once

#include <QObject>
#include <QString>

class QFrame;
class QWidget;

// The coloured frame "eff" + field name that stands behind a data field while it has the focus.
class FieldHighlight : public QObject {
    Q_OBJECT
public:
    // Creates the frame beside the field, in the field's parent, hidden.
    static QFrame* attach(QWidget* field, const QString& fieldName);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    FieldHighlight(QWidget* field, QFrame* frame);
    void follow();

    QWidget* m_field;
    QFrame* m_frame;
};
