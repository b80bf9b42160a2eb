#pragma once

#include "core/mod_ColorConversion.h"

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

signals:
    void backgroundColorChanged(ColorValue color);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QList<QMdiSubWindow *> normalWindows() const;
    void tile(Qt::Orientation orientation);

    ColorValue m_backgroundColor = kWhite;
};

// Draws the product logo (a colour wheel and the product name) centred in
// `area`, in a tone that stays visible over `background`.
void drawProductLogo(QPainter &painter, const QRectF &area, ColorValue background);
