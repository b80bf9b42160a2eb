#pragma once

#include "core/mod_ColorConversion.h"

#include <QString>
#include <array>

// The colour designer: three sliders in one of three colour models make one
// colour. RGB sliders are components 0..255; HSV sliders are the hue in
// degrees 0..359 and saturation and brightness in percent; CMY sliders are
// inks in percent.
class ColorDesignerModel {
public:
    enum class Model { RGB, HSV, CMY };

    // How the three sliders of a model are set up.
    struct SliderSetup {
        int minimum;
        int maximum;
        int tickFrequency;
        int smallChange;
        int largeChange;
    };
    struct ModelSetup {
        std::array<const char *, 3> labels;
        std::array<SliderSetup, 3> sliders;
    };
    static const ModelSetup &setup(Model model);

    using Values = std::array<int, 3>;

    Model model() const { return m_model; }
    // Switches the model and sets the sliders to `color` in it.
    void chooseModel(Model model, ColorValue color);

    // Slider k (1..3), clamped to its range in the current model.
    int value(int k) const { return m_values.at(k - 1); }
    void setValue(int k, int value);
    const Values &values() const { return m_values; }
    // Sets all three sliders to `color` in the current model (SyncDesigner).
    void setColor(ColorValue color) { m_values = valuesFor(m_model, color); }

    // The colour the sliders make in the current model.
    ColorValue color() const;

    // Slider values describing `color` in `model`, rounded half to even and
    // clamped to the sliders' ranges (a hue that rounds to 360 gives 359).
    static Values valuesFor(Model model, ColorValue color);
    // What a typed value box means: the number at the start of the text,
    // rounded half to even; 0 when the text does not start with one. Far
    // out-of-range numbers saturate rather than wrap.
    static int typedValue(const QString &text);

private:
    Model m_model = Model::RGB;
    Values m_values {};
};
