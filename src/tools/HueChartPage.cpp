#include "tools/HueChartPage.h"

#include "app/Twips.h"
#include "tools/HueChart.h"
#include "tools/SurfaceGestures.h"
#include "tools/ToolHost.h"
#include "tools/ToolPageActions.h"
#include "widgets/ColorAccessible.h"

#include <QMouseEvent>

namespace {
constexpr int PointerTwips = 90;
}

HueChartPage::HueChartPage(ToolHost *host, QWidget *parent)
    : PickSurface(parent), m_host(host), m_backgroundGestures(new SurfaceGestures(this))
{
    setObjectName(QStringLiteral("HueChartPage"));
    setAccessibleName(QStringLiteral("Colour spectrum"));
    ColorAccessible::setColor(this, -1);
    setPointerDiameter(twipsToPixels(PointerTwips, this));
    setImage(&m_picture);
    connect(this, &PickSurface::aboutToPaint, this, &HueChartPage::generateIfStale);
    connectGestures(gestures());
    connectGestures(m_backgroundGestures);
}

void HueChartPage::connectGestures(SurfaceGestures *gestures)
{
    connect(gestures, &SurfaceGestures::clicked, this, &HueChartPage::PlaceSpectrumPointer);
    connect(gestures, &SurfaceGestures::doubleClicked, this, [this] {
        if (const ColorValue hover = m_host->HoverColor(); hover >= 0)
            ToolPageActions::makeWorkingColor(hover);
    });
    connect(gestures, &SurfaceGestures::rightPressed, this, [this](QPoint point, QPoint globalPos) {
        if (const ColorValue pixel = HueChart::pixel(point); pixel >= 0)
            ToolPageActions::showContextMenu(m_host, pixel, globalPos);
    });
    connect(gestures, &SurfaceGestures::dragRequested, this, [this](QPoint point) {
        if (const ColorValue pixel = HueChart::pixel(point); pixel >= 0)
            ToolPageActions::startDrag(this, pixel);
    });
}

void HueChartPage::answerBareBackground(QWidget *page)
{
    page->installEventFilter(this);
}

bool HueChartPage::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove: {
        auto *page = static_cast<QWidget *>(watched);
        auto *mouse = static_cast<QMouseEvent *>(event);
        const QPoint point = mouse->position().toPoint();
        // Events a control passed on to its page are not the background's.
        if (!page->childAt(point))
            m_backgroundGestures->mouseEvent(mouse, point);
        break;
    }
    default:
        break;
    }
    return PickSurface::eventFilter(watched, event);
}

void HueChartPage::PlaceSpectrumPointer(QPoint point)
{
    SurfacePointer pointer = this->pointer();
    const ColorValue pixel = HueChart::pixel(point);
    if (!pointer.placeAt(point, pixel))
        return;
    setPointer(pointer);
    ColorAccessible::setColor(this, pixel);
}

// The picture follows the pixel density of the screen the page is on.
void HueChartPage::generateIfStale()
{
    if (m_picture.isNull() || m_picture.devicePixelRatio() != devicePixelRatioF())
        m_picture = HueChart::generate(devicePixelRatioF());
}
