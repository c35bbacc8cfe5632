#include "PdfWords.h"

#include <QProcess>
#include <QRegularExpression>

QList<PdfWord> pdfWords(const QString& pdf)
{
    QProcess process;
    process.start(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), pdf, QStringLiteral("-")});
    if (!process.waitForFinished(30000))
        return {};
    const QString html = QString::fromUtf8(process.readAllStandardOutput());
    static const QRegularExpression page(QStringLiteral("<page "));
    static const QRegularExpression word(QStringLiteral(
        "<word xMin=\"([\\d.]+)\" yMin=\"([\\d.]+)\" xMax=\"([\\d.]+)\" yMax=\"([\\d.]+)\">([^<]*)</word>"));
    QList<PdfWord> words;
    const QStringList pages = html.split(page);
    const qreal mm = 25.4 / 72.0;
    for (int p = 1; p < pages.size(); ++p) {
        auto it = word.globalMatch(pages.at(p));
        while (it.hasNext()) {
            const auto m = it.next();
            const QPointF topLeft(m.captured(1).toDouble() * mm, m.captured(2).toDouble() * mm);
            const QPointF bottomRight(m.captured(3).toDouble() * mm, m.captured(4).toDouble() * mm);
            words.append({p, QRectF(topLeft, bottomRight), m.captured(5)});
        }
    }
    return words;
}
