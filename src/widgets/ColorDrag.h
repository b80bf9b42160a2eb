#pragma once

#include "core/mod_ColorConversion.h"

#include <QString>
#include <optional>

class QMimeData;
class QWidget;

// Dragging colours between views. A drop target reads the colour by the kind
// of control that was dragged: a grid gives the colour of its current cell, a
// swatch the decimal ColorValue in its tag text, a label its text colour, and
// anything else black. Every drag source and drop target of the program goes
// through here, so the rule lives in one place.
namespace ColorDrag {

enum class SourceKind { Grid, Swatch, Label, Other };

// The MIME type of drags between Tintwright's own views. Drags also carry
// the colour as standard colour data, so other applications accept them.
inline constexpr char kMimeType[] = "application/x-tintwright-color-source";

// What a dragged control offers: for a grid and a label the colour itself,
// for a swatch its tag text.
struct Source {
    SourceKind kind = SourceKind::Other;
    ColorValue color = kBlack;
    QString tag;
};

QMimeData *createMimeData(const Source &source);

// How a dropped text label counts. Most targets take its text colour; the
// scroll-bar designer's boxes read a label like any other control: black.
enum class LabelRule { TextColor, Black };

// The colour a drop of `mime` yields, or nothing when it did not come from a
// Tintwright colour view.
std::optional<ColorValue> colorFromMime(
    const QMimeData *mime, LabelRule labels = LabelRule::TextColor);

// The numeric value of a tag text, rounded half to even; 0 when it does not
// start with a number.
ColorValue colorFromTag(const QString &tag);

// Runs a drag of `source` from `widget` (blocks until dropped or cancelled).
void start(QWidget *widget, const Source &source, ColorValue shownColor);

} // namespace ColorDrag
