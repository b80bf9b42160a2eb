#pragma once

#include "palette/ImportedSwatches.h"

#include <QByteArray>

// The Adobe Swatch Exchange file (".ase"), which Illustrator, Photoshop,
// InDesign and Affinity read. Big-endian: "ASEF", version 1.0 as two 16-bit
// numbers, a 32-bit block count, then blocks of a 16-bit type and a 32-bit
// length. A colour block (type 1) holds a name (16-bit length in UTF-16
// units, the name in UTF-16 with a closing NUL), a four-letter colour model
// ("RGB ", "CMYK", "Gray", "LAB "), its components as 32-bit floats and a
// 16-bit swatch kind. Blocks 0xC001 and 0xC002 open and close groups.
class SwatchExchange {
public:
    // One RGB swatch per colour, named by its web text, outside any group.
    static QByteArray encode(const QList<ColorValue> &colors);

    // Strict about the structure, lenient about the content: the header,
    // every counted block and every colour block's fields must fit in the
    // file; groups are flattened, unknown block types ignored, swatches of
    // an unknown colour model counted as skipped, CMYK, Gray and Lab
    // converted to RGB, components outside their range clamped and
    // non-finite ones taken as 0. Bytes after the last counted block are
    // ignored.
    static ImportedSwatches decode(const QByteArray &data);
};
