#include "app/Settings.h"
#include "palette/GimpPalette.h"
#include "palette/HexColorText.h"
#include "palette/RecentColorsModel.h"
#include "palette/SwatchExchange.h"
#include "palette/mod_Export.h"

#include <QFile>
#include <QTest>
#include <QtEndian>

#include <bit>
#include <numeric>

using Colors = QList<ColorValue>;
using Scroll = RecentColorsModel::Scroll;
Q_DECLARE_METATYPE(Scroll)

namespace {

template<typename T> QByteArray bigEndian(T value)
{
    QByteArray bytes(sizeof value, '\0');
    qToBigEndian(value, bytes.data());
    return bytes;
}

QByteArray aseBlock(quint16 type, const QByteArray &payload)
{
    return bigEndian(type) + bigEndian(quint32(payload.size())) + payload;
}

// A colour block named "c" in `model` with the given components.
QByteArray aseColor(const char *model, std::initializer_list<float> values)
{
    QByteArray payload = bigEndian<quint16>(2) + QByteArray("\0c\0\0", 4) + model;
    for (const float value : values)
        payload += bigEndian(std::bit_cast<quint32>(value));
    return aseBlock(1, payload + bigEndian<quint16>(2));
}

QByteArray aseFile(quint32 count, const QByteArray &blocks, quint16 major = 1)
{
    return "ASEF" + bigEndian(major) + bigEndian<quint16>(0) + bigEndian(count) + blocks;
}

Colors shownColors(const RecentColorsModel &model)
{
    Colors colors;
    for (const RecentColorsModel::Entry &entry : model.entries())
        colors << entry.color;
    return colors;
}

Colors distinct(int n) // 1 .. n
{
    Colors colors(n);
    std::iota(colors.begin(), colors.end(), 1);
    return colors;
}

void addAll(RecentColorsModel &model, const Colors &colors)
{
    for (ColorValue color : colors)
        model.Add(color, QString::fromStdString(ColorToHex(color)));
}

} // namespace

class TestExport : public QObject {
    Q_OBJECT

private slots:
    void init() { QFile::remove(SettingsFilePath()); }

    void illustratorNumbers()
    {
        const QByteArray one = mod_Export::IllustratorSwatches({ MakeColorValue(128, 1, 255) });
        QVERIFY(one.contains("\r\n0.501960784313725 0.00392156862745098 1 Xa\r\nPc\r\n"));
    }

    void readers_data()
    {
        QTest::addColumn<bool>("gimp");
        QTest::addColumn<QByteArray>("data");
        QTest::addColumn<Colors>("colors"); // the 16 at most that open
        QTest::addColumn<QString>("problem"); // part of the message; empty when the file opens

        Colors twenty;
        for (int i = 0; i < 20; ++i)
            twenty << MakeColorValue(i * 13, 255 - i * 7, (i * 97) % 256);
        for (const auto format :
            { mod_Export::Format::GimpPalette, mod_Export::Format::SwatchExchange })
            QTest::addRow("round trip %d", int(format))
                << (format == mod_Export::Format::GimpPalette)
                << mod_Export::Write(format, twenty, {}) << twenty.first(16) << QString();
        QTest::newRow("GIMP: BOM, CR LF, comments, names, clamping")
            << true
            << QByteArray(
                   "\xEF\xBB\xBFGIMP Palette\r\nName: x\r\n\r\n# c\r\n  300 -5 7 a b\r\n1\t2\t3")
            << Colors { MakeColorValue(255, 0, 7), MakeColorValue(1, 2, 3) } << QString();
        QTest::newRow("ASE: groups flattened, CMYK, Gray, Lab, unknown model skipped")
            << false
            << aseFile(8,
                   aseBlock(0xC001, QByteArray("\0\1\0\0", 4)) + aseColor("CMYK", { 0, 0, 0, 0 })
                       + aseColor("CMYK", { 0, 1, 1, 0 }) + aseColor("Gray", { 0.5f })
                       + aseColor("LAB ", { 0.5429f, 80.8f, 69.89f })
                       + aseColor("LAB ", { 50, 0, 0 }) + aseColor("HSB ", { 1, 1, 1 })
                       + aseBlock(0xC002, {}))
            << Colors { kWhite, 0x0000FF, 0x808080, 0x0000FF, 0x777777 } << QString();

        const QByteArray huge(ImportedSwatches::kMaxFileSize + 1, ' ');
        const struct {
            bool gimp;
            QByteArray data;
            const char *problem;
        } malformed[] = {
            { true, "JASC-PAL\n0100\n", "first line" },
            { true, "GIMP Palette\n\n1 2\n", "Line 3" },
            { true, "GIMP Palette\nName: a\n", "no colours" },
            { true, "GIMP Palette\n" + huge, "too large" },
            { false, "8BCO", "ASEF" },
            { false, QByteArray("ASEF\0\1", 6), "header" },
            { false, aseFile(0, {}, 2), "version 2.0" },
            { false, aseFile(0xFFFFFFFF, aseColor("RGB ", { 1, 0, 0 })),
                "after 1 of the 4294967295" },
            { false, aseFile(1, aseColor("RGB ", { 1, 0, 0 })).chopped(1), "Block 1 runs past" },
            { false, aseFile(1, aseBlock(1, bigEndian<quint16>(0xFFFF) + "RGB ")),
                "Block 1 is too" },
            { false, aseFile(1, aseColor("HSB ", { 1, 1, 1 })), "None of its swatches" },
            { false, aseFile(0, huge), "too large" },
        };
        for (const auto &row : malformed)
            QTest::addRow("%s %s", row.gimp ? "GIMP" : "ASE", row.problem)
                << row.gimp << row.data << Colors {} << row.problem;
    }

    void readers()
    {
        QFETCH(bool, gimp);
        QFETCH(QByteArray, data);
        QFETCH(QString, problem);
        const ImportedSwatches read
            = gimp ? GimpPalette::decode(data) : SwatchExchange::decode(data);
        QVERIFY2(
            problem.isEmpty() ? read.ok() : read.error.contains(problem), qPrintable(read.error));
        QTEST(read.colors, "colors");
    }

    void hexText_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<ColorValue>("color"); // 0x00BBGGRR
        constexpr ColorValue orange = 0x0080FF;
        QTest::newRow("lower case") << "ff8000" << orange;
        QTest::newRow("every # removed") << "#FF#80#00" << orange;
        QTest::newRow("after the sixth ignored") << "FF8000FF" << orange;
        QTest::newRow("one digit") << "F" << 15;
        QTest::newRow("empty") << "" << kBlack;
        QTest::newRow("GG0000") << "GG0000" << kBlack;
        QTest::newRow("1G0000") << "1G0000" << 1;
        QTest::newRow("blank stops a pair") << "F 8000" << 0x00800F;
        QTest::newRow("non-ASCII digit") << QStringLiteral("\uFF11\uFF11") << kBlack;
    }

    void hexText()
    {
        QFETCH(QString, text);
        QTEST(HexTextToColor(text), "color");
    }

    void adding_data()
    {
        QTest::addColumn<Colors>("added");
        QTest::addColumn<Colors>("shown");
        QTest::addColumn<Scroll>("scroll");
        const Scroll off;
        QTest::newRow("A, A is one entry") << Colors { 5, 5 } << Colors { kWhite, 5 } << off;
        QTest::newRow("A, B, A is three")
            << Colors { 5, 6, 5 } << Colors { kWhite, 5, 6, 5 } << Scroll { true, 1800, 1800 };
        QTest::newRow("first black ignored") << Colors { 0 } << Colors { kWhite } << off;
        QTest::newRow("third entry scrolls")
            << Colors { 5, 6 } << Colors { kWhite, 5, 6 } << Scroll { true, 1200, 1200 };
        // A full list shifts without touching the scroll bar.
        QTest::newRow("49th colour drops white")
            << distinct(48) << distinct(48) << Scroll { true, 28200, 28200 };
    }

    void adding()
    {
        QFETCH(Colors, added);
        RecentColorsModel model;
        addAll(model, added);
        QTEST(shownColors(model), "shown");
        QTEST(model.scroll(), "scroll");
        QCOMPARE(model.Count(), model.entries().size());
    }

    void loading_data()
    {
        QTest::addColumn<QString>("count");
        QTest::addColumn<Colors>("shown");
        QTest::addColumn<int>("counted");
        // Stored colours: 100, "x" and 300.
        QTest::newRow("Count 0 keeps entry 0") << "0" << Colors { kWhite } << 0;
        QTest::newRow("Count 3") << "3" << Colors { 100, 0, 300 } << 3;
        QTest::newRow("huge Count")
            << "2000000000" << (Colors { 100, 0, 300 } + Colors(45, 0)) << 48;
        QTest::newRow("negative Count") << "-7" << Colors { kWhite } << 0;
        QTest::newRow("Count not a number") << "lots" << Colors { kWhite } << 0;
    }

    void loading()
    {
        QFETCH(QString, count);
        RecentColorsModel model;
        addAll(model, { 0x0000FF, 0x00FF00, 0x0000FF });
        SaveSetting("Recent", "Count", count);
        SaveSetting("Recent", "0", "100");
        SaveSetting("Recent", "1", "x");
        SaveSetting("Recent", "2", "300");
        model.LoadRecent();
        QTEST(shownColors(model), "shown");
        QTEST(model.Count(), "counted");
        QCOMPARE(model.lastAccepted(), 0x0000FF);
    }
};

QTEST_GUILESS_MAIN(TestExport)
#include "test_export.moc"
