// libFuzzer target: the GimpPalette reader on arbitrary bytes must never crash,
// hang or read out of bounds, and what it returns must hang together.
#include "palette/GimpPalette.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const ImportedSwatches read
        = GimpPalette::decode(QByteArray(reinterpret_cast<const char *>(data), qsizetype(size)));
    // Colours exactly when the file opens, and at most one palette's.
    if (read.ok() == read.colors.isEmpty() || read.colors.size() > kPaletteCells)
        std::abort();
    return 0;
}
