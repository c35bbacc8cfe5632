// Writes the user guide Guida.pdf from the help texts: a title page, the contents with the page of
// each chapter, then one chapter per topic with a picture of its window, every page after the title
// numbered in its footer. The pictures are taken from the real windows over a few sample records,
// so they never go out of date.

#include "CardScreen.h"
#include "ExportWindow.h"
#include "Generator.h"
#include "HelpTopic.h"
#include "ImportWindow.h"
#include "LoanDesk.h"
#include "MessageBox.h"
#include "Modal.h"
#include "ProgramFolder.h"
#include "Screens.h"
#include "TfrmAvvio.h"
#include "TfrmMenuCatalogo.h"
#include "TfrmMenuPrestiti.h"
#include "TfrmMenuRiepilogoPrestiti.h"
#include "TfrmPassword.h"
#include "TfrmRiepilogoPrestiti.h"
#include "TfrmStatistiche.h"
#include "TfrmTessera.h"

#include <QAbstractButton>
#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QDate>
#include <QFile>
#include <QTemporaryDir>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QTextBlock>
#include <QTextDocument>
#include <cstdio>
#include <memory>

namespace {

const QString kBlue = QStringLiteral("#1f3a5f");

struct Chapter {
    QString topic;
    HelpTopic help;
};

QList<Chapter> chapters()
{
    QList<Chapter> found;
    for (const QString& topic : HelpTopic::all()) {
        const HelpTopic help = HelpTopic::load(topic);
        if (!help.title.isEmpty())
            found.append({topic, help});
    }
    return found;
}

// Shows a window at the size a librarian sees it and takes its picture.
QImage picture(QWidget* window)
{
    if (window->minimumSize() != window->maximumSize())
        window->resize(1280, 720);
    window->show();
    if (auto* first = window->findChild<QAbstractButton*>(QStringLiteral("cmdPrimo")))
        first->click();
    QApplication::processEvents();
    const QImage image = window->grab().toImage();
    window->hide();
    return image;
}

// A spreadsheet of books to bring in, as a library keeps one: the import window's picture shows it
// checked, with a book without its author and a code the archive already has among the others.
bool writeSampleSheet(const QString& path)
{
    Generator generator(11);
    QByteArray csv = "N. inventario;Titolo;Autore;Collocazione;Editore;Anno;ISBN\r\n";
    for (int n = 1001; n <= 1040; ++n) {
        const TSchedaLibro book = generator.book(n);
        const QString code = n == 1004 ? QStringLiteral("LIB000007") : QStringLiteral("INV-%1").arg(n);
        const QStringList cells = {code, book.Titolo, n == 1002 ? QString() : book.Autore, book.Scaffale,
            book.Editore, book.Anno, book.Isbn};
        csv += cells.join(QLatin1Char(';')).toUtf8() + "\r\n";
    }
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(csv) == csv.size();
}

// The picture of each topic's window, taken in a program folder of sample archives. Message boxes
// and companion windows are recorded, never shown, so the build can never wait for a user.
QHash<QString, QImage> screenPictures()
{
    QHash<QString, QImage> pictures;
    QTemporaryDir folder;
    const int year = QDate::currentDate().year();
    if (!folder.isValid() || !Generator(7).writeArchives(folder.path(), 40, 20, 25, 80, year))
        return pictures;
    ProgramFolder::setPath(folder.path());
    MessageBox::startRecording();
    Modal::startTesting();
    {
        Screens screens;
        pictures.insert(QStringLiteral("primi_passi"), picture(screens.frmPassword()));
        pictures.insert(QStringLiteral("avvio"), picture(screens.frmAvvio()));
        pictures.insert(QStringLiteral("anagrafica"), picture(screens.frmAnagrafica()));
        pictures.insert(QStringLiteral("tessere"), picture(screens.frmTessera()));
        pictures.insert(QStringLiteral("libri"), picture(screens.frmLibri()));
        pictures.insert(QStringLiteral("dvd"), picture(screens.frmDVD()));
        pictures.insert(QStringLiteral("prestiti"), picture(screens.frmMenuPrestiti()));
        pictures.insert(QStringLiteral("registrazione"), picture(screens.frmPrestiti()));
        pictures.insert(QStringLiteral("statistiche"), picture(screens.frmStatistiche()));
        pictures.insert(QStringLiteral("consultazione"), picture(screens.frmMenuCatalogo()));
        const QString loans = ProgramFolder::file(QString::number(year) + QStringLiteral(".bib"));
        TfrmRiepilogoPrestiti summary(loans, QString(), QDate(year, 1, 1), QDate(year, 12, 31), nullptr);
        pictures.insert(QStringLiteral("riepilogo"), picture(&summary));
        TfrmExpAnagrafica members(nullptr);
        pictures.insert(QStringLiteral("esporta_anagrafica"), picture(&members));
        TfrmExpLibri books(nullptr);
        pictures.insert(QStringLiteral("esporta_libri"), picture(&books));
        TfrmExpDVD dvds(nullptr);
        pictures.insert(QStringLiteral("esporta_dvd"), picture(&dvds));
        TfrmExpPrestiti register_(loans, nullptr);
        pictures.insert(QStringLiteral("esporta_prestiti"), picture(&register_));
        TfrmExpPrestitiSca overdue(loans, nullptr);
        pictures.insert(QStringLiteral("esporta_scaduti"), picture(&overdue));
        const QString sheet = ProgramFolder::file(QStringLiteral("nuovi_libri.csv"));
        if (writeSampleSheet(sheet)) {
            TfrmImpLibri import(nullptr);
            import.openFile(sheet);
            pictures.insert(QStringLiteral("importa"), picture(&import));
        }
    }
    Modal::stopTesting();
    MessageBox::stopRecording();
    ProgramFolder::setPath(QString());
    return pictures;
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
QString html(const QList<Chapter>& topics, const QHash<QString, QImage>& pictures, const QList<int>& pages)
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
                   .arg(heading(i + 1, topics.at(i).help))
                   .arg(pages.isEmpty() ? QStringLiteral("00") : QString::number(pages.at(i)));
    }
    out += QStringLiteral("</table>");
    for (int i = 0; i < topics.size(); ++i) {
        out += QStringLiteral("<h2 style='font-size: 16pt; color: %1; page-break-before: always;'>%2</h2>")
                   .arg(kBlue, heading(i + 1, topics.at(i).help));
        const QImage image = pictures.value(topics.at(i).topic);
        if (!image.isNull()) {
            // The width in the document's own units: about three quarters of the text width.
            const int width = qMin(440, image.width() / 2);
            out += QStringLiteral("<p align='center'><img src='picture:%1' width='%2' height='%3'></p>")
                       .arg(topics.at(i).topic)
                       .arg(width)
                       .arg(width * image.height() / image.width());
        }
        for (const QString& paragraph : topics.at(i).help.paragraphs)
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
    QApplication application(argc, argv);
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

    const QList<Chapter> topics = chapters();
    const QHash<QString, QImage> pictures = screenPictures();
    QTextDocument document;
    for (auto it = pictures.cbegin(); it != pictures.cend(); ++it)
        document.addResource(QTextDocument::ImageResource, QUrl(QStringLiteral("picture:") + it.key()), it.value());
    // Point sizes measured at the writer's resolution, not the screen's.
    document.documentLayout()->setPaintDevice(&writer);
    document.setDefaultFont(QFont(QStringLiteral("Liberation Sans"), 11));
    document.setPageSize(QSizeF(paintRect.width(), paintRect.height() - footerHeight));
    document.setHtml(html(topics, pictures, {}));
    // The page numbers take no more room than the placeholders, so a second layout keeps every page.
    const QList<int> pages = chapterPages(document);
    document.setHtml(html(topics, pictures, pages));
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
