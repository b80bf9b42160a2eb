#pragma once

#include <QIcon>

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
    MoreHorizontal, // the extension button of a bar too short for its items
    MoreVertical,
};

QIcon icon(Kind kind);

} // namespace AppIcons
