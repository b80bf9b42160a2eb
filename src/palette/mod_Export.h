#pragma once

#include "palette/cCell.h"

#include <QByteArray>
#include <QList>
#include <QString>

// The export formats of a palette and their writers. Every writer is a pure
// function from the export list to the bytes of the whole file; the palette
// window asks for the path and writes the bytes through SafeFileWriter.
//
// The text formats are ASCII and end every line with CR LF, except the GIMP
// palette, which is written as GIMP writes it: LF line ends and its name in
// UTF-8.
namespace mod_Export {

// The palette's non-empty stored colours in slot order, row by row from
// (0, 0) to (3, 3): 0 to 16 colours 0x00BBGGRR.
using ExportList = QList<ColorValue>;

ExportList BuildExportList(const PaletteColors &colors);

enum class Format {
    ColorTable, // ".act"
    IllustratorSwatches, // ".ai"
    HtmlPage, // ".html"
    XmlDocument, // ".xml"
    GimpPalette, // ".gpl"
    SwatchExchange, // ".ase"
    CssProperties, // ".css"
    DesignTokens, // ".json"
};

// The format of a key of ExportTo, compared exactly: "AI", "Act" and "xml";
// any other text, "ai" and "HTML" included, means the HTML page.
Format FormatForKey(const QString &Dest);

// What the save dialog offers for a format.
struct DialogRow {
    QString filterName; // "Adobe Color Table"
    QString defaultExt; // ".act", with its dot
};
DialogRow DialogRowFor(Format format);

// Only the colour table is written for an empty palette.
bool WritesEmptyPalette(Format format);

// The last line of the failure message: "Export Failed!", for the HTML page
// "Export Failed".
QString FailureText(Format format);

// What some formats say besides the colours.
struct ExportContext {
    QString paletteName; // GIMP palette's "Name:" line
    QString homePage; // the HTML page's saved-from comment and link
};

QByteArray Write(Format format, const ExportList &colors, const ExportContext &context);

// 768 bytes: red, green, blue of each colour, padded with black to 256 entries.
QByteArray ColorTable(const ExportList &colors);
// An EPS swatch file: a fixed header, then "r g b Xa" and "Pc" per colour
// (components as fractions of 255), then the trailer.
QByteArray IllustratorSwatches(const ExportList &colors);
// A preview page: one row per colour with its web, RGB and "&H" texts.
QByteArray HtmlPage(const ExportList &colors, const QString &homePage);
// <xml><colors><color>... with red, green, blue, web and "&amp;H" texts.
QByteArray XmlDocument(const ExportList &colors);
// ":root { --tintwright-1: #FF0000; ... }".
QByteArray CssProperties(const ExportList &colors);
// The design tokens community format: a group "tintwright" with tokens "1",
// "2", ... of type color, each an sRGB value with its hex fallback.
QByteArray DesignTokens(const ExportList &colors);

// A component 0..255 as a fraction of 255: at most 15 significant digits,
// trailing zeros dropped, never an exponent ("0", "1", "0.501960784313725").
QByteArray Fraction(int component);

} // namespace mod_Export
