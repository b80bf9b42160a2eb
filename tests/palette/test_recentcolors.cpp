#include "app/Settings.h"
#include "palette/RecentColorsModel.h"

#include <QFile>
#include <numeric>
#include <QTest>

using Colors = QList<ColorValue>;
using Scroll = RecentColorsModel::Scroll;
Q_DECLARE_METATYPE(Scroll)

namespace {

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

class TestRecentColors : public QObject {
    Q_OBJECT

private slots:
    void init() { QFile::remove(SettingsFilePath()); }
    void adding_data();
    void adding();
    void loading_data();
    void loading();
};

void TestRecentColors::adding_data()
{
    QTest::addColumn<Colors>("added");
    QTest::addColumn<Colors>("shown");
    QTest::addColumn<Scroll>("scroll");
    const Scroll off;
    QTest::newRow("A, A is one entry") << Colors { 5, 5 } << Colors { kWhite, 5 } << off;
    QTest::newRow("A, B, A is three") << Colors { 5, 6, 5 } << Colors { kWhite, 5, 6, 5 }
                                      << Scroll { true, 1800, 1800 };
    QTest::newRow("first black ignored") << Colors { 0 } << Colors { kWhite } << off;
    QTest::newRow("third entry scrolls") << Colors { 5, 6 } << Colors { kWhite, 5, 6 }
                                         << Scroll { true, 1200, 1200 };
    // A full list shifts without touching the scroll bar.
    QTest::newRow("49th colour drops white") << distinct(48) << distinct(48)
                                             << Scroll { true, 28200, 28200 };
}

void TestRecentColors::adding()
{
    QFETCH(Colors, added);
    RecentColorsModel model;
    addAll(model, added);
    QTEST(shownColors(model), "shown");
    QTEST(model.scroll(), "scroll");
    QCOMPARE(model.Count(), model.entries().size());
}

void TestRecentColors::loading_data()
{
    QTest::addColumn<QString>("count");
    QTest::addColumn<Colors>("shown");
    QTest::addColumn<int>("counted");
    // Stored colours: 100, "x" and 300.
    QTest::newRow("Count 0 keeps entry 0") << "0" << Colors { kWhite } << 0;
    QTest::newRow("Count 3") << "3" << Colors { 100, 0, 300 } << 3;
    QTest::newRow("huge Count") << "2000000000" << (Colors { 100, 0, 300 } + Colors(45, 0)) << 48;
    QTest::newRow("negative Count") << "-7" << Colors { kWhite } << 0;
    QTest::newRow("Count not a number") << "lots" << Colors { kWhite } << 0;
}

void TestRecentColors::loading()
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

QTEST_GUILESS_MAIN(TestRecentColors)
#include "test_recentcolors.moc"
