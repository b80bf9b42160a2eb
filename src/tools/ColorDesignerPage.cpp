#include "tools/ColorDesignerPage.h"

#include "core/ProcessState.h"
#include "tools/ToolHost.h"
#include "tools/ToolPageActions.h"
#include "tools/TwipsRect.h"
#include "widgets/ColorSwatch.h"

#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSlider>

namespace {

// Positions on the page in twips.
const QRect SwatchRect(120, 135, 990, 840);
constexpr int OptionLeft = 1275;
constexpr std::array<int, 3> OptionTops = { 113, 443, 780 };
const QSize OptionSize(645, 195);
constexpr int SliderLeft = 1930;
constexpr std::array<int, 3> RowTops = { 60, 390, 727 };
constexpr std::array<int, 3> SliderTops = { 60, 390, 720 };
const QSize SliderSize(5295, 300);
constexpr int LabelLeft = 7290;
constexpr int LabelDrop = 60; // below the row's top
const QSize LabelSize(120, 195);
constexpr int ValueBoxLeft = 7485;
const QSize ValueBoxSize(540, 300);

constexpr std::array<const char *, 3> OptionCaptions = { "RGB", "HSV", "CMY" };
constexpr std::array<const char *, 3> OptionNames = { "optCCRGB", "optCCHSV", "optCCCMY" };
// What each slider stands for, for assistive technology; by model.
constexpr std::array<std::array<const char *, 3>, 3> ComponentNames = { {
    { "Red", "Green", "Blue" },
    { "Hue", "Saturation", "Brightness" },
    { "Cyan", "Magenta", "Yellow" },
} };

// A box the height of its contents, centred on its twips box's middle, so
// that captions are never clipped at any font size.
QRect centredOn(const QRect &box, int height)
{
    QRect rect = box;
    rect.setHeight(std::max(box.height(), height));
    rect.moveCenter(box.center());
    return rect;
}

} // namespace

ColorDesignerPage::ColorDesignerPage(ToolHost *host, QWidget *parent)
    : QWidget(parent), m_host(host), m_pctSelColor(new ColorSwatch(this, kBlack))
{
    setObjectName(QStringLiteral("ColorDesignerPage"));
    buildControls();
    placeControls();
    connectControls();
    m_options[int(Model::RGB)]->setChecked(true);
}

void ColorDesignerPage::buildControls()
{
    m_pctSelColor->setObjectName(QStringLiteral("pctSelColor"));
    m_pctSelColor->setAccessibleName(QStringLiteral("Designed colour"));
    m_pctSelColor->setCursor(Qt::OpenHandCursor);
    QFont smallFont = font();
    smallFont.setPointSizeF(std::min(smallFont.pointSizeF(), 8.0));
    for (int m = 0; m < 3; ++m) {
        auto *option = new QRadioButton(QString::fromLatin1(OptionCaptions[m]), this);
        option->setObjectName(QString::fromLatin1(OptionNames[m]));
        option->setAccessibleName(
            QString::fromLatin1(OptionCaptions[m]) + QStringLiteral(" model"));
        option->setFont(smallFont);
        m_options[m] = option;
    }
    for (int k = 1; k <= 3; ++k) {
        auto *slider = new QSlider(Qt::Horizontal, this);
        slider->setObjectName(QStringLiteral("sldCC%1").arg(k));
        slider->setTickPosition(QSlider::TicksBelow);
        m_sldCC[k - 1] = slider;

        auto *label = new QLabel(this);
        label->setObjectName(QStringLiteral("lblCCV%1").arg(k));
        label->setFont(smallFont);
        label->setAlignment(Qt::AlignCenter);
        m_lblCCV[k - 1] = label;

        auto *value = new QLineEdit(this);
        value->setObjectName(QStringLiteral("txtCCV%1").arg(k));
        value->setAlignment(Qt::AlignCenter);
        value->setFont(smallFont);
        value->setTextMargins(0, 0, 0, 0);
        m_txtCCV[k - 1] = value;
    }
}

void ColorDesignerPage::placeControls()
{
    m_pctSelColor->setGeometry(twipsRectToPixels(SwatchRect, this));
    // The sliders start clear of the options' captions, and end where the
    // twips say.
    int optionRight = 0;
    for (const QRadioButton *option : m_options)
        optionRight = std::max(optionRight, option->sizeHint().width());
    optionRight += twipsToPixels(OptionLeft, this);
    for (int k = 0; k < 3; ++k) {
        const QRect option
            = twipsRectToPixels(QRect(QPoint(OptionLeft, OptionTops[k]), OptionSize), this);
        m_options[k]->setGeometry(centredOn(option, m_options[k]->sizeHint().height()));
        QRect slider
            = twipsRectToPixels(QRect(QPoint(SliderLeft, SliderTops[k]), SliderSize), this);
        slider.setLeft(std::max(slider.left(), optionRight + 4));
        m_sldCC[k]->setGeometry(slider);
        const QRect label
            = twipsRectToPixels(QRect(QPoint(LabelLeft, RowTops[k] + LabelDrop), LabelSize), this);
        m_lblCCV[k]->setGeometry(centredOn(label, m_lblCCV[k]->fontMetrics().height()));
        m_txtCCV[k]->setGeometry(
            twipsRectToPixels(QRect(QPoint(ValueBoxLeft, RowTops[k]), ValueBoxSize), this));
    }
}

void ColorDesignerPage::connectControls()
{
    for (int m = 0; m < 3; ++m) {
        connect(m_options[m], &QRadioButton::toggled, this, [this, m](bool on) {
            if (on)
                chooseModel(Model(m));
        });
    }
    for (int k = 1; k <= 3; ++k) {
        // With tracking on, a drag of the thumb changes the value as it goes:
        // the scroll and change steps are one.
        connect(m_sldCC[k - 1], &QSlider::valueChanged, this, [this, k] { sldCC_Change(k); });
        connect(m_txtCCV[k - 1], &QLineEdit::textChanged, this, [this, k] { txtCCV_Change(k); });
        // Leaving a box shows its slider's value, whatever was typed.
        connect(m_txtCCV[k - 1], &QLineEdit::editingFinished, this,
            [this, k] { m_txtCCV[k - 1]->setText(QString::number(m_model.value(k))); });
    }
    connect(m_pctSelColor, &ColorSwatch::doubleClicked, this,
        [this] { ToolPageActions::makeWorkingColor(m_pctSelColor->color()); });
    connect(m_pctSelColor, &ColorSwatch::pressed, this,
        [this](Qt::MouseButton button, const QPoint &globalPos) {
            if (button == Qt::RightButton)
                ToolPageActions::showContextMenu(m_host, m_pctSelColor->color(), globalPos);
        });
}

void ColorDesignerPage::ConfigureSlider(
    QSlider *slider, const ColorDesignerModel::SliderSetup &setup)
{
    const QSignalBlocker blocker(slider);
    slider->setRange(setup.minimum, setup.maximum);
    slider->setTickInterval(setup.tickFrequency);
    slider->setSingleStep(setup.smallChange);
    slider->setPageStep(setup.largeChange);
}

void ColorDesignerPage::chooseModel(Model model)
{
    const ColorDesignerModel::ModelSetup &setup = ColorDesignerModel::setup(model);
    for (int k = 0; k < 3; ++k) {
        ConfigureSlider(m_sldCC[k], setup.sliders[k]);
        m_lblCCV[k]->setText(QString::fromLatin1(setup.labels[k]));
        const QString name = QString::fromLatin1(ComponentNames[int(model)][k]);
        m_sldCC[k]->setAccessibleName(name);
        m_txtCCV[k]->setAccessibleName(name + QStringLiteral(" value"));
    }
    m_model.chooseModel(model, m_pctSelColor->color());
    setSliders(m_model.values());
    showValues();
    if (model != Model::HSV)
        m_pctSelColor->setColor(m_model.color());
}

void ColorDesignerPage::SyncDesigner()
{
    m_model.setColor(ProcessState::ActiveColor);
    setSliders(m_model.values());
    // Each code-set value counts as a move of its slider; one change step
    // after all three are set ends in the same state.
    showValues();
    m_pctSelColor->setColor(m_model.color());
}

void ColorDesignerPage::setSliders(const ColorDesignerModel::Values &values)
{
    for (int k = 0; k < 3; ++k) {
        const QSignalBlocker blocker(m_sldCC[k]);
        m_sldCC[k]->setValue(values[k]);
    }
}

void ColorDesignerPage::sldCC_Change(int k)
{
    m_model.setValue(k, m_sldCC[k - 1]->value());
    showValues();
    m_pctSelColor->setColor(m_model.color());
}

// Each box shows its slider's value, except that a box the user is typing
// into keeps its text while that already reads as the value (an emptied box
// stays empty rather than turning into "0" under the cursor).
void ColorDesignerPage::showValues()
{
    for (int k = 1; k <= 3; ++k) {
        QLineEdit *box = m_txtCCV[k - 1];
        const int value = m_model.value(k);
        if (box->hasFocus() && ColorDesignerModel::typedValue(box->text()) == value)
            continue;
        const QSignalBlocker blocker(box);
        box->setText(QString::number(value));
    }
}

void ColorDesignerPage::txtCCV_Change(int k)
{
    QLineEdit *box = m_txtCCV[k - 1];
    if (!box->hasFocus())
        return;
    // The slider clamps to its range; a value it already has still shows
    // the clamped number in the box.
    m_sldCC[k - 1]->setValue(ColorDesignerModel::typedValue(box->text()));
    showValues();
}
