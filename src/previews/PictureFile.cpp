#include "previews/PictureFile.h"

#include <QImageReader>
#include <QPainter>
#include <QStringList>

namespace PictureFile {

namespace {

QString tooLarge(const QSize &size)
{
    return QStringLiteral("The picture is %1 \u00d7 %2 pixels. Pictures up to %3 \u00d7 %3 pixels "
                          "can be opened.")
        .arg(size.width())
        .arg(size.height())
        .arg(kMaxSide);
}

bool fits(const QSize &size)
{
    return size.width() <= kMaxSide && size.height() <= kMaxSide;
}

} // namespace

Result read(QIODevice *device)
{
    QImageReader reader(device);
    reader.setAutoTransform(true);
    const QSize announced = reader.size();
    if (announced.isValid() && !fits(announced))
        return { {}, tooLarge(announced) };
    QImage image = reader.read();
    if (image.isNull())
        return { {}, QStringLiteral("The file is not a picture Tintwright can read (%1).")
                         .arg(reader.errorString()) };
    if (!fits(image.size()))
        return { {}, tooLarge(image.size()) };
    if (!image.hasAlphaChannel())
        return { image.convertToFormat(QImage::Format_RGB32), {} };
    QImage paper(image.size(), QImage::Format_RGB32);
    paper.fill(Qt::white);
    QPainter painter(&paper);
    painter.drawImage(0, 0, image);
    painter.end();
    return { paper, {} };
}

QString filter()
{
    QStringList patterns;
    for (const QByteArray &format : QImageReader::supportedImageFormats())
        patterns << QStringLiteral("*.") + QString::fromLatin1(format);
    return QStringLiteral("Pictures (%1)").arg(patterns.join(QLatin1Char(' ')));
}

} // namespace PictureFile
