// Hex colour text as typed or pasted into the hex colour dialog: any bytes,
// read as UTF-8 the way a paste arrives.
#include "palette/HexColorText.h"

#include <QString>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
    const ColorValue color = HexTextToColor(text);
    if (color < 0 || color > kWhite)
        std::abort();
    return 0;
}
