#include "tools/RGBSelectorPage.h"

#include "app/Twips.h"
#include "core/ProcessState.h"
#include "tools/PickSurface.h"
#include "tools/SurfaceGestures.h"
#include "tools/ToolHost.h"
#include "tools/ToolPageActions.h"
#include "tools/TwipsRect.h"
#include "widgets/ColorAccessible.h"

#include <QLineEdit>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSlider>

namespace {

// Positions on the page in twips.
const QRect PlaneRect(30, 30, 3885, 1020);
const QRect StripRect(3930, 30, 300, 1020);
constexpr int OptionLeft = 4290;
constexpr int ValueBoxLeft = 4650;
constexpr int SliderLeft = 5160;
constexpr std::array<int, 3> RowTops = { 30, 398, 765 };
const QSize OptionSize(300, 285);
const QSize ValueBoxSize(465, 285);
const QSize SliderSize(2880, 240);
constexpr int PointerTwips = 90;

constexpr std::array<const char *, 3> AxisCaptions = { "R", "G", "B" };
constexpr std::array<const char *, 3> AxisNames = { "Red", "Green", "Blue" };

} // namespace

RGBSelectorPage::RGBSelectorPage(ToolHost *host, QWidget *parent)
    : QWidget(parent), m_host(host), m_plane(new PickSurface(this)), m_strip(new PickSurface(this))
{
    setObjectName(QStringLiteral("RGBSelectorPage"));
    buildControls();
    placeControls();
    connectControls();
    connectPlaneGestures();
    // The page's first drawing also chooses the axis and takes the sliders
    // from the working colour.
    DrawRGBPlanes();
}

void RGBSelectorPage::buildControls()
{
    m_plane->setObjectName(QStringLiteral("pctRGB_XYPlane"));
    m_plane->setAccessibleName(QStringLiteral("RGB colour plane"));
    m_plane->setImage(&m_model.planeImage());
    m_strip->setObjectName(QStringLiteral("pctRGB_ZPlane"));
    m_strip->setAccessibleName(QStringLiteral("Fixed colour strip"));
    m_strip->setImage(&m_model.stripImage());
    m_strip->setAttribute(Qt::WA_TransparentForMouseEvents);
    m_strip->setCursor(Qt::ArrowCursor);
    ColorAccessible::setColor(m_plane, -1);

    QFont smallFont = font();
    smallFont.setPointSizeF(std::min(smallFont.pointSizeF(), 8.0));
    for (int k = 1; k <= 3; ++k) {
        const QString name = QString::fromLatin1(AxisNames[k - 1]);
        auto *option = new QRadioButton(QString::fromLatin1(AxisCaptions[k - 1]), this);
        option->setObjectName(QStringLiteral("optRGB%1").arg(k));
        option->setAccessibleName(name + QStringLiteral(" axis"));
        option->setFont(smallFont);
        m_optRGB[k - 1] = option;

        auto *value = new QLineEdit(this);
        value->setObjectName(QStringLiteral("txtRGB%1").arg(k));
        value->setAccessibleName(name + QStringLiteral(" value"));
        value->setReadOnly(true);
        value->setAlignment(Qt::AlignCenter);
        value->setFont(smallFont);
        value->setTextMargins(0, 0, 0, 0);
        m_txtRGB[k - 1] = value;

        auto *slider = new QSlider(Qt::Horizontal, this);
        slider->setObjectName(QStringLiteral("sldRGB%1").arg(k));
        slider->setAccessibleName(name);
        slider->setRange(0, RGBSelectorModel::MaxValue);
        m_sldRGB[k - 1] = slider;
    }
}

void RGBSelectorPage::placeControls()
{
    m_plane->setGeometry(twipsRectToPixels(PlaneRect, this));
    m_strip->setGeometry(twipsRectToPixels(StripRect, this));
    m_plane->setPointerDiameter(twipsToPixels(PointerTwips, this));
    m_model.setPlaneSize(m_plane->size());
    m_model.setStripSize(m_strip->size());
    // The options are as wide as their button and letter; where the twips
    // leave less room, the value boxes and sliders move right by the
    // difference and the sliders end where they would.
    int optionWidth = 0;
    for (const QRadioButton *option : m_optRGB)
        optionWidth = std::max(optionWidth, option->sizeHint().width());
    const int optionLeft = twipsToPixels(OptionLeft, this);
    const int shift = std::max(0, optionLeft + optionWidth - twipsToPixels(ValueBoxLeft, this));
    for (int k = 0; k < 3; ++k) {
        const QRect box
            = twipsRectToPixels(QRect(QPoint(ValueBoxLeft, RowTops[k]), ValueBoxSize), this)
                  .translated(shift, 0);
        m_txtRGB[k]->setGeometry(box);
        QRect option = twipsRectToPixels(QRect(QPoint(OptionLeft, RowTops[k]), OptionSize), this);
        option.setWidth(std::max(option.width(), optionWidth));
        m_optRGB[k]->setGeometry(option);
        // Each slider on the middle of its value box's row.
        QRect slider = twipsRectToPixels(QRect(QPoint(SliderLeft, 0), SliderSize), this)
                           .adjusted(shift, 0, 0, 0);
        slider.moveTop(box.center().y() - slider.height() / 2);
        m_sldRGB[k]->setGeometry(slider);
    }
}

void RGBSelectorPage::connectControls()
{
    for (int k = 1; k <= 3; ++k) {
        connect(m_optRGB[k - 1], &QRadioButton::toggled, this, [this, k](bool on) {
            if (on)
                optRGB_Click(k);
        });
        connect(m_sldRGB[k - 1], &QSlider::actionTriggered, this, [this, k] { sldRGB_Scroll(k); });
        connect(m_sldRGB[k - 1], &QSlider::valueChanged, this, [this, k] { sldRGB_Change(k); });
    }
    connect(m_plane, &PickSurface::aboutToPaint, this, &RGBSelectorPage::drawIfStale);
    connect(m_strip, &PickSurface::aboutToPaint, this, &RGBSelectorPage::drawIfStale);
}

void RGBSelectorPage::connectPlaneGestures()
{
    SurfaceGestures *gestures = m_plane->gestures();
    connect(gestures, &SurfaceGestures::clicked, this, &RGBSelectorPage::planeClicked);
    // The other gestures take the colour last sampled under the pointer.
    connect(gestures, &SurfaceGestures::doubleClicked, this, [this] {
        if (const ColorValue hover = m_host->HoverColor(); hover >= 0)
            ToolPageActions::makeWorkingColor(hover);
    });
    connect(gestures, &SurfaceGestures::rightPressed, this, [this](QPoint, QPoint globalPos) {
        if (const ColorValue hover = m_host->HoverColor(); hover >= 0)
            ToolPageActions::showContextMenu(m_host, hover, globalPos);
    });
    connect(gestures, &SurfaceGestures::dragRequested, this, [this] {
        if (const ColorValue hover = m_host->HoverColor(); hover >= 0)
            ToolPageActions::startDrag(m_plane, hover);
    });
}

void RGBSelectorPage::DrawRGBPlanes()
{
    if (m_model.RGBAxis() == RGBSelectorModel::NoAxis)
        SyncRGBSelector();
    if (m_drawPending)
        return;
    m_drawPending = true;
    QMetaObject::invokeMethod(this, &RGBSelectorPage::drawPendingPlanes, Qt::QueuedConnection);
}

void RGBSelectorPage::drawPendingPlanes()
{
    if (!m_drawPending)
        return;
    drawNow();
    m_plane->update();
    m_strip->update();
}

// Before a paint: a pending request, or a move to a screen of another pixel
// density, draws now rather than showing an outdated picture.
void RGBSelectorPage::drawIfStale()
{
    if (m_drawPending || m_model.planeImage().devicePixelRatio() != m_plane->devicePixelRatioF())
        drawNow();
}

void RGBSelectorPage::drawNow()
{
    m_drawPending = false;
    m_model.draw(m_plane->devicePixelRatioF());
    showPointedColor();
}

// The plane reports the colour under its pointer as its accessible value.
void RGBSelectorPage::showPointedColor()
{
    const SurfacePointer &pointer = m_model.pointer();
    ColorAccessible::setColor(m_plane, pointer.visible ? m_model.planePixel(pointer.centre) : -1);
}

void RGBSelectorPage::SyncRGBSelector()
{
    if (m_optRGB[0]->isChecked())
        optRGB_Click(1);
    else
        m_optRGB[0]->setChecked(true);
    const RGBColor rgb = ColorToRGB(ProcessState::ActiveColor);
    const std::array<int, 3> components = { rgb.R, rgb.G, rgb.B };
    for (int k = 1; k <= 3; ++k) {
        const QSignalBlocker blocker(m_sldRGB[k - 1]);
        m_sldRGB[k - 1]->setValue(components[k - 1]);
    }
    for (int k = 1; k <= 3; ++k)
        sldRGB_Change(k);
}

void RGBSelectorPage::optRGB_Click(int k)
{
    if (window()->isVisible())
        m_sldRGB[k - 1]->setFocus();
    m_model.setRGBAxis(k);
    DrawRGBPlanes();
}

// A user move of slider k, before its value changes.
void RGBSelectorPage::sldRGB_Scroll(int k)
{
    m_txtRGB[k - 1]->setText(QString::number(m_sldRGB[k - 1]->sliderPosition()));
    if (k == m_model.RGBAxis())
        return;
    PlacePointerForColor(MakeColorValue(m_sldRGB[0]->sliderPosition(),
        m_sldRGB[1]->sliderPosition(), m_sldRGB[2]->sliderPosition()));
}

void RGBSelectorPage::sldRGB_Change(int k)
{
    m_model.setValue(k, m_sldRGB[k - 1]->value());
    m_txtRGB[k - 1]->setText(QString::number(m_model.value(k)));
    DrawRGBPlanes();
}

void RGBSelectorPage::PlacePointerForColor(ColorValue color)
{
    PlacePlanePointer(m_model.pointForColor(color));
}

void RGBSelectorPage::PlacePlanePointer(QPoint point)
{
    if (!m_model.PlacePlanePointer(point))
        return;
    m_plane->setPointer(m_model.pointer());
    showPointedColor();
}

void RGBSelectorPage::planeClicked(QPoint point)
{
    PlacePlanePointer(point);
    const ColorValue hover = m_host->HoverColor();
    if (hover < 0)
        return;
    const RGBColor rgb = ColorToRGB(hover);
    const std::array<int, 3> components = { rgb.R, rgb.G, rgb.B };
    for (int k : m_model.freeAxes())
        m_sldRGB[k - 1]->setValue(components[k - 1]);
}
