#pragma once

#include "palette/ImportedSwatches.h"

#include <QStringList>

// Palette files of other programs opened as palettes: which reader a file
// needs, and reading it from disk with its size bounded.
namespace PaletteImport {

enum class Kind { PaletteFile, GimpPalette, SwatchExchange };

// A file that starts like a GIMP palette or a swatch exchange file is one,
// whatever its name; otherwise ".gpl" and ".ase" (any case) name the reader
// that will say what is wrong with it. Everything else is a palette file of
// our own, which never starts like the others: its first four bytes would
// be a colour above 0xFFFFFF.
Kind KindOf(const QString &path);

// Reads a GIMP palette or swatch exchange file; refuses anything larger
// than ImportedSwatches::kMaxFileSize before reading it.
ImportedSwatches Read(const QString &path, Kind kind);

// What the user should know about a file that opened with fewer colours
// than it holds; empty when it opened whole.
QString Notes(const ImportedSwatches &swatches);

// The filters File > Open Palette offers after the palette file's own.
QStringList OpenFilters();

} // namespace PaletteImport
