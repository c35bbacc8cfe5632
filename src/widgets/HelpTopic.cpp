#include "HelpTopic.h"

#include <QDir>
#include <QFile>

namespace {

// The guide's chapter order: the first steps, the main menu, its six areas in the menu's order
// (with the loan desk's own screens), then the exports, the import and the consultation. A topic
// missing here follows in the order of its name.
const QStringList kFirstTopics = {QStringLiteral("primi_passi"), QStringLiteral("avvio"),
    QStringLiteral("anagrafica"), QStringLiteral("tessere"), QStringLiteral("libri"), QStringLiteral("dvd"),
    QStringLiteral("prestiti"), QStringLiteral("registrazione"), QStringLiteral("riepilogo"),
    QStringLiteral("statistiche"), QStringLiteral("esporta_anagrafica"), QStringLiteral("esporta_libri"),
    QStringLiteral("esporta_dvd"), QStringLiteral("esporta_prestiti"), QStringLiteral("esporta_scaduti"),
    QStringLiteral("importa"), QStringLiteral("consultazione")};

} // namespace

QString HelpTopic::text() const
{
    return paragraphs.join(QStringLiteral("\r\n\r\n"));
}

HelpTopic HelpTopic::load(const QString& topic)
{
    QFile file(QStringLiteral(":/help/") + topic + QStringLiteral(".txt"));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QStringList lines = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'));
    HelpTopic help;
    help.title = lines.value(0).trimmed();
    for (int i = 1; i < lines.size(); ++i) {
        const QString line = lines.at(i).trimmed();
        if (!line.isEmpty())
            help.paragraphs.append(line);
    }
    return help;
}

QStringList HelpTopic::all()
{
    QStringList topics = kFirstTopics;
    const QStringList files
        = QDir(QStringLiteral(":/help")).entryList({QStringLiteral("*.txt")}, QDir::Files, QDir::Name);
    for (const QString& file : files) {
        const QString topic = file.chopped(4);
        if (!topics.contains(topic))
            topics.append(topic);
    }
    return topics;
}
