#pragma once

#include <QObject>
#include <QString>

class QLineEdit;
class QPushButton;
class ResultList;

// Binds a find field and its "Trova" button to a result list: Enter in the field moves to the
// button, the button runs the find, and the find memory lives here unless kept elsewhere.
class ListFinder : public QObject {
    Q_OBJECT
public:
    // Enter in the field moves to the button, unless the window says otherwise.
    ListFinder(QLineEdit* field, QPushButton* button, ResultList* list, bool enterMovesToButton = true);

    void find();
    void forgetKey() { m_memory->clear(); }
    // Keeps the find memory in a place that outlives this window, for a window whose key is
    // remembered for the whole run.
    void keepMemoryIn(QString& memory) { m_memory = &memory; }

private:
    QLineEdit* m_field;
    QPushButton* m_button;
    ResultList* m_list;
    QString m_ownMemory;
    QString* m_memory = &m_ownMemory;
};
