#pragma once

#include <QDateTime>
#include <QString>
#include <QTemporaryDir>

// Every test's world: a temporary program folder, a fixed clock, message boxes, dialogs, modal
// windows and shell commands recorded instead of shown. Create one per test function.
class TestFixture
{
public:
    TestFixture();
    ~TestFixture();

    // The fixed moment of the clock: 10 June 2015, 10:30.
    static QDateTime fixedNow();

    QString folder() const;
    QString file(const QString& name) const;

    QByteArray readFile(const QString& name) const;
    void writeFile(const QString& name, const QByteArray& bytes) const;

private:
    QTemporaryDir m_dir;
};
