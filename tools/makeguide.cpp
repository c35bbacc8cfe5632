// Writes the user guide Guida.pdf from the help texts: a title page, the contents with the page of
// each chapter, then one chapter per topic, every page after the title numbered in its footer.

#include "HelpTopic.h"

#include <QAbstractTextDocumentLayout>
#include <QGuiApplication>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QTextBlock>
#include <QTextDocument>
#include <cstdio>

namespace {

const QString kBlue = QStringLiteral("#1f3a5f");

QList<HelpTopic> chapters()
{
    QList<HelpTopic> found;
    for (const QString& topic : HelpTopic::all()) {
        const HelpTopic help = HelpTopic::load(topic);
        if (!help.title.isEmpty())
            found.append(help);
    }
    return found;
}

// The chapter headings carry no final full stop in the guide.
QString heading(int number, const HelpTopic& help)
{
    QString title = help.title;
    if (title.endsWith(QLatin1Char('.')))
        title.chop(1);
    return QStringLiteral("%1. %2").arg(number).arg(title.toHtmlEscaped());
}

// `pages` holds the page of each chapter, or nothing on the first pass that measures them.
QString html(const QList<HelpTopic>& topics, const QList<int>& pages)
{
    QString out = QStringLiteral(
        "<html><body><p style='margin-bottom: 280px;'>&nbsp;</p>"
        "<p style='font-size: 32pt; font-weight: bold; color: %1;' align='center'>Lettoria 3.0</p>"
        "<p style='font-size: 16pt; color: #4682b4;' align='center'>Guida all'utilizzo del software</p>"
        "<p style='margin-top: 80px;' align='center'>Catalogo di libri e DVD, iscritti, tessere e prestiti "
        "per le piccole biblioteche.</p>"
        "<p align='center'>Questa guida raccoglie, capitolo per capitolo, i testi di aiuto che il programma "
        "mostra premendo il pulsante della guida in ciascuna schermata.</p>"
        "<h1 style='font-size: 18pt; color: %1; page-break-before: always;'>Indice</h1>"
        "<table width='100%' cellpadding='4'>")
                      .arg(kBlue);
    for (int i = 0; i < topics.size(); ++i) {
        out += QStringLiteral("<tr><td>%1</td><td align='right'>%2</td></tr>")
                   .arg(heading(i + 1, topics.at(i)))
                   .arg(pages.isEmpty() ? QStringLiteral("00") : QString::number(pages.at(i)));
    }
    out += QStringLiteral("</table>");
    for (int i = 0; i < topics.size(); ++i) {
        out += QStringLiteral("<h2 style='font-size: 16pt; color: %1; page-break-before: always;'>%2</h2>")
                   .arg(kBlue, heading(i + 1, topics.at(i)));
        for (const QString& paragraph : topics.at(i).paragraphs)
            out += QStringLiteral("<p align='justify'>") + paragraph.toHtmlEscaped() + QStringLiteral("</p>");
    }
    return out + QStringLiteral("</body></html>");
}

// The page, counted from 1, on which each chapter heading was laid out.
QList<int> chapterPages(QTextDocument& document)
{
    QList<int> pages;
    const qreal pageHeight = document.pageSize().height();
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        if (block.blockFormat().headingLevel() == 2)
            pages.append(int(document.documentLayout()->blockBoundingRect(block).top() / pageHeight) + 1);
    }
    return pages;
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
        QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(20, 20, 20, 15), QPageLayout::Millimeter));
    const QRect paintRect = writer.pageLayout().paintRectPixels(writer.resolution());
    const int footerHeight = writer.resolution() / 2; // half an inch under the text for the page number

    const QList<HelpTopic> topics = chapters();
    QTextDocument document;
    // Point sizes measured at the writer's resolution, not the screen's.
    document.documentLayout()->setPaintDevice(&writer);
    document.setDefaultFont(QFont(QStringLiteral("Liberation Sans"), 11));
    document.setPageSize(QSizeF(paintRect.width(), paintRect.height() - footerHeight));
    document.setHtml(html(topics, {}));
    // The page numbers take no more room than the placeholders, so a second layout keeps every page.
    const QList<int> pages = chapterPages(document);
    document.setHtml(html(topics, pages));
    if (chapterPages(document) != pages) {
        std::fprintf(stderr, "makeguide: l'indice sposta i capitoli\n");
        return 1;
    }

    QPainter painter;
    if (!painter.begin(&writer)) {
        std::fprintf(stderr, "makeguide: impossibile scrivere %s\n", argv[1]);
        return 1;
    }
    const qreal textHeight = document.pageSize().height();
    const int pageCount = document.pageCount();
    QFont footerFont(QStringLiteral("Liberation Sans"), 9);
    for (int page = 0; page < pageCount; ++page) {
        if (page > 0)
            writer.newPage();
        painter.save();
        painter.translate(0, -page * textHeight);
        QAbstractTextDocumentLayout::PaintContext context;
        context.clip = QRectF(0, page * textHeight, paintRect.width(), textHeight);
        document.documentLayout()->draw(&painter, context);
        painter.restore();
        if (page == 0)
            continue;
        painter.setFont(footerFont);
        painter.setPen(QColor(0x55, 0x55, 0x55));
        painter.drawText(QRectF(0, textHeight, paintRect.width(), footerHeight), Qt::AlignHCenter | Qt::AlignBottom,
            QStringLiteral("Lettoria 3.0 - Guida all'utilizzo del software - pagina %1 di %2").arg(page + 1).arg(pageCount));
    }
    return painter.end() ? 0 : 1;
}
