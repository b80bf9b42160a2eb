#include "tools/SpectrumPage.h"

#include "app/Twips.h"
#include "tools/SpectrumImage.h"
#include "tools/SurfaceGestures.h"
#include "tools/ToolHost.h"
#include "tools/ToolPageActions.h"
#include "widgets/ColorAccessible.h"

#include <QMouseEvent>

namespace {
constexpr int PointerTwips = 90;
}

SpectrumPage::SpectrumPage(ToolHost *host, QWidget *parent)
    : PickSurface(parent), m_host(host), m_backgroundGestures(new SurfaceGestures(this))
{
    setObjectName(QStringLiteral("SpectrumPage"));
    setAccessibleName(QStringLiteral("Colour spectrum"));
    ColorAccessible::setColor(this, -1);
    setPointerDiameter(twipsToPixels(PointerTwips, this));
    setImage(&m_picture);
    connect(this, &PickSurface::aboutToPaint, this, &SpectrumPage::generateIfStale);
    connectGestures(gestures());
    connectGestures(m_backgroundGestures);
}

void SpectrumPage::connectGestures(SurfaceGestures *gestures)
{
    connect(gestures, &SurfaceGestures::clicked, this, &SpectrumPage::PlaceSpectrumPointer);
    connect(gestures, &SurfaceGestures::doubleClicked, this, [this] {
        if (const ColorValue hover = m_host->HoverColor(); hover >= 0)
            ToolPageActions::makeWorkingColor(hover);
    });
    connect(gestures, &SurfaceGestures::rightPressed, this, [this](QPoint point, QPoint globalPos) {
        if (const ColorValue pixel = SpectrumImage::pixel(point); pixel >= 0)
            ToolPageActions::showContextMenu(m_host, pixel, globalPos);
    });
    connect(gestures, &SurfaceGestures::dragRequested, this, [this](QPoint point) {
        if (const ColorValue pixel = SpectrumImage::pixel(point); pixel >= 0)
            ToolPageActions::startDrag(this, pixel);
    });
}

void SpectrumPage::answerBareBackground(QWidget *page)
{
    page->installEventFilter(this);
}

bool SpectrumPage::eventFilter(QObject *watched, QEvent *event)
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

void SpectrumPage::PlaceSpectrumPointer(QPoint point)
{
    SurfacePointer pointer = this->pointer();
    const ColorValue pixel = SpectrumImage::pixel(point);
    if (!pointer.placeAt(point, pixel))
        return;
    setPointer(pointer);
    ColorAccessible::setColor(this, pixel);
}

// The picture follows the pixel density of the screen the page is on.
void SpectrumPage::generateIfStale()
{
    if (m_picture.isNull() || m_picture.devicePixelRatio() != devicePixelRatioF())
        m_picture = SpectrumImage::generate(devicePixelRatioF());
}
