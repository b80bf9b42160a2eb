#include "app/FileDialog.h"
#include "app/QtPlatformServices.h"
#include "app/Settings.h"
#include "app/SettingsKeys.h"
#include "app/WindowPlacement.h"
#include "support/FakePlatformServices.h"

#include <QApplication>
#include <QCoreApplication>
#include <QFile>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QLineEdit>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include <cstring>

namespace {

// A direct view of the file behind the store, to see what was really written.
QSettings rawStore()
{
    return QSettings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("Tintwright"),
        QStringLiteral("Tintwright"));
}

const QString Placements = QStringLiteral("WindowPlacements");

} // namespace

// The settings store, window placements and the file dialog request.
class TestSettings : public QObject {
    Q_OBJECT

private slots:
    void init() { QFile::remove(SettingsFilePath()); }

    void caseInsensitiveRoundTrip_data()
    {
        // Written section and key, then the spelling they are read back under.
        QTest::addColumn<QStringList>("names");
        QTest::newRow("lower") << QStringList { "Settings", "MainLeft", "settings", "mainleft" };
        QTest::newRow("non-ASCII") << QStringList { "Äpfel", "Größe", "äPFEL", "GRÖßE" };
        QTest::newRow("backslash is a slash") << QStringList { "Prefs", "a\\b", "prefs", "A/b" };
    }
    void caseInsensitiveRoundTrip()
    {
        QFETCH(QStringList, names);
        SaveSetting(names[0], names[1], QStringLiteral("1455"));
        QCOMPARE(GetSetting(names[2], names[3], QStringLiteral("missing")), QStringLiteral("1455"));
        SaveSetting(names[2], names[3], QStringLiteral("99"));
        QCOMPARE(GetSetting(names[0], names[1]), QStringLiteral("99"));
        // One entry, under the spelling written first.
        const QString written = QString(names[0] + u'/' + names[1]).replace(u'\\', u'/');
        QCOMPARE(rawStore().allKeys(), QStringList { written });
    }

    void missingAndAwkwardValues()
    {
        const QString prefs = QStringLiteral("Prefs");
        const QString d = QStringLiteral("d");
        QCOMPARE(GetSetting(QStringLiteral("Nowhere"), QStringLiteral("Nothing"), d), d);
        // An existing but empty entry is not missing.
        SaveSetting(prefs, QStringLiteral("Empty"), QString());
        QCOMPARE(GetSetting(prefs, QStringLiteral("Empty"), d), QString());

        // Texts special to the INI format or to QVariant come back as text.
        for (const QString value : { "a, b,c", "@Variant(\\0\\0\\0\\x7f)" }) {
            SaveSetting(QStringLiteral("Recent"), QStringLiteral("caption_0"), value);
            QCOMPARE(GetSetting(QStringLiteral("recent"), QStringLiteral("CAPTION_0")), value);
        }
        // A hand-edited comma list must not come back as a QStringList.
        QFile file(SettingsFilePath());
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write("[Prefs]\nList=a, b,c\n");
        file.close();
        QCOMPARE(GetSetting(prefs, QStringLiteral("List")), QStringLiteral("a,b,c"));
    }

    void floatText_data()
    {
        QTest::addColumn<float>("value");
        QTest::addColumn<QString>("text");
        QTest::newRow("third") << 1.0f / 3.0f << "0.33333334";
        QTest::newRow("no exponent, large") << 1e10f << "10000000000";
        QTest::newRow("no exponent, small") << 1e-5f << "0.00001";
    }
    void floatText()
    {
        QFETCH(float, value);
        QFETCH(QString, text);
        SaveSettingFloat(QStringLiteral("Settings"), QStringLiteral("Value"), value);
        QCOMPARE(GetSetting(QStringLiteral("Settings"), QStringLiteral("Value")), text);
        const float back = GetSettingFloat(QStringLiteral("Settings"), QStringLiteral("Value"), -1);
        QVERIFY(std::memcmp(&back, &value, sizeof value) == 0);
    }

    void typedReads_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<int>("asInt");
        QTest::addColumn<float>("asFloat");
        QTest::addColumn<int>("asBool"); // 0 or 1, or -1 for "the caller's default"

        // Defaults of the reads: 7, 2.5 and either boolean.
        QTest::newRow("blanks around") << " 42 " << 42 << 42.0f << -1;
        QTest::newRow("2.5: half to even") << "2.5" << 2 << 2.5f << -1;
        QTest::newRow("beyond int") << "99999999999" << 7 << 99999999999.0f << -1;
        QTest::newRow("not a number") << "nan" << 7 << 2.5f << -1;
        QTest::newRow("trailing garbage") << "12abc" << 7 << 2.5f << -1;
        QTest::newRow("empty") << "" << 7 << 2.5f << -1;
        QTest::newRow("true") << "true" << 7 << 2.5f << 1;
        QTest::newRow("FALSE") << "FALSE" << 7 << 2.5f << 0;
    }
    void typedReads()
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

    // A placement comes back only under its name entry in this very
    // spelling; a window of fixed size keeps its size.
    void placements()
    {
        const QString name = QStringLiteral("frm_WebPreview");
        QWidget window;
        window.setGeometry(50, 60, 300, 200);
        SaveWindowPlacement(&window, name);
        QCOMPARE(GetSetting(Placements, "Name_" + name), name);
        for (const bool resizable : { false, true }) {
            window.setGeometry(5, 6, 120, 90);
            QVERIFY(RestoreWindowPlacement(&window, name, resizable));
            QCOMPARE(window.geometry(),
                QRect(QPoint(50, 60), resizable ? QSize(300, 200) : QSize(120, 90)));
        }

        window.setGeometry(5, 6, 120, 90);
        SaveSetting(Placements, "Name_" + name, "FRM_WEBPREVIEW");
        QVERIFY(!RestoreWindowPlacement(&window, name, true));
        for (const char *suffix : { "_Left", "_Top", "_Width", "_Height" })
            SaveSetting(Placements, QLatin1String("frm_Other") + QLatin1String(suffix), "3000");
        QVERIFY(!RestoreWindowPlacement(&window, QStringLiteral("frm_Other"), true));
        QCOMPARE(window.geometry(), QRect(5, 6, 120, 90));
    }

    void restoredRectanglesLandOnAScreen_data()
    {
        // Stored MainLeft, MainTop, MainWidth, MainHeight (empty: none); the
        // rectangle restored on the 1600 x 1200 test screen (15 twips a pixel).
        QTest::addColumn<QStringList>("stored");
        QTest::addColumn<QRect>("restored");
        const QRect byDefault(97, 70, 833, 623);
        QTest::newRow("defaults") << QStringList { "", "", "", "" } << byDefault;
        QTest::newRow("monitor gone")
            << QStringList { "45000", "30000", "", "" } << QRect(767, 577, 833, 623);
        QTest::newRow("int limits") << QStringList { "-2147483648", "2147483647", "2147483647",
            "-2147483648" } << QRect(0, 1199, 1600, 1);
        QTest::newRow("beyond double")
            << QStringList { "1e309", "", "1e308", "" } << QRect(0, 70, 1600, 623);
        QTest::newRow("not numbers") << QStringList { "nan", "inf", "12abc", "-" } << byDefault;
    }
    void restoredRectanglesLandOnAScreen()
    {
        QFETCH(QStringList, stored);
        QFETCH(QRect, restored);
        QWidget window; // a tool window, which comes back through the same rule
        window.setGeometry(5, 6, 120, 90);
        SaveWindowPlacement(&window, QStringLiteral("frm_Tool"));
        const SettingKey keys[] = { SettingsKeys::MainLeft, SettingsKeys::MainTop,
            SettingsKeys::MainWidth, SettingsKeys::MainHeight };
        const char *suffixes[] = { "_Left", "_Top", "_Width", "_Height" };
        for (int i = 0; i < 4; ++i) {
            if (stored[i].isEmpty())
                continue;
            SaveSetting(keys[i], stored[i]);
            SaveSetting(
                Placements, QLatin1String("frm_Tool") + QLatin1String(suffixes[i]), stored[i]);
        }
        QCOMPARE(GetSettingRect(SettingsKeys::MainWindowRect, nullptr), restored);
        QVERIFY(RestoreWindowPlacement(&window, QStringLiteral("frm_Tool"), true));
        QVERIFY(QRect(0, 0, 1600, 1200).contains(window.geometry()));
    }

    void fileDialog_data()
    {
        // Extension, filter name, expected first filter, user's answer, returned path.
        QTest::addColumn<QStringList>("texts");
        QTest::addColumn<bool>("save");
        const QString palettes = QStringLiteral("Tint Wright Palettes (*.twp)");
        QTest::newRow("open, cancelled") << QStringList { ".twp", "", palettes, "", "" } << false;
        QTest::newRow("save, blanks around")
            << QStringList { ".twp", "", palettes, " /a/warm.twp \t", "/a/warm.twp" } << true;
        QTest::newRow("named filter, terminator")
            << QStringList { ".tww", "Tint Wright Workspace", "Tint Wright Workspace (*.tww)",
                   QStringLiteral("/a/b.tww") + QChar(u'\0') + QStringLiteral("rest"), "/a/b.tww" }
            << true;
    }
    void fileDialog()
    {
        QFETCH(QStringList, texts);
        QFETCH(bool, save);
        FakePlatformServices fake;
        FakePlatformServices::Scope scope(fake);
        fake.fileDialogAnswers.enqueue(texts[3]);
        const QString title = QStringLiteral("Select File Name");
        QCOMPARE(ShowFileDialog(nullptr, title, texts[0], save, texts[1]), texts[4]);

        QCOMPARE(fake.fileDialogs.size(), 1);
        const PlatformServices::FileDialogRequest &request = fake.fileDialogs.constFirst();
        QCOMPARE(request.title, title);
        QCOMPARE(request.filters, (QStringList { texts[2], QStringLiteral("All Files (*.*)") }));
        QCOMPARE(request.defaultSuffix, texts[0].mid(1));
        QCOMPARE(request.save, save);
        QCOMPARE(request.startFolder, QCoreApplication::applicationDirPath());
    }

    void platformFileDialog_data()
    {
        QTest::addColumn<bool>("save");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("chosen");
        // The folder holds "notes" (no dot) and "warm.twp".
        // clang-format off
        QTest::newRow("open: missing file") << false << "gone.twp" << "gone.twp";
        QTest::newRow("open: existing, no dot") << false << "notes" << "notes";
        QTest::newRow("open: missing, no dot") << false << "warm" << "warm.twp";
        QTest::newRow("save: no dot") << true << "notes" << "notes.twp";
        // clang-format on
    }
    // The real dialog, typed into and accepted: no must-exist check, the default
    // extension only where the name as typed names no file to open, and "All
    // Files" lists names without a dot.
    void platformFileDialog()
    {
        QFETCH(bool, save);
        QFETCH(QString, typed);
        QFETCH(QString, chosen);
        QTemporaryDir dir;
        for (const char *name : { "notes", "warm.twp" })
            QVERIFY(QFile(dir.filePath(QLatin1String(name))).open(QIODevice::WriteOnly));
        const PlatformServices::FileDialogRequest request { {},
            { "Tint Wright Palettes (*.twp)", "All Files (*.*)" }, dir.path(), "twp", save };
        QFileDialog dialog;
        QtPlatformServices::setUpFileDialog(dialog, request);
        dialog.selectNameFilter(dialog.nameFilters().constLast());
        dialog.open();
        auto *files = dialog.findChild<QFileSystemModel *>();
        QTRY_COMPARE(files->rowCount(files->index(dir.path())), 2);
        QVERIFY(files->flags(files->index(dir.filePath("notes"))).testFlag(Qt::ItemIsEnabled));

        // A refusal would come as a modal box of the dialog's own; close it.
        QTimer::singleShot(0, &dialog, [] {
            if (QWidget *box = QApplication::activeModalWidget();
                box && !qobject_cast<QFileDialog *>(box))
                box->close();
        });
        auto *edit = dialog.findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
        edit->setText(typed);
        QTest::keyClick(edit, Qt::Key_Return);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(QtPlatformServices::chosenPath(dialog, request), dir.filePath(chosen));
    }
};

QTEST_MAIN(TestSettings)
#include "test_settings.moc"
