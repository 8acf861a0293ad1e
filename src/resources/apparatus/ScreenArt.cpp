// The apparatus picture: the test frame with its rails, the 600 mm beam, the rule under the beam and the load
// diagram's beam line. Everything that controls cover later (the graph, its side title, the tool box, the
// readouts under it) stays plain white, and the bands where popups and labels appear carry nothing fine.

#include "ApparatusDrawing.h"
#include "model/BeamLayout.h"

namespace ApparatusArt {

namespace {

using namespace Screen;

// An extruded frame member: outline, shading across its width and the slot down its middle.
void Profile(TPixels& px, int x0, int y0, int x1, int y1) {
    px.Bar(x0, y0, x1, y1, Colour::FrameLight, Colour::Frame, Colour::Ink);
    const QColor slot = Mix(Colour::Frame, Colour::Ink, 0.55);
    if (y1 - y0 > x1 - x0)
        px.VLine((x0 + x1) / 2, y0 + 3, y1 - 3, slot);
    else
        px.HLine(x0 + 3, x1 - 3, (y0 + y1) / 2, slot);
}

void Bolt(TPixels& px, int x, int y) {
    px.Rect(x - 1, y - 1, x + 1, y + 1, Colour::Ink);
    px.Dot(x - 1, y - 1, Colour::SteelLight);
}

void TestFrame(TPixels& px) {
    constexpr int leftUpright = 24, rightUpright = 492, uprightWidth = 14, uprightTop = 48;
    // The base on the bench, a faint shadow under it.
    px.HLine(14, 517, BaseBottom + 1, QColor(0, 0, 0, 40));
    px.HLine(18, 513, BaseBottom + 2, QColor(0, 0, 0, 18));
    Profile(px, 12, BaseTop, 519, BaseBottom);
    for (const int x : {leftUpright, rightUpright}) {
        Profile(px, x, uprightTop, x + uprightWidth - 1, BaseTop);
        px.Rect(x, uprightTop - 2, x + uprightWidth - 1, uprightTop, Colour::Ink); // end cap
    }
    // The gauge rail across the top and the bed rail under the beam, bolted to the uprights.
    const int inner0 = leftUpright + uprightWidth - 1, inner1 = rightUpright;
    Profile(px, inner0, GaugeRailTop, inner1, GaugeRailBottom);
    Profile(px, inner0, RailTop, inner1, RailBottom);
    for (const int x : {leftUpright + 6, rightUpright + 7}) {
        Bolt(px, x, (GaugeRailTop + GaugeRailBottom) / 2);
        Bolt(px, x, (RailTop + RailBottom) / 2);
        Bolt(px, x, (BaseTop + BaseBottom) / 2);
    }
}

void Beam(TPixels& px) {
    px.Bar(BeamLeft, BeamTop, BeamRight, BeamBottom, Colour::SteelLight, Colour::SteelDark, Colour::Ink);
}

// The rule under the beam: a tick at every station, taller every 50 mm. Its figures are engraved on the bed
// rail's face below (rows 170..174), where no knife-edge or clamp reaches (their feet end on the rail's top
// row) and only a hanger's stem passes: each figure ends three pixels left of its tick, so the stem of a
// hanger on that mark (columns x - 1..x + 1) never touches it. "0 mm" starts right of its tick, clear of the
// clamp's foot.
void Rule(TPixels& px) {
    px.Rect(RuleLeft, RuleTop, RuleRight, RuleBottom, Colour::Scale);
    const QColor edge = Colour::SteelDark;
    px.HLine(RuleLeft, RuleRight, RuleTop, edge);
    px.HLine(RuleLeft, RuleRight, RuleBottom, edge);
    px.VLine(RuleLeft, RuleTop, RuleBottom, edge);
    px.VLine(RuleRight, RuleTop, RuleBottom, edge);
    for (int station = 0; station < StationCount; ++station) {
        const int x = StationX[station];
        const int length = station % 10 == 0 ? 4 : station % 5 == 0 ? 3 : 2;
        px.Tick(x, TickTop, TickTop + length - 1, Colour::Ink);
    }
}

void RuleFigures(TPixels& px) {
    const int top = RailTop + 1 - 2; // the digits' glyphs have two rows above them
    for (int station = 10; station < StationCount; station += 10) {
        const QString figure = QString::number(station * 10);
        px.Text(StationX[station] - 2 - TPixels::TextWidth(figure), top, figure, Colour::Scale);
    }
    px.Text(StationX[0] + 2, top, QStringLiteral("0"), Colour::Scale);
    px.Text(StationX[0] + 8, top, QStringLiteral("mm"), Colour::SteelLight);
}

void LoadDiagram(TPixels& px) {
    px.Rect(StationX.front(), DiagramLineY, StationX.back(), DiagramLineY + 1, Colour::Ink);
    const QString caption = QStringLiteral("Load diagram");
    px.Text(68 - TPixels::TextWidth(caption), DiagramLineY - 5, caption, Colour::Faint);
}

} // namespace

void DrawScreen(QImage& image) {
    TPixels px(image);
    TestFrame(px);
    Rule(px);
    RuleFigures(px);
    Beam(px);
    LoadDiagram(px);
}

} // namespace ApparatusArt
