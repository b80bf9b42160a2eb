#pragma once

#include "core/mod_ColorConversion.h"
#include "previews/ColorStacks.h"

#include <QObject>
#include <QString>
#include <array>

// The web page preview's data: the colours of its 17 targets (eight boxes,
// eight text labels and the page), their undo and redo stacks, the colours
// kept in the settings between previews, and the page saved as HTML.
//
// Targets are numbered box 0..7 as 0..7, label 0..7 as 8..15, the page as 16.
class WebPreviewModel : public QObject {
    Q_OBJECT

public:
    static constexpr int kBoxes = 8;
    static constexpr int kLabels = 8;
    static constexpr int kPage = kBoxes + kLabels;
    static constexpr int kTargets = kPage + 1;

    static constexpr int box(int k) { return k; }
    static constexpr int label(int k) { return kBoxes + k; }
    static constexpr bool isLabel(int target) { return target >= kBoxes && target < kPage; }

    // First-run colours: white boxes and page, black text.
    explicit WebPreviewModel(QObject *parent = nullptr);

    ColorValue color(int target) const { return m_colors.at(target); }
    // The decimal text a drag from the target carries.
    QString tag(int target) const { return QString::number(color(target)); }

    // A colour dropped on a target: one undoable step, also when the target
    // already has that colour.
    void drop(int target, ColorValue color);
    // False when there was nothing to take (the window beeps).
    bool Undo();
    bool Redo();
    // First-run colours and empty stacks; cannot be undone.
    void Reset();
    bool canUndo() const { return m_stacks.canUndo(); }
    bool canRedo() const { return m_stacks.canRedo(); }

    // Section "WebPreview": box k under "k", label k under "lk", the page
    // under "bg". A missing, empty or unreadable entry keeps the first-run
    // colour. Loading empties the stacks.
    void loadSettings();
    void saveSettings() const;

    // The page as an HTML file: 54 lines, each ended by CR LF.
    QString html() const;

signals:
    void colorChanged(int target);

private:
    void setColor(int target, ColorValue color);

    std::array<ColorValue, kTargets> m_colors {};
    ColorStacks m_stacks;
};
