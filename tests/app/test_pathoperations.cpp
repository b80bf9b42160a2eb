#include "app/PathOperations.h"

#include <QTest>

class TestPathOperations : public QObject {
    Q_OBJECT

private slots:
    void parts_data()
    {
        // Path, expected base name, expected extension.
        QTest::addColumn<QStringList>("parts");
        QTest::addColumn<bool>("windows");
        QTest::newRow("windows full path")
            << QStringList { "C:\\work\\sunset.twp", "sunset", "twp" } << true;
        QTest::newRow("mixed separators on windows")
            << QStringList { "C:/w\\a/b.twp", "b", "twp" } << true;
        QTest::newRow("backslash is a character on posix")
            << QStringList { "C:\\w\\sunset.twp", "C:\\w\\sunset", "twp" } << false;
        QTest::newRow("last dot counts") << QStringList { "/p/a.b.twp", "a.b", "twp" } << false;
        QTest::newRow("no extension, no folder") << QStringList { "sunset", "sunset", "" } << false;
        QTest::newRow("no dot after the folder") << QStringList { "/p.d/sunset", "", "" } << false;
        QTest::newRow("hidden file") << QStringList { "/p/.twp", "", "twp" } << false;
        QTest::newRow("empty") << QStringList { "", "", "" } << false;
    }
    void parts()
    {
        QFETCH(QStringList, parts);
        QFETCH(bool, windows);
        const PathStyle style = windows ? PathStyle::Windows : PathStyle::Posix;
        QCOMPARE(GetFileBaseName(parts[0], style), parts[1]);
        QCOMPARE(GetFileExtension(parts[0], style), parts[2]);
    }
};

QTEST_GUILESS_MAIN(TestPathOperations)
#include "test_pathoperations.moc"
