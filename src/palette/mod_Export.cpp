#include "palette/mod_Export.h"

#include "palette/GimpPalette.h"
#include "palette/SwatchExchange.h"
#include "widgets/ColorFormats.h"

#include <charconv>
#include <initializer_list>

namespace mod_Export {

namespace {

constexpr int kColorTableEntries = 256;

// Appends whole lines, each ended by CR LF.
class Lines {
public:
    Lines &operator<<(const QByteArray &line)
    {
        m_data += line;
        m_data += "\r\n";
        return *this;
    }
    void add(std::initializer_list<const char *> lines)
    {
        for (const char *line : lines)
            *this << QByteArray(line);
    }
    QByteArray bytes() const { return m_data; }

private:
    QByteArray m_data;
};

QByteArray web(ColorValue color)
{
    return QByteArray::fromStdString(ColorToHex(color));
}

QByteArray plainHex(ColorValue color)
{
    return ColorFormats::plainHex(color).toLatin1();
}

QByteArray number(int value)
{
    return QByteArray::number(value);
}

} // namespace

ExportList BuildExportList(const PaletteColors &colors)
{
    ExportList list;
    for (const ColorValue color : colors) {
        if (color != kEmptyCell)
            list.append(color);
    }
    return list;
}

Format FormatForKey(const QString &Dest)
{
    if (Dest == QLatin1String("AI"))
        return Format::IllustratorSwatches;
    if (Dest == QLatin1String("Act"))
        return Format::ColorTable;
    if (Dest == QLatin1String("xml"))
        return Format::XmlDocument;
    return Format::HtmlPage;
}

DialogRow DialogRowFor(Format format)
{
    switch (format) {
    case Format::ColorTable:
        return { QStringLiteral("Adobe Color Table"), QStringLiteral(".act") };
    case Format::IllustratorSwatches:
        return { QStringLiteral("Adobe Illustrator file"), QStringLiteral(".ai") };
    case Format::XmlDocument:
        return { QStringLiteral("XML Files"), QStringLiteral(".xml") };
    case Format::HtmlPage:
        break;
    case Format::GimpPalette:
        return { QStringLiteral("GIMP Palettes"), QStringLiteral(".gpl") };
    case Format::SwatchExchange:
        return { QStringLiteral("Adobe Swatch Exchange"), QStringLiteral(".ase") };
    case Format::CssProperties:
        return { QStringLiteral("CSS Style Sheets"), QStringLiteral(".css") };
    case Format::DesignTokens:
        return { QStringLiteral("Design Tokens"), QStringLiteral(".json") };
    }
    return { QStringLiteral("HTML Files"), QStringLiteral(".html") };
}

bool WritesEmptyPalette(Format format)
{
    return format == Format::ColorTable;
}

QString FailureText(Format format)
{
    return format == Format::HtmlPage ? QStringLiteral("Export Failed")
                                      : QStringLiteral("Export Failed!");
}

QByteArray Write(Format format, const ExportList &colors, const ExportContext &context)
{
    switch (format) {
    case Format::ColorTable:
        return ColorTable(colors);
    case Format::IllustratorSwatches:
        return IllustratorSwatches(colors);
    case Format::HtmlPage:
        return HtmlPage(colors, context.homePage);
    case Format::XmlDocument:
        return XmlDocument(colors);
    case Format::GimpPalette:
        return GimpPalette::encode(colors, context.paletteName);
    case Format::SwatchExchange:
        return SwatchExchange::encode(colors);
    case Format::CssProperties:
        return CssProperties(colors);
    case Format::DesignTokens:
        return DesignTokens(colors);
    }
    return {};
}

QByteArray Fraction(int component)
{
    // Quotients k / 255 are 0 or at least 1 / 255, so the general form with
    // 15 digits never chooses an exponent. to_chars ignores the C locale,
    // which Qt sets from the environment.
    char text[32];
    const auto result = std::to_chars(
        text, text + sizeof text, component / 255.0, std::chars_format::general, 15);
    return QByteArray(text, result.ptr - text);
}

QByteArray ColorTable(const ExportList &colors)
{
    QByteArray data(kColorTableEntries * 3, '\0');
    for (qsizetype entry = 0; entry < qMin<qsizetype>(colors.size(), kColorTableEntries); ++entry) {
        const RGBColor rgb = ColorToRGB(colors[entry]);
        data[entry * 3] = char(rgb.R);
        data[entry * 3 + 1] = char(rgb.G);
        data[entry * 3 + 2] = char(rgb.B);
    }
    return data;
}

QByteArray IllustratorSwatches(const ExportList &colors)
{
    Lines out;
    out.add({ "%!PS-Adobe-3.0 EPSF-3.0", "%%Creator: Adobe Illustrator(r) 6.0",
        "%%For: (Pelso) (Swatchfold Remix)", "%%Title: (--swatches.ai)", "%%CreationDate: () ()",
        "%%BoundingBox: 224 631 268 661", "%%HiResBoundingBox: 224.065 631 268 660.5208",
        "%%DocumentProcessColors: Black", "%%DocumentFonts: Verdana",
        "%%DocumentNeededResources: procset Adobe_level2_AI5 1.0 0",
        "%%+ procset Adobe_typography_AI5 1.0 0", "%%+ procset Adobe_screens_AI5 1.0 0",
        "%%+ procset Adobe_blend_AI5 1.0 0",
        "%%+ procset Adobe_Illustrator_AI6_vars Adobe_Illustrator_AI6",
        "%%+ procset Adobe_Illustrator_AI5 1.0 0", "%AI5_FileFormat 2.0", "%AI3_ColorUsage: Color",
        "%%AI6_ColorSeparationSet: 1 1 (AI6 Default Color Separation Set)",
        "%%+ Options: 1 16 0 1 0 1 1 1 0 1 1 1 1 18 0 0 0 0 0 0 0 0 -1 -1",
        "%%+ PPD: 1 21 0 0 60 45 2 2 1 0 0 1 0 0 0 0 0 0 0 0 0 0 ()",
        "%AI3_TemplateBox: 306 396 306 396", "%AI3_TileBox: 31 31 583 761",
        "%AI3_DocumentPreview: None", "%AI5_ArtSize: 612 792", "%AI5_RulerUnits: 2",
        "%AI5_ArtFlags: 1 0 0 1 0 0 0 1 0", "%AI5_TargetResolution: 800", "%AI5_NumLayers: 1",
        "%AI5_OpenToView: -78 780 1 826 581 58 0 1 2 40", "%AI5_OpenViewLayers: 1", "%%EndComments",
        "%%BeginProlog", "%%EndProlog", "%%BeginSetup", "%AI5_BeginPalette", "0 0 Pb" });
    for (const ColorValue color : colors) {
        const RGBColor rgb = ColorToRGB(color);
        out << Fraction(rgb.R) + ' ' + Fraction(rgb.G) + ' ' + Fraction(rgb.B) + " Xa";
        out << QByteArray("Pc");
    }
    out.add({ "%AI5_EndPalette", "%%EndSetup", "%%Trailer", "%%EOF" });
    return out.bytes();
}

QByteArray HtmlPage(const ExportList &colors, const QString &homePage)
{
    const QByteArray home = homePage.toLatin1();
    Lines out;
    out << QByteArray("<!DOCTYPE HTML PUBLIC '-//W3C//DTD HTML 4.0 Transitional//EN'>");
    // The length in the comment counts the address's characters, four digits.
    out << "<!-- saved from url=(" + QByteArray::number(home.size()).rightJustified(4, '0') + ")"
            + home + " -->";
    out.add({ "<HTML><HEAD><TITLE>Tintwright - Color Palette Preview</TITLE>",
        "<META http-equiv=Content-Type content='text/html; charset=iso-8859-1'>",
        "<STYLE type=text/css>BODY {", "FONT-SIZE: 12px; FONT-FAMILY: Arial, Helvetica, sans-serif",
        "}", ".header {", "FONT-WEIGHT: normal; FONT-SIZE: 30px; COLOR: #333333", "}", ".content {",
        "FONT-SIZE: 11px; LINE-HEIGHT: 17px", "}", "</STYLE>", "<BODY>",
        "<TABLE cellPadding=10 width=300 border=0>", "<TBODY>", "<TR>",
        "<TD bgColor='#dddddd'><SPAN class=header>",
        "<FONT color='#000099'>tint</FONT><FONT color='#666666'>wright<BR></FONT></SPAN>",
        "<SPAN class=content><FONT color=#666666>Color Palette Preview</FONT></SPAN></TD>", "</TR>",
        "</TBODY></TABLE>", "<TABLE cellPadding=10 width=300 border=0>", "<TBODY>" });
    for (const ColorValue color : colors) {
        const RGBColor rgb = ColorToRGB(color);
        const QByteArray w = web(color);
        out.add(
            { "<TR>", "<TD width=50>", "<TABLE height=50 width=50 border=0>", "<TBODY>", "<TR>" });
        out << "<TD bgColor=" + w + ">&nbsp;</TD></TR></TBODY></TABLE></TD>";
        out << "<TD class=content width=204>Web: " + w + "<BR>";
        out << "RGB: " + number(rgb.R) + ',' + number(rgb.G) + ',' + number(rgb.B) + "<BR>";
        out << "Hex: &H" + plainHex(color) + "</TD></TR>";
    }
    out.add({ "</TBODY></TABLE>", "<TABLE cellPadding=10 width=300 border=0>", "<TBODY>", "<TR>",
        "<TD class=content bgColor=#dddddd><FONT color=#000099>tint</FONT><FONT "
        "color=#666666>" });
    out << "wright on the web: <A href='" + home + "' target=_blank>" + home + "</A></FONT>";
    out.add({ "</TD></TR></TBODY></TABLE>",
        "<P class=header><FONT color=#666666></FONT></P></BODY></HTML>" });
    return out.bytes();
}

QByteArray XmlDocument(const ExportList &colors)
{
    // The indents are single spaces, one per level.
    Lines out;
    out << QByteArray("<xml>") << QByteArray(" <colors>");
    for (const ColorValue color : colors) {
        const RGBColor rgb = ColorToRGB(color);
        out << QByteArray("  <color>") << QByteArray("   <rgb>");
        out << "    <red>" + number(rgb.R) + "</red>";
        out << "    <green>" + number(rgb.G) + "</green>";
        out << "    <blue>" + number(rgb.B) + "</blue>";
        out << QByteArray("   </rgb>");
        out << "   <web>" + web(color) + "</web>";
        out << "   <hex>&amp;H" + plainHex(color) + "</hex>";
        out << QByteArray("  </color>");
    }
    out << QByteArray(" </colors>") << QByteArray("</xml>");
    return out.bytes();
}

QByteArray CssProperties(const ExportList &colors)
{
    Lines out;
    out << QByteArray(":root {");
    for (qsizetype index = 0; index < colors.size(); ++index)
        out << "  --tintwright-" + QByteArray::number(index + 1) + ": " + web(colors[index]) + ';';
    out << QByteArray("}");
    return out.bytes();
}

QByteArray DesignTokens(const ExportList &colors)
{
    Lines out;
    out << QByteArray("{") << QByteArray("  \"tintwright\": {");
    for (qsizetype index = 0; index < colors.size(); ++index) {
        const RGBColor rgb = ColorToRGB(colors[index]);
        out << "    \"" + QByteArray::number(index + 1) + "\": {";
        out << QByteArray("      \"$type\": \"color\",") << QByteArray("      \"$value\": {");
        out << QByteArray("        \"colorSpace\": \"srgb\",");
        out << "        \"components\": [" + Fraction(rgb.R) + ", " + Fraction(rgb.G) + ", "
                + Fraction(rgb.B) + "],";
        out << "        \"hex\": \"" + web(colors[index]) + '"';
        out << QByteArray("      }");
        out << (index + 1 < colors.size() ? QByteArray("    },") : QByteArray("    }"));
    }
    out << QByteArray("  }") << QByteArray("}");
    return out.bytes();
}

} // namespace mod_Export
