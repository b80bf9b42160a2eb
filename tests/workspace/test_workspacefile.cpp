#include "workspace/mod_Workspace.h"

#include <QBuffer>
#include <QTest>

// One line per window, "kind left top [file or colours]", in file order.
static QString describe(const std::optional<WorkspaceLists> &lists)
{
    if (!lists)
        return QStringLiteral("fails");
    QStringList lines;
    const auto line = [&](const char *kind, const auto &record, const QString &rest = {}) {
        lines << QStringLiteral("%1 %2 %3%4").arg(kind).arg(record.left).arg(record.top).arg(rest);
    };
    for (const cPalette &p : lists->palettes)
        line("palette", p, u' ' + p.file);
    for (const cWebPreview &w : lists->webPreviews)
        line("web", w);
    for (const cScrollBar &s : lists->scrollBars) {
        QString colours;
        for (const ColorValue color : s.colour)
            colours += u' ' + QString::number(color);
        line("bar", s, colours);
    }
    for (const cVectorImg &v : lists->vectorImgs)
        line("vector", v);
    return lines.join(u'\n');
}

class TestWorkspaceFile : public QObject {
    Q_OBJECT

private slots:
    void read_data();
    void read();
    void writeThenRead();
};

void TestWorkspaceFile::read_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("windows");

    QTest::newRow("empty") << QByteArray() << QString();
    QTest::newRow("two kinds, CR LF")
        << QByteArray("[palette]\r\n{\r\nfile=C:\\Palettes\\Autumn.twp\r\nleft=0\r\ntop=0\r\n}\r\n"
                      "[vectorimg]\r\n{\r\nleft=3600\r\ntop=1200\r\n}\r\n")
        << "palette 0 0 C:\\Palettes\\Autumn.twp\nvector 3600 1200";
    QTest::newRow("last section without }")
        << QByteArray("[vectorimg]\n{\nleft=15\ntop=30") << "vector 15 30";
    QTest::newRow("text after a second = dropped")
        << QByteArray("[palette]\n{\nfile=C:\\a=b.twp\n}\n") << "palette 0 0 C:\\a";
    QTest::newRow("other case, unknown keys, lines without =")
        << QByteArray("[vectorimg]\n{\nLeft=100\nTOP=5\nwidth=9\nnonsense\n\n}\n") << "vector 0 0";
    QTest::newRow("headers match exactly")
        << QByteArray("[Palette]\n{\nleft=1\n}\n [vectorimg]\n[vectorimg] \n[other]\n")
        << QString();
    QTest::newRow("point or comma, sign and fraction")
        << QByteArray("[vectorimg]\n{\nleft=12.5\ntop=-7,25\n}\n") << "vector 12.5 -7.25";
    QTest::newRow("scroll bar colours and place") << QByteArray(
        "[scrollbar]\r\n{\r\nleft=45\r\ntop=90\r\npic1=255\r\npic7=-2147483643\r\n"
        "pic3=16777215\r\npic8=4\r\n}\r\n") << "bar 45 90 255 0 16777215 0 0 0 -2147483643";
    QTest::newRow("web preview colours read past")
        << QByteArray("[webpreview]\n{\nleft=6\ntop=7\npic1=red\nlabel8=\nbg=x\n}\n") << "web 6 7";
    QTest::newRow("position not a number")
        << QByteArray("[vectorimg]\n{\nleft=1cm\n}\n") << "fails";
    QTest::newRow("colour not a number")
        << QByteArray("[scrollbar]\n{\npic2=#FF0000\n}\n") << "fails";
    QTest::newRow("beyond a float") << QByteArray("[vectorimg]\n{\ntop=1e39\n}\n") << "fails";
    QTest::newRow("more windows than any workspace holds")
        << QByteArray("[vectorimg]\n}\n").repeated(mod_Workspace::kMaxWindows + 1) << "fails";
    QTest::newRow("a line longer than any path")
        << "[palette]\n{\nfile=" + QByteArray(mod_Workspace::kMaxLineLength, 'a') << "fails";
}

void TestWorkspaceFile::read()
{
    QFETCH(QByteArray, file);
    QFETCH(QString, windows);
    QBuffer device(&file);
    QVERIFY(device.open(QIODevice::ReadOnly));
    QCOMPARE(describe(mod_Workspace::LoadWorkspace(device)), windows);
}

void TestWorkspaceFile::writeThenRead()
{
    // Fractions, negatives and a non-ASCII path come back as they went, in
    // their order within each kind.
    WorkspaceLists lists;
    lists.vectorImgs = { { 1, 2 } };
    lists.scrollBars = { { 0.5f, -3, { 1, 2, 3, 4, 5, 6, -7 } } };
    lists.webPreviews = { { {}, {}, 0, 100000, 12495.5f }, { {}, {}, 0, 1, 1 } };
    lists.webPreviews[0].box[7] = 255;
    lists.palettes = { { QStringLiteral("/home/ann/Près.twp"), 15, 30 }, { {}, 0, 0 } };
    const QByteArray bytes = mod_Workspace::SaveWorkspace(lists);
    QCOMPARE(describe(mod_Workspace::LoadWorkspace(bytes)), describe(lists));
    QCOMPARE(bytes.count("\r\n"), bytes.count('\n'));
    QVERIFY(bytes.contains("\r\nleft=100000\r\ntop=12495.5\r\npic1=0\r\n"));
    QVERIFY(bytes.contains("pic8=255\r\nlabel1=0\r\n"));
    QVERIFY(bytes.endsWith("[vectorimg]\r\n{\r\nleft=1\r\ntop=2\r\n}\r\n"));
}

QTEST_MAIN(TestWorkspaceFile)
#include "test_workspacefile.moc"
