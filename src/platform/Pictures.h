#pragma once

#include <QImage>
#include <QString>

// Picture files: JPEG and bitmap in, JPEG out.
namespace Pictures {

// The picture of a file, or a null image when the file is missing or cannot be decoded (the
// caller then shows its placeholder).
QImage load(const QString& path);

// Writes the picture as a JPEG file; false when it cannot be written, the old file then kept.
bool saveJpeg(const QImage& image, const QString& path);

} // namespace Pictures
