#include "app/FileDialog.h"
#include "app/Settings.h"
#include "app/SettingsKeys.h"
#include "app/Twips.h"
#include "app/WindowPlacement.h"
#include "support/FakePlatformServices.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTest>
#include <QWidget>

#include <cmath>
#include <cstring>
#include <limits>

// The settings store, window placements and the file dialog request.
class TestSettings : public QObject {
    Q_OBJECT

private slots:
    void init();

    void storeLivesInTheTestFolder();
    void caseInsensitiveRoundTrip_data();
    void caseInsensitiveRoundTrip();
    void otherSpellingOverwritesTheFirst();
    void missingEntryGivesDefault();
    void awkwardValuesRoundTrip_data();
    void awkwardValuesRoundTrip();
    void handEditedListReadsAsText();
    void floatText_data();
    void floatText();
    void booleansAreTrueFalse();
    void typedReads_data();
    void typedReads();
    void fixedKeysShareTheirSections();

    void twipsToPixels_data();
    void twipsToPixels();
    void mainWindowRectDefaults();
    void settingRectRoundTrip();
    void placementRoundTrip_data();
    void placementRoundTrip();
    void restoreWithoutMatchingName_data();
    void restoreWithoutMatchingName();
    void unreadablePlacementKeepsCurrentValue();

    void fileDialogRequest_data();
    void fileDialogRequest();
    void fileDialogAnswer_data();
    void fileDialogAnswer();
};

namespace {

// A direct view of the file behind the store, to see what was really
// written.
QSettings rawStore()
{
    return QSettings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("Tintwright"),
        QStringLiteral("Tintwright"));
}

void writeRawFile(const QByteArray &contents)
{
    const QString path = SettingsFilePath();
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(contents);
}

// 96 DPI keeps the arithmetic readable: 15 twips per pixel.
bool screenIs96Dpi()
{
    return logicalDpi(nullptr) == 96.0;
}

} // namespace

void TestSettings::init()
{
    const QString path = SettingsFilePath();
    if (!path.isEmpty())
        QFile::remove(path);
}

void TestSettings::storeLivesInTheTestFolder()
{
#ifdef Q_OS_WIN
    QSKIP("The store is the registry on Windows");
#endif
    const QString configHome = qEnvironmentVariable("XDG_CONFIG_HOME");
    QVERIFY2(!configHome.isEmpty(), "the test harness must set XDG_CONFIG_HOME");
    QVERIFY(QDir(configHome) != QDir(QDir::homePath() + QStringLiteral("/.config")));
    QCOMPARE(
        SettingsFilePath(), QDir(configHome).filePath(QStringLiteral("Tintwright/Tintwright.ini")));

    SaveSetting(QStringLiteral("Prefs"), QStringLiteral("LastColor"), QStringLiteral("255"));
    QVERIFY(QFile::exists(SettingsFilePath()));
}

void TestSettings::caseInsensitiveRoundTrip_data()
{
    QTest::addColumn<QString>("writeSection");
    QTest::addColumn<QString>("writeKey");
    QTest::addColumn<QString>("readSection");
    QTest::addColumn<QString>("readKey");

    QTest::newRow("same spelling") << "Settings"
                                   << "MainLeft"
                                   << "Settings"
                                   << "MainLeft";
    QTest::newRow("lower") << "Settings"
                           << "MainLeft"
                           << "settings"
                           << "mainleft";
    QTest::newRow("upper") << "Settings"
                           << "MainLeft"
                           << "SETTINGS"
                           << "MAINLEFT";
    QTest::newRow("blanks in key") << "Prefs"
                                   << "Show Tips at Startup"
                                   << "prefs"
                                   << "show tips AT startup";
    QTest::newRow("non-ASCII") << QStringLiteral("Äpfel") << QStringLiteral("Größe")
                               << QStringLiteral("äPFEL") << QStringLiteral("GRÖßE");
    QTest::newRow("nested section") << "Recent/Sub"
                                    << "Key"
                                    << "recent/SUB"
                                    << "key";
    QTest::newRow("slash in key") << "Prefs"
                                  << "a/b"
                                  << "PREFS"
                                  << "A/B";
    QTest::newRow("backslash is a slash") << "Prefs"
                                          << "a\\b"
                                          << "prefs"
                                          << "A/b";
    QTest::newRow("section General") << "General"
                                     << "Key"
                                     << "general"
                                     << "KEY";
}

void TestSettings::caseInsensitiveRoundTrip()
{
    QFETCH(QString, writeSection);
    QFETCH(QString, writeKey);
    QFETCH(QString, readSection);
    QFETCH(QString, readKey);

    SaveSetting(writeSection, writeKey, QStringLiteral("1455"));
    QCOMPARE(GetSetting(readSection, readKey, QStringLiteral("missing")), QStringLiteral("1455"));
    SaveSetting(readSection, readKey, QStringLiteral("99"));
    QCOMPARE(GetSetting(writeSection, writeKey), QStringLiteral("99"));
}

void TestSettings::otherSpellingOverwritesTheFirst()
{
    SaveSetting(QStringLiteral("Settings"), QStringLiteral("MainLeft"), QStringLiteral("1"));
    SaveSetting(QStringLiteral("settings"), QStringLiteral("mainleft"), QStringLiteral("2"));

    QSettings raw = rawStore();
    QCOMPARE(raw.childGroups(), QStringList { QStringLiteral("Settings") });
    raw.beginGroup(QStringLiteral("Settings"));
    QCOMPARE(raw.childKeys(), QStringList { QStringLiteral("MainLeft") });
    QCOMPARE(raw.value(QStringLiteral("MainLeft")).toString(), QStringLiteral("2"));
}

void TestSettings::missingEntryGivesDefault()
{
    QCOMPARE(GetSetting(QStringLiteral("Nowhere"), QStringLiteral("Nothing"), QStringLiteral("d")),
        QStringLiteral("d"));
    QCOMPARE(GetSetting(QStringLiteral("Nowhere"), QStringLiteral("Nothing")), QString());

    // A key of an existing section, and an existing key that is empty.
    SaveSetting(QStringLiteral("Prefs"), QStringLiteral("Empty"), QString());
    QCOMPARE(GetSetting(QStringLiteral("Prefs"), QStringLiteral("Other"), QStringLiteral("d")),
        QStringLiteral("d"));
    QCOMPARE(GetSetting(QStringLiteral("Prefs"), QStringLiteral("Empty"), QStringLiteral("d")),
        QString());
}

void TestSettings::awkwardValuesRoundTrip_data()
{
    QTest::addColumn<QString>("value");

    QTest::newRow("commas") << "a, b,c";
    QTest::newRow("blanks around") << "  padded  ";
    QTest::newRow("looks like a variant") << "@Variant(\\0\\0\\0\\x7f)";
    QTest::newRow("at signs") << "@@x";
    QTest::newRow("comment characters") << "a;b # c";
    QTest::newRow("quotes") << "\"quoted\"";
    QTest::newRow("backslashes") << "C:\\Palettes\\warm.twp";
    QTest::newRow("line break") << "first\r\nsecond";
    QTest::newRow("equals") << "a=b";
    QTest::newRow("non-ASCII") << QStringLiteral("30°, ‘Q’");
    QTest::newRow("empty") << "";
}

void TestSettings::awkwardValuesRoundTrip()
{
    QFETCH(QString, value);
    SaveSetting(QStringLiteral("Recent"), QStringLiteral("caption_0"), value);
    QCOMPARE(GetSetting(QStringLiteral("recent"), QStringLiteral("CAPTION_0"), QStringLiteral("d")),
        value);
}

void TestSettings::handEditedListReadsAsText()
{
    writeRawFile("[Prefs]\nList=a, b,c\n");
    QCOMPARE(GetSetting(QStringLiteral("Prefs"), QStringLiteral("List")), QStringLiteral("a,b,c"));
}

void TestSettings::floatText_data()
{
    QTest::addColumn<float>("value");
    QTest::addColumn<QString>("text");

    QTest::newRow("whole") << 1455.0f << "1455";
    QTest::newRow("zero") << 0.0f << "0";
    QTest::newRow("half") << 0.5f << "0.5";
    QTest::newRow("tenth") << 0.1f << "0.1";
    QTest::newRow("third") << 1.0f / 3.0f << "0.33333334";
    QTest::newRow("negative") << -3.25f << "-3.25";
    QTest::newRow("twips") << 12495.5f << "12495.5";
    QTest::newRow("no exponent, large") << 100000.0f << "100000";
    QTest::newRow("no exponent, larger") << 1e10f << "10000000000";
    QTest::newRow("no exponent, small") << 1e-5f << "0.00001";
    QTest::newRow("beyond 2^24") << 16777216.0f << "16777216";
}

void TestSettings::floatText()
{
    QFETCH(float, value);
    QFETCH(QString, text);

    QCOMPARE(FloatToSettingText(value), text);
    SaveSettingFloat(QStringLiteral("Settings"), QStringLiteral("Value"), value);
    QCOMPARE(GetSetting(QStringLiteral("Settings"), QStringLiteral("Value")), text);
    const float back = GetSettingFloat(QStringLiteral("Settings"), QStringLiteral("Value"), -1.0f);
    QVERIFY(std::memcmp(&back, &value, sizeof value) == 0);
}

void TestSettings::booleansAreTrueFalse()
{
    SaveSettingBool(SettingsKeys::ColorInfo, false);
    QCOMPARE(GetSetting(SettingsKeys::ColorInfo), QStringLiteral("False"));
    QCOMPARE(GetSettingBool(SettingsKeys::ColorInfo), false);
    SaveSettingBool(SettingsKeys::ColorInfo, true);
    QCOMPARE(GetSetting(SettingsKeys::ColorInfo), QStringLiteral("True"));
}

void TestSettings::typedReads_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<int>("asInt");
    QTest::addColumn<float>("asFloat");
    QTest::addColumn<int>("asBool"); // 0 or 1, or -1 for "the caller's default"

    // Defaults of the reads below: 7, 2.5 and either boolean.
    QTest::newRow("whole") << "1455" << 1455 << 1455.0f << -1;
    QTest::newRow("negative") << "-1" << -1 << -1.0f << -1;
    QTest::newRow("blanks around") << " 42 " << 42 << 42.0f << -1;
    QTest::newRow("2.5: half to even") << "2.5" << 2 << 2.5f << -1;
    QTest::newRow("3.5: half to even") << "3.5" << 4 << 3.5f << -1;
    QTest::newRow("tenth") << "0.1" << 0 << 0.1f << -1;
    QTest::newRow("exponent") << "1e3" << 1000 << 1000.0f << -1;
    QTest::newRow("beyond int") << "99999999999" << 7 << 99999999999.0f << -1;
    QTest::newRow("beyond float") << "1e40" << 7 << 2.5f << -1;
    QTest::newRow("infinite") << "inf" << 7 << 2.5f << -1;
    QTest::newRow("not a number") << "nan" << 7 << 2.5f << -1;
    QTest::newRow("garbage") << "abc" << 7 << 2.5f << -1;
    QTest::newRow("trailing garbage") << "12abc" << 7 << 2.5f << -1;
    QTest::newRow("decimal comma") << "1,5" << 7 << 2.5f << -1;
    QTest::newRow("empty") << "" << 7 << 2.5f << -1;
    QTest::newRow("True") << "True" << 7 << 2.5f << 1;
    QTest::newRow("true") << "true" << 7 << 2.5f << 1;
    QTest::newRow("TRUE") << "TRUE" << 7 << 2.5f << 1;
    QTest::newRow("False") << "False" << 7 << 2.5f << 0;
    QTest::newRow("false") << "false" << 7 << 2.5f << 0;
    QTest::newRow("yes") << "yes" << 7 << 2.5f << -1;
}

void TestSettings::typedReads()
{
    QFETCH(QString, stored);
    QFETCH(int, asInt);
    QFETCH(float, asFloat);
    QFETCH(int, asBool);

    const QString section = QStringLiteral("Prefs");
    const QString key = QStringLiteral("Value");
    SaveSetting(section, key, stored);
    QCOMPARE(GetSettingInt(section, key, 7), asInt);
    QCOMPARE(GetSettingFloat(section, key, 2.5f), asFloat);
    QCOMPARE(GetSettingBool(section, key, false), asBool == 1);
    QCOMPARE(GetSettingBool(section, key, true), asBool != 0);
}

void TestSettings::fixedKeysShareTheirSections()
{
    // First run: every fixed key reads its default.
    QCOMPARE(GetSettingBool(SettingsKeys::ColorInfo), true);
    QCOMPARE(GetSettingInt(SettingsKeys::BackColor), 16777215);
    QCOMPARE(GetSetting(SettingsKeys::ShowTipsAtStartup), QStringLiteral("1"));
    QCOMPARE(GetSetting(SettingsKeys::RememberState), QString());

    // "settings"/"color_info" lands in the section of the main window
    // rectangle, whichever was written first.
    SaveSettingBool(SettingsKeys::ColorInfo, false);
    SaveSettingFloat(SettingsKeys::MainLeft, 1455.0f);
    QSettings raw = rawStore();
    QCOMPARE(raw.childGroups(), QStringList { QStringLiteral("settings") });
    QCOMPARE(raw.value(QStringLiteral("settings/MainLeft")).toString(), QStringLiteral("1455"));
}

void TestSettings::twipsToPixels_data()
{
    QTest::addColumn<double>("twips");
    QTest::addColumn<double>("dpi");
    QTest::addColumn<int>("pixels");

    QTest::newRow("one inch") << 1440.0 << 96.0 << 96;
    QTest::newRow("main left") << 1455.0 << 96.0 << 97;
    QTest::newRow("under half a pixel") << 7.0 << 96.0 << 0;
    QTest::newRow("over half a pixel") << 8.0 << 96.0 << 1;
    QTest::newRow("1.5 rounds to 2") << 22.5 << 96.0 << 2;
    QTest::newRow("2.5 rounds to 2") << 37.5 << 96.0 << 2;
    QTest::newRow("negative") << -15.0 << 96.0 << -1;
    QTest::newRow("150 %") << 1440.0 << 144.0 << 144;
    QTest::newRow("huge is clamped") << 1e30 << 96.0 << std::numeric_limits<int>::max();
}

void TestSettings::twipsToPixels()
{
    QFETCH(double, twips);
    QFETCH(double, dpi);
    QFETCH(int, pixels);
    QCOMPARE(::twipsToPixels(twips, dpi), pixels);
    if (std::abs(twips) < 1e6 && std::fmod(twips * dpi, TwipsPerInch) == 0.0)
        QCOMPARE(pixelsToTwips(pixels, dpi), twips);
}

void TestSettings::mainWindowRectDefaults()
{
    if (!screenIs96Dpi())
        QSKIP("The expected pixels assume a 96 DPI screen");
    QCOMPARE(GetSettingRect(SettingsKeys::MainWindowRect, nullptr), QRect(97, 70, 833, 623));
}

void TestSettings::settingRectRoundTrip()
{
    const QRect rect(-20, 5, 640, 481);
    SaveSettingRect(SettingsKeys::MainWindowRect, rect, nullptr);
    QCOMPARE(GetSettingRect(SettingsKeys::MainWindowRect, nullptr), rect);
    if (screenIs96Dpi())
        QCOMPARE(GetSetting(SettingsKeys::MainTop), QStringLiteral("75"));

    // Unreadable entries fall back one by one.
    SaveSetting(SettingsKeys::MainWidth, QStringLiteral("wide"));
    QCOMPARE(GetSettingRect(SettingsKeys::MainWindowRect, nullptr, QRect(1, 2, 3, 4)),
        QRect(-20, 5, 3, 481));
}

void TestSettings::placementRoundTrip_data()
{
    QTest::addColumn<bool>("resizable");
    QTest::addColumn<QSize>("restoredSize");

    QTest::newRow("resizable") << true << QSize(300, 200);
    QTest::newRow("fixed size") << false << QSize(120, 90);
}

void TestSettings::placementRoundTrip()
{
    QFETCH(bool, resizable);
    QFETCH(QSize, restoredSize);

    QWidget window;
    window.setGeometry(50, 60, 300, 200);
    SaveWindowPlacement(&window, QStringLiteral("frm_WebPreview"));

    const QString section = QStringLiteral("WindowPlacements");
    QCOMPARE(GetSetting(section, QStringLiteral("Name_frm_WebPreview")),
        QStringLiteral("frm_WebPreview"));
    QCOMPARE(GetSetting(section, QStringLiteral("frm_WebPreview_Width")),
        FloatToSettingText(float(pixelsToTwips(300, &window))));

    window.setGeometry(5, 6, 120, 90);
    QVERIFY(RestoreWindowPlacement(&window, QStringLiteral("frm_WebPreview"), resizable));
    QCOMPARE(window.pos(), QPoint(50, 60));
    QCOMPARE(window.size(), restoredSize);
}

void TestSettings::restoreWithoutMatchingName_data()
{
    QTest::addColumn<QString>("storedName");

    QTest::newRow("no name entry") << QString();
    QTest::newRow("another name") << "frm_ScrollBar";
    QTest::newRow("other letter case") << "FRM_WEBPREVIEW";
}

void TestSettings::restoreWithoutMatchingName()
{
    QFETCH(QString, storedName);

    const QString section = QStringLiteral("WindowPlacements");
    for (const char *suffix : { "_Left", "_Top", "_Width", "_Height" })
        SaveSetting(section, QStringLiteral("frm_WebPreview") + QLatin1String(suffix),
            QStringLiteral("3000"));
    if (!storedName.isNull())
        SaveSetting(section, QStringLiteral("Name_frm_WebPreview"), storedName);

    QWidget window;
    window.setGeometry(5, 6, 120, 90);
    QVERIFY(!RestoreWindowPlacement(&window, QStringLiteral("frm_WebPreview"), true));
    QCOMPARE(window.geometry(), QRect(5, 6, 120, 90));
}

void TestSettings::unreadablePlacementKeepsCurrentValue()
{
    const QString section = QStringLiteral("WindowPlacements");
    SaveSetting(section, QStringLiteral("Name_frmColor"), QStringLiteral("frmColor"));
    SaveSetting(section, QStringLiteral("frmColor_Left"), QStringLiteral("left"));
    SaveSettingFloat(section, QStringLiteral("frmColor_Top"), float(pixelsToTwips(40, nullptr)));

    QWidget window;
    window.setGeometry(5, 6, 120, 90);
    QVERIFY(RestoreWindowPlacement(&window, QStringLiteral("frmColor"), true));
    QCOMPARE(window.geometry(), QRect(5, 40, 120, 90));
}

void TestSettings::fileDialogRequest_data()
{
    QTest::addColumn<QString>("extension");
    QTest::addColumn<bool>("save");
    QTest::addColumn<QString>("filterName");
    QTest::addColumn<QString>("firstFilter");
    QTest::addColumn<QString>("suffix");

    QTest::newRow("palette, open") << ".twp" << false << ""
                                   << "Tint Wright Palettes (*.twp)"
                                   << "twp";
    QTest::newRow("palette, save") << ".twp" << true << ""
                                   << "Tint Wright Palettes (*.twp)"
                                   << "twp";
    QTest::newRow("named filter") << ".tww" << true << "Tint Wright Workspace"
                                  << "Tint Wright Workspace (*.tww)"
                                  << "tww";
}

void TestSettings::fileDialogRequest()
{
    QFETCH(QString, extension);
    QFETCH(bool, save);
    QFETCH(QString, filterName);
    QFETCH(QString, firstFilter);
    QFETCH(QString, suffix);

    FakePlatformServices fake;
    FakePlatformServices::Scope scope(fake);
    ShowFileDialog(nullptr, QStringLiteral("Select File Name"), extension, save, filterName);

    QCOMPARE(fake.fileDialogs.size(), 1);
    const PlatformServices::FileDialogRequest &request = fake.fileDialogs.constFirst();
    QCOMPARE(request.title, QStringLiteral("Select File Name"));
    QCOMPARE(request.filters, (QStringList { firstFilter, QStringLiteral("All Files (*.*)") }));
    QCOMPARE(request.defaultSuffix, suffix);
    QCOMPARE(request.save, save);
    QCOMPARE(request.startFolder, QCoreApplication::applicationDirPath());
}

void TestSettings::fileDialogAnswer_data()
{
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QString>("expected");

    QTest::newRow("cancelled") << ""
                               << "";
    QTest::newRow("plain") << "/home/me/warm.twp"
                           << "/home/me/warm.twp";
    QTest::newRow("blanks around") << "  /home/me/warm.twp \t"
                                   << "/home/me/warm.twp";
    QTest::newRow("terminator") << QStringLiteral("/home/me/warm.twp") + QChar(u'\0')
            + QStringLiteral("rest")
                                << "/home/me/warm.twp";
}

void TestSettings::fileDialogAnswer()
{
    QFETCH(QString, answer);
    QFETCH(QString, expected);

    FakePlatformServices fake;
    FakePlatformServices::Scope scope(fake);
    fake.fileDialogAnswers.enqueue(answer);
    QCOMPARE(ShowFileDialog(nullptr, QStringLiteral("Select Palette File"), QStringLiteral(".twp"),
                 false, QString()),
        expected);
}

QTEST_MAIN(TestSettings)
#include "test_settings.moc"
