#pragma once

#include <QIcon>
#include <QImage>
#include <QList>

// The program's icons, drawn as vector shapes at whatever size and device
// pixel ratio they are asked for, so they stay crisp on any display.
namespace AppIcons {

enum class Kind {
    App,
    NewPalette,
    OpenPalette,
    SavePalette,
    WebPreview,
    VectorPreview,
    ScrollBarPreview,
    EyeDropper,
    PinOn, // always on top: on
    PinOff, // always on top: off
    Undo,
    Redo,
    Lighten,
    Darken,
    Saturate,
    Desaturate,
    Clone,
    Clear,
    AddToNewPalette,
    AddToCurrentPalette,
    ResetColors, // a preview back to its first colours
    ZoomIn,
    ZoomOut,
    CopyCode, // style-sheet code to the clipboard
    MoreHorizontal, // the extension button of a bar too short for its items
    MoreVertical,
};

QIcon icon(Kind kind);

// Draws `kind` into an image of `deviceSize` pixels (transparent around the
// shape). Safe on any thread.
QImage render(Kind kind, const QSize &deviceSize, QIcon::Mode mode);

// Draws each of `kinds` at each of `sizes` (logical pixels) for a display of
// `devicePixelRatio`, in the normal and the disabled look, ahead of need; the
// icons take these images the first time they are asked for those sizes.
// Safe on any thread: start-up calls it on its worker thread.
void prerender(const QList<Kind> &kinds, const QList<QSize> &sizes, qreal devicePixelRatio);

} // namespace AppIcons
