#pragma once

#include <QHash>
#include <QImage>
#include <QString>

#include <mutex>

// Images drawn ahead of need on one thread (start-up's worker) and taken,
// once each, by the view that shows them on the main thread. A key names
// everything the image depends on (what, size, colours, scale), so a view
// that needs something else simply finds nothing and draws its own.
class ImageHandoff {
public:
    static ImageHandoff &instance();

    void put(const QString &key, QImage image);
    // The image under `key`, removed from the store; a null image if none.
    QImage take(const QString &key);

private:
    std::mutex m_mutex;
    QHash<QString, QImage> m_images;
};
