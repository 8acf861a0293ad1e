// The apparatus of each module, drawn from the parts of the kit. Coordinates are in the 700 x 500 world:
// the bench top is at y = 470 and the test frame's base rail at y = 448.
#include "Scenes.h"

#include <QtMath>
#include <cmath>

namespace Art {
namespace {

QPainterPath Polyline(const std::vector<QPointF>& points) {
    QPainterPath path;
    if (points.empty()) return path;
    path.moveTo(points.front());
    for (std::size_t i = 1; i < points.size(); ++i)
        path.lineTo(points[i]);
    return path;
}

// A member drawn along a path as a steel bar with an ink outline: a bent beam, an arch.
void Member(TKit& k, const QPainterPath& path, double width) {
    k.P.setPen(k.Pen(Colour::Ink, width + 4));
    k.P.setBrush(Qt::NoBrush);
    k.P.drawPath(path);
    k.P.setPen(k.Pen(Colour::Steel, width));
    k.P.drawPath(path);
}

// Module 2: a simply supported beam cut beside a point load; a pivot carries the shear at the cut and a
// link with a load cell over it the bending moment. What marks it out at a glance: the moment arrows at the
// cut and the triangular moment diagram.
void BendingMoment(TKit& k) {
    k.TestFrame();
    k.Pedestal(110, 235);
    k.Pedestal(590, 235);
    k.Pin(110, 205);
    k.Roller(590, 205);
    k.Beam(80, 340, 198, 14);
    k.Beam(360, 620, 198, 14);
    k.Joint(QPointF(350, 198), 8);
    // The link over the cut, between two brackets, with the load cell in line.
    k.Bar(QPointF(300, 191), QPointF(300, 150), 5);
    k.Bar(QPointF(400, 191), QPointF(400, 150), 5);
    k.Bar(QPointF(300, 150), QPointF(400, 150), 5);
    k.LoadCell(QRectF(330, 138, 40, 24));
    // The sagging moment at the cut: anticlockwise on the left part, clockwise on the right one.
    k.CurvedArrow(QPointF(350, 198), 46, 115, 100, Colour::Load, 5);
    k.CurvedArrow(QPointF(350, 198), 46, 65, -100, Colour::Load, 5);
    k.Readout(QRectF(470, 60, 120, 48), QStringLiteral("12.6"));
    k.Cord({{370, 150}, {470, 100}});
    k.Hanger(230, 191, 4);
    k.Inset(QRectF(90, 310, 520, 125), QStringLiteral("Bending moment"));
    // One point load: a triangle with its peak under the load, the value at the cut marked.
    k.Diagram(325, {{110, 325}, {230, 425}, {590, 325}}, Colour::Load);
    k.P.setPen(k.Pen(Colour::Ink, 1.5));
    k.P.drawLine(QPointF(350, 325), QPointF(350, 325 + 100.0 * 240 / 360));
    k.Leader({350, 205}, {300, 290}, QStringLiteral("Pivot at the cut"));
    k.Leader({350, 150}, {430, 130}, QStringLiteral("Load cell"));
}

// Module 3: the cut passes the bending moment through rollers and the shear to a load cell. What marks it
// out: the cut with its pair of opposed shear arrows, and the stepped shear diagram above and below its axis.
void ShearForce(TKit& k) {
    const QColor shear(0xd3, 0x7a, 0x12);
    k.TestFrame();
    k.Pedestal(110, 235);
    k.Pedestal(590, 235);
    k.Pin(110, 205);
    k.Roller(590, 205);
    k.Beam(80, 340, 198, 14);
    k.Beam(360, 620, 198, 14);
    // Rollers across the cut carry the moment; the load cell above it takes the shear.
    k.Pulley(QPointF(350, 186), 6);
    k.Pulley(QPointF(350, 210), 6);
    k.Bar(QPointF(350, 180), QPointF(350, 150), 5);
    k.LoadCell(QRectF(330, 120, 40, 30));
    k.Bar(QPointF(350, 120), QPointF(350, 60), 4);
    // Two equal loads W left of the cut: the reactions are 1.44 W and 0.56 W, so the shear at the cut is
    // -0.56 W. On the left part's face it acts upward, on the right part's face downward.
    k.Arrow({326, 266}, {326, 210}, shear, 6);
    k.Arrow({374, 130}, {374, 186}, shear, 6);
    k.Readout(QRectF(470, 60, 120, 48), QStringLiteral("-3.4"));
    k.Cord({{370, 135}, {470, 100}});
    k.Hanger(200, 191, 3);
    k.Hanger(290, 191, 3);
    k.Inset(QRectF(90, 300, 520, 135), QStringLiteral("Shear force"));
    // Steps at the loads: +1.44 W, +0.44 W, then -0.56 W to the right support (31 units per W).
    k.Diagram(
        370, {{110, 370}, {110, 325}, {200, 325}, {200, 356}, {290, 356}, {290, 388}, {590, 388}, {590, 370}},
        shear);
    k.Leader({350, 135}, {420, 160}, QStringLiteral("Shear load cell"));
}

// Module 4: the deflection apparatus, shown as a cantilever clamped at the left and bent by a load at its
// tip, a digital dial gauge over the tip. What marks it out: the clamp, the drooping beam with no support at
// its free end, and the big gauge.
void Deflection(TKit& k) {
    k.TestFrame();
    k.Pedestal(120, 235);
    k.Clamp(140, 185, true, 70);
    // The beam as it bends: w(x) = W x^2 (3L - x) / (6EI), drawn with a tip deflection of 45.
    const double left = 140, length = 440, tip = 45;
    auto droop = [&](double x) {
        const double s = (x - left) / length;
        return 185 + tip * s * s * (3 - s) / 2;
    };
    std::vector<QPointF> beam;
    for (int i = 0; i <= 44; ++i)
        beam.push_back({left + 10.0 * i, droop(left + 10.0 * i)});
    Member(k, Polyline(beam), 11);
    k.Dashed(Polyline({{left, 185}, {left + length, 185}}), Colour::SteelDark);
    k.Hanger(560, droop(560) - 6, 4, 80);
    k.Bar(QPointF(520, 60), QPointF(520, 75), 6);
    k.DialGauge(QPointF(520, 120), 44, QPointF(520, droop(520) - 8));
    k.Readout(QRectF(300, 60, 120, 48), QStringLiteral("-0.84"));
    k.Cord({{420, 84}, {476, 110}});
    k.Inset(QRectF(90, 330, 520, 100), QStringLiteral("Deflection"));
    std::vector<QPointF> curve;
    for (int i = 0; i <= 44; ++i) {
        const double s = i / 44.0;
        curve.push_back({130 + 440 * s, 350 + 65 * s * s * (3 - s) / 2});
    }
    k.Diagram(350, curve);
    k.Leader({120, 215}, {165, 290}, QStringLiteral("End clamp"));
    k.Leader({476, 120}, {420, 150}, QStringLiteral("Digital dial gauge"));
}

// Module 5: a shaft held in a chuck and twisted by a torque arm and a hanger.
void Torsion(TKit& k) {
    k.TestFrame();
    k.Pedestal(120, 230);
    k.Pedestal(520, 230);
    QPainter& p = k.P;
    // Chuck and bearing housing.
    p.setPen(k.Pen(Colour::Ink, 1.5));
    p.setBrush(Colour::Frame);
    p.drawRect(QRectF(90, 170, 60, 70));
    p.drawRect(QRectF(500, 175, 40, 60));
    // The specimen, a round bar: shaded like a cylinder.
    QLinearGradient g(0, 195, 0, 215);
    g.setColorAt(0, Colour::Steel.lighter(130));
    g.setColorAt(0.4, Colour::Steel);
    g.setColorAt(1, Colour::SteelDark.darker(115));
    p.setBrush(g);
    p.drawRect(QRectF(150, 195, 350, 20));
    // Torque disc and arm with its hanger.
    p.setBrush(Colour::SteelDark);
    p.drawEllipse(QPointF(560, 205), 14, 44);
    k.Bar(QPointF(560, 205), QPointF(640, 205), 7);
    k.Hanger(632, 198, 3, 90);
    // Protractor over the disc.
    p.setPen(k.Pen(Colour::Ink, 1.2));
    p.setBrush(QColor(255, 255, 255, 200));
    p.drawPie(QRectF(520, 125, 80, 80), 0, 180 * 16);
    for (int i = 0; i <= 18; ++i) {
        const double a = qDegreesToRadians(i * 10.0);
        p.drawLine(QPointF(560 + 40 * std::cos(a), 165 - 40 * std::sin(a)),
                   QPointF(560 + 33 * std::cos(a), 165 - 33 * std::sin(a)));
    }
    k.Bar(QPointF(340, 60), QPointF(340, 125), 5);
    k.DialGauge(QPointF(340, 150), 22, QPointF(340, 195));
    // The twist of the bar shown as a helix line.
    QPainterPath twist;
    for (int i = 0; i <= 35; ++i) {
        const double x = 150 + 10 * i, y = 205 + 9 * std::sin(i * 0.18);
        i == 0 ? twist.moveTo(x, y) : twist.lineTo(x, y);
    }
    k.Dashed(twist);
    k.Arrow({600, 290}, {600, 330});
    k.Inset(QRectF(90, 330, 400, 100), QStringLiteral("Torque against twist"));
    k.Diagram(410, {{110, 410}, {460, 350}});
    k.Leader({120, 205}, {80, 130}, QStringLiteral("Chuck"));
    k.Leader({560, 160}, {590, 100}, QStringLiteral("Protractor"));
}

// Module 6: a strut loaded by a screw jack through a load cell, bowing at mid-length.
void Buckling(TKit& k) {
    k.TestFrame(true);
    QPainter& p = k.P;
    p.setPen(k.Pen(Colour::Ink, 1.5));
    p.setBrush(Colour::Frame);
    p.drawRect(QRectF(300, 60, 100, 24)); // top crosshead
    k.Joint(QPointF(350, 96), 7);
    k.LoadCell(QRectF(322, 370, 56, 30));
    k.Joint(QPointF(350, 360), 7);
    // Screw jack and hand wheel below the load cell.
    k.Bar(QPointF(350, 400), QPointF(350, 448), 10, Colour::SteelDark);
    p.setPen(k.Pen(Colour::Ink, 1.5));
    p.setBrush(Colour::Frame);
    p.drawEllipse(QRectF(305, 420, 90, 16));
    // The strut, straight (dashed) and buckled.
    QPainterPath straight;
    straight.moveTo(350, 96);
    straight.lineTo(350, 360);
    k.Dashed(straight, Colour::SteelDark);
    QPainterPath bowed;
    for (int i = 0; i <= 40; ++i) {
        const double s = i / 40.0;
        const QPointF point(350 + 38 * std::sin(M_PI * s), 96 + 264 * s);
        i == 0 ? bowed.moveTo(point) : bowed.lineTo(point);
    }
    p.setPen(k.Pen(Colour::Ink, 10));
    p.drawPath(bowed);
    p.setPen(k.Pen(Colour::Steel, 7));
    p.drawPath(bowed);
    k.Bar(QPointF(648, 228), QPointF(500, 228), 5);
    k.DialGauge(QPointF(470, 228), 24, QPointF(392, 228));
    k.Arrow({350, 20 + 0}, {350, 56});
    k.Readout(QRectF(90, 90, 120, 48), QStringLiteral("412"));
    k.Cord({{322, 385}, {150, 385}, {150, 138}});
    k.Label({90, 170}, QStringLiteral("Load (N)"), 12);
    k.Leader({370, 228}, {420, 300}, QStringLiteral("Strut"));
    k.Leader({350, 428}, {430, 415}, QStringLiteral("Loading screw"));
}

// Module 7: a plane truss, members coloured by the sense of their force, strain gauges on each.
void Truss(TKit& k) {
    k.TestFrame();
    k.Pedestal(100, 340);
    k.Pedestal(600, 340);
    const std::vector<QPointF> bottom{{100, 300}, {225, 300}, {350, 300}, {475, 300}, {600, 300}};
    const std::vector<QPointF> top{{162, 175}, {287, 175}, {412, 175}, {537, 175}};
    auto member = [&](QPointF a, QPointF b, const QColor& c) {
        k.Bar(a, b, 6, c.lighter(150));
        k.StrainGauge((a + b) / 2, qRadiansToDegrees(std::atan2(b.y() - a.y(), b.x() - a.x())));
    };
    for (std::size_t i = 0; i + 1 < bottom.size(); ++i)
        member(bottom[i], bottom[i + 1], Colour::Tension);
    for (std::size_t i = 0; i + 1 < top.size(); ++i)
        member(top[i], top[i + 1], Colour::Compression);
    for (std::size_t i = 0; i < top.size(); ++i) {
        member(bottom[i], top[i], i < 2 ? Colour::Compression : Colour::Tension);
        member(top[i], bottom[i + 1], i < 2 ? Colour::Tension : Colour::Compression);
    }
    for (const QPointF& j : bottom)
        k.Joint(j, 8);
    for (const QPointF& j : top)
        k.Joint(j, 8);
    k.Pin(100, 312);
    k.Roller(600, 312);
    k.Hanger(350, 306, 4, 70);
    k.Readout(QRectF(480, 70, 140, 48), QStringLiteral("+86 µε"));
    if (k.Detailed) {
        k.Bar(QPointF(90, 90), QPointF(120, 90), 6, Colour::Tension.lighter(150));
        k.Label({128, 95}, QStringLiteral("Tension"), 12);
        k.Bar(QPointF(90, 115), QPointF(120, 115), 6, Colour::Compression.lighter(150));
        k.Label({128, 120}, QStringLiteral("Compression"), 12);
    }
    k.Leader({256, 237}, {330, 420}, QStringLiteral("Strain gauge on every member"));
}

std::vector<QPointF> ArchPoints(double left, double right, double base, double rise) {
    std::vector<QPointF> points;
    for (int i = 0; i <= 40; ++i) {
        const double s = i / 40.0;
        points.push_back({left + (right - left) * s, base - 4 * rise * s * (1 - s)});
    }
    return points;
}

void Arch(TKit& k, const std::vector<QPointF>& points) {
    Member(k, Polyline(points), 10);
}

// Module 8: a parabolic arch with pins at both springings and at the crown.
void ThreePinnedArch(TKit& k) {
    k.TestFrame();
    const auto points = ArchPoints(120, 580, 380, 230);
    Arch(k, std::vector<QPointF>(points.begin(), points.begin() + 21));
    Arch(k, std::vector<QPointF>(points.begin() + 20, points.end()));
    k.Pedestal(120, 420);
    k.Pedestal(580, 420);
    k.Pin(120, 380);
    k.Pin(580, 380);
    k.Joint(points[20], 9);
    k.Hanger(points[10].x(), points[10].y() + 6, 3, 80);
    k.Hanger(points[30].x(), points[30].y() + 6, 2, 80);
    k.Arrow({60, 380}, {108, 380}, Colour::Accent);
    k.Arrow({640, 380}, {592, 380}, Colour::Accent);
    k.LoadCell(QRectF(60, 395, 40, 26));
    k.LoadCell(QRectF(600, 395, 40, 26));
    k.Leader(points[20], {420, 110}, QStringLiteral("Crown pin"));
    k.Leader({80, 408}, {80, 300}, QStringLiteral("Thrust load cell"));
}

// Module 9: an arch pinned at one end, on a roller at the other. Under load the arch spreads and the roller
// end moves outward; a cord over a pulley inside the span pulls it back inward, and the weights that restore
// it to its original position measure the horizontal thrust.
void TwoPinnedArch(TKit& k) {
    k.TestFrame();
    const auto points = ArchPoints(120, 560, 360, 200);
    Arch(k, points);
    k.Pedestal(120, 400);
    k.Pedestal(560, 404);
    k.Pin(120, 360);
    k.Roller(560, 362);
    // The pulley on a bracket off the roller's fixed base, inside the span: the cord leaves the roller
    // inward.
    k.Bar(QPointF(538, 392), QPointF(515, 378), 4);
    k.Cord({{542, 368}, {515, 368}});
    k.Pulley(QPointF(515, 378), 10);
    k.Cord({{505, 378}, {505, 400}});
    k.Hanger(505, 400, 2, 22);
    // The restoring force on the roller end, towards the span.
    k.Arrow({612, 345}, {578, 345}, Colour::Load, 4);
    k.Hanger(points[14].x(), points[14].y() + 6, 3, 90);
    k.Bar(QPointF(648, 300), QPointF(620, 300), 5);
    k.DialGauge(QPointF(600, 300), 18, QPointF(568, 352));
    k.Inset(QRectF(90, 60, 250, 90), QStringLiteral("Influence line for thrust"));
    std::vector<QPointF> line;
    for (int i = 0; i <= 20; ++i) {
        const double s = i / 20.0;
        line.push_back({110 + 210 * s, 135 - 80 * (s - 2 * s * s * s + s * s * s * s) * 1.6});
    }
    k.Diagram(135, line);
    k.Leader({560, 380}, {600, 430}, QStringLiteral("Roller end"));
    k.Leader({505, 420}, {430, 430}, QStringLiteral("Restoring weights"));
    k.Label({586, 336}, QStringLiteral("H"), 14, true);
}

// Module 10: a portal frame with fixed feet swayed by a horizontal load at beam level. The cord runs from
// the left knee over a pulley on the left upright to the hanger, so the frame is pulled, and sways, to the
// left.
void PortalFrame(TKit& k) {
    k.TestFrame();
    const QPointF a(200, 430), b(200, 170), c(500, 170), d(500, 430);
    k.Bar(a, b, 10);
    k.Bar(b, c, 10);
    k.Bar(c, d, 10);
    for (const double x : {200.0, 500.0}) {
        k.P.setPen(k.Pen(Colour::Ink, 1.5));
        k.P.setBrush(Colour::Frame);
        k.P.drawRect(QRectF(x - 30, 430, 60, 18));
    }
    // Swayed shape: the columns bend in double curvature, the knees move left together.
    QPainterPath sway;
    sway.moveTo(a);
    sway.cubicTo(QPointF(200, 330), QPointF(164, 250), QPointF(164, 170));
    sway.lineTo(464, 170);
    sway.cubicTo(QPointF(464, 250), QPointF(500, 330), d);
    k.Dashed(sway);
    k.Bar(QPointF(52, 180), QPointF(82, 180), 4); // the pulley's arm on the upright
    k.Cord({{190, 170}, {82, 168}});
    k.Pulley(QPointF(82, 180), 12);
    k.Cord({{70, 182}, {70, 250}});
    k.Hanger(70, 250, 3, 40);
    k.Arrow({192, 150}, {132, 150});
    k.Bar(QPointF(648, 170), QPointF(600, 170), 5);
    k.DialGauge(QPointF(575, 170), 22, QPointF(508, 170));
    k.Bar(QPointF(648, 300), QPointF(600, 300), 5);
    k.DialGauge(QPointF(575, 300), 18, QPointF(508, 300));
    k.Leader({350, 170}, {330, 110}, QStringLiteral("Rigid knee joints"));
    k.Leader({200, 438}, {260, 400}, QStringLiteral("Fixed feet"));
}

// Module 11: a beam continuous over three supports, each standing on a load cell. What marks it out: the
// three evenly spaced supports under a beam that sags in both spans and hogs over the middle one, and the
// three reactions, the middle one largest.
void ContinuousBeam(TKit& k) {
    k.TestFrame();
    for (const double x : {110.0, 350.0, 590.0}) {
        k.Pedestal(x, 290);
        k.LoadCell(QRectF(x - 24, 250, 48, 30));
        k.KnifeEdge(x, 210);
    }
    // The beam as it bends, exaggerated: each span of a two-span beam under uniform load deflects as
    // w(s) = s (1 - s)(1 + s - 2 s^2) in units of the span (0 at both supports, level over the middle one).
    auto shape = [](double x) {
        const double s = x <= 350 ? (350 - x) / 240 : (x - 350) / 240;
        return 203 + 60 * s * (1 - s) * (1 + s - 2 * s * s) / 0.6;
    };
    std::vector<QPointF> beam;
    for (int i = 0; i <= 52; ++i) {
        const double x = 90 + 10.0 * i;
        // Beyond the end supports the beam runs on straight, tilted as the span leaves the support.
        beam.push_back({x, x < 110   ? shape(110) - (110 - x) * 0.5
                           : x > 590 ? shape(590) - (x - 590) * 0.5
                                     : shape(x)});
    }
    Member(k, Polyline(beam), 10);
    k.Dashed(Polyline({{80, 203}, {620, 203}}), Colour::SteelDark);
    for (const double x : {170.0, 230.0, 290.0, 410.0, 470.0, 530.0})
        k.Hanger(x, shape(x) - 6, 2, 50);
    k.Readout(QRectF(60, 60, 110, 44), QStringLiteral("3.75"));
    k.Readout(QRectF(295, 60, 110, 44), QStringLiteral("12.5"));
    k.Readout(QRectF(530, 60, 110, 44), QStringLiteral("3.75"));
    k.Inset(QRectF(90, 325, 520, 110), QStringLiteral("Reactions"));
    // Two equal spans under uniform load: end reactions 3/8 and the middle one 10/8 of a span's load.
    for (const auto& [x, r] : {std::pair{110.0, 30.0}, {350.0, 85.0}, {590.0, 30.0}})
        k.Arrow({x, 428}, {x, 428 - r}, Colour::Accent, 7);
}

// Module 12: a quarter-circle bar clamped at its foot and loaded at its free end.
void CurvedBars(TKit& k) {
    k.TestFrame();
    k.P.setPen(k.Pen(Colour::Ink, 1.5));
    k.P.setBrush(Colour::Frame);
    k.P.drawRect(QRectF(140, 380, 80, 68));
    QPainterPath bar;
    bar.moveTo(180, 380);
    bar.arcTo(QRectF(180, 120, 520, 520), 180, -90);
    k.P.setPen(k.Pen(Colour::Ink, 13));
    k.P.setBrush(Qt::NoBrush);
    k.P.drawPath(bar);
    k.P.setPen(k.Pen(Colour::Steel, 9));
    k.P.drawPath(bar);
    const QPointF end(440, 120);
    k.Bar(end, QPointF(470, 120), 9);
    k.Hanger(465, 126, 3, 90);
    k.Bar(QPointF(648, 95), QPointF(582, 95), 5);
    k.DialGauge(QPointF(560, 95), 22, QPointF(476, 114));
    k.Bar(QPointF(52, 62), QPointF(382, 62), 5);
    k.DialGauge(QPointF(400, 62), 18, QPointF(435, 112));
    QPainterPath moved;
    moved.moveTo(180, 380);
    moved.arcTo(QRectF(196, 150, 520, 520), 180, -88);
    k.Dashed(moved);
    k.Leader({200, 400}, {250, 430}, QStringLiteral("Clamped foot"));
    k.Leader({260, 220}, {150, 200}, QStringLiteral("Curved specimen"));
}

// Module 13: an angle-section cantilever turned to any angle, with its cross-section and principal axes.
void UnsymmetricalBending(TKit& k) {
    k.TestFrame();
    k.P.setPen(k.Pen(Colour::Ink, 1.5));
    k.P.setBrush(Colour::Frame);
    k.P.drawRect(QRectF(52, 150, 70, 110));
    k.P.drawEllipse(QRectF(60, 165, 54, 80)); // the turntable that sets the section angle
    k.Beam(120, 520, 198, 16);
    k.Beam(120, 520, 212, 6);
    k.Bar(QPointF(520, 205), QPointF(560, 205), 8);
    k.Hanger(555, 199, 3, 90);
    k.Bar(QPointF(500, 60), QPointF(500, 100), 5);
    k.DialGauge(QPointF(500, 125), 22, QPointF(500, 190));
    k.Bar(QPointF(648, 150), QPointF(620, 150), 5);
    k.DialGauge(QPointF(600, 150), 20, QPointF(528, 196));
    k.Inset(QRectF(120, 300, 230, 130), QStringLiteral("Section"));
    // The angle section with its centroid and principal axes.
    QPainter& p = k.P;
    p.save();
    p.translate(235, 372);
    p.rotate(-20);
    p.setPen(k.Pen(Colour::Ink, 1.5));
    p.setBrush(Colour::Steel);
    QPolygonF angle{{-35, -40}, {-25, -40}, {-25, 30}, {40, 30}, {40, 40}, {-35, 40}};
    p.drawPolygon(angle);
    p.restore();
    k.Arrow({235 - 70, 372 + 25}, {235 + 80, 372 - 29}, Colour::Accent, 1.5);
    k.Arrow({235 + 20, 372 + 60}, {235 - 22, 372 - 60}, Colour::Accent, 1.5);
    k.Label({318, 345}, QStringLiteral("u"), 13, true);
    k.Label({205, 318}, QStringLiteral("v"), 13, true);
    k.Leader({87, 205}, {90, 300}, QStringLiteral("Turntable"));
}

// Module 14: a channel-section cantilever with a loading plate at its tip.
void ShearCentre(TKit& k) {
    k.TestFrame();
    k.P.setPen(k.Pen(Colour::Ink, 1.5));
    k.P.setBrush(Colour::Frame);
    k.P.drawRect(QRectF(52, 140, 70, 130));
    k.Beam(122, 470, 190, 40);
    k.Beam(122, 470, 172, 4);
    k.Beam(122, 470, 208, 4);
    // The end plate seen face on, with its row of loading holes.
    QPainter& p = k.P;
    p.setPen(k.Pen(Colour::Ink, 1.5));
    p.setBrush(Colour::SteelDark);
    p.drawRect(QRectF(470, 120, 150, 24));
    p.setBrush(Qt::white);
    for (int i = 0; i < 7; ++i)
        p.drawEllipse(QPointF(484 + 20 * i, 132), 4, 4);
    k.Hanger(564, 128, 3, 110);
    k.Bar(QPointF(500, 60), QPointF(648, 60), 5);
    k.Bar(QPointF(500, 60), QPointF(500, 82), 4);
    k.Bar(QPointF(600, 60), QPointF(600, 78), 4);
    k.DialGauge(QPointF(500, 100), 18, QPointF(500, 118));
    k.DialGauge(QPointF(600, 96), 18, QPointF(600, 118));
    k.Inset(QRectF(120, 300, 260, 130), QStringLiteral("Channel section"));
    p.setPen(k.Pen(Colour::Ink, 1.5));
    p.setBrush(Colour::Steel);
    QPolygonF channel{{200, 330}, {280, 330}, {280, 340}, {212, 340},
                      {212, 400}, {280, 400}, {280, 410}, {200, 410}};
    p.drawPolygon(channel);
    p.setBrush(Colour::Load);
    p.setPen(Qt::NoPen);
    p.drawEllipse(QPointF(176, 370), 5, 5);
    k.Label({150, 392}, QStringLiteral("S"), 14, true);
    k.Leader({540, 132}, {400, 70}, QStringLiteral("Loading plate"));
}

// Module 15: a cable over two pulleys, tensioned by weights and carrying hangers.
void SuspensionCable(TKit& k) {
    k.TestFrame(true);
    k.Pulley(QPointF(80, 110), 16);
    k.Pulley(QPointF(620, 110), 16);
    std::vector<QPointF> cable;
    const std::vector<QPointF> hangers{{215, 196}, {350, 228}, {485, 196}};
    cable.push_back({80, 94});
    cable.push_back({96, 110});
    for (const QPointF& h : hangers)
        cable.push_back(h);
    cable.push_back({604, 110});
    k.Cord(cable);
    k.Cord({{64, 110}, {64, 300}});
    k.Cord({{636, 110}, {636, 300}});
    k.Hanger(64, 300, 4, 40);
    k.Hanger(636, 300, 4, 40);
    for (const QPointF& h : hangers)
        k.Hanger(h.x(), h.y() + 4, 2, 60);
    // Sag scale.
    k.P.setPen(k.Pen(Colour::Ink, 1.2));
    k.P.setBrush(QColor(0xf4, 0xe9, 0xc8));
    k.P.drawRect(QRectF(395, 100, 20, 150));
    for (int i = 0; i <= 15; ++i)
        k.P.drawLine(QPointF(395, 100 + 10 * i), QPointF(i % 5 == 0 ? 408 : 402, 100 + 10 * i));
    k.Arrow({350, 110}, {350, 220}, Colour::Accent, 1.5);
    k.Label({300, 160}, QStringLiteral("sag"), 13);
    k.Leader({420, 180}, {520, 330}, QStringLiteral("Sag scale"));
}

// Module 16: a truss with one member more than it needs; the redundant one has a load cell and an adjuster.
void RedundantTruss(TKit& k) {
    k.TestFrame();
    k.Pedestal(130, 360);
    k.Pedestal(570, 360);
    const QPointF a(130, 320), b(350, 320), c(570, 320), d(240, 160), e(460, 160);
    for (const auto& [p, q] :
         std::vector<std::pair<QPointF, QPointF>>{{a, b}, {b, c}, {d, e}, {a, d}, {d, b}, {b, e}, {e, c}})
        k.Bar(p, q, 6);
    // The redundant member, with an adjuster and a load cell in line.
    k.Bar(QPointF(240, 160), QPointF(350, 320), 6, Colour::Accent.lighter(170));
    k.Bar(a, e, 5, QColor(0xf0, 0xc0, 0x60));
    const QPointF middle = (a + e) / 2;
    k.P.save();
    k.P.translate(middle);
    k.P.rotate(qRadiansToDegrees(std::atan2(e.y() - a.y(), e.x() - a.x())));
    k.LoadCell(QRectF(-22, -12, 44, 24));
    k.P.restore();
    for (const QPointF& j : {a, b, c, d, e})
        k.Joint(j, 8);
    k.Pin(130, 332);
    k.Roller(570, 332);
    k.Hanger(350, 326, 4, 70);
    k.Readout(QRectF(480, 60, 140, 48), QStringLiteral("27.3"));
    k.Leader(middle, {200, 90}, QStringLiteral("Redundant member"));
}

// Module 17: a rigid-jointed frame built from members and joint plates.
void RigidFrame(TKit& k) {
    k.TestFrame(true);
    const QPointF a(160, 448), b(160, 200), c(420, 200), d(420, 448), e(580, 200);
    k.Bar(a, b, 9);
    k.Bar(b, c, 9);
    k.Bar(c, d, 9);
    k.Bar(c, e, 9);
    for (const QPointF& j : {b, c}) {
        k.P.setPen(k.Pen(Colour::Ink, 1.5));
        k.P.setBrush(Colour::Frame);
        k.P.drawRect(QRectF(j.x() - 18, j.y() - 18, 36, 36));
        k.P.setBrush(Qt::white);
        for (const QPointF o : {QPointF(-9, -9), QPointF(9, -9), QPointF(-9, 9), QPointF(9, 9)})
            k.P.drawEllipse(j + o, 3, 3);
    }
    k.Hanger(580, 206, 3, 90);
    k.Hanger(290, 206, 2, 80);
    k.Bar(QPointF(580, 60), QPointF(580, 110), 5);
    k.DialGauge(QPointF(580, 135), 20, QPointF(580, 190));
    k.Bar(QPointF(52, 200), QPointF(90, 200), 5);
    k.DialGauge(QPointF(110, 200), 18, QPointF(150, 200));
    QPainterPath bent;
    bent.moveTo(a);
    bent.cubicTo(QPointF(160, 330), QPointF(150, 250), QPointF(150, 200));
    bent.cubicTo(QPointF(290, 226), QPointF(400, 210), QPointF(412, 204));
    bent.lineTo(580, 236);
    k.Dashed(bent);
    k.Leader({420, 200}, {470, 300}, QStringLiteral("Joint plate"));
}

// Module 18: a load trolley rolled across a beam whose supports stand on load cells. What marks it out: the
// trolley on its wheels, shown at two stops on its way, and the triangular influence lines.
void InfluenceLines(TKit& k) {
    k.TestFrame();
    for (const double x : {110.0, 590.0}) {
        k.Pedestal(x, 250);
        k.LoadCell(QRectF(x - 24, 212, 48, 30));
        k.KnifeEdge(x, 172);
    }
    k.Beam(80, 620, 165, 12);
    QPainter& p = k.P;
    auto trolley = [&](double x, bool faded) {
        p.save();
        if (faded) p.setOpacity(0.35);
        p.setPen(k.Pen(Colour::Ink, 1.5));
        p.setBrush(Colour::Accent.lighter(135));
        p.drawRoundedRect(QRectF(x - 45, 104, 90, 40), 6, 6);
        p.setBrush(Colour::Brass);
        p.drawRect(QRectF(x - 28, 74, 56, 30));
        p.setBrush(Colour::Ink);
        for (const double dx : {-28.0, 28.0})
            p.drawEllipse(QPointF(x + dx, 149), 10, 10);
        p.setBrush(Colour::Steel);
        for (const double dx : {-28.0, 28.0})
            p.drawEllipse(QPointF(x + dx, 149), 4, 4);
        p.restore();
    };
    trolley(220, true);
    trolley(360, false);
    k.Arrow({420, 90}, {500, 90}, Colour::Accent, 6);
    k.Readout(QRectF(60, 60, 110, 44), QStringLiteral("6.40"));
    k.Readout(QRectF(530, 60, 110, 44), QStringLiteral("3.41"));
    k.Inset(QRectF(90, 280, 520, 155), QStringLiteral("Influence lines"));
    k.Diagram(305, {{110, 305}, {110, 365}, {590, 305}});
    k.Diagram(365, {{110, 365}, {350, 425}, {590, 365}});
    k.Label({600, 335}, QStringLiteral("R"), 13, true, Qt::AlignLeft);
    k.Label({600, 400}, QStringLiteral("M"), 13, true, Qt::AlignLeft);
    k.Leader({360, 124}, {300, 240}, QStringLiteral("Load trolley"));
}

// Module 19: a closed thin-walled cylinder pressurised by a hand pump, strain gauges on its wall.
void ThinCylinder(TKit& k) {
    QPainter& p = k.P;
    // Cradles on the bench.
    for (const double x : {200.0, 480.0}) {
        p.setPen(k.Pen(Colour::Ink, 1.5));
        p.setBrush(Colour::Frame);
        p.drawRect(QRectF(x - 30, 380, 60, 90));
    }
    QLinearGradient g(0, 250, 0, 390);
    g.setColorAt(0, Colour::Steel.lighter(125));
    g.setColorAt(0.35, Colour::Steel.lighter(105));
    g.setColorAt(1, Colour::SteelDark);
    p.setBrush(g);
    p.drawRect(QRectF(110, 250, 460, 140));
    p.setBrush(Colour::SteelDark);
    p.drawEllipse(QRectF(90, 250, 40, 140));
    p.drawEllipse(QRectF(550, 250, 40, 140));
    for (double x = 140; x <= 540; x += 80)
        p.drawLine(QPointF(x, 250), QPointF(x, 390));
    for (const auto& [pos, angle] : {std::pair{QPointF(260, 300), 0.0},
                                     {QPointF(320, 300), 90.0},
                                     {QPointF(390, 300), 45.0},
                                     {QPointF(450, 300), -45.0}})
        k.StrainGauge(pos, angle);
    // Pressure gauge and hand pump.
    k.Bar(QPointF(340, 250), QPointF(340, 180), 6);
    p.setPen(k.Pen(Colour::Ink, 1.5));
    p.setBrush(Colour::SteelDark);
    p.drawEllipse(QPointF(340, 140), 42, 42);
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(340, 140), 34, 34);
    p.setPen(k.Pen(Colour::Load, 2.5));
    p.drawLine(QPointF(340, 140), QPointF(362, 118));
    k.Cord({{590, 320}, {640, 320}, {640, 420}});
    p.setPen(k.Pen(Colour::Ink, 1.5));
    p.setBrush(Colour::Accent.lighter(130));
    p.drawRect(QRectF(620, 400, 40, 70));
    k.Bar(QPointF(640, 400), QPointF(640, 350), 5);
    k.Bar(QPointF(610, 350), QPointF(672, 330), 5);
    k.Leader({320, 300}, {180, 120}, QStringLiteral("Strain gauges"));
    k.Leader({640, 430}, {560, 455}, QStringLiteral("Hand pump"));
}

// Module 20: a tube bent and twisted by a load on the end of an arm.
void BendingAndTorsion(TKit& k) {
    k.TestFrame();
    QPainter& p = k.P;
    p.setPen(k.Pen(Colour::Ink, 1.5));
    p.setBrush(Colour::Frame);
    p.drawRect(QRectF(52, 120, 80, 160));
    QLinearGradient g(0, 180, 0, 220);
    g.setColorAt(0, Colour::Steel.lighter(130));
    g.setColorAt(0.4, Colour::Steel);
    g.setColorAt(1, Colour::SteelDark);
    p.setBrush(g);
    p.drawRect(QRectF(132, 180, 380, 40));
    p.setBrush(Colour::SteelDark);
    p.drawEllipse(QRectF(500, 180, 24, 40));
    // The arm points out of the picture towards the viewer: drawn in oblique projection.
    k.Bar(QPointF(512, 200), QPointF(600, 300), 10);
    k.Hanger(600, 294, 4, 70);
    // A three-gauge rosette near the support.
    for (const double a : {0.0, 45.0, 90.0})
        k.StrainGauge(QPointF(190, 200), a);
    k.Readout(QRectF(200, 60, 140, 48), QStringLiteral("214 µε"));
    k.Cord({{200, 190}, {230, 108}});
    k.Leader({190, 210}, {170, 330}, QStringLiteral("Strain rosette"));
    k.Leader({560, 254}, {640, 230}, QStringLiteral("Torque arm"));
}

} // namespace

void DrawModule(TKit& k, int n) {
    k.Background();
    switch (n) {
    case 2:
        BendingMoment(k);
        break;
    case 3:
        ShearForce(k);
        break;
    case 4:
        Deflection(k);
        break;
    case 5:
        Torsion(k);
        break;
    case 6:
        Buckling(k);
        break;
    case 7:
        Truss(k);
        break;
    case 8:
        ThreePinnedArch(k);
        break;
    case 9:
        TwoPinnedArch(k);
        break;
    case 10:
        PortalFrame(k);
        break;
    case 11:
        ContinuousBeam(k);
        break;
    case 12:
        CurvedBars(k);
        break;
    case 13:
        UnsymmetricalBending(k);
        break;
    case 14:
        ShearCentre(k);
        break;
    case 15:
        SuspensionCable(k);
        break;
    case 16:
        RedundantTruss(k);
        break;
    case 17:
        RigidFrame(k);
        break;
    case 18:
        InfluenceLines(k);
        break;
    case 19:
        ThinCylinder(k);
        break;
    case 20:
        BendingAndTorsion(k);
        break;
    default:
        break;
    }
}

void DrawLogo(QPainter& p, QRectF box) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    // A small Warren truss over the name: the range's mark.
    const double w = box.width() * 0.78, left = box.center().x() - w / 2,
                 base = box.top() + box.height() * 0.42;
    const double h = box.height() * 0.22;
    QPen pen(Colour::Accent, std::max(2.0, box.width() / 60));
    pen.setJoinStyle(Qt::RoundJoin);
    p.setPen(pen);
    QPainterPath truss;
    truss.moveTo(left, base);
    truss.lineTo(left + w, base);
    for (int i = 0; i < 4; ++i) {
        truss.moveTo(left + w * i / 4, base);
        truss.lineTo(left + w * (i + 0.5) / 4, base - h);
        truss.lineTo(left + w * (i + 1) / 4, base);
    }
    truss.moveTo(left + w * 0.5 / 4, base - h);
    truss.lineTo(left + w * 3.5 / 4, base - h);
    p.drawPath(truss);
    p.setBrush(Colour::Load);
    p.setPen(Qt::NoPen);
    const double r = std::max(2.5, box.width() / 45);
    for (int i = 0; i <= 4; ++i)
        p.drawEllipse(QPointF(left + w * i / 4, base), r, r);
    QFont name(QStringLiteral("DejaVu Sans"));
    name.setBold(true);
    name.setPixelSize(int(box.height() * 0.26));
    name.setLetterSpacing(QFont::PercentageSpacing, 104);
    p.setFont(name);
    p.setPen(Colour::Ink);
    p.drawText(QRectF(box.left(), base + box.height() * 0.04, box.width(), box.height() * 0.3),
               Qt::AlignHCenter | Qt::AlignVCenter, QStringLiteral("Ferrant"));
    QFont maker(QStringLiteral("DejaVu Sans"));
    maker.setPixelSize(std::max(8, int(box.height() * 0.1)));
    maker.setLetterSpacing(QFont::PercentageSpacing, 115);
    p.setFont(maker);
    p.setPen(Colour::Accent);
    p.drawText(QRectF(box.left(), base + box.height() * 0.33, box.width(), box.height() * 0.16),
               Qt::AlignHCenter | Qt::AlignVCenter, QStringLiteral("STRUCTURES  RANGE"));
    p.restore();
}

} // namespace Art
