#include "widgets/ImageHandoff.h"

ImageHandoff &ImageHandoff::instance()
{
    static ImageHandoff handoff;
    return handoff;
}

void ImageHandoff::put(const QString &key, QImage image)
{
    std::lock_guard lock(m_mutex);
    m_images.insert(key, std::move(image));
}

QImage ImageHandoff::take(const QString &key)
{
    std::lock_guard lock(m_mutex);
    return m_images.take(key);
}
