#include "mainwindow/DocumentArea.h"
#include "widgets/AppIcons.h"
#include "widgets/QtColors.h"

#include <QApplication>
#include <QtTest>

#include <thread>

namespace {

QImage grabViewport(ColorValue background, const QSize &size)
{
    DocumentArea area;
    area.setBackgroundColor(background);
    area.resize(size);
    area.show();
    return area.viewport()->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

} // namespace

class TestArtwork : public QObject {
    Q_OBJECT

private slots:
    void logoSide_data()
    {
        QTest::addColumn<QSize>("area");
        QTest::addColumn<int>("side");
        QTest::newRow("large area: largest logo") << QSize(900, 700) << 160;
        QTest::newRow("400 x 400") << QSize(400, 400) << 160;
        QTest::newRow("short area") << QSize(600, 150) << 60;
        QTest::newRow("narrow area") << QSize(100, 600) << 40;
        QTest::newRow("too small for a logo") << QSize(59, 400) << 0;
    }

    void logoSide()
    {
        QFETCH(QSize, area);
        QFETCH(int, side);
        QCOMPARE(productLogoSide(area), side);
    }

    // A logo drawn ahead on another thread looks exactly like one the area
    // draws itself, and is drawn centred with its wheel's middle showing the
    // background.
    void prerenderedLogoIsTheSame_data()
    {
        QTest::addColumn<ColorValue>("background");
        QTest::newRow("white") << ColorValue(kWhite);
        QTest::newRow("black") << ColorValue(0);
        QTest::newRow("orange") << ColorValue(0x0080FF);
    }

    void prerenderedLogoIsTheSame()
    {
        QFETCH(ColorValue, background);
        const QSize size(520, 430);
        const QImage drawn = grabViewport(background, size);
        std::thread worker([&] { prerenderProductLogo(160, background, 1.0); });
        worker.join();
        const QImage prerendered = grabViewport(background, size);
        QCOMPARE(prerendered, drawn);

        const QColor paper = toQColor(background);
        const QPoint middle(size.width() / 2, size.height() / 2 - qRound(160 * 0.2));
        QCOMPARE(QColor(drawn.pixel(middle)), paper);
        // The wheel's ring, between its core and its rim, is not the paper.
        QVERIFY(QColor(drawn.pixel(middle + QPoint(0, -60))) != paper);
        QCOMPARE(QColor(drawn.pixel(5, 5)), paper);
    }

    void prerenderedIconsAreTheSame_data()
    {
        QTest::addColumn<int>("mode");
        QTest::newRow("normal") << int(QIcon::Normal);
        QTest::newRow("disabled") << int(QIcon::Disabled);
    }

    void prerenderedIconsAreTheSame()
    {
        QFETCH(int, mode);
        const auto kind = AppIcons::Kind::SavePalette;
        const QImage expected = AppIcons::render(kind, QSize(32, 32), QIcon::Mode(mode));
        std::thread worker([&] { AppIcons::prerender({ kind }, { QSize(32, 32) }, 1.0); });
        worker.join();
        const QIcon icon = AppIcons::icon(kind);
        for (int i = 0; i < 2; ++i) { // the prerendered image, then the cache
            const QImage shown = icon.pixmap(QSize(32, 32), 1.0, QIcon::Mode(mode)).toImage();
            QCOMPARE(shown.convertToFormat(expected.format()), expected);
        }
        QVERIFY(expected
            != AppIcons::render(
                kind, QSize(32, 32), mode == QIcon::Normal ? QIcon::Disabled : QIcon::Normal));
    }
};

QTEST_MAIN(TestArtwork)
#include "test_artwork.moc"
