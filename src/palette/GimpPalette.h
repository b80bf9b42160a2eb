#pragma once

#include "palette/ImportedSwatches.h"

#include <QByteArray>

// The GIMP palette (".gpl"), which GIMP, Inkscape, Krita and many pixel-art
// programs read: the line "GIMP Palette", optional "Name:" and "Columns:"
// lines, "#" comments, then one colour per line as decimal red, green and
// blue, optionally followed by a name.
class GimpPalette {
public:
    // Header, "Name: <name>", "Columns: 4", then per colour red, green and
    // blue each right-aligned in three places, a tab and the web text. Lines
    // end with LF as GIMP writes them.
    static QByteArray encode(const QList<ColorValue> &colors, const QString &name);

    // Strict about the lines, lenient about their content: the first line
    // must start with "GIMP Palette" and every other line must be blank, a
    // comment, a header or start with three whole numbers; numbers beyond
    // 0..255 are clamped, names and the line ends (LF or CR LF) may be
    // anything. A file with no colours does not open.
    static ImportedSwatches decode(const QByteArray &data);
};
