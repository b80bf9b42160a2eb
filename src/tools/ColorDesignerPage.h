#pragma once

#include "tools/ColorDesignerModel.h"

#include <QWidget>
#include <array>

class ColorSwatch;
class QLabel;
class QLineEdit;
class QRadioButton;
class QSlider;
class ToolHost;

// The "&Color Designer" page: three sliders in the RGB, HSV or CMY model
// make the colour of a swatch. The swatch can become the working colour (a
// double-click), be dragged, or open the colour context menu; the sliders
// follow the working colour. A value box can be typed into; what it reads
// as, clamped to its slider's range, moves the slider.
class ColorDesignerPage : public QWidget {
    Q_OBJECT

public:
    using Model = ColorDesignerModel::Model;

    explicit ColorDesignerPage(ToolHost *host, QWidget *parent = nullptr);

    // Sets the sliders to the working colour in the current model; the
    // swatch and the value boxes follow.
    void SyncDesigner();
    // A model option chosen: sliders set up for the model and set to the
    // swatch's colour in it. The RGB and CMY swatch is then recomputed from
    // the sliders; the HSV one keeps its exact colour until a slider moves.
    void chooseModel(Model model);

    const ColorDesignerModel &model() const { return m_model; }
    ColorSwatch *swatch() const { return m_pctSelColor; }
    QRadioButton *modelOption(Model model) const { return m_options.at(int(model)); }
    QSlider *slider(int k) const { return m_sldCC.at(k - 1); }
    QLineEdit *valueBox(int k) const { return m_txtCCV.at(k - 1); }

private:
    void buildControls();
    void placeControls();
    void connectControls();
    void ConfigureSlider(QSlider *slider, const ColorDesignerModel::SliderSetup &setup);
    void setSliders(const ColorDesignerModel::Values &values);
    void sldCC_Change(int k);
    void showValues();
    void txtCCV_Change(int k);

    ToolHost *m_host;
    ColorDesignerModel m_model;
    ColorSwatch *m_pctSelColor;
    std::array<QRadioButton *, 3> m_options {};
    std::array<QSlider *, 3> m_sldCC {};
    std::array<QLabel *, 3> m_lblCCV {};
    std::array<QLineEdit *, 3> m_txtCCV {};
};
