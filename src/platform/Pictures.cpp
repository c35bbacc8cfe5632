#include "Pictures.h"

#include <QImageReader>
#include <QSaveFile>

namespace Pictures {

QImage load(const QString& path)
{
    QImageReader reader(path);
    reader.setDecideFormatFromContent(true);
    const QByteArray format = reader.format();
    if (format != "jpeg" && format != "jpg" && format != "bmp")
        return QImage();
    return reader.read();
}

bool saveJpeg(const QImage& image, const QString& path)
{
    if (image.isNull())
        return false;
    QSaveFile file(path);
    file.setDirectWriteFallback(true);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    if (!image.save(&file, "JPG", 90))
        return false;
    return file.commit();
}

} // namespace Pictures
