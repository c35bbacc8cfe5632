#pragma once

#include <QList>
#include <QRectF>
#include <QString>

// A word of a printed PDF with its box in millimetres, read back with pdftotext -bbox.
struct PdfWord {
    int page;
    QRectF box;
    QString text;
};

QList<PdfWord> pdfWords(const QString& pdf);
