#include "SectionDrawings.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <QPainterPath>
#include <QStringList>
#include <cmath>

#include "theory/Sections.h"

namespace {

constexpr QRgb Ink = 0xFF000000u;

QFont DrawingFont(int pixelSize) {
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(pixelSize);
    font.setStyleStrategy(QFont::NoAntialias);
    return font;
}

// While set, drawings note where their texts and dimensions go and leave the texts out (see
// SectionDrawingParts).
TDrawingParts* Recording = nullptr;

constexpr int PointGap = 1;

// The text cut around each decimal point: "1.91" gives "1", ".", "91".
QStringList Runs(const QString& text) {
    QStringList runs;
    QString run;
    for (const QChar c : text) {
        if (c == QChar('.')) {
            if (!run.isEmpty()) runs << run;
            runs << QStringLiteral(".");
            run.clear();
        } else {
            run += c;
        }
    }
    if (!run.isEmpty()) runs << run;
    return runs;
}

// Draws on a white picture with one-pixel black lines and no anti-aliasing, so the drawing stays a clean
// two-colour picture. Section coordinates are mm from the section's top-left corner, scaled by Scale and
// placed at (Left, Top); everything else is in pixels of the picture.
class TDrafter {
public:
    TDrafter(QSize size, double scale, int left, int top)
        : Image(size, QImage::Format_ARGB32), Scale(scale), Left(left), Top(top) {
        Image.fill(0xFFFFFFFFu);
        Painter.begin(&Image);
        Painter.setRenderHint(QPainter::Antialiasing, false);
        Painter.setPen(QPen(QColor(Ink), 1));
        Painter.setFont(DrawingFont(9));
    }

    [[nodiscard]] int X(double mm) const { return Left + int(std::lround(mm * Scale)); }
    [[nodiscard]] int Y(double mm) const { return Top + int(std::lround(mm * Scale)); }

    void Line(int x1, int y1, int x2, int y2) { Painter.drawLine(x1, y1, x2, y2); }

    // The section: its outline over a 45-degree hatch, the usual mark of a cut surface.
    void Section(const TSectionShape& shape) {
        QPainterPath path;
        if (shape.OuterDiameter > 0) {
            const double r = shape.OuterDiameter / 2, ri = shape.InnerDiameter / 2;
            path.addEllipse(QRectF(X(0), Y(0), X(2 * r) - X(0), Y(2 * r) - Y(0)));
            QPainterPath hole;
            hole.addEllipse(QRectF(X(r - ri), Y(r - ri), X(r + ri) - X(r - ri), Y(r + ri) - Y(r - ri)));
            path = path.subtracted(hole);
        } else {
            for (const TRectMm& r : shape.Solid) {
                QPainterPath part;
                part.addRect(X(r.X), Y(r.Y), X(r.X + r.W) - X(r.X), Y(r.Y + r.H) - Y(r.Y));
                path = path.united(part);
            }
            for (const TRectMm& r : shape.Holes) {
                QPainterPath hole;
                hole.addRect(X(r.X), Y(r.Y), X(r.X + r.W) - X(r.X), Y(r.Y + r.H) - Y(r.Y));
                path = path.subtracted(hole);
            }
        }
        path = path.simplified();
        Painter.fillPath(path, QBrush(QColor(Ink), Qt::BDiagPattern));
        Painter.strokePath(path, QPen(QColor(Ink), 1));
    }

    // A solid arrowhead 5 pixels long with its tip at (x, y), pointing along (dx, dy).
    void Arrow(int x, int y, int dx, int dy) {
        for (int i = 0; i < 5; ++i) {
            const int half = i / 2;
            const int cx = x - dx * i, cy = y - dy * i;
            if (dx != 0)
                Line(cx, cy - half, cx, cy + half);
            else
                Line(cx - half, cy, cx + half, cy);
        }
    }

    // Writes the text in the box. A decimal point gets a clear pixel on each side: at this size it is a
    // single pixel, and without the gaps "1.91" reads as "191".
    void Text(const QRect& box, int flags, const QString& text) {
        const int w = TextWidth(text);
        int x = box.left();
        if (flags & Qt::AlignRight)
            x = box.right() + 1 - w;
        else if (flags & Qt::AlignHCenter)
            x = box.left() + (box.width() - w) / 2;
        if (Recording) {
            Recording->Texts.push_back(QRect(x, box.top(), w, box.height()));
            return;
        }
        const int vertical = flags & Qt::AlignVertical_Mask;
        const QFontMetrics metrics(Painter.font());
        for (const QString& run : Runs(text)) {
            const bool point = run == QLatin1String(".");
            if (point) x += PointGap;
            Painter.drawText(QRect(x, box.top(), metrics.horizontalAdvance(run) + 1, box.height()),
                             Qt::AlignLeft | vertical, run);
            x += metrics.horizontalAdvance(run) + (point ? PointGap : 0);
        }
    }
    [[nodiscard]] int TextWidth(const QString& text) const {
        const QFontMetrics metrics(Painter.font());
        return metrics.horizontalAdvance(text) + 2 * PointGap * int(text.count(QChar('.')));
    }

    // A horizontal dimension between x1 and x2 on the row y, the value centred above the line (below it when
    // below is set). Short dimensions get their arrows from outside and the value beside them, after the
    // right arrow (before the left one when textLeft is set).
    void DimensionH(int x1, int x2, int y, const QString& text, bool below = false, bool textLeft = false) {
        const int w = TextWidth(text);
        if (x2 - x1 >= 16) {
            Line(x1, y, x2, y);
            Arrow(x1, y, -1, 0);
            Arrow(x2, y, 1, 0);
            Record(QRect(x1, y - 2, x2 - x1 + 1, 5));
            if (!text.isEmpty())
                Text(QRect((x1 + x2) / 2 - w / 2 - 1, below ? y + 2 : y - 11, w + 2, 10), Qt::AlignCenter,
                     text);
        } else {
            Line(x1 - 7, y, x2 + 7, y);
            Arrow(x1, y, 1, 0);
            Arrow(x2, y, -1, 0);
            Record(QRect(x1 - 7, y - 2, x2 - x1 + 15, 5));
            if (!text.isEmpty())
                Text(textLeft ? QRect(x1 - 10 - w, y - 5, w, 10) : QRect(x2 + 10, y - 5, w, 10),
                     Qt::AlignLeft | Qt::AlignVCenter, text);
        }
    }

    // A vertical dimension between y1 and y2 on the column x, the value to its right (left when left is set).
    void DimensionV(int y1, int y2, int x, const QString& text, bool left = false) {
        const int w = TextWidth(text);
        const QRect box =
            left ? QRect(x - w - 5, (y1 + y2) / 2 - 5, w, 10) : QRect(x + 4, (y1 + y2) / 2 - 5, w, 10);
        if (y2 - y1 >= 16) {
            Line(x, y1, x, y2);
            Arrow(x, y1, 0, -1);
            Arrow(x, y2, 0, 1);
            Record(QRect(x - 2, y1, 5, y2 - y1 + 1));
        } else {
            Line(x, y1 - 7, x, y2 + 7);
            Arrow(x, y1, 0, 1);
            Arrow(x, y2, 0, -1);
            Record(QRect(x - 2, y1 - 7, 5, y2 - y1 + 15));
        }
        if (!text.isEmpty()) Text(box, Qt::AlignLeft | Qt::AlignVCenter, text);
    }

    // Extension lines run from two pixels off the feature to three pixels past the dimension line.
    void ExtensionV(int x, int fromY, int toY) {
        Line(x, fromY + (toY > fromY ? 2 : -2), x, toY + (toY > fromY ? 3 : -3));
    }
    void ExtensionH(int y, int fromX, int toX) {
        Line(fromX + (toX > fromX ? 2 : -2), y, toX + (toX > fromX ? 3 : -3), y);
    }

    // The neutral axis: a chain line (long dash, gap, dot, gap) across the section.
    void NeutralAxis(int y, int x1, int x2) {
        static constexpr int Pattern[] = {7, 2, 1, 2};
        int x = x1, part = 0;
        while (x <= x2) {
            const int run = Pattern[part % 4];
            if (part % 2 == 0) Line(x, y, std::min(x + run - 1, x2), y);
            x += run;
            ++part;
        }
    }

    void Record(const QRect& dimension) {
        if (Recording) Recording->Dimensions.push_back(dimension);
    }

    QImage Finish() {
        Painter.end();
        return Image;
    }

private:
    QImage Image;
    QPainter Painter;
    double Scale;
    int Left, Top;
};

QString Mm(double value) {
    return QString::number(value, 'g', 4);
}

// The depth Y of the neutral axis from the top face on the column x, with the extension line of the top face
// from the section's top edge at topX.
void NeutralAxisDepth(TDrafter& d, double naMm, int x, int topX, bool textLeft = false) {
    d.ExtensionH(d.Y(0), topX, x);
    d.DimensionV(d.Y(0), d.Y(naMm), x, QStringLiteral("Y"), textLeft);
}

QImage DrawFlat(bool withNumbers) {
    // The bar is drawn to scale, 84 x 14 pixels for 19.05 x 3.18 mm.
    const QSize size = withNumbers ? QSize(125, 62) : QSize(114, 59);
    TDrafter d(size, 84 / 19.05, withNumbers ? 8 : 4, withNumbers ? 12 : 7);
    d.Section(SectionShape(0));
    const int x1 = d.X(0), x2 = d.X(19.05), top = d.Y(0), bottom = d.Y(3.18);
    const int widthLine = withNumbers ? bottom + 16 : NoDimFlatWidthLineY;
    const int thicknessLine = withNumbers ? x2 + 8 : NoDimFlatThicknessLineX;
    d.ExtensionV(x1, bottom, widthLine);
    d.ExtensionV(x2, bottom, widthLine);
    d.DimensionH(x1, x2, widthLine, withNumbers ? QStringLiteral("19.05") : QString(), true);
    d.ExtensionH(top, x2, thicknessLine);
    d.ExtensionH(bottom, x2, thicknessLine);
    d.DimensionV(top, bottom, thicknessLine, withNumbers ? QStringLiteral("3.18") : QString());
    d.NeutralAxis((top + bottom) / 2, x1 - 4, thicknessLine - 3);
    return d.Finish();
}

QImage DrawUpright() {
    TDrafter d({77, 99}, 3.6, 41, 16);
    d.Section(SectionShape(1));
    const int x1 = d.X(0), x2 = d.X(3.18), top = d.Y(0), bottom = d.Y(19.05);
    // The thickness's value goes on the left, where the picture has room for it.
    d.ExtensionV(x1, top, 9);
    d.ExtensionV(x2, top, 9);
    d.DimensionH(x1, x2, 9, QStringLiteral("3.18"), false, true);
    d.ExtensionH(top, x1, x1 - 10);
    d.ExtensionH(bottom, x1, x1 - 10);
    d.DimensionV(top, bottom, x1 - 10, QStringLiteral("19.05"), true);
    NeutralAxisDepth(d, 9.525, x2 + 9, x2);
    d.NeutralAxis(d.Y(9.525), x1 - 6, x2 + 9);
    return d.Finish();
}

QImage DrawInvertedT() {
    // 4.5 pixels to the mm leaves room for the height's value on the left and the flange's on the right.
    TDrafter d({113, 116}, 4.5, 28, 24);
    d.Section(SectionShape(2));
    const double t = 2.87, stemLeft = (12 - t) / 2, stemRight = stemLeft + t;
    const int left = d.X(0), right = d.X(12), top = d.Y(0), bottom = d.Y(12);
    // The stem's thickness above it, the flange's width below.
    d.ExtensionV(d.X(stemLeft), top, top - 9);
    d.ExtensionV(d.X(stemRight), top, top - 9);
    d.DimensionH(d.X(stemLeft), d.X(stemRight), top - 9, Mm(t));
    d.ExtensionV(left, bottom, bottom + 9);
    d.ExtensionV(right, bottom, bottom + 9);
    d.DimensionH(left, right, bottom + 9, QStringLiteral("12"), true);
    // The height on the far left, the neutral axis depth in the free space beside the stem, the flange's
    // thickness on the right: each dimension on its own line.
    const int heightColumn = left - 11, depthColumn = (heightColumn + d.X(stemLeft)) / 2;
    d.ExtensionH(top, d.X(stemLeft), heightColumn);
    d.ExtensionH(bottom, left, heightColumn);
    d.DimensionV(top, bottom, heightColumn, QStringLiteral("12"), true);
    d.DimensionV(top, d.Y(7.97), depthColumn, QStringLiteral("Y"));
    d.ExtensionH(d.Y(12 - t), right, right + 7);
    d.ExtensionH(bottom, right, right + 7);
    d.DimensionV(d.Y(12 - t), bottom, right + 7, Mm(t));
    d.NeutralAxis(d.Y(7.97), heightColumn + 5, right + 3);
    return d.Finish();
}

// The H, I and U sections and the box share one arrangement: width above (or below), height on the left,
// a wall thickness in the first column on the right, the neutral axis depth in the second. Where the wall
// thickness lies beside the depth (the H's web), the second column keeps clear of its value.
QImage DrawTwelve(int index, QSize size, double scale) {
    TDrafter d(size, scale, 26, 22);
    const TSectionShape shape = SectionShape(index);
    d.Section(shape);
    const double w = 1.88;
    const double side = shape.Width;
    const int left = d.X(0), right = d.X(side), top = d.Y(0), bottom = d.Y(side);
    const int column1 = right + 8;
    const int column2 = index == 3 ? column1 + 4 + d.TextWidth(Mm(w)) + 4 : column1 + 12;
    const bool widthBelow = index == 5; // the U's top is open: its wall thickness goes on top
    const int widthLine = widthBelow ? bottom + 9 : 13;
    d.ExtensionV(left, widthBelow ? bottom : top, widthLine);
    d.ExtensionV(right, widthBelow ? bottom : top, widthLine);
    d.DimensionH(left, right, widthLine, Mm(side), widthBelow);
    d.ExtensionH(top, left, 15);
    d.ExtensionH(bottom, left, 15);
    d.DimensionV(top, bottom, 15, Mm(side), true);
    double na = 6.0;
    switch (index) {
    case 3: // H: the plates' thickness below the right plate, the web's on the right
        d.ExtensionV(d.X(side - w), bottom, bottom + 9);
        d.ExtensionV(right, bottom, bottom + 9);
        d.DimensionH(d.X(side - w), right, bottom + 9, Mm(w), true);
        d.ExtensionH(d.Y(6 - w / 2), d.X(side - w), column1);
        d.ExtensionH(d.Y(6 + w / 2), d.X(side - w), column1);
        d.DimensionV(d.Y(6 - w / 2), d.Y(6 + w / 2), column1, Mm(w));
        break;
    case 4: // I: the bottom flange's thickness on the right, clear of the depth; the web's below
        d.ExtensionH(d.Y(side - w), right, column1);
        d.ExtensionH(bottom, right, column1);
        d.DimensionV(d.Y(side - w), bottom, column1, Mm(w));
        d.ExtensionV(d.X(6 - w / 2), d.Y(side - w), bottom + 9);
        d.ExtensionV(d.X(6 + w / 2), d.Y(side - w), bottom + 9);
        d.DimensionH(d.X(6 - w / 2), d.X(6 + w / 2), bottom + 9, Mm(w), true);
        break;
    case 5: // U: the wall's thickness on top of the right upright, the base's on the right
        na = 7.29;
        d.ExtensionV(d.X(side - w), top, 13);
        d.ExtensionV(right, top, 13);
        d.DimensionH(d.X(side - w), right, 13, Mm(w));
        d.ExtensionH(d.Y(side - w), right, column1);
        d.ExtensionH(bottom, right, column1);
        d.DimensionV(d.Y(side - w), bottom, column1, Mm(w));
        break;
    case 6: { // box: the bottom wall's thickness on the right, clear of the depth
        na = 5.0;
        const double t = 1.86;
        d.ExtensionH(d.Y(side - t), d.X(side - t), column1);
        d.ExtensionH(bottom, right, column1);
        d.DimensionV(d.Y(side - t), bottom, column1, Mm(t));
        break;
    }
    default:
        break;
    }
    NeutralAxisDepth(d, na, column2, right);
    if (index == 3) {
        // The H's web thickness is written on the neutral axis: the chain line breaks around the value.
        d.NeutralAxis(d.Y(na), left - 6, column1);
        d.NeutralAxis(d.Y(na), column1 + 4 + d.TextWidth(Mm(w)) + 2, column2);
    } else {
        d.NeutralAxis(d.Y(na), left - 6, column2);
    }
    return d.Finish();
}

QImage DrawCircle() {
    TDrafter d({116, 101}, 5, 24, 16);
    d.Section(SectionShape(7));
    const int left = d.X(0), right = d.X(12), top = d.Y(0), bottom = d.Y(12), centre = d.X(6);
    d.ExtensionV(left, d.Y(6), bottom + 9);
    d.ExtensionV(right, d.Y(6), bottom + 9);
    d.DimensionH(left, right, bottom + 9, QStringLiteral("\u00D8") + QStringLiteral("12"), true);
    const int column = right + 8;
    d.ExtensionH(top, centre, column);
    d.ExtensionH(d.Y(1.91), centre, column);
    d.DimensionV(top, d.Y(1.91), column, Mm(1.91));
    NeutralAxisDepth(d, 6.0, 12, centre, true);
    d.NeutralAxis(d.Y(6), 12, right + 6);
    return d.Finish();
}

// A 14 x 14 outline of the shape, one millimetre to the pixel, centred.
QImage DrawIcon(int index) {
    QImage image(14, 14, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(QPen(QColor(Ink), 1));
    p.setBrush(Qt::NoBrush);
    auto rect = [&](int x, int y, int w, int h) { p.drawRect(x, y, w - 1, h - 1); };
    switch (index) {
    case 0:
        rect(0, 5, 14, 4);
        break;
    case 1:
        rect(5, 0, 4, 14);
        break;
    case 2: {
        const QPolygon t({{5, 1}, {8, 1}, {8, 9}, {12, 9}, {12, 12}, {1, 12}, {1, 9}, {5, 9}});
        p.drawPolygon(t);
        break;
    }
    case 3: {
        const QPolygon h({{1, 1},
                          {3, 1},
                          {3, 6},
                          {10, 6},
                          {10, 1},
                          {12, 1},
                          {12, 12},
                          {10, 12},
                          {10, 8},
                          {3, 8},
                          {3, 12},
                          {1, 12}});
        p.drawPolygon(h);
        break;
    }
    case 4: {
        const QPolygon i({{1, 1},
                          {12, 1},
                          {12, 3},
                          {8, 3},
                          {8, 10},
                          {12, 10},
                          {12, 12},
                          {1, 12},
                          {1, 10},
                          {5, 10},
                          {5, 3},
                          {1, 3}});
        p.drawPolygon(i);
        break;
    }
    case 5: {
        const QPolygon u({{1, 1}, {3, 1}, {3, 10}, {10, 10}, {10, 1}, {12, 1}, {12, 12}, {1, 12}});
        p.drawPolygon(u);
        break;
    }
    case 6:
        rect(2, 2, 10, 10);
        rect(4, 4, 6, 6);
        break;
    case 7:
        p.drawEllipse(1, 1, 11, 11);
        p.drawEllipse(3, 3, 7, 7);
        break;
    default:
        break;
    }
    return image;
}

// "m4" or "mm4" with the 4 raised, 19 x 12, black on transparent.
QImage DrawUnits(bool metre) {
    QImage image(19, 12, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setPen(QColor(Ink));
    const QString base = metre ? QStringLiteral("m") : QStringLiteral("mm");
    const QFont big = DrawingFont(metre ? 10 : 9), small = DrawingFont(7);
    const int baseWidth = QFontMetrics(big).horizontalAdvance(base);
    const int powerWidth = QFontMetrics(small).horizontalAdvance(QStringLiteral("4"));
    const int x = std::max(0, (19 - baseWidth - powerWidth) / 2);
    p.setFont(big);
    p.drawText(QRect(x, 1, baseWidth + 1, 11), Qt::AlignLeft | Qt::AlignBottom, base);
    p.setFont(small);
    p.drawText(QRect(x + baseWidth, 0, powerWidth + 1, 8), Qt::AlignLeft | Qt::AlignTop, QStringLiteral("4"));
    return image;
}

} // namespace

QImage SectionBitmap(const QString& name) {
    for (int i = 0; i < SectionCount; ++i)
        if (name == QLatin1String(SectionIcons[i])) return DrawIcon(i);
    if (name == QLatin1String("DimFlat")) return DrawFlat(true);
    if (name == QLatin1String(FlatDrawingWithoutDimensions)) return DrawFlat(false);
    if (name == QLatin1String("DimUpright")) return DrawUpright();
    if (name == QLatin1String("DimT")) return DrawInvertedT();
    if (name == QLatin1String("DimH")) return DrawTwelve(3, {130, 117}, 4.75);
    if (name == QLatin1String("DimI")) return DrawTwelve(4, {155, 114}, 6);
    if (name == QLatin1String("DimU")) return DrawTwelve(5, {133, 119}, 5.5);
    if (name == QLatin1String("DimBox")) return DrawTwelve(6, {159, 117}, 7);
    if (name == QLatin1String("DimCircle")) return DrawCircle();
    if (name == QLatin1String("mUnits")) return DrawUnits(true);
    if (name == QLatin1String("mmUnits")) return DrawUnits(false);
    return {};
}

TDrawingParts SectionDrawingParts(const QString& name) {
    TDrawingParts parts;
    Recording = &parts;
    parts.Lines = SectionBitmap(name);
    Recording = nullptr;
    return parts;
}

QSize SectionBitmapSize(const QString& name) {
    return SectionBitmap(name).size();
}
