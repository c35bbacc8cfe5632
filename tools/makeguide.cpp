// Writes the user guide Guida.pdf from the help texts: a title page, then one chapter per topic.

#include "HelpTopic.h"

#include <QAbstractTextDocumentLayout>
#include <QGuiApplication>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QTextDocument>
#include <cstdio>

namespace {

QString html()
{
    QString out = QStringLiteral(
        "<html><body style='font-family: \"Liberation Sans\"; font-size: 11pt;'>"
        "<h1 style='font-size: 28pt; color: #1f3a5f;'>Lettoria 3.0</h1>"
        "<p style='font-size: 14pt; color: #4682b4;'>Guida all'utilizzo del software</p>"
        "<p>Questa guida raccoglie, capitolo per capitolo, i testi di aiuto che il programma mostra "
        "premendo il pulsante della guida in ciascuna schermata.</p>");
    int chapter = 0;
    for (const QString& topic : HelpTopic::all()) {
        const HelpTopic help = HelpTopic::load(topic);
        if (help.title.isEmpty())
            continue;
        out += QStringLiteral(
            "<h2 style='font-size: 16pt; color: #1f3a5f; page-break-before: always;'>%1. %2</h2>")
                   .arg(++chapter)
                   .arg(help.title.toHtmlEscaped());
        for (const QString& paragraph : help.paragraphs)
            out += QStringLiteral("<p align='justify'>") + paragraph.toHtmlEscaped() + QStringLiteral("</p>");
    }
    return out + QStringLiteral("</body></html>");
}

} // namespace

int main(int argc, char* argv[])
{
    QGuiApplication application(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "uso: makeguide <Guida.pdf>\n");
        return 2;
    }
    QPdfWriter writer(QString::fromLocal8Bit(argv[1]));
    writer.setTitle(QStringLiteral("Lettoria 3.0 - Guida all'utilizzo del software"));
    writer.setCreator(QStringLiteral("Lettoria 3.0"));
    writer.setResolution(300);
    writer.setPageLayout(QPageLayout(
        QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(20, 20, 20, 20), QPageLayout::Millimeter));

    QTextDocument document;
    // Point sizes measured at the writer's resolution, not the screen's.
    document.documentLayout()->setPaintDevice(&writer);
    document.setDefaultFont(QFont(QStringLiteral("Liberation Sans"), 11));
    document.setHtml(html());
    document.setPageSize(writer.pageLayout().paintRectPixels(writer.resolution()).size());
    document.print(&writer);
    return 0;
}
