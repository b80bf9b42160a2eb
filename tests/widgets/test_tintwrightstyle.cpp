#include "widgets/TintwrightStyle.h"

#include <QtTest>

class TestTintwrightStyle : public QObject {
    Q_OBJECT

private slots:
    // Toolbars' and the menu bar's "more" buttons are drawn at any size
    // asked for, not scaled from a bitmap.
    void moreButtonsAreVectorIcons()
    {
        TintwrightStyle style(QStringLiteral("Fusion"));
        for (const auto pixmap : { QStyle::SP_ToolBarHorizontalExtensionButton,
                 QStyle::SP_ToolBarVerticalExtensionButton })
            for (const int size : { 8, 16, 48 }) {
                const QImage image = style.standardIcon(pixmap).pixmap(size, size).toImage();
                QCOMPARE(image.size(), QSize(size, size));
                QImage blank(image.size(), image.format());
                blank.fill(Qt::transparent);
                QVERIFY(image != blank);
            }
    }
};

QTEST_MAIN(TestTintwrightStyle)
#include "test_tintwrightstyle.moc"
