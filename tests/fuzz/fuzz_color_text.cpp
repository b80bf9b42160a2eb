// Colour texts: any text as a swatch's tag (the decimal colour it carries in
// a drag), and any 32-bit value through the texts that describe a colour.
#include "widgets/ColorDrag.h"
#include "widgets/ColorFormats.h"

#include <QString>

#include <cstring>

namespace {

void describe(ColorValue color)
{
    ColorFormats::readouts(color);
    ColorFormats::infoValues(color);
    ColorFormats::copyHsv(color);
    ColorFormats::copyCmy(color);
    ColorFormats::copyRgb(color);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const char *text = reinterpret_cast<const char *>(data);
    describe(ColorDrag::colorFromTag(QString::fromUtf8(text, qsizetype(size))));
    if (size >= sizeof(ColorValue)) {
        ColorValue raw;
        std::memcpy(&raw, data, sizeof raw);
        describe(raw);
    }
    return 0;
}
