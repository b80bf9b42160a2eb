#pragma once

#include "palette/cCell.h"

#include <QByteArray>

#include <array>
#include <optional>

class QIODevice;

// The ".twp" palette file: 16 slots of 4 bytes, nothing else. Slot k is
// cell (k / 4, k % 4) and holds a 32-bit signed little-endian ColorValue
// 0x00BBGGRR, or -1 (FF FF FF FF) for an empty cell. No header, no version.
class PaletteFile {
public:
    static constexpr int kSlotSize = 4;
    static constexpr int kFileSize = kPaletteCells * kSlotSize; // 64 bytes

    // One entry per cell: the colour read, or nothing when the cell stays
    // empty.
    using Slots = std::array<std::optional<ColorValue>, kPaletteCells>;

    // Exactly 64 bytes, slot 0 first.
    static QByteArray encode(const PaletteColors &colors);

    // Reads the first 64 bytes at most; bytes beyond them are ignored. A slot
    // the data does not fully hold, or a negative one, gives nothing. Values
    // above 0xFFFFFF are given as they are, so that a palette saved again
    // writes back the bytes it was read from.
    static Slots decode(const QByteArray &data);

    // Reads at most 64 bytes from an open device and decodes them; nothing
    // when the device reports a read error.
    static std::optional<Slots> read(QIODevice &device);
};
