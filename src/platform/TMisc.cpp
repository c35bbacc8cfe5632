#include "TMisc.h"

#ifdef Q_OS_WIN
#include <qt_windows.h>
#include <shellapi.h>
#else
#include <QDesktopServices>
#include <QUrl>
#endif

namespace {

bool g_recording = false;
bool g_refuseNext = false;
QStringList g_recorded;

#ifndef Q_OS_WIN
bool isAddress(const QString& target)
{
    return target.startsWith(QLatin1String("http://"), Qt::CaseInsensitive)
        || target.startsWith(QLatin1String("https://"), Qt::CaseInsensitive)
        || target.startsWith(QLatin1String("mailto:"), Qt::CaseInsensitive);
}
#endif

} // namespace

bool TMisc::Open(const QString& command)
{
    if (g_recording) {
        g_recorded.append(command);
        const bool refused = g_refuseNext;
        g_refuseNext = false;
        return !refused;
    }
    QString target = command.trimmed();
    if (target.size() >= 2 && target.startsWith(QLatin1Char('"')) && target.endsWith(QLatin1Char('"')))
        target = target.mid(1, target.size() - 2);
    if (target.isEmpty())
        return false;
#ifdef Q_OS_WIN
    // The shell's "open" verb, with no parameters and no working folder, in a normal window: the
    // command reaches the shell as typed (backslashes, a mail body's escapes), with no trip through
    // a URL. The shell answers above 32 when it took the command.
    const auto answer = reinterpret_cast<INT_PTR>(ShellExecuteW(nullptr, L"open",
        reinterpret_cast<const wchar_t*>(target.utf16()), nullptr, nullptr, SW_SHOWNORMAL));
    return answer > 32;
#else
    const QUrl url = isAddress(target) ? QUrl(target, QUrl::TolerantMode) : QUrl::fromLocalFile(target);
    return QDesktopServices::openUrl(url);
#endif
}

void TMisc::startRecording()
{
    g_recording = true;
    g_refuseNext = false;
    g_recorded.clear();
}

void TMisc::stopRecording()
{
    g_recording = false;
    g_recorded.clear();
}

const QStringList& TMisc::recorded()
{
    return g_recorded;
}

void TMisc::refuseNext()
{
    g_refuseNext = true;
}
