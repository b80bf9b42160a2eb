#include "app/Settings.h"
#include "preview_drops.h"
#include "previews/ColorTarget.h"
#include "previews/frm_WebPreview.h"
#include "support/FakePlatformServices.h"

#include <QAccessible>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QToolBar>

using M = WebPreviewModel;

namespace {

constexpr ColorValue kRed = 0x0000FF;
constexpr ColorValue kGreen = 0x00FF00;

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class TestWebPreview : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void firstRunIsWhiteWithBlackText();
    void undoAndRedo_data();
    void undoAndRedo();
    void coloursComeBackFromSettings_data();
    void coloursComeBackFromSettings();
    void savedPageMatchesGolden();

private:
    frm_WebPreview *open();

    FakePlatformServices m_fake;
    std::unique_ptr<FakePlatformServices::Scope> m_scope;
    std::unique_ptr<frm_WebPreview> m_window;
    QTemporaryDir m_dir;
};

void TestWebPreview::init()
{
    m_fake = FakePlatformServices();
    m_scope = std::make_unique<FakePlatformServices::Scope>(m_fake);
    SaveSetting(QStringLiteral("WebPreview"), QStringLiteral("bg"), QString());
    for (int k = 0; k < 8; ++k) {
        SaveSetting(QStringLiteral("WebPreview"), QString::number(k), QString());
        SaveSetting(QStringLiteral("WebPreview"), QStringLiteral("l%1").arg(k), QString());
    }
}

void TestWebPreview::cleanup()
{
    m_window.reset();
    m_scope.reset();
}

frm_WebPreview *TestWebPreview::open()
{
    m_window = std::make_unique<frm_WebPreview>(nullptr);
    m_window->setAttribute(Qt::WA_DeleteOnClose, false);
    m_window->Form_Load();
    return m_window.get();
}

void TestWebPreview::firstRunIsWhiteWithBlackText()
{
    frm_WebPreview *window = open();
    for (int k = 0; k < 8; ++k) {
        QCOMPARE(window->boxColor(k), kWhite);
        QCOMPARE(window->labelColor(k), kBlack);
    }
    QCOMPARE(window->pageColor(), kWhite);
    QAccessibleInterface *title = QAccessible::queryAccessibleInterface(window->target(M::box(0)));
    QCOMPARE(title->text(QAccessible::Name), QStringLiteral("Title bar"));
    QCOMPARE(title->text(QAccessible::Value), QStringLiteral("#FFFFFF"));
}

void TestWebPreview::undoAndRedo_data()
{
    // Steps on box 4: "red"/"green" drop that colour, "label" a text label
    // in green, "u"/"r" undo/redo, "reset" the toolbar's Reset.
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<ColorValue>("shown");
    QTest::addColumn<int>("beeps");

    QTest::newRow("two drops, two undos") << QStringList { "red", "green", "u", "u" } << kWhite << 0;
    QTest::newRow("... and two redos")
        << QStringList { "red", "green", "u", "u", "r", "r" } << kGreen << 0;
    QTest::newRow("a drop after undo empties redo")
        << QStringList { "red", "u", "green", "r" } << kGreen << 1;
    QTest::newRow("reset cannot be undone") << QStringList { "red", "reset", "u" } << kWhite << 1;
    QTest::newRow("the same colour is a step")
        << QStringList { "red", "red", "u" } << kRed << 0;
    QTest::newRow("nothing to undo") << QStringList { "u", "r" } << kWhite << 2;
    QTest::newRow("a label carries its text colour") << QStringList { "label" } << kGreen << 0;
}

void TestWebPreview::undoAndRedo()
{
    QFETCH(QStringList, steps);
    QFETCH(ColorValue, shown);
    QFETCH(int, beeps);

    frm_WebPreview *window = open();
    ColorTarget *box = window->target(M::box(4));
    for (const QString &step : steps) {
        if (step == QLatin1String("u"))
            window->Undo();
        else if (step == QLatin1String("r"))
            window->Redo();
        else if (step == QLatin1String("reset"))
            window->toolBar()->findChild<QAction *>(QStringLiteral("Reset"))->trigger();
        else if (step == QLatin1String("label"))
            dropOn(box, textLabel(kGreen));
        else
            dropOn(box, swatch(step == QLatin1String("red") ? kRed : kGreen));
    }
    QCOMPARE(window->boxColor(4), shown);
    QCOMPARE(box->color(), shown);
    QCOMPARE(m_fake.beeps, beeps);
}

void TestWebPreview::coloursComeBackFromSettings_data()
{
    QTest::addColumn<QString>("stored"); // label 2's text colour as left by another run
    QTest::addColumn<ColorValue>("expected");

    QTest::newRow("as written") << "255" << kRed;
    QTest::newRow("not a number") << "abc" << kBlack;
    QTest::newRow("not a colour") << "-5" << kBlack;
    QTest::newRow("too large") << "99999999" << kBlack;
}

void TestWebPreview::coloursComeBackFromSettings()
{
    QFETCH(QString, stored);
    QFETCH(ColorValue, expected);

    frm_WebPreview *first = open();
    dropOn(first->target(M::box(6)), swatch(kGreen));
    dropOn(first->target(M::kPage), swatch(kRed));
    first->close();
    SaveSetting(QStringLiteral("webpreview"), QStringLiteral("L2"), stored);

    frm_WebPreview *second = open();
    QCOMPARE(second->boxColor(6), kGreen);
    QCOMPARE(second->pageColor(), kRed);
    QCOMPARE(second->labelColor(2), expected);
    QCOMPARE(second->boxColor(5), kWhite);
    second->Undo();
    QCOMPARE(m_fake.beeps, 1); // the stacks start empty
}

void TestWebPreview::savedPageMatchesGolden()
{
    const QString path = m_dir.filePath(QStringLiteral("page.html"));
    QFile old(path);
    QVERIFY(old.open(QIODevice::WriteOnly) && old.write("older and longer than the page") > 0);
    old.close();

    frm_WebPreview *window = open();
    m_fake.fileDialogAnswers.enqueue(path);
    window->toolBar()->findChild<QAction *>(QStringLiteral("save"))->trigger();
    QCOMPARE(m_fake.fileDialogs.at(0).title, QStringLiteral("Select file name"));
    const QByteArray golden
        = readAll(qEnvironmentVariable("TW_TEST_DATA") + QStringLiteral("/webpreview-first-run.html"));
    QVERIFY(!golden.isEmpty());
    QCOMPARE(readAll(path), golden);
    QVERIFY(m_fake.messageBoxes.isEmpty());

    // A colour shows in its target's cell; a cancelled dialog writes nothing.
    dropOn(window->target(M::label(6)), swatch(kRed));
    window->SaveAsHtml();
    QCOMPARE(readAll(path), golden);
    m_fake.fileDialogAnswers.enqueue(path);
    window->SaveAsHtml();
    const QList<QByteArray> lines = readAll(path).split('\n');
    QCOMPARE(lines.at(26),
        "<td bgcolor='#FFFFFF'><font face='Tahoma' size=2 color='#FF0000'>Purchase</font></td>\r");
}

QTEST_MAIN(TestWebPreview)
#include "test_webpreview.moc"
