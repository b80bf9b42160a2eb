#pragma once

#include "core/mod_ColorConversion.h"

#include <QImage>
#include <QMdiArea>

// The main window's document area: palette and preview windows live here,
// over a background of the user's chosen colour with the product logo on it.
class DocumentArea : public QMdiArea {
    Q_OBJECT

public:
    explicit DocumentArea(QWidget *parent = nullptr);

    ColorValue backgroundColor() const { return m_backgroundColor; }
    void setBackgroundColor(ColorValue color);

    // Window menu arrangements. Vertical tiling puts the windows side by
    // side, horizontal tiling one above the other; minimised windows are
    // left to arrangeIcons(), which lines them up along the bottom edge.
    void tileVertically();
    void tileHorizontally();
    void arrangeIcons();

    // Moves a new window to the first free step of a cascade from the top
    // left corner, one title bar down and right per step, so that it hides no
    // other window's title bar. When the steps run out of room, the cascade
    // starts again at the top.
    void placeCascaded(QMdiSubWindow *window);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QList<QMdiSubWindow *> normalWindows() const;
    void tile(Qt::Orientation orientation);

    ColorValue m_backgroundColor = kWhite;
    // The logo as last drawn, redrawn when its side, background or scale change.
    QImage m_logo;
    int m_logoSide = 0;
    ColorValue m_logoBackground = kWhite;
};

// The product logo shown in the middle of the document area: a colour wheel
// over the product name, in a tone that stays visible over the background.

// The wheel's side in logical pixels for an area of `area`: 40 % of its
// shorter edge, at most 160; 0 when the area is too small to show a logo.
int productLogoSide(const QSize &area);

// The logo for a wheel of `side`, over `background`, as an image of that
// device pixel ratio (transparent around the drawing). Safe on any thread.
QImage renderProductLogo(int side, ColorValue background, qreal devicePixelRatio);

// Draws the logo ahead of need (start-up does it on its worker thread); the
// first document area that shows a logo of the same side, background and
// ratio takes it instead of drawing one.
void prerenderProductLogo(int side, ColorValue background, qreal devicePixelRatio);
