#pragma once

#include <QImage>
#include <QString>

class QIODevice;

// Pictures the vector preview opens: any format Qt reads, up to 4096 x 4096
// pixels. A reader over a device; the caller opens the file and shows the
// message.
namespace PictureFile {

inline constexpr int kMaxSide = 4096;

struct Result {
    QImage image; // Format_RGB32; null when the picture was refused
    QString error; // why, as a sentence for the user; empty on success
};

// Reads one picture. Transparent parts come out white, like paper. A
// picture wider or taller than kMaxSide is refused before it is decoded.
Result read(QIODevice *device);

// "Pictures (*.png *.bmp ...)": the formats this build can read.
QString filter();

} // namespace PictureFile
