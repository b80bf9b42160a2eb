#pragma once

#include "tools/HarmonyGroup.h"
#include "tools/HarmonyModel.h"

#include <QPoint>
#include <QWidget>
#include <array>

class ColorSwatch;
class QLabel;
class ToolHost;

// The "&Harmonies" page: five labelled groups of swatches derived from the
// working colour (complements, split complements, analogous colours, triads,
// tetrads), stacked in a narrow column. A swatch can become the working
// colour, be dragged, or open the colour context menu with its group's own
// add command, which appends the whole group to the active palette.
class HarmonyPage : public QWidget {
    Q_OBJECT

public:
    explicit HarmonyPage(ToolHost *host, QWidget *parent = nullptr);

    // Recomputes every swatch from ProcessState::ActiveColor. Black and
    // negative colours leave all swatches as they are.
    void regenerate();

    // Appends the group's colours, in ascending swatch order, to the active
    // palette; does nothing when the active child is not a palette.
    void addGroup(HarmonyGroup group);

    ColorSwatch *swatch(HarmonyGroup group, int index) const;
    const HarmonyModel &model() const { return m_model; }

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void buildGroup(HarmonyGroup group);
    void connectAddCommands();
    void swatchPressed(HarmonyGroup group, const ColorSwatch *swatch, Qt::MouseButton button,
        const QPoint &globalPos);
    void layoutGroups();
    QRect labelRect(HarmonyGroup group, int columnCentre) const;

    ToolHost *m_host;
    HarmonyModel m_model;
    std::array<QLabel *, HarmonyGroupCount> m_labels {};
    std::array<ColorSwatch *, HarmonySwatchTotal> m_swatches {};
};
