#include "palette/PaletteFile.h"

#include <QIODevice>
#include <QtEndian>

QByteArray PaletteFile::encode(const PaletteColors &colors)
{
    QByteArray data(kFileSize, Qt::Uninitialized);
    for (int slot = 0; slot < kPaletteCells; ++slot)
        qToLittleEndian<qint32>(colors[slot], data.data() + slot * kSlotSize);
    return data;
}

PaletteFile::Slots PaletteFile::decode(const QByteArray &data)
{
    Slots values {};
    const int whole = static_cast<int>(qMin<qsizetype>(data.size(), kFileSize)) / kSlotSize;
    for (int slot = 0; slot < whole; ++slot) {
        const auto value = qFromLittleEndian<qint32>(data.constData() + slot * kSlotSize);
        if (value > kEmptyCell)
            values[slot] = value;
    }
    return values;
}

std::optional<PaletteFile::Slots> PaletteFile::read(QIODevice &device)
{
    QByteArray data(kFileSize, Qt::Uninitialized);
    qint64 filled = 0;
    // A device may hand the data out in pieces; stop at its end.
    while (filled < kFileSize) {
        const qint64 got = device.read(data.data() + filled, kFileSize - filled);
        if (got < 0)
            return std::nullopt;
        if (got == 0)
            break;
        filled += got;
    }
    data.truncate(filled);
    return decode(data);
}
