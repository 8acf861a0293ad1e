#include "ApparatusArt.h"

#include "ApparatusDrawing.h"

#include <QHash>
#include <algorithm>
#include <cmath>
#include <cstring>

namespace ApparatusArt {

namespace {

// The pixel font: each glyph is rows of '#' (ink) and '.', all of one height; the digits are 3 x 5.
struct TGlyph {
    char Character;
    int Top; // rows above the glyph, so lower-case letters sit on the same base line as the digits
    const char* Rows[9];
};

constexpr TGlyph Glyphs[] = {
    {'0', 2, {"###", "#.#", "#.#", "#.#", "###"}},
    {'1', 2, {".#.", "##.", ".#.", ".#.", "###"}},
    {'2', 2, {"###", "..#", "###", "#..", "###"}},
    {'3', 2, {"###", "..#", ".##", "..#", "###"}},
    {'4', 2, {"#.#", "#.#", "###", "..#", "..#"}},
    {'5', 2, {"###", "#..", "###", "..#", "###"}},
    {'6', 2, {"###", "#..", "###", "#.#", "###"}},
    {'7', 2, {"###", "..#", "..#", ".#.", ".#."}},
    {'8', 2, {"###", "#.#", "###", "#.#", "###"}},
    {'9', 2, {"###", "#.#", "###", "..#", "###"}},
    {'m', 3, {"##.#.", "#.#.#", "#.#.#", "#.#.#"}},
    {'L', 0, {"#...", "#...", "#...", "#...", "#...", "#...", "####"}},
    {'o', 2, {".##.", "#..#", "#..#", "#..#", ".##."}},
    {'a', 2, {".##.", "...#", ".###", "#..#", ".###"}},
    {'d', 0, {"...#", "...#", ".###", "#..#", "#..#", "#..#", ".###"}},
    {'i', 0, {"#", ".", "#", "#", "#", "#", "#"}},
    {'g', 2, {".###", "#..#", "#..#", "#..#", ".###", "...#", ".##."}},
    {'r', 2, {"#.##", "##..", "#...", "#...", "#..."}},
    {' ', 0, {".."}},
};

const TGlyph* FindGlyph(QChar c) {
    for (const TGlyph& g : Glyphs)
        if (QChar::fromLatin1(g.Character) == c) return &g;
    return nullptr;
}

int GlyphWidth(const TGlyph& g) {
    return int(std::strlen(g.Rows[0]));
}

} // namespace

int TPixels::Device(int v) const {
    return Scale == 1.0 ? v : int(std::lround(v * Scale));
}

int TPixels::StrokeWidth() const {
    return std::max(1, int(std::lround(Scale / 2)));
}

void TPixels::DeviceRect(int x0, int y0, int x1, int y1, const QColor& colour) {
    if (colour.alpha() == 0) return;
    const QRgb source = qPremultiply(colour.rgba());
    const int a = colour.alpha();
    const auto over = [a](int s, int t) { return s + (t * (255 - a) + 127) / 255; };
    for (int y = std::max(y0, 0); y <= std::min(y1, Image.height() - 1); ++y) {
        auto* line = reinterpret_cast<QRgb*>(Image.scanLine(y));
        for (int x = std::max(x0, 0); x <= std::min(x1, Image.width() - 1); ++x) {
            if (a == 255) {
                line[x] = source;
                continue;
            }
            const QRgb target = line[x];
            line[x] = qRgba(over(qRed(source), qRed(target)), over(qGreen(source), qGreen(target)),
                            over(qBlue(source), qBlue(target)), over(qAlpha(source), qAlpha(target)));
        }
    }
}

void TPixels::Dot(int x, int y, const QColor& colour) {
    Rect(x, y, x, y, colour);
}

void TPixels::Rect(int x0, int y0, int x1, int y1, const QColor& colour) {
    if (x1 < x0 || y1 < y0) return;
    DeviceRect(Device(x0), Device(y0), Device(x1 + 1) - 1, Device(y1 + 1) - 1, colour);
}

void TPixels::Tick(int x, int y0, int y1, const QColor& colour) {
    const int width = StrokeWidth(), left = Device(x) + (Device(x + 1) - Device(x) - width) / 2;
    DeviceRect(left, Device(y0), left + width - 1, Device(y1 + 1) - 1, colour);
}

void TPixels::TopEdge(int x0, int x1, int y, const QColor& colour) {
    DeviceRect(Device(x0), Device(y), Device(x1 + 1) - 1, Device(y) + StrokeWidth() - 1, colour);
}

void TPixels::Bar(int x0, int y0, int x1, int y1, const QColor& light, const QColor& dark,
                  const QColor& outline) {
    const bool vertical = (y1 - y0) > (x1 - x0);
    const int span = vertical ? x1 - x0 - 1 : y1 - y0 - 1;
    if (Scale != 1.0) {
        // The shading runs on under the thin outline, to the outline's cells' outer device pixels.
        const QColor first = light, last = span > 1 ? dark : light;
        if (vertical) {
            VLine(x0, y0, y1, first);
            VLine(x1, y0, y1, last);
        } else {
            HLine(x0, x1, y0, first);
            HLine(x0, x1, y1, last);
        }
    }
    for (int i = 1; i <= span; ++i) {
        const QColor c = Mix(light, dark, span > 1 ? double(i - 1) / (span - 1) : 0.0);
        if (vertical)
            VLine(x0 + i, Scale != 1.0 ? y0 : y0 + 1, Scale != 1.0 ? y1 : y1 - 1, c);
        else
            HLine(Scale != 1.0 ? x0 : x0 + 1, Scale != 1.0 ? x1 : x1 - 1, y0 + i, c);
    }
    if (Scale == 1.0) {
        HLine(x0, x1, y0, outline);
        HLine(x0, x1, y1, outline);
        VLine(x0, y0, y1, outline);
        VLine(x1, y0, y1, outline);
        return;
    }
    const int w = StrokeWidth();
    const int left = Device(x0), top = Device(y0), right = Device(x1 + 1) - 1, bottom = Device(y1 + 1) - 1;
    DeviceRect(left, top, right, top + w - 1, outline);
    DeviceRect(left, bottom - w + 1, right, bottom, outline);
    DeviceRect(left, top + w, left + w - 1, bottom - w, outline);
    DeviceRect(right - w + 1, top + w, right, bottom - w, outline);
}

void TPixels::Text(int x, int y, const QString& text, const QColor& colour) {
    for (const QChar c : text) {
        const TGlyph* g = FindGlyph(c);
        if (!g) continue;
        for (int row = 0; row < 9 && g->Rows[row]; ++row)
            for (int col = 0; g->Rows[row][col]; ++col)
                if (g->Rows[row][col] == '#') Dot(x + col, y + g->Top + row, colour);
        x += GlyphWidth(*g) + 1;
    }
}

int TPixels::TextWidth(const QString& text) {
    int width = 0;
    for (const QChar c : text)
        if (const TGlyph* g = FindGlyph(c)) width += GlyphWidth(*g) + 1;
    return std::max(width - 1, 0);
}

QColor Mix(const QColor& a, const QColor& b, double t) {
    const auto mix = [t](int x, int y) { return int(x + (y - x) * t + 0.5); };
    return QColor(mix(a.red(), b.red()), mix(a.green(), b.green()), mix(a.blue(), b.blue()),
                  mix(a.alpha(), b.alpha()));
}

QImage DrawApparatusPicture(const QString& name, qreal scale) {
    const auto picture =
        std::find_if(ApparatusPictures.begin(), ApparatusPictures.end(),
                     [&name](const TApparatusPicture& p) { return name == QLatin1String(p.Name); });
    if (picture == ApparatusPictures.end()) return {};
    const QSize size = scale == 1.0 ? picture->Size
                                    : QSize(int(std::lround(picture->Size.width() * scale)),
                                            int(std::lround(picture->Size.height() * scale)));
    QImage image(size, picture->Transparent ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32);
    image.setDevicePixelRatio(scale);
    image.fill(picture->Transparent ? Qt::transparent : Qt::white);
    const bool toolImage = name.startsWith(QLatin1String("Tool")) || name.endsWith(QLatin1String("LED")) ||
                           name == QLatin1String("WeightsBinImage") || name == QLatin1String("UDLButton");
    if (name == QLatin1String("ScreenImage"))
        DrawScreen(image);
    else if (toolImage)
        DrawTool(image, name);
    else
        DrawPiece(image, name);
    return image;
}

} // namespace ApparatusArt

QImage ApparatusBitmap(const QString& name, qreal scale) {
    static QHash<QPair<QString, qreal>, QImage> cache;
    const QPair<QString, qreal> key(name, scale);
    if (const auto it = cache.constFind(key); it != cache.constEnd()) return *it;
    QImage image = ApparatusArt::DrawApparatusPicture(name, scale);
    if (!image.isNull()) cache.insert(key, image);
    return image;
}
