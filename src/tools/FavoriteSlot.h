#pragma once

#include "widgets/ColorSwatch.h"

// The colour a favourite slot has before anything is put into it: the
// system-colour code of a control's face colour (negative as a ColorValue).
// It is stored and restored like any other value and shown as the window's
// background colour.
inline constexpr ColorValue kControlFaceColor = ColorValue(0x8000000Fu);

// One favourite colour slot: a swatch that takes colours dropped on it by
// the shared drop rule and reports the right button going up over it.
class FavoriteSlot : public ColorSwatch {
    Q_OBJECT

public:
    explicit FavoriteSlot(QWidget *parent = nullptr);

    QColor shownColor() const override;

signals:
    void rightReleased(const QPoint &globalPos);

protected:
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dragMoveEvent(QDragMoveEvent *event) override;
    void dropEvent(QDropEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
};
