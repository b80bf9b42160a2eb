// libFuzzer target: the vector preview's picture reader over any bytes. It
// must refuse what it cannot read, and never return a picture larger than
// its limit or in another format.
#include "previews/PictureFile.h"

#include <QBuffer>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    const PictureFile::Result result = PictureFile::read(&buffer);
    if (!result.image.isNull()
        && (result.image.width() > PictureFile::kMaxSide
            || result.image.height() > PictureFile::kMaxSide
            || result.image.format() != QImage::Format_RGB32 || !result.error.isEmpty()))
        std::abort();
    if (result.image.isNull() && result.error.isEmpty())
        std::abort();
    return 0;
}
