#pragma once

#include <QProxyStyle>

// The application's style: the platform's own, with the program's vector
// icons where the style would load bitmaps. The "more" buttons of the menu
// bar and tool bars are created with every bar; their stock icons are small
// PNG files whose decoding (image format plugins included) would otherwise
// run while the main window is first built, and stay blurry on HiDPI.
class TintwrightStyle : public QProxyStyle {
    Q_OBJECT

public:
    // Over the style named `baseKey` (a QStyleFactory key): pass the name of
    // the style in force, so that the user's choice (-style, QT_STYLE_OVERRIDE,
    // the desktop's preference) stays.
    explicit TintwrightStyle(const QString &baseKey);

    QIcon standardIcon(StandardPixmap standardIcon, const QStyleOption *option = nullptr,
        const QWidget *widget = nullptr) const override;
};
