// The readers of swatch files from other programs (GIMP palettes, swatch
// exchange files) on arbitrary bytes: no crash, hang or read out of bounds,
// and what they return hangs together.
#include "palette/GimpPalette.h"
#include "palette/SwatchExchange.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    for (const ImportedSwatches &read :
        { GimpPalette::decode(bytes), SwatchExchange::decode(bytes) }) {
        // Colours exactly when the file opens, and at most one palette's.
        if (read.ok() == read.colors.isEmpty() || read.colors.size() > kPaletteCells)
            std::abort();
    }
    return 0;
}
