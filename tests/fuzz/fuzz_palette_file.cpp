// The palette file reader: any bytes, as a file's contents.
#include "palette/PaletteFile.h"
#include "palette/PaletteModel.h"
#include "widgets/ColorFormats.h"

#include <QBuffer>
#include <QtEndian>

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    QBuffer device(&bytes);
    device.open(QIODevice::ReadOnly);
    const auto values = PaletteFile::read(device);
    if (!values || *values != PaletteFile::decode(bytes))
        std::abort();

    PaletteModel model;
    bool roundTrips = bytes.size() >= PaletteFile::kFileSize;
    for (int slot = 0; slot < kPaletteCells; ++slot) {
        const int row = slot / kPaletteCols;
        const int col = slot % kPaletteCols;
        if (const auto color = (*values)[slot])
            model.SetCellColorRC(row, col, *color);
        const ColorValue shown = model.shownColor(row, col);
        if (shown < kBlack || shown > kWhite)
            std::abort();
        ColorFormats::readouts(shown);
        if (roundTrips)
            roundTrips = qFromLittleEndian<qint32>(bytes.constData() + 4 * slot) >= kEmptyCell;
    }
    // A file without negative values other than -1 is written back unchanged.
    if (roundTrips && PaletteFile::encode(model.colors()) != bytes.left(PaletteFile::kFileSize))
        std::abort();
    return 0;
}
