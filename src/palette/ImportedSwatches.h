#pragma once

#include "palette/cCell.h"

#include <QList>
#include <QString>

// What a reader of another program's palette file found: the colours for a
// palette window, or the problem that stops the file from opening.
struct ImportedSwatches {
    // Larger files are refused before they are read: the largest palettes
    // of other programs take a few hundred kilobytes.
    static constexpr qsizetype kMaxFileSize = 4 * 1024 * 1024;

    QList<ColorValue> colors; // the first 16 colours of the file, in file order
    qsizetype total = 0; // every colour the file holds
    qsizetype skipped = 0; // swatches of a kind no palette cell can hold
    QString error; // empty when the file opens; else what is wrong with it

    bool ok() const { return error.isEmpty(); }

    // Keeps a colour while there are free cells and counts it either way.
    void add(ColorValue color)
    {
        if (colors.size() < kPaletteCells)
            colors.append(color);
        ++total;
    }

    static ImportedSwatches failure(const QString &problem)
    {
        ImportedSwatches result;
        result.error = problem;
        return result;
    }
};
