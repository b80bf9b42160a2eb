// A screenshot portal's picture is outside input: any bytes go through the
// image readers, are cut into screens and sampled by the eyedropper's model,
// which must never read outside a picture.

#include "app/ScreenGrab.h"
#include "picker/ColorPickerModel.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QImage desktop = QImage::fromData(data, int(size));
    if (desktop.isNull() || qint64(desktop.width()) * desktop.height() > 4096 * 4096)
        return 0;
    ColorPickerModel model(
        ScreenGrab::splitDesktop(desktop, { QRect(0, 0, 32, 48), QRect(32, 8, 32, 40) }).screens);
    for (int index = 0; index < int(model.screenCount()); ++index) {
        const QSize size = model.screen(index).image.size();
        model.moveTo(index, model.devicePixel(index, QPointF(0.4, 0.6)));
        model.moveTo(index, QPoint(size.width() - 1, size.height() + 3));
    }
    return 0;
}
