#include "ApparatusArt.h"

#include <QHash>
#include <QPainter>

// Placeholder drawings until the artwork lands: each picture is a plain outline of its size.
QImage ApparatusBitmap(const QString& name) {
    static QHash<QString, QImage> cache;
    if (auto it = cache.find(name); it != cache.end()) return *it;
    for (const TApparatusPicture& picture : ApparatusPictures) {
        if (name != QLatin1String(picture.Name)) continue;
        QImage image(picture.Size, QImage::Format_ARGB32_Premultiplied);
        image.fill(picture.Transparent ? Qt::transparent : Qt::white);
        QPainter painter(&image);
        painter.setPen(Qt::darkGray);
        painter.drawRect(0, 0, picture.Size.width() - 1, picture.Size.height() - 1);
        painter.end();
        cache.insert(name, image);
        return image;
    }
    return {};
}
