#pragma once

#include "core/mod_ColorConversion.h"
#include "previews/ColorStacks.h"

#include <QObject>
#include <QString>
#include <array>

// The scroll-bar designer's data: the seven colours of a web page's scroll
// bar, their undo and redo stacks, and the style-sheet code for them.
class ScrollBarModel : public QObject {
    Q_OBJECT

public:
    enum Index { Arrow, Face, Highlight, Light3D, Shadow, DarkShadow, Track };
    static constexpr int kColors = 7;
    using Colors = std::array<ColorValue, kColors>;

    // Starts with the Reset colours for a window background of `face`.
    explicit ScrollBarModel(ColorValue face, QObject *parent = nullptr);

    // "Arrow Color" .. "Track Color".
    static QString label(int index);

    // An index outside 0..6 is refused: GetColor gives -1, SetColour
    // changes nothing and gives false.
    ColorValue GetColor(int index) const;
    // Sets a colour without an undo step (the workspace restores designers
    // this way).
    bool SetColour(int index, ColorValue color);
    const Colors &colors() const { return m_colors; }

    // A colour dropped on box `index`: one undoable step.
    void drop(int index, ColorValue color);
    // False when there was nothing to take (the window beeps).
    bool Undo();
    bool Redo();
    // Black arrow and dark shadow, `face`, white highlight, greys for the
    // 3D light, shadow and track; empties both stacks.
    void Reset(ColorValue face);

    // The style-sheet code: upper case, lines ended by CR LF, the first one
    // empty.
    QString GenCode() const;

signals:
    void colorChanged(int index);

private:
    void setColor(int index, ColorValue color);

    Colors m_colors {};
    ColorStacks m_stacks;
};
