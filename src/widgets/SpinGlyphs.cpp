#include "SpinGlyphs.h"

QImage SpinGlyph(const QString& name) {
    const bool up = name == QLatin1String("UpSpin");
    if (!up && name != QLatin1String("DownSpin")) return {};
    // A 7 x 4 arrowhead: rows of 1, 3, 5 and 7 pixels.
    QImage image(7, 4, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    for (int row = 0; row < 4; ++row) {
        const int y = up ? row : 3 - row;
        for (int x = 3 - row; x <= 3 + row; ++x)
            image.setPixel(x, y, 0xFF000000u);
    }
    return image;
}
