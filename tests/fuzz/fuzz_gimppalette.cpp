// libFuzzer target: the GimpPalette reader on arbitrary bytes. It must never
// crash, hang or read out of bounds, and what it returns must be consistent.
#include "palette/GimpPalette.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    const ImportedSwatches read = GimpPalette::decode(bytes);
    const bool consistent = read.ok() ? !read.colors.isEmpty()
            && read.colors.size() <= kPaletteCells && read.total >= read.colors.size()
                                      : read.colors.isEmpty();
    if (!consistent)
        std::abort();
    for (const ColorValue color : read.colors) {
        if (color < kBlack || color > kWhite)
            std::abort();
    }
    return 0;
}
