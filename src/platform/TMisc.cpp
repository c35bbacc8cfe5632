#include "TMisc.h"

#include <QDesktopServices>
#include <QUrl>

namespace {

bool g_recording = false;
bool g_refuseNext = false;
QStringList g_recorded;

bool isAddress(const QString& target)
{
    return target.startsWith(QLatin1String("http://"), Qt::CaseInsensitive)
        || target.startsWith(QLatin1String("https://"), Qt::CaseInsensitive)
        || target.startsWith(QLatin1String("mailto:"), Qt::CaseInsensitive);
}

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
    const QUrl url = isAddress(target) ? QUrl(target, QUrl::TolerantMode) : QUrl::fromLocalFile(target);
    return QDesktopServices::openUrl(url);
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
