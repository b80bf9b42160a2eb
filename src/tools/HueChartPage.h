#pragma once

#include "tools/PickSurface.h"

#include <QImage>

class ToolHost;

// The "Color &Spectrum" page: the spectrum picture at the top left of the
// page. A click moves the pointer there; a double-click makes the colour
// last sampled under the pointer the working colour; the context menu and
// drags carry the picture's own pixel at the point. The bare background of
// the other selector pages answers the same way, with this page's picture
// and pointer.
class HueChartPage : public PickSurface {
    Q_OBJECT

public:
    explicit HueChartPage(ToolHost *host, QWidget *parent = nullptr);

    // Makes the bare background of `page` (outside its controls) answer
    // like this page.
    void answerBareBackground(QWidget *page);

    // Centres the pointer on a picture pixel; a point outside the picture
    // leaves it where it was.
    void PlaceSpectrumPointer(QPoint point);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void connectGestures(SurfaceGestures *gestures);
    void generateIfStale();

    ToolHost *m_host;
    QImage m_picture;
    SurfaceGestures *m_backgroundGestures;
};
