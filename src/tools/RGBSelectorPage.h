#pragma once

#include "tools/RGBSelectorModel.h"

#include <QWidget>
#include <array>

class PickSurface;
class QLineEdit;
class QRadioButton;
class QSlider;
class ToolHost;

// The "&RGB Selector" page: a colour plane with one axis fixed, the strip of
// that axis beside it, options that choose the axis, and a slider with a
// value box per axis. Clicking the plane moves its pointer and sets the two
// free sliders; a double-click makes the colour under the pointer the
// working colour.
//
// Drawing requests are coalesced: a request marks the pictures out of date
// and posts one drawing to the event loop, and requests made before it runs
// join it. That drawing reads the sliders when it runs, so a burst of
// requests ends in exactly one complete drawing of the newest state; a paint
// that comes first draws it on the spot.
class RGBSelectorPage : public QWidget {
    Q_OBJECT

public:
    explicit RGBSelectorPage(ToolHost *host, QWidget *parent = nullptr);

    // Asks for the plane and strip to be drawn for the current axis and
    // fixed-axis slider. The first request chooses the red axis and sets the
    // sliders from the working colour (SyncRGBSelector).
    void DrawRGBPlanes();
    void SyncRGBSelector();
    // Centres the pointer on a plane pixel (logical pixels of the plane).
    void PlacePlanePointer(QPoint point);
    // Puts the pointer where the colour's free components lie.
    void PlacePointerForColor(ColorValue color);

    bool isDrawPending() const { return m_drawPending; }
    const RGBSelectorModel &model() const { return m_model; }
    PickSurface *plane() const { return m_plane; }
    PickSurface *strip() const { return m_strip; }
    QRadioButton *axisOption(int k) const { return m_optRGB.at(k - 1); }
    QLineEdit *valueBox(int k) const { return m_txtRGB.at(k - 1); }
    QSlider *slider(int k) const { return m_sldRGB.at(k - 1); }

private:
    void buildControls();
    void placeControls();
    void connectControls();
    void connectPlaneGestures();
    void drawPendingPlanes();
    void drawIfStale();
    void drawNow();
    void showPointedColor();
    void optRGB_Click(int k);
    void sldRGB_Scroll(int k);
    void sldRGB_Change(int k);
    void planeClicked(QPoint point);

    ToolHost *m_host;
    RGBSelectorModel m_model;
    PickSurface *m_plane;
    PickSurface *m_strip;
    std::array<QRadioButton *, 3> m_optRGB {};
    std::array<QLineEdit *, 3> m_txtRGB {};
    std::array<QSlider *, 3> m_sldRGB {};
    bool m_drawPending = false;
};
