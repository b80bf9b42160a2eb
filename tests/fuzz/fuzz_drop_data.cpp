// Drop data: any bytes as the payload of a colour drag between views.
#include "widgets/ColorDrag.h"

#include <QMimeData>

#include <cstdlib>
#include <memory>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    QMimeData mime;
    mime.setData(QString::fromLatin1(ColorDrag::kMimeType),
        QByteArray(reinterpret_cast<const char *>(data), qsizetype(size)));
    const std::optional<ColorValue> color = ColorDrag::colorFromMime(&mime);
    if (!color)
        std::abort(); // every payload of our type gives a colour, black at worst
    // What a drop yields, dragged on from a grid cell, yields the same.
    const std::unique_ptr<QMimeData> again(
        ColorDrag::createMimeData({ ColorDrag::SourceKind::Grid, *color, {} }));
    if (ColorDrag::colorFromMime(again.get()) != color)
        std::abort();
    return 0;
}
