#include "MessageBox.h"

#include "WindowPlace.h"

#include <QMessageBox>

namespace {

bool g_recording = false;
QList<MessageBox::Answer> g_script;
QList<MessageBox::Shown> g_shown;

const char* const kTitle = "Lettoria 3.0";

// Qt sizes a message box only as it shows it: it is centred on its caller then.
class CentredBox : public QMessageBox {
public:
    using QMessageBox::QMessageBox;

protected:
    void showEvent(QShowEvent* event) override
    {
        QMessageBox::showEvent(event);
        WindowPlace::centre(*this, parentWidget());
    }
};

} // namespace

void MessageBox::warning(QWidget* parent, const QString& text)
{
    show(parent, Kind::Warning, text);
}

void MessageBox::error(QWidget* parent, const QString& text)
{
    show(parent, Kind::Error, text);
}

void MessageBox::information(QWidget* parent, const QString& text)
{
    show(parent, Kind::Information, text);
}

bool MessageBox::question(QWidget* parent, const QString& text)
{
    return show(parent, Kind::Question, text) != Answer::No;
}

void MessageBox::plain(QWidget* parent, const QString& text)
{
    show(parent, Kind::Plain, text);
}

MessageBox::Answer MessageBox::show(QWidget* parent, Kind kind, const QString& text)
{
    if (g_recording) {
        g_shown.append({kind, text});
        if (!g_script.isEmpty())
            return g_script.takeFirst();
        return kind == Kind::Question ? Answer::Yes : Answer::Ok;
    }

    CentredBox box(parent);
    box.setWindowTitle(QString::fromLatin1(kTitle));
    box.setText(text);
    switch (kind) {
    case Kind::Warning:
        box.setIcon(QMessageBox::Warning);
        break;
    case Kind::Error:
        box.setIcon(QMessageBox::Critical);
        break;
    case Kind::Information:
        box.setIcon(QMessageBox::Information);
        break;
    case Kind::Question:
        box.setIcon(QMessageBox::Question);
        break;
    case Kind::Plain:
        box.setIcon(QMessageBox::NoIcon);
        break;
    }
    if (kind == Kind::Question) {
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(QMessageBox::Yes);
        return box.exec() == QMessageBox::No ? Answer::No : Answer::Yes;
    }
    if (kind == Kind::Plain)
        box.setStandardButtons(QMessageBox::Ok);
    else
        box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
    box.setDefaultButton(QMessageBox::Ok);
    return box.exec() == QMessageBox::Cancel ? Answer::Cancel : Answer::Ok;
}

void MessageBox::startRecording()
{
    g_recording = true;
    g_script.clear();
    g_shown.clear();
}

void MessageBox::stopRecording()
{
    g_recording = false;
    g_script.clear();
    g_shown.clear();
}

void MessageBox::scriptAnswer(Answer answer)
{
    g_script.append(answer);
}

const QList<MessageBox::Shown>& MessageBox::shown()
{
    return g_shown;
}

void MessageBox::clearShown()
{
    g_shown.clear();
}
