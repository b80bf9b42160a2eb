// Settings values: any text through the store's text-to-value conversions,
// and four texts as a stored window rectangle in twips, restored onto two
// screens side by side. The restored rectangle must lie on one of them.
#include "app/Settings.h"
#include "app/TextNumbers.h"
#include "app/WindowPlacement.h"
#include "help/TipModel.h"

#include <QList>
#include <QRect>
#include <QStringList>

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString input = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
    TextNumbers::toInt(input);
    TextNumbers::leadingInt(input);
    SettingTextToFloat(input);
    SettingTextToBool(input);
    TipModel::storedTextShowsTips(input);

    // Left, top, width and height, one a line; 96 dpi, 15 twips a pixel.
    const QStringList lines = input.split(QLatin1Char('\n'));
    const double defaults[] = { 1455, 1050, 12495, 9345 };
    double pixels[4];
    for (int i = 0; i < 4; ++i)
        pixels[i] = TextNumbers::toDouble(lines.value(i)).value_or(defaults[i]) / 15.0;
    const QList<QRect> screens { QRect(0, 0, 1600, 1200), QRect(-1280, -200, 1280, 1024) };
    const QRect restored = fitRestoredRect(
        QRectF(pixels[0], pixels[1], pixels[2], pixels[3]), screens, QSize(400, 300));
    if (!screens[0].contains(restored) && !screens[1].contains(restored))
        std::abort();
    return 0;
}
