// The pieces laid on the apparatus picture and on the load diagram. Each is drawn pixel by pixel where its
// edges meet the beam or the diagram line, so a tip or a jaw lands on exactly the row the window expects.

#include "ApparatusDrawing.h"

#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>
#include <numbers>

namespace ApparatusArt {

namespace {

// End clamp holding the left end of the beam; its jaws reach right over rows 10..15, where the beam passes
// (y 138..143 of the apparatus picture, so those rows stay transparent and the beam shows through). The foot
// sits on the bed rail (rows 41..45 = y 169..173).
void Clamp(TPixels& px) {
    px.Bar(0, 1, 8, 44, Colour::FrameLight, Colour::Frame, Colour::Ink);   // the pillar
    px.Bar(0, 40, 14, 45, Colour::FrameLight, Colour::Frame, Colour::Ink); // the foot on the rail
    px.Dot(11, 42, Colour::Ink);
    px.Dot(11, 43, Colour::Ink);
    // Jaws above and below the beam, the upper one pressed down by the clamping screw.
    px.Bar(7, 5, 16, 9, Colour::SteelLight, Colour::SteelDark, Colour::Ink);
    px.Bar(7, 16, 16, 20, Colour::SteelLight, Colour::SteelDark, Colour::Ink);
    px.VLine(12, 1, 4, Colour::Ink);
    px.VLine(13, 2, 4, Colour::SteelDark);
    px.HLine(9, 16, 0, Colour::Ink);
    px.HLine(10, 15, 1, Colour::SteelDark);
    // The beam's end seat inside the pillar.
    px.Rect(6, 10, 8, 15, Colour::Ink);
    px.Dot(4, 25, Colour::Ink);
    px.Dot(4, 32, Colour::Ink);
}

// Knife-edge support: a hardened wedge, its edge the single pixel (12, 0) under the beam, on a holder block
// that stands on the bed rail (row 25 = y 169 is the rail's top face, so the block ends on row 24).
void KnifeEdge(TPixels& px) {
    constexpr int centre = 12, wedgeRows = 14;
    for (int r = 0; r < wedgeRows; ++r) {
        const int half = (r + 1) / 2;
        for (int x = centre - half; x <= centre + half; ++x) {
            QColor c = x < centre ? Colour::SteelLight : x == centre ? Colour::Steel : Colour::SteelDark;
            if (x == centre - half || x == centre + half) c = Colour::Ink;
            px.Dot(x, r, c);
        }
    }
    px.Bar(1, wedgeRows, 23, 24, Colour::FrameLight, Colour::Frame, Colour::Ink);
    for (const int x : {5, 19}) {
        px.Rect(x - 1, 18, x + 1, 20, Colour::Ink);
        px.Dot(x - 1, 18, Colour::SteelLight);
    }
}

// Load diagram: the pivot of a knife-edge, a triangle with its tip at (5, 0) under the beam line, on hatched
// ground.
void Pivot(TPixels& px) {
    constexpr int centre = 5, rows = 12;
    for (int r = 0; r < rows; ++r) {
        const int half = (r + 2) / 3;
        px.HLine(centre - half, centre + half, r, r == rows - 1 ? Colour::Ink : Qt::white);
        px.Dot(centre - half, r, Colour::Ink);
        px.Dot(centre + half, r, Colour::Ink);
    }
    px.HLine(0, 9, rows + 1, Colour::Ink);
    for (int start = 2; start <= 12; start += 3)
        for (int t = 0; t < 4; ++t)
            if (start - t >= 0 && start - t <= 9) px.Dot(start - t, rows + 2 + t, Colour::Ink);
}

// Load diagram: a built-in end on the left, the wall at columns 10..11 with its hatching outside; the beam
// line meets it at row 17 (y 302).
void BuiltInEnd(TPixels& px) {
    constexpr int top = 5, bottom = 29;
    px.Rect(10, top, 11, bottom, Colour::Ink);
    for (int start = top; start <= bottom + 7; start += 4)
        for (int t = 0; t < 8; ++t) {
            const int x = 9 - t, y = start - t;
            if (x >= 2 && y >= top && y <= bottom) px.Dot(x, y, Colour::Ink);
        }
}

// The top of every hanger: the stirrup that cradles the beam, its arms on rows 0..1 against the underside and
// its cross-bar on rows 2..3 (y 146..147, clear of the rule's ticks), then the stem down column 6.
void HangerStirrup(TPixels& px) {
    for (const int x : {2, 10})
        px.VLine(x, 0, 3, Colour::Ink);
    px.VLine(3, 0, 2, Colour::SteelDark);
    px.VLine(9, 0, 2, Colour::SteelDark);
    px.HLine(3, 9, 2, Colour::SteelDark);
    px.HLine(2, 10, 3, Colour::Ink);
}

void HangerStem(TPixels& px, int top, int bottom) {
    px.VLine(HangerStemColumn - 1, top, bottom, Colour::SteelDark);
    px.VLine(HangerStemColumn, top, bottom, Colour::SteelLight);
    px.VLine(HangerStemColumn + 1, top, bottom, Colour::Ink);
}

// The 12 x 61 hanger of the tool box and of the beam's lower half: stirrup, stem, and on the platform (rows
// 42..44) a stack of slotted masses, 4 rows each, their rims rounded.
void MassHanger(TPixels& px, int masses) {
    HangerStirrup(px);
    const int stackTop = MassPlatformRow - MassHeight * masses;
    HangerStem(px, 4, stackTop - 1);
    for (int i = 0; i < masses; ++i) {
        const int top = stackTop + MassHeight * i;
        px.HLine(2, 10, top, Colour::BrassLight);
        px.TopEdge(2, 10, top, Colour::Ink);
        const QColor shades[] = {Colour::BrassLight, Colour::Brass, Colour::BrassDark};
        for (int r = 1; r < MassHeight; ++r) {
            px.HLine(2, 10, top + r, shades[r - 1]);
            px.Dot(1, top + r, Colour::Ink);
            px.Dot(11, top + r, Colour::Ink);
        }
    }
    if (masses == 0) {
        // The variable weight's hanger carries a blank tag on its stem (rows 23..38), which the tool box
        // writes its mass on ("0g" .. "500g"), so the stem never runs through the figures.
        // It is no wider than the stem's collar (columns 3..8), so the hanger still reads as bare.
        px.Rect(3, 24, 8, 37, Colour::Scale);
        px.HLine(3, 8, 23, Colour::SteelDark);
        px.HLine(3, 8, 38, Colour::SteelDark);
    }
    px.HLine(1, 11, MassPlatformRow, Colour::Ink);
    px.HLine(1, 11, MassPlatformRow + 1, Colour::FrameLight);
    px.Dot(1, MassPlatformRow + 1, Colour::Ink);
    px.Dot(11, MassPlatformRow + 1, Colour::Ink);
    px.HLine(1, 11, MassPlatformRow + 2, Colour::Ink);
}

// Load arrow of the diagram: shaft on columns 4..6, the head's tip at (5, bottom row).
void Arrow(TPixels& px, int height) {
    constexpr int centre = 5, head = 5;
    px.Rect(centre - 1, 0, centre + 1, height - head - 1, Colour::Load);
    for (int r = 0; r < head; ++r) {
        const int half = head - 1 - r;
        px.HLine(centre - half, centre + half, height - head + r, Colour::Load);
    }
}

// A uniformly distributed load: a bar with a small arrow every 5 pixels from column 4 (the first station),
// tips on row tipRow. The window crops the strip from the left at any width, so column 4 is always an arrow,
// and the heads are narrow (3 pixels) so that a crop through an arrow leaves at most one stray pixel of it.
void UDL(TPixels& px, int barTop, int tipRow) {
    const int width = 361;
    px.HLine(2, width - 1, barTop, Colour::LoadDark);
    px.Rect(2, barTop + 1, width - 1, barTop + 2, Colour::Load);
    px.HLine(2, width - 1, barTop + 3, Colour::LoadDark);
    for (int x = 4; x < width; x += 5) {
        px.VLine(x, barTop + 4, tipRow, Colour::Load);
        px.HLine(x - 1, x + 1, tipRow - 1, Colour::Load);
    }
}

// Dial gauge: the carriage under the gauge rail, the dial with its pointer at zero, the stem, the spindle
// and the contact point on column 18, its tip on row 64 (y 137, just above the beam top).
void DialGauge(QImage& image) {
    TPixels px(image);
    constexpr int c = GaugeStylusColumn;
    px.Bar(c - 6, 0, c + 6, 4, Colour::FrameLight, Colour::Frame, Colour::Ink);
    px.Rect(c + 7, 1, c + 8, 3, Colour::SteelDark); // the carriage's locking screw
    px.VLine(c + 8, 1, 3, Colour::Ink);
    px.Rect(c - 2, 5, c + 2, 7, Colour::SteelDark);
    // Stem, spindle and contact point.
    px.Bar(c - 3, 36, c + 3, 49, Colour::SteelLight, Colour::SteelDark, Colour::Ink);
    px.VLine(c - 1, 50, 60, Colour::Ink);
    px.VLine(c, 50, 60, Colour::SteelLight);
    px.VLine(c + 1, 50, 60, Colour::Ink);
    px.HLine(c - 2, c + 2, 61, Colour::Ink);
    px.HLine(c - 1, c + 1, 62, Colour::Steel);
    px.Dot(c - 2, 62, Colour::Ink);
    px.Dot(c + 2, 62, Colour::Ink);
    px.HLine(c - 1, c + 1, 63, Colour::Ink);
    px.Dot(c, GaugeTipRow, Colour::Ink);

    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QPointF centre(c + 0.5, 21.5);
    QRadialGradient bezel(centre - QPointF(5, 5), 22);
    bezel.setColorAt(0, Colour::SteelLight);
    bezel.setColorAt(1, Colour::SteelDark);
    p.setPen(QPen(Colour::Ink, 1.0));
    p.setBrush(bezel);
    p.drawEllipse(centre, 15.5, 15.5);
    p.setPen(QPen(Colour::SteelDark, 0.8));
    p.setBrush(Qt::white);
    p.drawEllipse(centre, 12.5, 12.5);
    for (int i = 0; i < 20; ++i) {
        const double a = i * std::numbers::pi / 10, inner = i % 5 == 0 ? 8.0 : 10.0;
        const QPointF dir(std::sin(a), -std::cos(a));
        p.setPen(QPen(Colour::Ink, i % 5 == 0 ? 1.1 : 0.8));
        p.drawLine(centre + dir * inner, centre + dir * 11.8);
    }
    p.setPen(QPen(Colour::Load, 1.4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(centre + QPointF(0, 3), centre + QPointF(0, -10));
    p.setPen(Qt::NoPen);
    p.setBrush(Colour::Ink);
    p.drawEllipse(centre, 1.8, 1.8);
}

} // namespace

void DrawPiece(QImage& image, const QString& name) {
    TPixels px(image);
    if (name == QLatin1String("LClampImage") || name == QLatin1String("RClampImage")) {
        Clamp(px);
        if (name.startsWith(QLatin1Char('R'))) image = image.mirrored(true, false);
    } else if (name == QLatin1String("LeftSupport")) {
        BuiltInEnd(px);
    } else if (name == QLatin1String("RightSupport")) {
        // The mirror, one column further right: placed at x 441, its wall (x 442..443) meets the line's last
        // pixel at 441 as the left wall (x 86..87) meets its first at 88.
        BuiltInEnd(px);
        const QImage mirror = image.mirrored(true, false);
        image.fill(Qt::transparent);
        QPainter(&image).drawImage(1, 0, mirror);
    } else if (name == QLatin1String("KnifeEdge")) {
        KnifeEdge(px);
    } else if (name == QLatin1String("Pivot")) {
        Pivot(px);
    } else if (name == QLatin1String("LoadHangerImage")) {
        HangerStirrup(px);
        HangerStem(px, 4, image.height() - 1);
    } else if (name == QLatin1String("EmptyHangerImage")) {
        MassHanger(px, 0);
    } else if (name.startsWith(QLatin1String("Gram"))) {
        MassHanger(px, name.mid(4, 1).toInt());
    } else if (name.startsWith(QLatin1String("ArrowDown"))) {
        Arrow(px, image.height());
    } else if (name == QLatin1String("UDLStrip")) {
        UDL(px, 1, 14); // tips on y 137, the row above the beam top
    } else if (name == QLatin1String("UDL2Strip")) {
        UDL(px, 4, 20); // tips on y 301, the row above the diagram line; the label sits above the bar
    } else if (name == QLatin1String("DialGaugeImage")) {
        DialGauge(image);
    }
}

} // namespace ApparatusArt
