#include "TestFixture.h"

#include "Clock.h"
#include "Dialogs.h"
#include "MessageBox.h"
#include "Modal.h"
#include "Printing.h"
#include "ProgramFolder.h"
#include "TMisc.h"
#include "VisitorMode.h"

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QStandardPaths>
#include <QTest>

TestFixture::TestFixture()
{
    // Qt's own dialogs keep their settings in the test area, not in the user's.
    QStandardPaths::setTestModeEnabled(true);
    ProgramFolder::setPath(m_dir.path());
    Clock::setFixed(fixedNow());
    MessageBox::startRecording();
    Modal::startTesting();
    Dialogs::startTesting();
    TMisc::startRecording();
    Printing::startTesting(folder());
}

TestFixture::~TestFixture()
{
    VisitorMode::reset();
    Printing::stopTesting();
    TMisc::stopRecording();
    Dialogs::stopTesting();
    Modal::stopTesting();
    MessageBox::stopRecording();
    Clock::reset();
    ProgramFolder::setPath(QString());
}

QList<QWidget*> TestFixture::visibleWindows()
{
    QList<QWidget*> shown;
    for (QWidget* w : QApplication::topLevelWidgets()) {
        const Qt::WindowType type = w->windowType();
        if (w->isVisible() && (type == Qt::Window || type == Qt::Dialog))
            shown << w;
    }
    return shown;
}

QDateTime TestFixture::fixedNow()
{
    return QDateTime(QDate(2015, 6, 10), QTime(10, 30));
}

QString TestFixture::folder() const
{
    return m_dir.path() + QLatin1Char('/');
}

QString TestFixture::file(const QString& name) const
{
    return folder() + name;
}

QByteArray TestFixture::readFile(const QString& name) const
{
    QFile f(file(name));
    if (!f.open(QIODevice::ReadOnly))
        return QByteArray();
    return f.readAll();
}

void TestFixture::writeFile(const QString& name, const QByteArray& bytes) const
{
    QFile f(file(name));
    if (f.open(QIODevice::WriteOnly))
        f.write(bytes);
}

QStringList TestFixture::messages()
{
    QStringList texts;
    for (const auto& box : MessageBox::shown())
        texts << box.text;
    return texts;
}

void TestFixture::type(QWidget* field, const QString& text)
{
    field->setFocus();
    // Key clicks carry ASCII only; other characters arrive as typed text.
    if (std::all_of(text.begin(), text.end(), [](QChar c) { return c.unicode() < 128; })) {
        QTest::keyClicks(field, text);
        return;
    }
    if (auto* combo = qobject_cast<QComboBox*>(field))
        combo->lineEdit()->insert(text);
    else if (auto* edit = qobject_cast<QLineEdit*>(field))
        edit->insert(text);
}
