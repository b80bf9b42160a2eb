#pragma once

#include "core/mod_ColorConversion.h"
#include "previews/FillHistory.h"

#include <QImage>
#include <QObject>
#include <QPointF>

// The vector image preview's data: a picture coloured by flood fills, the
// history of the fills and the zoom at which the canvas shows the picture.
class VectorImageModel : public QObject {
    Q_OBJECT

public:
    static constexpr double kMinZoom = 1.0;
    static constexpr double kMaxZoom = 10.0;
    static constexpr double kZoomStep = 0.5;

    // Starts with the built-in drawing.
    explicit VectorImageModel(QObject *parent = nullptr);

    // The built-in drawing: 187 x 277, black outlines on white.
    static QImage sample();

    // The picture as shown (Format_RGB32).
    const QImage &picture() const { return m_picture; }
    // Makes `picture` the opening picture (slot 0) and empties the history.
    void setOpeningPicture(const QImage &picture);

    double zoom() const { return m_zoom; }
    // Clamped to 1..10 and kept on the 0.5 steps; anything unreadable is 1.
    void setZoom(double zoom);
    void zoomIn() { setZoom(m_zoom + kZoomStep); }
    void zoomOut() { setZoom(m_zoom - kZoomStep); }
    // The picture's size times the zoom, in canvas pixels.
    QSize canvasSize() const;

    // The picture point a canvas point stands for: each coordinate divided
    // by the zoom and rounded half to even.
    static QPoint picturePoint(QPointF canvasPoint, double zoom);
    // The colour of the picture pixel under a canvas point (white outside).
    ColorValue colorAt(QPointF canvasPoint) const;

    // A colour dropped at a canvas point: fills the surface around the
    // picture point and stores the result as one step of the history, also
    // when nothing changed (a point outside, a region of that colour).
    void dropAt(QPointF canvasPoint, ColorValue color);
    void fillAt(QPoint picturePoint, ColorValue color);

    // One step back or forward through the history (nothing beyond its
    // ends), and the opening picture without moving the current slot.
    void Undo();
    void Redo();
    void Reset();

    int currentSlot() const { return m_history.current(); }
    int lastSlot() const { return m_history.last(); }
    size_t historyBytes() const { return m_history.bytes(); }

signals:
    void pictureChanged();

private:
    QImage m_picture;
    FillHistory m_history;
    double m_zoom = kMinZoom;
};
