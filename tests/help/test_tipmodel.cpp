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
    void preference();
    void storedText_data();
    void storedText();

    void tipTable();
    void numberFor_data();
    void numberFor();
    void nextFollowsSource();
};

void TestTipModel::preference()
{
    const QString prefs = QStringLiteral("Prefs");
    const QString key = QStringLiteral("Show Tips at Startup");
    QCOMPARE(GetSetting(prefs, key, QStringLiteral("<absent>")), QStringLiteral("<absent>"));
    QVERIFY(TipModel::showAtStartup());

    TipModel::setShowAtStartup(false);
    QCOMPARE(GetSetting(prefs, key), QStringLiteral("0"));
    QVERIFY(!TipModel::showAtStartup());
    TipModel::setShowAtStartup(true);
    QCOMPARE(GetSetting(prefs, key), QStringLiteral("1"));

    // Texts written by hand are read with the same rules as storedText().
    SaveSetting(
        QStringLiteral("prefs"), QStringLiteral("show tips at startup"), QStringLiteral(" 00 "));
    QVERIFY(!TipModel::showAtStartup());
}

void TestTipModel::storedText_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<bool>("shows");

    QTest::newRow("zero") << "0" << false;
    QTest::newRow("other number") << "7" << true;
    QTest::newRow("padded zero") << " 0 " << false;
    QTest::newRow("half rounds to even zero") << "0.5" << false;
    QTest::newRow("half rounds to even two") << "1.5" << true;
    QTest::newRow("empty is default") << "" << true;
    QTest::newRow("False is default") << "False" << true;
}

void TestTipModel::storedText()
{
    QFETCH(QString, stored);
    QFETCH(bool, shows);
    QCOMPARE(TipModel::storedTextShowsTips(stored), shows);
}

void TestTipModel::tipTable()
{
    QVERIFY(TipModel::text(TipModel::FirstTip - 1).isEmpty());
    QVERIFY(TipModel::text(TipModel::LastTip + 1).isEmpty());
    QSet<QString> distinct;
    for (int number = 101; number <= 119; ++number)
        distinct.insert(TipModel::text(number));
    QVERIFY(!distinct.contains(QString()));
    QCOMPARE(distinct.size(), 19);
    QCOMPARE(TipModel::text(119),
        QStringLiteral("Export your Palette as an XML page from the File > Export menu"));

    // Code points spelled out so that an editor cannot turn the typographic
    // quotes into ASCII apostrophes unnoticed.
    const QChar open(0x2018);
    const QChar close(0x2019);
    QCOMPARE(TipModel::text(101),
        QStringLiteral("Press %1S%2 to Saturate a color, %1D%2 to Desaturate it").arg(open, close));
    QCOMPARE(TipModel::text(102),
        QStringLiteral("Press %1Q%2 to Darken a color, %1W%2 to Lighten it").arg(open, close));
}

void TestTipModel::numberFor_data()
{
    QTest::addColumn<double>("r");
    QTest::addColumn<int>("number");

    QTest::newRow("zero") << 0.0 << 101;
    QTest::newRow("just below one") << kJustBelowOne << 119;
    QTest::newRow("middle") << 9.5 / 19.0 << 110;
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
    QCOMPARE(model.next(), 101);
    QCOMPARE(model.next(), 119);
    QCOMPARE(model.next(), 110);
    QCOMPARE(model.next(), 110); // repeats are allowed
    QCOMPARE(model.currentText(), TipModel::text(110));
}

QTEST_GUILESS_MAIN(TestTipModel)
#include "test_tipmodel.moc"
