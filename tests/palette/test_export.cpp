#include "app/VendorSite.h"
#include "palette/GimpPalette.h"
#include "palette/PaletteFile.h"
#include "palette/SwatchExchange.h"
#include "palette/mod_Export.h"

#include <QFile>
#include <QTest>
#include <QtEndian>

#include <bit>

using mod_Export::Format;
Q_DECLARE_METATYPE(mod_Export::Format)

namespace {

QByteArray testData(const QString &name)
{
    QFile file(qEnvironmentVariable("TW_TEST_DATA") + u'/' + name);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QByteArray be16(quint16 value)
{
    QByteArray bytes(2, '\0');
    qToBigEndian(value, bytes.data());
    return bytes;
}

QByteArray be32(quint32 value)
{
    QByteArray bytes(4, '\0');
    qToBigEndian(value, bytes.data());
    return bytes;
}

QByteArray aseBlock(quint16 type, const QByteArray &payload)
{
    return be16(type) + be32(quint32(payload.size())) + payload;
}

// A colour block named "c" in `model` with the given components.
QByteArray aseColor(const char *model, std::initializer_list<float> values)
{
    QByteArray payload = be16(2) + be16('c') + be16(0) + model;
    for (const float value : values)
        payload += be32(std::bit_cast<quint32>(value));
    return aseBlock(1, payload + be16(2));
}

QByteArray aseFile(quint32 count, const QByteArray &blocks)
{
    return "ASEF" + be16(1) + be16(0) + be32(count) + blocks;
}

} // namespace

class TestExport : public QObject {
    Q_OBJECT

private slots:
    void writesGoldenFiles_data();
    void writesGoldenFiles();
    void keysCompareExactly();
    void illustratorNumbers();
    void roundTrips_data();
    void roundTrips();
    void readsLeniently_data();
    void readsLeniently();
    void refusesMalformedFiles_data();
    void refusesMalformedFiles();
};

void TestExport::writesGoldenFiles_data()
{
    QTest::addColumn<Format>("format");
    QTest::addColumn<QString>("golden");
    QTest::newRow("colour table") << Format::ColorTable << "red-and-blue.act";
    QTest::newRow("Illustrator") << Format::IllustratorSwatches << "red-and-blue.ai";
    QTest::newRow("HTML") << Format::HtmlPage << "red-and-blue.html";
    QTest::newRow("XML") << Format::XmlDocument << "red-and-blue.xml";
    QTest::newRow("GIMP") << Format::GimpPalette << "red-and-blue.gpl";
    QTest::newRow("swatch exchange") << Format::SwatchExchange << "red-and-blue.ase";
    QTest::newRow("CSS") << Format::CssProperties << "red-and-blue.css";
    QTest::newRow("design tokens") << Format::DesignTokens << "red-and-blue.json";
}

void TestExport::writesGoldenFiles()
{
    QFETCH(Format, format);
    QFETCH(QString, golden);
    // Red at (0, 0), blue at (2, 1).
    PaletteColors cells;
    const PaletteFile::Slots stored = PaletteFile::decode(testData("red-and-blue.twp"));
    for (int slot = 0; slot < kPaletteCells; ++slot)
        cells[slot] = stored[slot].value_or(kEmptyCell);
    const mod_Export::ExportList list = mod_Export::BuildExportList(cells);
    QCOMPARE(list, (mod_Export::ExportList { 0x0000FF, 0xFF0000 }));
    const QByteArray expected = testData(golden);
    QVERIFY(!expected.isEmpty());
    QCOMPARE(mod_Export::Write(format, list, { "red-and-blue", VendorSite::homePage() }), expected);
}

void TestExport::keysCompareExactly()
{
    QCOMPARE(mod_Export::FormatForKey("AI"), Format::IllustratorSwatches);
    QCOMPARE(mod_Export::FormatForKey("Act"), Format::ColorTable);
    QCOMPARE(mod_Export::FormatForKey("xml"), Format::XmlDocument);
    for (const char *other : { "ai", "ACT", "XML", "HTML", "" })
        QCOMPARE(mod_Export::FormatForKey(QString::fromLatin1(other)), Format::HtmlPage);
}

void TestExport::illustratorNumbers()
{
    const QByteArray one = mod_Export::IllustratorSwatches({ MakeColorValue(128, 1, 255) });
    QCOMPARE(one.count("Xa\r\n"), 1);
    QCOMPARE(one.count("\r\nPc\r\n"), 1);
    QVERIFY(one.contains("\r\n0.501960784313725 0.00392156862745098 1 Xa\r\nPc\r\n"));
}

void TestExport::roundTrips_data()
{
    QTest::addColumn<Format>("format");
    QTest::newRow("GIMP") << Format::GimpPalette;
    QTest::newRow("swatch exchange") << Format::SwatchExchange;
}

void TestExport::roundTrips()
{
    QFETCH(Format, format);
    QList<ColorValue> colors;
    for (int i = 0; i < 20; ++i)
        colors << MakeColorValue(i * 13, 255 - i * 7, (i * 97) % 256);
    const QByteArray data = mod_Export::Write(format, colors, { "sample", {} });
    const ImportedSwatches read
        = format == Format::GimpPalette ? GimpPalette::decode(data) : SwatchExchange::decode(data);
    QVERIFY2(read.ok(), qPrintable(read.error));
    QCOMPARE(read.colors, colors.first(kPaletteCells));
    QCOMPARE(read.total, 20);
}

void TestExport::readsLeniently_data()
{
    QTest::addColumn<bool>("gimp");
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<QList<ColorValue>>("colors");
    QTest::addColumn<int>("skipped");
    QTest::newRow("GIMP: BOM, CR LF, comments, names, clamping")
        << true
        << QByteArray("\xEF\xBB\xBFGIMP Palette\r\nName: x\r\n\r\n# c\r\n  300 -5 7 a name\r\n"
                      "1\t2\t3")
        << QList<ColorValue> { MakeColorValue(255, 0, 7), MakeColorValue(1, 2, 3) } << 0;
    QTest::newRow("ASE: groups flattened, CMYK, Gray, Lab, unknown model skipped")
        << false
        << aseFile(8,
               aseBlock(0xC001, be16(2) + be16('g') + be16(0)) + aseColor("CMYK", { 0, 0, 0, 0 })
                   + aseColor("CMYK", { 0, 1, 1, 0 }) + aseColor("Gray", { 0.5f })
                   + aseColor("LAB ", { 0.5429f, 80.8f, 69.89f }) + aseColor("LAB ", { 50, 0, 0 })
                   + aseColor("HSB ", { 1, 1, 1 }) + aseBlock(0xC002, {}))
        << QList<ColorValue> { kWhite, 0x0000FF, 0x808080, 0x0000FF, 0x777777 } << 1;
}

void TestExport::readsLeniently()
{
    QFETCH(bool, gimp);
    QFETCH(QByteArray, data);
    const ImportedSwatches read = gimp ? GimpPalette::decode(data) : SwatchExchange::decode(data);
    QVERIFY2(read.ok(), qPrintable(read.error));
    QTEST(read.colors, "colors");
    QTEST(int(read.skipped), "skipped");
}

void TestExport::refusesMalformedFiles_data()
{
    QTest::addColumn<bool>("gimp");
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<QString>("problem");
    const QByteArray oversized(ImportedSwatches::kMaxFileSize + 1, ' ');
    QTest::newRow("GIMP: empty") << true << QByteArray() << "not a GIMP palette";
    QTest::newRow("GIMP: other format") << true << QByteArray("JASC-PAL\n0100\n") << "first line";
    QTest::newRow("GIMP: two numbers") << true << QByteArray("GIMP Palette\n\n1 2\n") << "Line 3";
    QTest::newRow("GIMP: not a number") << true << QByteArray("GIMP Palette\n1 2x 3\n") << "Line 2";
    QTest::newRow("GIMP: no colours")
        << true << QByteArray("GIMP Palette\nName: a\n") << "no colours";
    QTest::newRow("GIMP: oversized") << true << "GIMP Palette\n" + oversized << "too large";
    QTest::newRow("ASE: other format") << false << QByteArray("8BCO") << "ASEF";
    QTest::newRow("ASE: short header") << false << QByteArray("ASEF\0\1", 6) << "header";
    QTest::newRow("ASE: version 2")
        << false << "ASEF" + be16(2) + be16(0) + be32(0) << "version 2.0";
    QTest::newRow("ASE: fewer blocks than counted")
        << false << aseFile(0xFFFFFFFF, aseColor("RGB ", { 1, 0, 0 }))
        << "after 1 of the 4294967295";
    QTest::newRow("ASE: block past the end")
        << false << aseFile(1, aseColor("RGB ", { 1, 0, 0 })).chopped(1) << "Block 1 runs past";
    QTest::newRow("ASE: name longer than its block")
        << false << aseFile(1, aseBlock(1, be16(0xFFFF) + "RGB ")) << "Block 1 is too short";
    QTest::newRow("ASE: components missing")
        << false << aseFile(1, aseBlock(1, be16(0) + "CMYK" + be32(0))) << "too short";
    QTest::newRow("ASE: only unknown models")
        << false << aseFile(1, aseColor("HSB ", { 1, 1, 1 })) << "None of its swatches";
    QTest::newRow("ASE: oversized") << false << aseFile(0, oversized) << "too large";
}

void TestExport::refusesMalformedFiles()
{
    QFETCH(bool, gimp);
    QFETCH(QByteArray, data);
    QFETCH(QString, problem);
    const ImportedSwatches read = gimp ? GimpPalette::decode(data) : SwatchExchange::decode(data);
    QVERIFY2(read.error.contains(problem), qPrintable(read.error));
    QVERIFY(read.colors.isEmpty());
}

QTEST_GUILESS_MAIN(TestExport)
#include "test_export.moc"
