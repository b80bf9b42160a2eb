#include "palette/PaletteFile.h"
#include "palette/PaletteModel.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

namespace {

constexpr ColorValue kRed = 0x0000FF;
constexpr ColorValue kBlue = 0xFF0000;

QByteArray slotBytes(std::initializer_list<qint32> values)
{
    QByteArray bytes;
    for (const qint32 value : values) {
        for (int shift = 0; shift < 32; shift += 8)
            bytes.append(char((quint32(value) >> shift) & 0xFF));
    }
    return bytes;
}

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

} // namespace

class TestPaletteFile : public QObject {
    Q_OBJECT

private slots:
    void init();

    void encode();
    void decode_data();
    void decode();

    void saveWritesStoredColours();
    void saveKeepsBytesBeyondThePalette();
    void failedSaveChangesNothing();
    void loadFillsCellsOnePerUndoStep();
    void openAndSaveKeepEveryByte();
    void loadRefuses_data();
    void loadRefuses();

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    QString path(const QString &name) const { return m_dir->filePath(name); }
};

void TestPaletteFile::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
}

void TestPaletteFile::encode()
{
    PaletteColors colors;
    colors.fill(kEmptyCell);
    QCOMPARE(PaletteFile::encode(colors), QByteArray(64, char(0xFF)));
    colors[0] = kRed;
    colors[15] = kBlue;
    const QByteArray expected = QByteArray::fromHex("FF000000") + QByteArray(56, char(0xFF))
        + QByteArray::fromHex("0000FF00");
    QCOMPARE(PaletteFile::encode(colors), expected);
}

void TestPaletteFile::decode_data()
{
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<QList<int>>("present"); // slots that give a colour
    QTest::addColumn<ColorValue>("first"); // slot 0, when present

    QTest::newRow("bytes beyond 64 ignored")
        << QByteArray(60, char(0xFF)) + slotBytes({ kRed, kBlue }) << QList<int> { 15 } << 0;
    QTest::newRow("short: whole slots only")
        << slotBytes({ kRed, kBlue }) + QByteArray(3, 0) << QList<int> { 0, 1 } << kRed;
    QTest::newRow("negative slots stay empty")
        << slotBytes({ -1, -2, kBlue, INT32_MIN }) << QList<int> { 2 } << 0;
    QTest::newRow("above 0xFFFFFF is kept as it is")
        << slotBytes({ 0x1000000, kWhite, INT32_MAX }) << QList<int> { 0, 1, 2 } << 0x1000000;
}

void TestPaletteFile::decode()
{
    QFETCH(QByteArray, data);
    QFETCH(QList<int>, present);
    QFETCH(ColorValue, first);

    const auto values = PaletteFile::decode(data);
    for (int slot = 0; slot < kPaletteCells; ++slot)
        QCOMPARE(values[slot].has_value(), present.contains(slot));
    if (values[0])
        QCOMPARE(*values[0], first);
}

void TestPaletteFile::saveWritesStoredColours()
{
    PaletteModel model;
    model.SetCellColorRC(0, 0, kRed);
    model.SetCellColorRC(3, 3, kBlue);
    const QString file = path(QStringLiteral("sunset.twp"));

    const auto result = model.Save(file);

    QVERIFY2(result.ok, qPrintable(result.error));
    QCOMPARE(readAll(file), PaletteFile::encode(model.colors()));
    QCOMPARE(model.caption(), QStringLiteral("sunset.twp"));
    QVERIFY(!model.Dirty());

    PaletteModel reopened;
    reopened.setFileName(file);
    QVERIFY(reopened.Load().ok);
    QCOMPARE(reopened.colors(), model.colors());
}

void TestPaletteFile::saveKeepsBytesBeyondThePalette()
{
    const QString file = path(QStringLiteral("long.twp"));
    const QByteArray tail = QByteArrayLiteral("kept beyond the palette");
    writeFile(file, QByteArray(64, 'a') + tail);

    PaletteModel model;
    model.SetCellColorRC(1, 0, kRed);
    QVERIFY(model.Save(file).ok);

    QCOMPARE(readAll(file), PaletteFile::encode(model.colors()) + tail);
}

void TestPaletteFile::failedSaveChangesNothing()
{
    QVERIFY(QDir(m_dir->path()).mkdir(QStringLiteral("folder.twp")));
    PaletteModel model;
    model.setFileName(path(QStringLiteral("old.twp")));
    model.SetCellColorRC(1, 0, kRed);

    const auto result = model.Save(path(QStringLiteral("folder.twp")));

    QVERIFY(!result.ok);
    QVERIFY(!result.error.isEmpty());
    QCOMPARE(model.FileName(), path(QStringLiteral("old.twp")));
    QCOMPARE(model.caption(), PaletteModel::defaultCaption());
    QVERIFY(model.Dirty());
}

void TestPaletteFile::loadFillsCellsOnePerUndoStep()
{
    const QString file = path(QStringLiteral("five.twp"));
    writeFile(file, slotBytes({ 1, -1, 2, -2, 3, 4, -1, -1, -1, -1, -1, 5, -1, -1, -1, -1 }));
    PaletteModel model;
    model.setFileName(file);

    const auto result = model.Load();

    QVERIFY2(result.ok, qPrintable(result.error));
    QCOMPARE(model.GetColor(0, 0), 1);
    QCOMPARE(model.GetColor(0, 3), kEmptyCell);
    QCOMPARE(model.GetColor(2, 3), 5);
    QVERIFY(!model.Dirty());
    QCOMPARE(model.caption(), QStringLiteral("five.twp"));
    QCOMPARE(model.currentCell(), (cCell { 3, 3 }));
    QCOMPARE(model.undoEntryCount(), 5u * 16);
    for (int i = 0; i < 5; ++i)
        QVERIFY(model.RollBack());
    QCOMPARE(model.colors(), PaletteModel().colors());
}

void TestPaletteFile::openAndSaveKeepEveryByte()
{
    const QString file = path(QStringLiteral("foreign.twp"));
    const QByteArray bytes = slotBytes({ 0x1000000, INT32_MAX, kRed }) + QByteArray(52, char(0xFF));
    writeFile(file, bytes);
    PaletteModel model;
    model.setFileName(file);
    QVERIFY(model.Load().ok);
    // Such a value shows as its low 24 bits.
    QCOMPARE(model.shownColor(0, 0), kBlack);
    QCOMPARE(model.shownColor(0, 1), kWhite);

    QVERIFY(model.Save(file).ok);
    QCOMPARE(readAll(file), bytes);
}

void TestPaletteFile::loadRefuses_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("error");
    QTest::newRow("folder") << "folder.twp"
                            << "Is a directory";
#ifdef Q_OS_UNIX
    // Reading either would block or never end.
    QTest::newRow("fifo") << "fifo.twp"
                          << "Not a regular file";
#endif
}

void TestPaletteFile::loadRefuses()
{
    QFETCH(QString, name);
    QFETCH(QString, error);
    QVERIFY(QDir(m_dir->path()).mkdir(QStringLiteral("folder.twp")));
#ifdef Q_OS_UNIX
    QCOMPARE(::mkfifo(QFile::encodeName(path(QStringLiteral("fifo.twp"))).constData(), 0600), 0);
#endif
    PaletteModel model;
    model.setFileName(path(name));

    const auto result = model.Load();

    QVERIFY(!result.ok);
    QCOMPARE(result.error, error);
    QCOMPARE(model.caption(), PaletteModel::defaultCaption());
    QCOMPARE(model.undoEntryCount(), 0u);
}

QTEST_GUILESS_MAIN(TestPaletteFile)
#include "test_palettefile.moc"
