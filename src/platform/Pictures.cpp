#include "Pictures.h"

#include "Disk.h"

#include <QBuffer>
#include <QImageReader>

namespace Pictures {

QImage load(const QString& path)
{
    QImageReader reader(path);
    reader.setDecideFormatFromContent(true);
    // A phone stores an upright portrait as a landscape picture with an orientation tag.
    reader.setAutoTransform(true);
    const QByteArray format = reader.format();
    if (format != "jpeg" && format != "jpg" && format != "bmp")
        return QImage();
    return reader.read();
}

bool saveJpeg(const QImage& image, const QString& path)
{
    if (image.isNull())
        return false;
    QByteArray bytes;
    QBuffer buffer(&bytes);
    if (!buffer.open(QIODevice::WriteOnly) || !image.save(&buffer, "JPG", 90))
        return false;
    return Disk::replaceFile(path, bytes);
}

} // namespace Pictures
