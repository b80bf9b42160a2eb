#pragma once

#include "core/mod_ColorConversion.h"

#include <QWidget>

class QCheckBox;
class QLabel;
class QTableWidget;
class QTimer;

// The live readout of the screen pixel under the pointer: a check box that
// shows or hides it, a six-row grid of colour-model texts and a swatch. A
// 64 ms timer samples the pixel through the platform services; unchanged
// samples are skipped, so the grid is rewritten only when the colour changes.
class ColorInfoPanel : public QWidget {
    Q_OBJECT

public:
    static constexpr int kSampleIntervalMs = 64;

    explicit ColorInfoPanel(QWidget *parent = nullptr);

    // The last colour shown; -1 before the first sample.
    ColorValue HoverColor() const { return m_hoverColor; }

    // Refreshes the grid; negative values and the colour already shown are
    // ignored. Returns whether the grid was rewritten.
    bool UpdateColorInfo(ColorValue color);

    bool ShowColorInfo() const { return m_showColorInfo; }
    // Shows or hides the grid and swatch and ticks the box; does not store.
    void setShowColorInfo(bool show);

    // The screen picker stops sampling while it is open.
    void setSamplingEnabled(bool enabled);
    bool isSamplingEnabled() const;

    QString valueText(int row) const;

signals:
    // The user toggled the box; the main window stores the choice.
    void showColorInfoToggled(bool show);

private:
    void sample();

    QCheckBox *m_chkColorInfo;
    QTableWidget *m_flxColorInfo;
    QLabel *m_lblSelColor;
    QTimer *m_tmrUpdtColorInfo;
    ColorValue m_hoverColor = -1;
    bool m_showColorInfo = true;
};
