#include "widgets/ColorFormats.h"

#include <QTest>

// The texts of the colour information grid, the clipboard and the status
// boxes: rounding to whole numbers there, seven significant digits here.
class TestColorFormats : public QObject {
    Q_OBJECT

private slots:
    void texts_data()
    {
        QTest::addColumn<int>("color");
        QTest::addColumn<QStringList>("info");
        QTest::addColumn<QStringList>("copies"); // web, hex, RGB, HSV, CMY
        QTest::newRow("orange") << 0x0080FF
                                << QStringList { "255.128.0 (33023)", "30°, 100, 100", "0, 50, 100",
                                       "0, 50, 100, 0", "&H 80FF", "#FF8000" }
                                << QStringList { "#FF8000", "FF8000", "255,128,0", "30.11767,1,1",
                                       "0,0.4980392,1" };
        // 49.8 rounds to 50 and 50.2 to 50.
        QTest::newRow("middle grey") << 0x808080
                                     << QStringList { "128.128.128 (8421504)", "0°, 0, 50",
                                            "50, 50, 50", "0, 0, 0, 50", "&H 808080", "#808080" }
                                     << QStringList { "#808080", "808080", "128,128,128",
                                            "0,0,0.5019608", "0.4980392,0.4980392,0.4980392" };
        QTest::newRow("black") << 0
                               << QStringList { "0.0.0 (0)", "0°, 0, 0", "100, 100, 100",
                                      "100, 100, 100, 100", "&H 0", "#000000" }
                               << QStringList { "#000000", "000000", "0,0,0", "0,0,0", "1,1,1" };
    }
    void texts()
    {
        QFETCH(int, color);
        QFETCH(QStringList, info);
        QFETCH(QStringList, copies);
        const auto values = ColorFormats::infoValues(color);
        QCOMPARE(QStringList(values.begin(), values.end()), info);
        QCOMPARE((QStringList { ColorFormats::copyWeb(color), ColorFormats::copyHex(color),
                     ColorFormats::copyRgb(color), ColorFormats::copyHsv(color),
                     ColorFormats::copyCmy(color) }),
            copies);
        // The status boxes show the same colour as the clipboard gets it.
        const ColorTexts texts = ColorFormats::readouts(color);
        QCOMPARE(texts.web, copies[0]);
        QCOMPARE(QString(texts.decimal).replace(u'-', u','), copies[2]);
        QCOMPARE(texts.ampersandHex, QString(info[4]).remove(u' '));
    }
};

QTEST_APPLESS_MAIN(TestColorFormats)
#include "test_colorformats.moc"
