#pragma once

#include "tools/SurfacePointer.h"

#include <QWidget>

class QImage;
class SurfaceGestures;

// A widget that shows a picture at its top left corner, with an optional
// pointer circle over it, and reports the colour-surface gestures of its
// whole area (picture and any bare background beside it). The picture is
// owned elsewhere and may be redrawn between paints.
class PickSurface : public QWidget {
    Q_OBJECT

public:
    explicit PickSurface(QWidget *parent = nullptr);

    // Shows `*image` (drawn at its own device pixel ratio); nullptr shows
    // nothing. The image must outlive the surface or be replaced first.
    void setImage(const QImage *image);
    void setPointer(const SurfacePointer &pointer);
    const SurfacePointer &pointer() const { return m_pointer; }
    // Pointer diameter in logical pixels.
    void setPointerDiameter(int diameter);

    SurfaceGestures *gestures() const { return m_gestures; }

signals:
    // Sent before each paint, so a view can bring the picture up to date.
    void aboutToPaint();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;

private:
    QRectF pointerRect(const SurfacePointer &pointer) const;

    const QImage *m_image = nullptr;
    SurfacePointer m_pointer;
    int m_pointerDiameter = 6;
    SurfaceGestures *m_gestures;
};
