#pragma once

#include "app/PlatformServices.h"

#include <QWidget>

// A frameless window over one whole screen showing that screen's frozen
// picture, one image pixel on each device pixel. It turns the user's input
// into signals for the picker, which decides what they mean.
class PickerScreenCover : public QWidget {
    Q_OBJECT

public:
    PickerScreenCover(
        const PlatformServices::ScreenShot &shot, int screenIndex, QWidget *parent = nullptr);

    int screenIndex() const { return m_screenIndex; }
    // Covers the screen: full screen on the screen the shot came from.
    void cover();

signals:
    // Positions are logical pixels from the screen's top left.
    void pointerMoved(PickerScreenCover *cover, const QPointF &localPos);
    void buttonPressed(PickerScreenCover *cover, const QPointF &localPos, Qt::MouseButton button,
        const QPoint &globalPos);
    void keyPressed(int key);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    bool focusNextPrevChild(bool next) override;

private:
    PlatformServices::ScreenShot m_shot;
    int m_screenIndex;
};
