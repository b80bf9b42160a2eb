#include "workspace/PathOperations.h"

#include <QTest>

class TestPathOperations : public QObject {
    Q_OBJECT

private slots:
    void parts_data();
    void parts();
};

void TestPathOperations::parts_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<bool>("windows");
    QTest::addColumn<QString>("baseName");
    QTest::addColumn<QString>("extension");

    QTest::newRow("posix full path") << "/home/ann/sunset.twp" << false << "sunset"
                                     << "twp";
    QTest::newRow("windows full path") << "C:\\work\\sunset.twp" << true << "sunset"
                                       << "twp";
    QTest::newRow("mixed separators on windows") << "C:/work\\a/b.twp" << true << "b"
                                                 << "twp";
    QTest::newRow("backslash is a character on posix")
        << "C:\\work\\sunset.twp" << false << "C:\\work\\sunset"
        << "twp";
    QTest::newRow("name only") << "sunset.twp" << false << "sunset"
                               << "twp";
    QTest::newRow("last dot counts") << "/p/a.b.twp" << false << "a.b"
                                     << "twp";
    QTest::newRow("no extension, no folder") << "sunset" << false << "sunset"
                                             << "";
    QTest::newRow("no dot after the folder") << "/p.d/sunset" << false << ""
                                             << "";
    QTest::newRow("windows: no dot after the folder") << "C:\\p.d\\sunset" << true << ""
                                                      << "";
    QTest::newRow("posix keeps a backslash after the dot") << "C:\\p.d\\sunset" << false << "C:\\p"
                                                           << "d\\sunset";
    QTest::newRow("hidden file") << "/p/.twp" << false << ""
                                 << "twp";
    QTest::newRow("trailing dot") << "/p/sunset." << false << "sunset"
                                  << "";
    QTest::newRow("folder only") << "/p/" << false << ""
                                 << "";
    QTest::newRow("empty") << "" << false << ""
                           << "";
}

void TestPathOperations::parts()
{
    QFETCH(QString, path);
    QFETCH(bool, windows);
    QFETCH(QString, baseName);
    QFETCH(QString, extension);

    const PathStyle style = windows ? PathStyle::Windows : PathStyle::Posix;
    QCOMPARE(GetFileBaseName(path, style), baseName);
    QCOMPARE(GetFileExtension(path, style), extension);
}

QTEST_GUILESS_MAIN(TestPathOperations)
#include "test_pathoperations.moc"
