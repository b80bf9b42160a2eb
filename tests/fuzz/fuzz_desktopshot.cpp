// The picture a screenshot portal names is outside input: any bytes go
// through the image readers, are cut into screens and sampled by the
// eyedropper's model, which must never read outside a picture.

#include "app/ScreenGrab.h"
#include "picker/ColorPickerModel.h"

#include <QImage>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QImage desktop = QImage::fromData(data, int(size));
    if (desktop.isNull() || qint64(desktop.width()) * desktop.height() > 4096 * 4096)
        return 0;
    // One screen, and two side by side at the ratio the picture implies.
    const QList<QList<QRect>> layouts { { QRect(0, 0, 64, 48) },
        { QRect(0, 0, 32, 48), QRect(32, 8, 32, 40) } };
    for (const QList<QRect> &layout : layouts) {
        const ColorPickerModel model(ScreenGrab::splitDesktop(desktop, layout).screens);
        for (int index = 0; index < int(model.screenCount()); ++index) {
            const QImage &image = model.screen(index).image;
            ColorPickerModel copy = model;
            copy.moveTo(index, copy.devicePixel(index, QPointF(0.4, 0.6)));
            copy.moveTo(index, QPoint(image.width() - 1, image.height() - 1));
            copy.moveTo(index, QPoint(image.width() + 3, -2));
        }
    }
    return 0;
}
