#include "palette/HexColorText.h"

#include <QTest>

class TestHexColorText : public QObject {
    Q_OBJECT

private slots:
    void parsing_data();
    void parsing();
};

void TestHexColorText::parsing_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<ColorValue>("color"); // 0x00BBGGRR
    constexpr ColorValue orange = 0x0080FF;
    QTest::newRow("FF8000") << "FF8000" << orange;
    QTest::newRow("#FF8000") << "#FF8000" << orange;
    QTest::newRow("lower case") << "ff8000" << orange;
    QTest::newRow("every # removed") << "#FF#80#00" << orange;
    QTest::newRow("after the sixth ignored") << "FF8000FF" << orange;
    QTest::newRow("one digit") << "F" << 15;
    QTest::newRow("empty") << "" << kBlack;
    QTest::newRow("GG0000") << "GG0000" << kBlack;
    QTest::newRow("1G0000") << "1G0000" << 1;
    QTest::newRow("blue only") << "0000fF" << 0xFF0000;
    QTest::newRow("blank stops a pair") << "F 8000" << 0x00800F;
    QTest::newRow("non-ASCII digit") << QStringLiteral("\uFF11\uFF11") << kBlack;
}

void TestHexColorText::parsing()
{
    QFETCH(QString, text);
    QTEST(HexTextToColor(text), "color");
}

QTEST_GUILESS_MAIN(TestHexColorText)
#include "test_hexcolortext.moc"
