#include "ApparatusArt.h"

#include "ApparatusDrawing.h"

#include <QHash>
#include <algorithm>
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

void TPixels::Dot(int x, int y, const QColor& colour) {
    if (x < 0 || y < 0 || x >= Image.width() || y >= Image.height() || colour.alpha() == 0) return;
    auto* line = reinterpret_cast<QRgb*>(Image.scanLine(y));
    const QRgb source = qPremultiply(colour.rgba());
    const int a = colour.alpha();
    if (a == 255) {
        line[x] = source;
        return;
    }
    const QRgb target = line[x];
    const auto over = [a](int s, int t) { return s + (t * (255 - a) + 127) / 255; };
    line[x] = qRgba(over(qRed(source), qRed(target)), over(qGreen(source), qGreen(target)),
                    over(qBlue(source), qBlue(target)), over(qAlpha(source), qAlpha(target)));
}

void TPixels::Rect(int x0, int y0, int x1, int y1, const QColor& colour) {
    for (int y = std::max(y0, 0); y <= std::min(y1, Image.height() - 1); ++y)
        for (int x = std::max(x0, 0); x <= std::min(x1, Image.width() - 1); ++x)
            Dot(x, y, colour);
}

void TPixels::Bar(int x0, int y0, int x1, int y1, const QColor& light, const QColor& dark,
                  const QColor& outline) {
    const bool vertical = (y1 - y0) > (x1 - x0);
    const int span = vertical ? x1 - x0 - 1 : y1 - y0 - 1;
    for (int i = 1; i <= span; ++i) {
        const QColor c = Mix(light, dark, span > 1 ? double(i - 1) / (span - 1) : 0.0);
        if (vertical)
            VLine(x0 + i, y0 + 1, y1 - 1, c);
        else
            HLine(x0 + 1, x1 - 1, y0 + i, c);
    }
    HLine(x0, x1, y0, outline);
    HLine(x0, x1, y1, outline);
    VLine(x0, y0, y1, outline);
    VLine(x1, y0, y1, outline);
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

QImage DrawApparatusPicture(const QString& name) {
    const auto picture =
        std::find_if(ApparatusPictures.begin(), ApparatusPictures.end(),
                     [&name](const TApparatusPicture& p) { return name == QLatin1String(p.Name); });
    if (picture == ApparatusPictures.end()) return {};
    QImage image(picture->Size,
                 picture->Transparent ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32);
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

QImage ApparatusBitmap(const QString& name) {
    static QHash<QString, QImage> cache;
    if (const auto it = cache.constFind(name); it != cache.constEnd()) return *it;
    QImage image = ApparatusArt::DrawApparatusPicture(name);
    if (!image.isNull()) cache.insert(name, image);
    return image;
}
