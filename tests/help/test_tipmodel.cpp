#include "app/Settings.h"
#include "help/TipModel.h"

#include <QSet>
#include <QTest>

#include <cmath>
#include <limits>

namespace {

// Plays back a fixed list of random values, then repeats the last one.
TipModel::RandomSource scripted(QList<double> values)
{
    auto index = std::make_shared<qsizetype>(0);
    return [values, index] {
        const double value = values.at(std::min(*index, values.size() - 1));
        ++*index;
        return value;
    };
}

const double kJustBelowOne = std::nextafter(1.0, 0.0);

} // namespace

class TestTipModel : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // Runs first: the settings folder of this test starts empty.
    void missingPreferenceShowsTips();
    void preferenceRoundTrip();
    void storedText_data();
    void storedText();

    void tipTable();
    void quotedTips();
    void numberFor_data();
    void numberFor();
    void nextFollowsSource();
};

void TestTipModel::missingPreferenceShowsTips()
{
    const QString absent = QStringLiteral("<absent>");
    QCOMPARE(GetSetting(QStringLiteral("Prefs"), QStringLiteral("Show Tips at Startup"), absent),
        absent);
    QVERIFY(TipModel::showAtStartup());
}

void TestTipModel::preferenceRoundTrip()
{
    TipModel::setShowAtStartup(false);
    QCOMPARE(GetSetting(QStringLiteral("Prefs"), QStringLiteral("Show Tips at Startup")),
        QStringLiteral("0"));
    QVERIFY(!TipModel::showAtStartup());
    TipModel::setShowAtStartup(true);
    QCOMPARE(GetSetting(QStringLiteral("Prefs"), QStringLiteral("Show Tips at Startup")),
        QStringLiteral("1"));
    QVERIFY(TipModel::showAtStartup());

    // Texts written by hand are read with the same rules as storedText().
    SaveSetting(
        QStringLiteral("prefs"), QStringLiteral("show tips at startup"), QStringLiteral(" 00 "));
    QVERIFY(!TipModel::showAtStartup());
}

void TestTipModel::storedText_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<bool>("shows");

    QTest::newRow("one") << "1" << true;
    QTest::newRow("zero") << "0" << false;
    QTest::newRow("other number") << "7" << true;
    QTest::newRow("negative") << "-1" << true;
    QTest::newRow("padded zero") << " 0 " << false;
    QTest::newRow("signed zero") << "-0" << false;
    QTest::newRow("rounds to zero") << "0.4" << false;
    QTest::newRow("half rounds to even zero") << "0.5" << false;
    QTest::newRow("half rounds to even two") << "1.5" << true;
    QTest::newRow("empty is default") << "" << true;
    QTest::newRow("word is default") << "yes" << true;
    QTest::newRow("False is default") << "False" << true;
    QTest::newRow("nan is default") << "nan" << true;
}

void TestTipModel::storedText()
{
    QFETCH(QString, stored);
    QFETCH(bool, shows);
    QCOMPARE(TipModel::storedTextShowsTips(stored), shows);
}

void TestTipModel::tipTable()
{
    QCOMPARE(TipModel::TipCount, 19);
    QVERIFY(TipModel::text(TipModel::FirstTip - 1).isEmpty());
    QVERIFY(TipModel::text(TipModel::LastTip + 1).isEmpty());
    QSet<QString> distinct;
    for (int number = 101; number <= 119; ++number) {
        const QString text = TipModel::text(number);
        QVERIFY2(!text.isEmpty(), qPrintable(QString::number(number)));
        QCOMPARE(text.trimmed(), text);
        distinct.insert(text);
    }
    QCOMPARE(distinct.size(), 19);
    // Pins the far end of the table against a shifted entry.
    QCOMPARE(TipModel::text(119),
        QStringLiteral("Export your Palette as an XML page from the File > Export menu"));
}

void TestTipModel::quotedTips()
{
    // Spelled out code point by code point so that an editor cannot turn the
    // typographic quotes into ASCII apostrophes unnoticed.
    const QChar open(0x2018);
    const QChar close(0x2019);
    QCOMPARE(TipModel::text(101),
        QStringLiteral("Press %1S%2 to Saturate a color, %1D%2 to Desaturate it").arg(open, close));
    QCOMPARE(TipModel::text(102),
        QStringLiteral("Press %1Q%2 to Darken a color, %1W%2 to Lighten it").arg(open, close));
    QVERIFY(!TipModel::text(101).contains(u'\''));
}

void TestTipModel::numberFor_data()
{
    QTest::addColumn<double>("r");
    QTest::addColumn<int>("number");

    QTest::newRow("zero") << 0.0 << 101;
    QTest::newRow("just below one") << kJustBelowOne << 119;
    for (int k = 0; k < 19; ++k) {
        const QByteArray name = "middle of slot " + QByteArray::number(k);
        QTest::newRow(name.constData()) << (k + 0.5) / 19.0 << 101 + k;
    }
    QTest::newRow("negative clamps") << -0.25 << 101;
    QTest::newRow("one clamps") << 1.0 << 119;
    QTest::newRow("nan clamps") << std::numeric_limits<double>::quiet_NaN() << 101;
}

void TestTipModel::numberFor()
{
    QFETCH(double, r);
    QFETCH(int, number);
    QCOMPARE(TipModel::numberFor(r), number);
}

void TestTipModel::nextFollowsSource()
{
    TipModel model(scripted({ 0.0, kJustBelowOne, 0.5, 0.5 }));
    QCOMPARE(model.current(), 0);
    QVERIFY(model.currentText().isEmpty());
    QCOMPARE(model.next(), 101);
    QCOMPARE(model.next(), 119);
    QCOMPARE(model.next(), 110);
    QCOMPARE(model.next(), 110); // repeats are allowed
    QCOMPARE(model.current(), 110);
    QCOMPARE(model.currentText(), TipModel::text(110));
}

QTEST_GUILESS_MAIN(TestTipModel)
#include "test_tipmodel.moc"
