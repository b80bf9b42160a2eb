#pragma once

#include "core/mod_ColorConversion.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <array>
#include <optional>

class QIODevice;

// One record per kind of document window: what a workspace file keeps of
// one open window. Positions are the window's left and top edges inside the
// main window's document area, in twips.

struct cPalette {
    QString file; // the palette's file path, as the window holds it; may be empty
    float left = 0;
    float top = 0;
};

struct cWebPreview {
    std::array<ColorValue, 8> label {}; // text colour of text target k, k = 0..7
    std::array<ColorValue, 8> box {}; // background colour of box target k
    ColorValue bg = 0; // the page background
    float left = 0;
    float top = 0;
};

struct cScrollBar {
    float left = 0;
    float top = 0;
    std::array<ColorValue, 7> colour {}; // the designer's colours in its order 0..6
};

struct cVectorImg {
    float left = 0;
    float top = 0;
};

// The four lists of one workspace, each in the order the windows were opened.
struct WorkspaceLists {
    QList<cPalette> palettes;
    QList<cWebPreview> webPreviews;
    QList<cScrollBar> scrollBars;
    QList<cVectorImg> vectorImgs;

    qsizetype windowCount() const
    {
        return palettes.size() + webPreviews.size() + scrollBars.size() + vectorImgs.size();
    }
};

// The workspace file (".tww"): plain text, one section per window, every
// line ended by CR LF, in UTF-8. A section is a header line ("[palette]",
// "[webpreview]", "[scrollbar]" or "[vectorimg]"), "{", key=value lines and
// "}". All palette sections come first, then the web previews, the scroll
// bars and the vector images. Positions are written in the "C" locale, a
// whole number without a decimal point; colours as signed decimal
// ColorValues.
namespace mod_Workspace {

// Limits that keep a hostile file from costing more than a workspace ever
// needs: a file larger than this, a line longer than this (a path of the
// longest kind any system allows fits) or more windows than this is refused.
inline constexpr qint64 kMaxFileSize = 1024 * 1024;
inline constexpr qsizetype kMaxLineLength = 32767;
inline constexpr qsizetype kMaxWindows = 512;

// The whole file for `lists`; empty for no windows.
QByteArray SaveWorkspace(const WorkspaceLists &lists);

// Reads a workspace from an open device, or from its bytes. Lines outside a
// section that are not exactly a header are skipped. Within a section, the
// key is the text before the first "=" and the value the text after it up
// to the next "=" (the rest of the line is dropped); lines without "=",
// unknown keys and keys in another letter case are skipped, and a repeated
// key keeps its last value. A section ends at "}" or at the end of the
// file. A web preview section's colours are read past: a preview takes its
// colours from the settings. Positions accept a point or a comma as the
// decimal separator.
//
// nullopt when the device cannot be read, a position or colour does not
// parse as a number, or a limit above is exceeded.
std::optional<WorkspaceLists> LoadWorkspace(QIODevice &device);
std::optional<WorkspaceLists> LoadWorkspace(const QByteArray &bytes);

} // namespace mod_Workspace
