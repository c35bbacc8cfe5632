#pragma once

#include <QDateTime>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

class QWidget;

// Every test's world: a temporary program folder, a fixed clock, message boxes, dialogs, modal
// windows and shell commands recorded instead of shown. Create one per test function.
class TestFixture {
public:
    TestFixture();
    ~TestFixture();

    // The fixed moment of the clock: 10 June 2015, 10:30.
    static QDateTime fixedNow();

    QString folder() const;
    QString file(const QString& name) const;

    QByteArray readFile(const QString& name) const;
    void writeFile(const QString& name, const QByteArray& bytes) const;

    // The texts of the message boxes shown so far, in order.
    static QStringList messages();
    // Every window the user could see: top-level windows and dialogs, not popups or tooltips.
    static QList<QWidget*> visibleWindows();
    // Types a text into a line edit or an editable combo box, as the user would.
    static void type(QWidget* field, const QString& text);

private:
    QTemporaryDir m_dir;
};
