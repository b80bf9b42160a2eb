#include "widgets/ColorTexts.h"

#include <QTest>

class TestColorTexts : public QObject {
    Q_OBJECT

private slots:
    void texts_data();
    void texts();
};

void TestColorTexts::texts_data()
{
    QTest::addColumn<ColorValue>("color");
    QTest::addColumn<QString>("decimal");
    QTest::addColumn<QString>("ampersandHex");
    QTest::addColumn<QString>("web");

    QTest::newRow("orange") << 0x0080FF << "255-128-0"
                            << "&H80FF"
                            << "#FF8000";
    QTest::newRow("red has no leading zeros") << 0x0000FF << "255-0-0"
                                              << "&HFF"
                                              << "#FF0000";
    QTest::newRow("white") << 0xFFFFFF << "255-255-255"
                           << "&HFFFFFF"
                           << "#FFFFFF";
    QTest::newRow("black") << 0x000000 << "0-0-0"
                           << "&H0"
                           << "#000000";
    QTest::newRow("blue, upper case") << 0xAB0000 << "0-0-171"
                                      << "&HAB0000"
                                      << "#0000AB";
}

void TestColorTexts::texts()
{
    QFETCH(ColorValue, color);
    QFETCH(QString, decimal);
    QFETCH(QString, ampersandHex);
    QFETCH(QString, web);
    const ColorTexts texts = SelectionChanged(color);
    QCOMPARE(texts.decimal, decimal);
    QCOMPARE(texts.ampersandHex, ampersandHex);
    QCOMPARE(texts.web, web);
}

QTEST_GUILESS_MAIN(TestColorTexts)
#include "test_colortexts.moc"
