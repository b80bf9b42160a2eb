#include "tools/ColorDesignerModel.h"

#include <QRegularExpression>

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

const ColorDesignerModel::ModelSetup RGBSetup = { { "R", "G", "B" },
    { { { 0, 255, 16, 1, 16 }, { 0, 255, 16, 1, 16 }, { 0, 255, 16, 1, 16 } } } };
const ColorDesignerModel::ModelSetup HSVSetup = { { "H", "S", "V" },
    { { { 0, 359, 10, 1, 15 }, { 0, 100, 10, 1, 15 }, { 0, 100, 10, 1, 15 } } } };
const ColorDesignerModel::ModelSetup CMYSetup = { { "C", "M", "Y" },
    { { { 0, 100, 10, 1, 10 }, { 0, 100, 10, 1, 10 }, { 0, 100, 10, 1, 10 } } } };

int roundScaled(float fraction, double scale)
{
    return int(std::nearbyint(double(fraction) * scale));
}

} // namespace

const ColorDesignerModel::ModelSetup &ColorDesignerModel::setup(Model model)
{
    switch (model) {
    case Model::HSV:
        return HSVSetup;
    case Model::CMY:
        return CMYSetup;
    case Model::RGB:
        break;
    }
    return RGBSetup;
}

void ColorDesignerModel::chooseModel(Model model, ColorValue color)
{
    m_model = model;
    m_values = valuesFor(model, color);
}

void ColorDesignerModel::setValue(int k, int value)
{
    const SliderSetup &range = setup(m_model).sliders.at(k - 1);
    m_values.at(k - 1) = std::clamp(value, range.minimum, range.maximum);
}

ColorValue ColorDesignerModel::color() const
{
    const auto [v1, v2, v3] = m_values;
    switch (m_model) {
    case Model::HSV:
        // Saturation and brightness go in as fractions, so that 1 % means
        // 1 % and not the whole (the conversion reads a 1 as a fraction).
        return HSVToColor({ float(v1), float(v2 / 100.0), float(v3 / 100.0) });
    case Model::CMY: {
        const RGBColor rgb = CMYToRGB(float(v1 / 100.0), float(v2 / 100.0), float(v3 / 100.0));
        return MakeColorValue(rgb.R, rgb.G, rgb.B);
    }
    case Model::RGB:
        break;
    }
    return MakeColorValue(v1, v2, v3);
}

ColorDesignerModel::Values ColorDesignerModel::valuesFor(Model model, ColorValue color)
{
    const RGBColor rgb = ColorToRGB(color);
    Values values {};
    switch (model) {
    case Model::RGB:
        values = { rgb.R, rgb.G, rgb.B };
        break;
    case Model::HSV: {
        const HSVColor hsv = ColorToHSV(color);
        values = { roundScaled(hsv.H, 360), roundScaled(hsv.S, 100), roundScaled(hsv.V, 100) };
        break;
    }
    case Model::CMY: {
        const CMYColor cmy = RGBToCMY(rgb.R, rgb.G, rgb.B);
        values = { roundScaled(cmy.C, 100), roundScaled(cmy.M, 100), roundScaled(cmy.Y, 100) };
        break;
    }
    }
    const ModelSetup &ranges = setup(model);
    for (int k = 0; k < 3; ++k)
        values[k] = std::clamp(values[k], ranges.sliders[k].minimum, ranges.sliders[k].maximum);
    return values;
}

int ColorDesignerModel::typedValue(const QString &text)
{
    static const QRegularExpression number(QStringLiteral("^\\s*[-+]?(\\d+\\.?\\d*|\\.\\d+)"));
    const QRegularExpressionMatch match = number.match(text);
    if (!match.hasMatch())
        return 0;
    constexpr double lowest = std::numeric_limits<int>::min();
    constexpr double highest = std::numeric_limits<int>::max();
    const double value = match.captured(0).trimmed().toDouble();
    return int(std::nearbyint(std::clamp(value, lowest, highest)));
}
