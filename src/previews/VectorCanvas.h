#pragma once

#include "core/mod_ColorConversion.h"

#include <QWidget>

class VectorImageModel;

// The vector preview's canvas: the model's picture stretched to the zoomed
// size, pixel for pixel without smoothing, drawn in one pass over the
// exposed part. Colours dropped on it are offered with the canvas point.
class VectorCanvas : public QWidget {
    Q_OBJECT

public:
    explicit VectorCanvas(const VectorImageModel &model, QWidget *parent = nullptr);

    QSize sizeHint() const override;

signals:
    void colorDropped(ColorValue color, const QPointF &canvasPoint);
    void contextMenuRequested(const QPointF &canvasPoint, const QPoint &globalPos);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dragMoveEvent(QDragMoveEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    const VectorImageModel &m_model;
};
