#include "palette/PaletteImport.h"

#include "palette/GimpPalette.h"
#include "palette/SwatchExchange.h"

#include <QFile>
#include <QFileInfo>

namespace PaletteImport {

Kind KindOf(const QString &path)
{
    QFile file(path);
    if (QFileInfo(path).isFile() && file.open(QIODevice::ReadOnly)) {
        QByteArray head = file.read(16);
        if (head.startsWith("\xEF\xBB\xBF"))
            head.remove(0, 3);
        if (head.startsWith("ASEF"))
            return Kind::SwatchExchange;
        if (head.startsWith("GIMP Palette"))
            return Kind::GimpPalette;
    }
    const QString suffix = QFileInfo(path).suffix();
    if (suffix.compare(QLatin1String("gpl"), Qt::CaseInsensitive) == 0)
        return Kind::GimpPalette;
    if (suffix.compare(QLatin1String("ase"), Qt::CaseInsensitive) == 0)
        return Kind::SwatchExchange;
    return Kind::PaletteFile;
}

ImportedSwatches Read(const QString &path, Kind kind)
{
    const QFileInfo info(path);
    if (!info.isFile())
        return ImportedSwatches::failure(info.exists()
                ? QStringLiteral("It is not a regular file.")
                : QStringLiteral("The file does not exist."));
    const auto tooLarge = ImportedSwatches::failure(
        QStringLiteral("The file is too large for a palette (more than %1 MB).")
            .arg(ImportedSwatches::kMaxFileSize / (1024 * 1024)));
    if (info.size() > ImportedSwatches::kMaxFileSize)
        return tooLarge;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return ImportedSwatches::failure(file.errorString());
    // One byte more than allowed tells a file that grew since it was looked at.
    const QByteArray data = file.read(ImportedSwatches::kMaxFileSize + 1);
    if (file.error() != QFileDevice::NoError)
        return ImportedSwatches::failure(file.errorString());
    if (data.size() > ImportedSwatches::kMaxFileSize)
        return tooLarge;
    return kind == Kind::SwatchExchange ? SwatchExchange::decode(data) : GimpPalette::decode(data);
}

QString Notes(const ImportedSwatches &swatches)
{
    QStringList notes;
    if (swatches.total > swatches.colors.size())
        notes << QStringLiteral("The file holds %1 colours; a palette has %2 cells, so it shows "
                                "the first %2.")
                     .arg(swatches.total)
                     .arg(kPaletteCells);
    if (swatches.skipped > 0)
        notes << QStringLiteral("%1 swatches in other colour models than RGB, CMYK, Gray and Lab "
                                "were left out.")
                     .arg(swatches.skipped);
    return notes.join(QStringLiteral("\r\n"));
}

QStringList OpenFilters()
{
    return { QStringLiteral("GIMP Palettes (*.gpl)"),
        QStringLiteral("Adobe Swatch Exchange (*.ase)") };
}

} // namespace PaletteImport
