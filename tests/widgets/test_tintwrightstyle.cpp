#include "widgets/TintwrightStyle.h"

#include <QApplication>
#include <QMenuBar>
#include <QToolButton>
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
