#include "widgets/TintwrightStyle.h"

#include <QApplication>
#include <QMenuBar>
#include <QToolButton>
#include <QtTest>

namespace {

// Whether the icon draws anything at size x size device pixels.
bool drawsSomething(const QIcon &icon, int size)
{
    const QImage image = icon.pixmap(size, size).toImage();
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (qAlpha(image.pixel(x, y)) > 0)
                return true;
        }
    }
    return false;
}

} // namespace

class TestTintwrightStyle : public QObject {
    Q_OBJECT

private slots:
    void keepsTheStyleInForce()
    {
        TintwrightStyle style(QStringLiteral("Windows"));
        QCOMPARE(style.baseStyle()->name().toLower(), QStringLiteral("windows"));
    }

    void moreButtonsAreVectorIcons_data()
    {
        QTest::addColumn<int>("standardPixmap");
        QTest::newRow("horizontal") << int(QStyle::SP_ToolBarHorizontalExtensionButton);
        QTest::newRow("vertical") << int(QStyle::SP_ToolBarVerticalExtensionButton);
    }

    void moreButtonsAreVectorIcons()
    {
        QFETCH(int, standardPixmap);
        TintwrightStyle style(QStringLiteral("Fusion"));
        const QIcon icon = style.standardIcon(QStyle::StandardPixmap(standardPixmap));
        // Drawn at any size asked for, not scaled from a bitmap.
        for (const int size : { 8, 16, 48 }) {
            QCOMPARE(icon.pixmap(size, size).size(), QSize(size, size));
            QVERIFY(drawsSomething(icon, size));
        }
    }

    void otherIconsComeFromTheBaseStyle()
    {
        TintwrightStyle style(QStringLiteral("Fusion"));
        const QImage ours = style.standardIcon(QStyle::SP_TitleBarCloseButton).pixmap(16).toImage();
        const QImage base
            = style.baseStyle()->standardIcon(QStyle::SP_TitleBarCloseButton).pixmap(16).toImage();
        QCOMPARE(ours, base);
    }

    // The menu bar's own "more" button, created with every menu bar, takes
    // the style's icon.
    void menuBarUsesIt()
    {
        auto *style = new TintwrightStyle(QApplication::style()->name());
        QApplication::setStyle(style);
        QMenuBar bar;
        const auto buttons = bar.findChildren<QToolButton *>();
        QVERIFY(!buttons.isEmpty());
        const QImage expected
            = style->standardIcon(QStyle::SP_ToolBarHorizontalExtensionButton).pixmap(16).toImage();
        QCOMPARE(buttons.first()->icon().pixmap(16).toImage(), expected);
    }
};

QTEST_MAIN(TestTintwrightStyle)
#include "test_tintwrightstyle.moc"
