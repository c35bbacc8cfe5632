#pragma once

#include <QImage>
#include <QString>

// Picture files: JPEG and bitmap in, JPEG out.
namespace Pictures {

// The picture of a file, or a null image when the file is missing or cannot be decoded (the
// caller then shows its placeholder).
QImage load(const QString& path);

// The file dialog that chooses a picture: its title and its filters, JPEG first. The patterns are
// separated by blanks, as the file dialog reads them.
inline const QString kDialogTitle = QStringLiteral("Selezionare un file di immagine in formato Jpeg o Bitmap.");
inline const QString kDialogFilter = QStringLiteral("Immagine JPEG (*.jpg *.jpeg);;Immagine Bitmap (*.bmp)");

// Writes the picture as a JPEG file; false when it cannot be written, the old file then kept.
bool saveJpeg(const QImage& image, const QString& path);

} // namespace Pictures
