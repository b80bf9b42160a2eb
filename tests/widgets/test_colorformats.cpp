#include "widgets/ColorFormats.h"

#include <QTest>

class TestColorFormats : public QObject {
    Q_OBJECT

private slots:
    void infoValues_data();
    void infoValues();
    void clipboardTexts_data();
    void clipboardTexts();
    void shortFloatText_data();
    void shortFloatText();
};

void TestColorFormats::infoValues_data()
{
    QTest::addColumn<int>("color");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("black") << 0
                           << QStringList { "0.0.0 (0)", "0°, 0, 0", "100, 100, 100",
                                  "100, 100, 100, 100", "&H 0", "#000000" };
    QTest::newRow("white") << 0xFFFFFF
                           << QStringList { "255.255.255 (16777215)", "0°, 0, 100", "0, 0, 0",
                                  "0, 0, 0, 0", "&H FFFFFF", "#FFFFFF" };
    // 49.8 rounds to 50 and 50.2 to 50.
    QTest::newRow("middle grey") << 0x808080
                                 << QStringList { "128.128.128 (8421504)", "0°, 0, 50",
                                        "50, 50, 50", "0, 0, 0, 50", "&H 808080", "#808080" };
    QTest::newRow("orange") << 0x0080FF
                            << QStringList { "255.128.0 (33023)", "30°, 100, 100", "0, 50, 100",
                                   "0, 50, 100, 0", "&H 80FF", "#FF8000" };
}

void TestColorFormats::infoValues()
{
    QFETCH(int, color);
    QFETCH(QStringList, expected);
    const auto values = ColorFormats::infoValues(color);
    QCOMPARE(QStringList(values.begin(), values.end()), expected);
}

void TestColorFormats::clipboardTexts_data()
{
    QTest::addColumn<int>("color");
    QTest::addColumn<QString>("web");
    QTest::addColumn<QString>("hex");
    QTest::addColumn<QString>("rgb");
    QTest::addColumn<QString>("hsv");
    QTest::addColumn<QString>("cmy");
    QTest::addColumn<QString>("ampersandHex");
    QTest::newRow("orange") << 0x0080FF << "#FF8000"
                            << "FF8000"
                            << "255,128,0"
                            << "30.11767,1,1"
                            << "0,0.4980392,1"
                            << "&H80FF";
    QTest::newRow("steel blue") << 0x996633 << "#336699"
                                << "336699"
                                << "51,102,153"
                                << "210,0.6666667,0.6"
                                << "0.8,0.6,0.4"
                                << "&H996633";
    QTest::newRow("green") << 0x00FF00 << "#00FF00"
                           << "00FF00"
                           << "0,255,0"
                           << "120,1,1"
                           << "1,0,1"
                           << "&HFF00";
    QTest::newRow("grey 128") << 0x808080 << "#808080"
                              << "808080"
                              << "128,128,128"
                              << "0,0,0.5019608"
                              << "0.4980392,0.4980392,0.4980392"
                              << "&H808080";
    QTest::newRow("black") << 0 << "#000000"
                           << "000000"
                           << "0,0,0"
                           << "0,0,0"
                           << "1,1,1"
                           << "&H0";
}

void TestColorFormats::clipboardTexts()
{
    QFETCH(int, color);
    QFETCH(QString, web);
    QFETCH(QString, hex);
    QFETCH(QString, rgb);
    QFETCH(QString, hsv);
    QFETCH(QString, cmy);
    QFETCH(QString, ampersandHex);
    QCOMPARE(ColorFormats::copyWeb(color), web);
    QCOMPARE(ColorFormats::copyHex(color), hex);
    QCOMPARE(ColorFormats::copyRgb(color), rgb);
    QCOMPARE(ColorFormats::copyHsv(color), hsv);
    QCOMPARE(ColorFormats::copyCmy(color), cmy);
    // The status boxes show the same colour as the clipboard gets it.
    const ColorTexts texts = ColorFormats::readouts(color);
    QCOMPARE(texts.ampersandHex, ampersandHex);
    QCOMPARE(texts.web, web);
    QCOMPARE(QString(texts.decimal).replace(u'-', u','), rgb);
}

void TestColorFormats::shortFloatText_data()
{
    QTest::addColumn<float>("value");
    QTest::addColumn<QString>("text");
    QTest::newRow("whole") << 120.0f << "120";
    QTest::newRow("zero") << 0.0f << "0";
    QTest::newRow("fraction") << 0.6f << "0.6";
    // Needs 9 digits to round-trip; cut at 7.
    QTest::newRow("cut at seven digits") << 0.1234567891f << "0.1234568";
}

void TestColorFormats::shortFloatText()
{
    QFETCH(float, value);
    QFETCH(QString, text);
    QCOMPARE(ColorFormats::shortFloatText(value), text);
}

QTEST_APPLESS_MAIN(TestColorFormats)
#include "test_colorformats.moc"
