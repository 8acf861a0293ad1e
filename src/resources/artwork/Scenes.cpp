// The apparatus of each module, drawn from the parts of the kit. Coordinates are in the 700 x 500 world:
// the bench top is at y = 470 and the test frame's base rail at y = 448.
#include "Scenes.h"

#include <QTransform>
#include <QtMath>
#include <algorithm>
#include <cmath>

#include "Frame.h"

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

// The weight of the slotted masses on a hanger: the pictures draw each as one disc.
constexpr double Gravity = 9.81; // N/kg
double Weight(int discs, double kilogramsEach) {
    return discs * kilogramsEach * Gravity;
}

// A readout's text: the value to the given decimals and its unit.
QString Reading(double value, int decimals, const QString& unit) {
    return QString::number(value, 'f', decimals) + QLatin1Char(' ') + unit;
}

// The deflected shape of every member of a solved frame, dashed, its largest displacement drawn `drawn` long.
void DeflectedShape(TKit& k, const TFrame& frame, double drawn, const QColor& colour = Colour::Accent) {
    const double scale = drawn / std::max(frame.LargestDisplacement(), 1e-12);
    QPainterPath path;
    for (std::size_t m = 0; m < frame.Members.size(); ++m) {
        const std::vector<QPointF> points = frame.Shape(int(m), scale);
        path.moveTo(points.front());
        for (const QPointF& p : points)
            path.lineTo(p);
    }
    k.Dashed(path, colour);
}

// Module 2: a simply supported beam cut beside a point load; a pivot carries the shear at the cut and a
// link with a load cell over it the bending moment. What marks it out at a glance: the moment arrows at the
// cut and the triangular moment diagram. The cell's reading is the moment at the cut over the link's height
// above the pivot, for the load the picture hangs (4 x 1 kg, 120 mm from the left support, span 480 mm).
void BendingMoment(TKit& k) {
    constexpr double left = 110, right = 590, load = 230, cut = 350, axis = 198, link = 150;
    const double w = Weight(4, 1.0);
    const double rightReaction = w * (load - left) / (right - left);
    const double momentAtCut = rightReaction * (right - cut); // N mm
    const double cellForce = momentAtCut / (axis - link);
    k.TestFrame();
    k.Pedestal(110, 235);
    k.Pedestal(590, 235);
    k.Pin(left, 205);
    k.Roller(right, 205);
    k.Beam(80, 340, axis, 14);
    k.Beam(360, 620, axis, 14);
    k.Joint(QPointF(cut, axis), 8);
    // The link over the cut, between two brackets, with the load cell in line.
    k.Bar(QPointF(300, 191), QPointF(300, link), 5);
    k.Bar(QPointF(400, 191), QPointF(400, link), 5);
    k.Bar(QPointF(300, link), QPointF(400, link), 5);
    k.LoadCell(QRectF(330, 138, 40, 24));
    // The sagging moment at the cut: anticlockwise on the left part, clockwise on the right one.
    k.CurvedArrow(QPointF(cut, axis), 46, 115, 100, Colour::Load, 5);
    k.CurvedArrow(QPointF(cut, axis), 46, 65, -100, Colour::Load, 5);
    k.Readout(QRectF(450, 60, 150, 48), Reading(cellForce, 1, QStringLiteral("N")));
    k.Cord({{370, 150}, {450, 100}});
    k.Hanger(load, 191, 4);
    k.Inset(QRectF(90, 300, 520, 140), QStringLiteral("Bending moment"));
    // One point load: a triangle with its peak under the load, the value at the cut marked.
    const double base = 325, depth = 95;
    const double peak = rightReaction * (right - load);
    k.Diagram(base, {{left, base}, {load, base + depth}, {right, base}}, Colour::Load);
    k.P.setPen(k.Pen(Colour::Ink, 1.5));
    k.P.drawLine(QPointF(cut, base), QPointF(cut, base + depth * momentAtCut / peak));
    k.Label({cut + 6, base + 17}, Reading(momentAtCut / 1000, 2, QStringLiteral("N m")), 12);
    k.Leader({cut, 205}, {420, 272}, QStringLiteral("Pivot at the cut"));
    k.Leader({350, 150}, {430, 130}, QStringLiteral("Load cell"));
}

// Module 3: the cut passes the bending moment through rollers and the shear to a load cell. What marks it
// out: the cut with its pair of opposed shear arrows, and the stepped shear diagram above and below its axis.
// Two loads of 3 x 1 kg left of the cut: the shear at the cut is the right reaction, read by the cell.
void ShearForce(TKit& k) {
    const QColor shear(0xd3, 0x7a, 0x12);
    constexpr double left = 110, right = 590, first = 200, second = 290;
    const double w = Weight(3, 1.0);
    const double rightReaction = w * ((first - left) + (second - left)) / (right - left);
    const double leftReaction = 2 * w - rightReaction;
    k.TestFrame(true); // the load cell hangs from the top rail
    k.Pedestal(110, 235);
    k.Pedestal(590, 235);
    k.Pin(left, 205);
    k.Roller(right, 205);
    k.Beam(80, 340, 198, 14);
    k.Beam(360, 620, 198, 14);
    // Rollers across the cut carry the moment, each bearing on both halves' corners (the cut is 20 wide,
    // the beam 14 deep: a roller of radius 12 touches both corners 6.6 from the face); the load cell above
    // takes the shear.
    constexpr double rollerRadius = 12;
    const double offset = std::sqrt(rollerRadius * rollerRadius - 10.0 * 10.0);
    k.Bar(QPointF(350, 191 - offset), QPointF(350, 150), 5);
    k.Pulley(QPointF(350, 191 - offset), rollerRadius);
    k.Pulley(QPointF(350, 205 + offset), rollerRadius);
    k.LoadCell(QRectF(330, 120, 40, 30));
    k.Bar(QPointF(350, 120), QPointF(350, 60), 4);
    // On the left part's face the shear acts upward, on the right part's face downward.
    k.Arrow({326, 266}, {326, 210}, shear, 6);
    k.Arrow({374, 130}, {374, 186}, shear, 6);
    k.Readout(QRectF(450, 60, 150, 48), Reading(-rightReaction, 1, QStringLiteral("N")));
    k.Cord({{370, 135}, {450, 100}});
    k.Hanger(first, 191, 3);
    k.Hanger(second, 191, 3);
    k.Inset(QRectF(90, 300, 520, 135), QStringLiteral("Shear force"));
    // Steps at the loads, from the left reaction down to minus the right one.
    const double base = 375, unit = 30 / w;
    k.Diagram(base,
              {{left, base},
               {left, base - leftReaction * unit},
               {first, base - leftReaction * unit},
               {first, base - (leftReaction - w) * unit},
               {second, base - (leftReaction - w) * unit},
               {second, base + rightReaction * unit},
               {right, base + rightReaction * unit},
               {right, base}},
              shear);
    k.Leader({350, 135}, {420, 160}, QStringLiteral("Shear load cell"));
}

// Module 4: the deflection apparatus, shown as a cantilever clamped at the left and bent by a load near its
// tip, a digital dial gauge over the beam. What marks it out: the clamp, the drooping beam with no support at
// its free end, and the big gauge. The gauge reads w(x) = W x^2 (3a - x) / (6EI) for the drawn load (4 x
// 100 g at a = 420 mm) at x = 380 mm, on a 25 x 3 mm steel bar; the drawn droop is exaggerated.
void Deflection(TKit& k) {
    constexpr double left = 140, length = 440, load = 420, gauge = 380, drawnTip = 45;
    const double w = Weight(4, 0.1), ei = 207000.0 * 25 * 3 * 3 * 3 / 12;
    auto deflection = [&](double x) { // mm, downwards, at x mm from the clamp
        return x <= load ? w * x * x * (3 * load - x) / (6 * ei)
                         : w * load * load * (3 * x - load) / (6 * ei);
    };
    auto droop = [&](double x) { return 185 + drawnTip * deflection(x - left) / deflection(length); };
    k.TestFrame(true);    // the dial gauge's rod hangs from the top rail
    k.Pedestal(120, 220); // under the clamp's block, which ends on y 220
    k.Clamp(left, 185, true, 70);
    std::vector<QPointF> beam;
    for (int i = 0; i <= 44; ++i)
        beam.push_back({left + 10.0 * i, droop(left + 10.0 * i)});
    Member(k, Polyline(beam), 11);
    k.Dashed(Polyline({{left, 185}, {left + length, 185}}), Colour::SteelDark);
    k.Hanger(left + load, droop(left + load) - 6, 4, 80);
    k.Bar(QPointF(left + gauge, 60), QPointF(left + gauge, 75), 6);
    k.DialGauge(QPointF(left + gauge, 120), 44, QPointF(left + gauge, droop(left + gauge) - 8));
    k.Readout(QRectF(250, 60, 170, 48), Reading(-deflection(gauge), 2, QStringLiteral("mm")));
    k.Cord({{420, 84}, {476, 110}});
    k.Inset(QRectF(90, 330, 520, 100), QStringLiteral("Deflection"));
    std::vector<QPointF> curve;
    for (int i = 0; i <= 44; ++i) {
        const double x = length * i / 44.0;
        curve.push_back({130 + x, 355 + 65 * deflection(x) / deflection(length)});
    }
    k.Diagram(355, curve);
    k.Leader({120, 235}, {165, 290}, QStringLiteral("End clamp"));
    k.Leader({476, 120}, {420, 150}, QStringLiteral("Digital dial gauge"));
}

// Module 5: a shaft held in a chuck and twisted by a torque arm and a hanger. The arm is square to the shaft
// and level, so in this side view it points at the viewer and is seen end on at the shaft's end, the hanger
// hanging from its tip in front of the torque disc; the end view beside it shows the arm along its length,
// the twist it turns through, and the dial gauge on the arm, which the twist moves.
void Torsion(TKit& k) {
    constexpr double axis = 205;
    k.TestFrame();
    k.Pedestal(120, 240);
    k.Pedestal(520, 235);
    QPainter& p = k.P;
    // Chuck and bearing housing.
    p.setPen(k.Pen(Colour::Ink, 1.5));
    p.setBrush(Colour::Frame);
    p.drawRect(QRectF(90, 170, 60, 70));
    p.drawRect(QRectF(500, 175, 40, 60));
    // The specimen, a round bar: shaded like a cylinder, a line along its top twisted into a helix.
    QLinearGradient g(0, axis - 10, 0, axis + 10);
    g.setColorAt(0, Colour::Steel.lighter(130));
    g.setColorAt(0.4, Colour::Steel);
    g.setColorAt(1, Colour::SteelDark.darker(115));
    p.setBrush(g);
    p.drawRect(QRectF(150, axis - 10, 350, 20));
    QPainterPath helix;
    for (int i = 0; i <= 35; ++i) {
        const double turn = qDegreesToRadians(75.0 * i / 35);
        const QPointF point(150 + 10.0 * i, axis - 10 * std::cos(turn));
        i == 0 ? helix.moveTo(point) : helix.lineTo(point);
    }
    k.Dashed(helix);
    // The torque disc on the shaft's end, seen edge on, and the arm's end towards the viewer.
    p.setPen(k.Pen(Colour::Ink, 1.5));
    p.setBrush(Colour::SteelDark);
    p.drawRect(QRectF(540, axis - 8, 8, 16)); // the shaft's end, through the bearing
    p.setBrush(Colour::SteelDark);
    p.drawRect(QRectF(548, axis - 44, 14, 88));
    p.setBrush(Colour::Steel);
    p.drawRect(QRectF(546, axis - 8, 18, 16));
    k.Hanger(555, axis, 3, 110);
    k.Leader({120, 205}, {160, 140}, QStringLiteral("Chuck"));
    k.Leader({548, 170}, {480, 125}, QStringLiteral("Torque disc and arm"));

    // End view, looking along the shaft from its free end: the arm turned through the twist by the load.
    const QRectF box(90, 282, 420, 156);
    k.Inset(box, QStringLiteral("End view"));
    const QPointF centre(200, 350);
    constexpr double reach = 200, twist = 9; // the arm's length and the drawn twist, degrees
    p.setPen(k.Pen(Colour::Ink, 1.5));
    p.setBrush(Colour::SteelDark);
    p.drawEllipse(centre, 44, 44);
    p.setBrush(Colour::Steel);
    p.drawEllipse(centre, 10, 10);
    // The protractor's scale round the disc, marked every 5 degrees.
    p.setPen(k.Pen(Colour::Ink, 1));
    for (int a = -30; a <= 30; a += 5) {
        const double r = qDegreesToRadians(double(a));
        const QPointF dir(std::cos(r), std::sin(r));
        p.drawLine(centre + dir * 50, centre + dir * (a % 10 == 0 ? 58 : 55));
    }
    const double turned = qDegreesToRadians(twist);
    const QPointF tip = centre + QPointF(std::cos(turned), std::sin(turned)) * reach;
    k.Dashed(Polyline({centre, centre + QPointF(reach, 0)}), Colour::SteelDark);
    k.Bar(centre, tip, 7);
    k.Hanger(tip.x() - 4, tip.y() - 5, 3, 46); // the side view's load
    k.CurvedArrow(centre, 100, 0, -twist, Colour::Accent, 2);
    k.Label(centre + QPointF(104, 12), QStringLiteral("θ"), 13, true);
    // The dial gauge over the arm, its plunger on the arm's top face.
    const double gaugeX = centre.x() + 0.86 * reach;
    const double armTop = centre.y() + (gaugeX - centre.x()) * std::tan(turned) - 4;
    k.DialGauge(QPointF(gaugeX, 318), 14, QPointF(gaugeX, armTop));
    k.Label(centre + QPointF(-30, 66), QStringLiteral("T = W r"), 12);
}

// Module 6: a strut loaded by a screw jack through a load cell, bowing at mid-length. The cell reads the
// Euler load of the drawn strut: pinned ends 264 mm apart, a 25 x 2 mm steel strip, pi^2 EI / L^2.
void Buckling(TKit& k) {
    constexpr double top = 96, bottom = 360;
    const double ei = 207000.0 * 25 * 2 * 2 * 2 / 12, length = bottom - top;
    const double euler = M_PI * M_PI * ei / (length * length);
    k.TestFrame(true);
    QPainter& p = k.P;
    p.setPen(k.Pen(Colour::Ink, 1.5));
    p.setBrush(Colour::Frame);
    p.drawRect(QRectF(300, 60, 100, 24)); // top crosshead
    k.Bar(QPointF(350, 84), QPointF(350, top), 6, Colour::SteelDark);
    k.Joint(QPointF(350, top), 7);
    k.LoadCell(QRectF(322, 370, 56, 30));
    k.Bar(QPointF(350, bottom), QPointF(350, 370), 6, Colour::SteelDark);
    k.Joint(QPointF(350, bottom), 7);
    // Screw jack and hand wheel below the load cell.
    k.Bar(QPointF(350, 400), QPointF(350, 448), 10, Colour::SteelDark);
    p.setPen(k.Pen(Colour::Ink, 1.5));
    p.setBrush(Colour::Frame);
    p.drawEllipse(QRectF(305, 420, 90, 16));
    // The strut, straight (dashed) and buckled.
    QPainterPath straight;
    straight.moveTo(350, top);
    straight.lineTo(350, bottom);
    k.Dashed(straight, Colour::SteelDark);
    QPainterPath bowed;
    for (int i = 0; i <= 40; ++i) {
        const double s = i / 40.0;
        const QPointF point(350 + 38 * std::sin(M_PI * s), top + length * s);
        i == 0 ? bowed.moveTo(point) : bowed.lineTo(point);
    }
    p.setPen(k.Pen(Colour::Ink, 10));
    p.drawPath(bowed);
    p.setPen(k.Pen(Colour::Steel, 7));
    p.drawPath(bowed);
    k.Bar(QPointF(648, 228), QPointF(500, 228), 5);
    k.DialGauge(QPointF(470, 228), 24, QPointF(392, 228));
    k.Arrow({350, 20}, {350, 56});
    k.Readout(QRectF(70, 90, 150, 48), Reading(euler, 0, QStringLiteral("N")));
    k.Cord({{322, 385}, {200, 385}, {200, 138}}); // clear of the caption under the readout
    k.Label({70, 160}, QStringLiteral("Load on the strut"), 12);
    k.Leader({370, 228}, {420, 300}, QStringLiteral("Strut"));
    k.Leader({350, 428}, {430, 415}, QStringLiteral("Loading screw"));
}

// Module 7: a plane truss under a load at mid-span, each member coloured by the sense of its force, a strain
// gauge on each. The readout is the strain of the gauge it is wired to, from the truss the picture draws
// (4 x 5 kg at the middle joint; steel tubes of 12 mm^2 section).
void Truss(TKit& k) {
    k.TestFrame();
    k.Pedestal(100, 340);
    k.Pedestal(600, 340);
    const std::vector<QPointF> bottom{{100, 300}, {225, 300}, {350, 300}, {475, 300}, {600, 300}};
    const std::vector<QPointF> top{{162, 175}, {287, 175}, {412, 175}, {537, 175}};
    TFrame truss;
    truss.Area = 12;
    std::vector<int> b, t;
    for (const QPointF& j : bottom)
        b.push_back(truss.Joint(j));
    for (const QPointF& j : top)
        t.push_back(truss.Joint(j));
    for (std::size_t i = 0; i + 1 < b.size(); ++i)
        truss.Member(b[i], b[i + 1], true);
    for (std::size_t i = 0; i + 1 < t.size(); ++i)
        truss.Member(t[i], t[i + 1], true);
    for (std::size_t i = 0; i < t.size(); ++i) {
        truss.Member(b[i], t[i], true);
        truss.Member(t[i], b[i + 1], true);
    }
    truss.Fix(b.front(), true, true, false);
    truss.Fix(b.back(), false, true, false);
    truss.Load(b[2], {0, Weight(4, 5.0)});
    truss.Solve();
    for (std::size_t m = 0; m < truss.Members.size(); ++m) {
        const QPointF a = truss.Joints[truss.Members[m].A], c = truss.Joints[truss.Members[m].B];
        const QColor colour = truss.AxialForce(int(m)) >= 0 ? Colour::Tension : Colour::Compression;
        k.Bar(a, c, 6, colour.lighter(150));
        k.StrainGauge((a + c) / 2, qRadiansToDegrees(std::atan2(c.y() - a.y(), c.x() - a.x())));
    }
    for (const QPointF& j : truss.Joints)
        k.Joint(j, 8);
    k.Pin(100, 312);
    k.Roller(600, 312);
    k.Hanger(350, 306, 4, 70);
    // The readout is wired to the gauge on the middle member of the top chord.
    const int wired = 5;
    const double strain = truss.AxialForce(wired) / (truss.E * truss.Area) * 1e6;
    k.Readout(QRectF(470, 70, 160, 48),
              QStringLiteral("%1%2 µε").arg(QLatin1String(strain >= 0 ? "+" : "")).arg(strain, 0, 'f', 0));
    k.Cord({{349.5, 171}, {470, 100}});
    if (k.Detailed) {
        k.Bar(QPointF(90, 90), QPointF(120, 90), 6, Colour::Tension.lighter(150));
        k.Label({128, 95}, QStringLiteral("Tension"), 12);
        k.Bar(QPointF(90, 115), QPointF(120, 115), 6, Colour::Compression.lighter(150));
        k.Label({128, 120}, QStringLiteral("Compression"), 12);
    }
    k.Leader({193.5, 237.5}, {250, 420}, QStringLiteral("Strain gauge on every member"));
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
    k.Pedestal(120, 419);
    k.Pedestal(580, 419);
    k.Pin(120, 380);
    k.Pin(580, 380);
    k.Joint(points[20], 9);
    k.Hanger(points[10].x(), points[10].y() + 6, 3, 80);
    k.Hanger(points[30].x(), points[30].y() + 6, 2, 80);
    k.Arrow({60, 380}, {108, 380}, Colour::Accent);
    k.Arrow({640, 380}, {592, 380}, Colour::Accent);
    // The thrust load cells, each between an upright of the frame and a springing's base.
    k.Bar(QPointF(52, 408), QPointF(62, 408), 6);
    k.Bar(QPointF(638, 408), QPointF(648, 408), 6);
    k.LoadCell(QRectF(60, 395, 40, 26));
    k.LoadCell(QRectF(600, 395, 40, 26));
    k.Leader(points[20], {420, 110}, QStringLiteral("Crown pin"));
    k.Leader({80, 416}, {210, 430}, QStringLiteral("Thrust load cell"));
}

// Module 9: an arch pinned at one end, on a roller at the other. Under load the arch spreads and the roller
// end moves outward; a cord over a pulley inside the span pulls it back inward, and the weights that restore
// it to its original position measure the horizontal thrust.
void TwoPinnedArch(TKit& k) {
    k.TestFrame();
    const auto points = ArchPoints(120, 560, 360, 200);
    Arch(k, points);
    k.Pedestal(120, 399);
    k.Pedestal(560, 395); // under the roller's base plate, which ends on y 395
    k.Pin(120, 360);
    k.Roller(560, 362);
    // The pulley on a bracket off the roller's fixed base, inside the span: the cord leaves the roller
    // inward.
    k.Bar(QPointF(538, 390), QPointF(515, 378), 4);
    k.Cord({{542, 368}, {515, 368}});
    k.Pulley(QPointF(515, 378), 10);
    k.Cord({{505, 378}, {505, 400}});
    k.Hanger(505, 400, 2, 22);
    // The restoring force on the roller end, towards the span.
    k.Arrow({612, 345}, {578, 345}, Colour::Load, 4);
    k.Hanger(points[14].x(), points[14].y() + 6, 3, 90);
    // The gauge reads the roller end's movement along the span: its stem level, on the roller's top plate.
    k.Bar(QPointF(648, 368), QPointF(628, 368), 5);
    k.DialGauge(QPointF(610, 368), 14, QPointF(580, 368));
    k.Inset(QRectF(90, 60, 250, 90), QStringLiteral("Influence line for thrust"));
    std::vector<QPointF> line;
    for (int i = 0; i <= 20; ++i) {
        const double s = i / 20.0;
        line.push_back({110 + 210 * s, 135 - 80 * (s - 2 * s * s * s + s * s * s * s) * 1.6});
    }
    k.Diagram(135, line);
    k.Leader({548, 366}, {470, 300}, QStringLiteral("Roller end"));
    k.Leader({505, 420}, {430, 430}, QStringLiteral("Restoring weights"));
    k.Label({586, 336}, QStringLiteral("H"), 14, true);
}

// Module 10: a portal frame with fixed feet swayed by a horizontal load at beam level. The cord runs from
// the left knee over a pulley on the left upright to the hanger, so the frame is pulled, and sways, to the
// left. The swayed shape is the frame's own, solved: rigid knees keep their right angles, so the columns bend
// in double curvature and the beam turns with them.
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
    TFrame frame;
    const int ja = frame.Joint(a), jb = frame.Joint(b), jc = frame.Joint(c), jd = frame.Joint(d);
    frame.Chain(ja, jb, 8);
    frame.Chain(jb, jc, 8);
    frame.Chain(jc, jd, 8);
    frame.Fix(ja, true, true, true);
    frame.Fix(jd, true, true, true);
    frame.Load(jb, {-Weight(3, 1.0), 0});
    frame.Solve();
    DeflectedShape(k, frame, 48);
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
    k.Leader({500, 170}, {330, 110}, QStringLiteral("Rigid knee joints"));
    k.Leader({200, 170}, {330, 110}, QString()); // both knees, from the one caption
    k.Leader({200, 438}, {260, 400}, QStringLiteral("Fixed feet"));
}

// Module 11: a beam continuous over three supports, each standing on a load cell. What marks it out: the
// three evenly spaced supports under a beam that sags in both spans and hogs over the middle one, and the
// three reactions, the middle one largest. The shape and the readings are the solved beam's, for the six
// hangers of 2 x 0.5 kg the picture draws.
void ContinuousBeam(TKit& k) {
    k.TestFrame();
    const std::vector<double> supports{110, 350, 590}, loads{170, 230, 290, 410, 470, 530};
    constexpr double axis = 203;
    for (const double x : supports) {
        k.Pedestal(x, 280);
        k.LoadCell(QRectF(x - 24, 250, 48, 30));
        k.KnifeEdge(x, 210);
    }
    TFrame beam;
    std::vector<int> joints;
    for (double x = 80; x <= 620; x += 10)
        joints.push_back(beam.Joint({x, axis}));
    for (std::size_t i = 0; i + 1 < joints.size(); ++i)
        beam.Member(joints[i], joints[i + 1]);
    auto at = [&](double x) { return joints[std::size_t(std::lround((x - 80) / 10))]; };
    beam.Fix(at(supports[0]), true, true, false);
    for (const double x : {supports[1], supports[2]})
        beam.Fix(at(x), false, true, false);
    const double w = Weight(2, 0.5);
    for (const double x : loads)
        beam.Load(at(x), {0, w});
    beam.Solve();
    const double scale = 14 / beam.LargestDisplacement();
    std::vector<QPointF> shape;
    for (const int j : joints)
        shape.push_back(beam.Joints[j] + beam.Displacement(j) * scale);
    Member(k, Polyline(shape), 10);
    k.Dashed(Polyline({{80, axis}, {620, axis}}), Colour::SteelDark);
    for (const double x : loads)
        k.Hanger(x, shape[at(x)].y() - 6, 2, 50);
    k.Inset(QRectF(90, 325, 520, 110), QStringLiteral("Reactions"));
    std::vector<double> reactions;
    for (const double x : supports)
        reactions.push_back(-beam.Reaction(at(x)).y());
    const double largest = *std::max_element(reactions.begin(), reactions.end());
    for (std::size_t i = 0; i < supports.size(); ++i) {
        const double x = std::clamp(supports[i] - 60, 58.0, 640.0 - 120);
        k.Readout(QRectF(x, 60, 120, 44), Reading(reactions[i], 2, QStringLiteral("N")));
        k.Arrow({supports[i], 428}, {supports[i], 428 - 85 * reactions[i] / largest}, Colour::Accent, 7);
    }
}

// Module 12: a quarter-circle bar clamped at its foot and loaded at the end of an arm at its free end; dial
// gauges read the end's vertical and horizontal movement. The deflected shape is the bar's own, solved: it
// leaves the clamp at the clamp's angle.
void CurvedBars(TKit& k) {
    k.TestFrame();
    const QPointF centre(440, 380);
    constexpr double radius = 260;
    k.P.setPen(k.Pen(Colour::Ink, 1.5));
    k.P.setBrush(Colour::Frame);
    k.P.drawRect(QRectF(140, 380, 80, 68));
    QPainterPath bar;
    bar.moveTo(180, 380);
    bar.arcTo(QRectF(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius), 180, -90);
    k.P.setPen(k.Pen(Colour::Ink, 13));
    k.P.setBrush(Qt::NoBrush);
    k.P.drawPath(bar);
    k.P.setPen(k.Pen(Colour::Steel, 9));
    k.P.drawPath(bar);
    const QPointF end(440, 120), armEnd(475, 120);
    k.Bar(end, armEnd, 9);
    k.Hanger(468, 126, 3, 90);
    TFrame frame;
    std::vector<int> joints;
    for (int i = 0; i <= 24; ++i) {
        const double a = M_PI / 2 * i / 24; // from the foot, round to the top
        joints.push_back(frame.Joint(centre + QPointF(-std::cos(a), -std::sin(a)) * radius));
    }
    for (int i = 0; i < 24; ++i)
        frame.Member(joints[i], joints[i + 1]);
    const int arm = frame.Joint(QPointF(468, 120));
    frame.Member(joints.back(), arm);
    frame.Fix(joints.front(), true, true, true);
    frame.Load(arm, {0, Weight(3, 1.0)});
    frame.Solve();
    DeflectedShape(k, frame, 40);
    // The gauges: one over the end, its stem vertical; one beside the arm's end, its stem level.
    k.Bar(QPointF(52, 62), QPointF(425, 62), 5);
    k.DialGauge(QPointF(440, 62), 16, QPointF(440, 113));
    k.Bar(QPointF(648, 120), QPointF(582, 120), 5);
    k.DialGauge(QPointF(562, 120), 20, QPointF(481, 120));
    k.Leader({200, 420}, {250, 430}, QStringLiteral("Clamped foot"));
    const double onBar = 0.75; // radians round from the foot
    k.Leader(centre + QPointF(-std::cos(onBar), -std::sin(onBar)) * radius, {205, 175},
             QStringLiteral("Curved specimen"));
}

// Module 13: an equal-leg angle cantilever turned to any angle on a turntable, with its cross-section: the
// centroid G, and the principal axes u (the axis of symmetry, through the legs' corner) and v, both at 45
// degrees to the legs, as they are for every equal-leg angle.
void UnsymmetricalBending(TKit& k) {
    k.TestFrame(true); // the dial gauge's rod hangs from the top rail
    k.P.setPen(k.Pen(Colour::Ink, 1.5));
    k.P.setBrush(Colour::Frame);
    k.P.drawRect(QRectF(52, 150, 70, 110));
    k.P.drawEllipse(QRectF(60, 165, 54, 80)); // the turntable that sets the section angle
    k.Beam(122, 520, 198, 16);
    k.Beam(122, 520, 212, 6);
    k.Bar(QPointF(520, 205), QPointF(560, 205), 8);
    k.Hanger(555, 199, 3, 90);
    k.Bar(QPointF(500, 60), QPointF(500, 100), 5);
    k.DialGauge(QPointF(500, 125), 22, QPointF(500, 190));
    const QRectF box(120, 290, 250, 145);
    k.Inset(box, QStringLiteral("Section"));
    // The angle: legs 80 long and 10 thick, the outer corner at the origin, legs along +x and -y, turned
    // by the turntable's 20 degrees. Its centroid lies on the diagonal, xg from each outer face.
    constexpr double leg = 80, t = 10, turn = -20;
    const double xg = (leg * leg + (leg - t) * t) / (2 * (2 * leg - t));
    QPainter& p = k.P;
    const QPointF origin(240, 418);
    QTransform section;
    section.translate(origin.x(), origin.y());
    section.rotate(turn);
    p.save();
    p.setTransform(section, true);
    p.setPen(k.Pen(Colour::Ink, 1.5));
    p.setBrush(Colour::Steel);
    const QPolygonF shape{{0, 0}, {leg, 0}, {leg, -t}, {t, -t}, {t, -leg}, {0, -leg}};
    p.drawPolygon(shape);
    p.restore();
    // The tip's two dial gauges, seen along the beam: one reads the vertical movement, one the horizontal.
    const QPolygonF mapped = section.map(shape);
    const QRectF bounds = mapped.boundingRect();
    const QPointF top =
        *std::min_element(mapped.begin(), mapped.end(), [](QPointF a, QPointF b) { return a.y() < b.y(); });
    const QPointF side =
        *std::max_element(mapped.begin(), mapped.end(), [](QPointF a, QPointF b) { return a.x() < b.x(); });
    k.DialGauge(QPointF(top.x(), bounds.top() - 26), 9, QPointF(top.x(), bounds.top() - 2));
    k.DialGauge(QPointF(bounds.right() + 30, side.y()), 9, QPointF(bounds.right() + 2, side.y()));
    const QPointF g = section.map(QPointF(xg, -xg));
    // u along the diagonal (1, -1), v across it, both through G.
    const QPointF u = section.map(QPointF(1, -1)) - section.map(QPointF(0, 0));
    const QPointF v = section.map(QPointF(1, 1)) - section.map(QPointF(0, 0));
    const QPointF uUnit = u / std::hypot(u.x(), u.y()), vUnit = v / std::hypot(v.x(), v.y());
    k.Arrow(g - uUnit * 42, g + uUnit * 78, Colour::Accent, 1.5);
    k.Arrow(g - vUnit * 62, g + vUnit * 62, Colour::Accent, 1.5);
    k.Label(g + uUnit * 86 + QPointF(-4, 4), QStringLiteral("u"), 13, true);
    k.Label(g + vUnit * 70 + QPointF(-4, 6), QStringLiteral("v"), 13, true);
    p.setPen(Qt::NoPen);
    p.setBrush(Colour::Load);
    p.drawEllipse(g, 3.5, 3.5);
    k.Label(g + QPointF(6, 16), QStringLiteral("G"), 12, true);
    k.Leader({87, 205}, {90, 275}, QStringLiteral("Turntable"));
}

// Module 14: a channel-section cantilever with a loading plate bolted across its free end. In this side view
// the plate lies on the end of the top flange and reaches out of the picture, the hanger hanging in front of
// the beam; the end view shows the plate across the section with its row of holes, the hanger at the hole
// over the shear centre S, where the load bends the channel without twisting it, and the two gauges that show
// any twist.
void ShearCentre(TKit& k) {
    k.TestFrame();
    QPainter& p = k.P;
    p.setPen(k.Pen(Colour::Ink, 1.5));
    p.setBrush(Colour::Frame);
    p.drawRect(QRectF(52, 140, 70, 130));
    k.Beam(122, 470, 190, 40);
    k.Beam(122, 470, 172, 4);
    k.Beam(122, 470, 208, 4);
    // The loading plate on the end of the top flange, seen edge on.
    p.setPen(k.Pen(Colour::Ink, 1.5));
    p.setBrush(Colour::SteelDark);
    p.drawRect(QRectF(420, 160, 56, 10));
    k.Hanger(452, 166, 3, 110);
    k.Bar(QPointF(440, 60), QPointF(648, 60), 5);
    k.Bar(QPointF(440, 60), QPointF(440, 90), 4);
    k.DialGauge(QPointF(440, 112), 18, QPointF(440, 156));
    k.Leader({430, 165}, {360, 110}, QStringLiteral("Loading plate"));

    const QRectF box(120, 290, 330, 145);
    k.Inset(box, QStringLiteral("End view"));
    // The channel, web on the left, flanges to the right; the plate across its top, overhanging past the web.
    p.setPen(k.Pen(Colour::Ink, 1.5));
    p.setBrush(Colour::Steel);
    const QPolygonF channel{{300, 340}, {370, 340}, {370, 350}, {312, 350},
                            {312, 410}, {370, 410}, {370, 420}, {300, 420}};
    p.drawPolygon(channel);
    p.setBrush(Colour::SteelDark);
    p.drawRect(QRectF(190, 328, 200, 12));
    p.setBrush(Qt::white);
    for (int i = 0; i < 8; ++i)
        p.drawEllipse(QPointF(204 + 24 * i, 334), 3.5, 3.5);
    // The shear centre lies outside the web, on the side away from the flanges; the load hangs over it.
    const QPointF s(270, 380);
    p.setPen(Qt::NoPen);
    p.setBrush(Colour::Load);
    p.drawEllipse(s, 5, 5);
    k.Label(s + QPointF(-22, 5), QStringLiteral("S"), 14, true);
    k.Arrow({s.x(), 300}, {s.x(), 326}, Colour::Load, 2.5);
    QPainterPath through;
    through.moveTo(s.x(), 340);
    through.lineTo(s.x(), 425);
    k.Dashed(through, Colour::Load);
    // The gauges' plungers on the plate's two ends.
    for (const double x : {200.0, 380.0})
        k.Bar(QPointF(x, 306), QPointF(x, 326), 3);
}

// Module 15: a cable over two pulleys, tensioned by weights of 4 units at its ends and carrying three hangers
// of 2 units. Its shape is the one those weights give it: the horizontal pull H is the same all along, the
// end tension is the end weight, so H = sqrt(4^2 - 3^2) with 3 units hanging from each end; each segment's
// slope is the vertical force it carries over H, straight between the hangers.
void SuspensionCable(TKit& k) {
    k.TestFrame(true);
    const QPointF left(80, 110), right(620, 110);
    constexpr double radius = 16, endWeight = 4, hangerWeight = 2;
    const std::vector<double> hangerX{215, 350, 485};
    // Each pulley turns on an arm fixed to its upright (behind the cord), the sag scale hangs from the rail.
    k.Bar(QPointF(52, left.y()), left, 8);
    k.Bar(QPointF(648, right.y()), right, 8);
    k.Bar(QPointF(405, 60), QPointF(405, 100), 4);
    k.Pulley(left, radius);
    k.Pulley(right, radius);
    const double endShare = hangerWeight * hangerX.size() / 2;
    const double h = std::sqrt(endWeight * endWeight - endShare * endShare);
    // The cable leaves each pulley along its outer segment, from the point where that line is tangent.
    const double outerSlope = endShare / h;
    const QPointF along = QPointF(1, outerSlope) / std::hypot(1.0, outerSlope);
    const QPointF leave = left + QPointF(along.y(), -along.x()) * radius;
    std::vector<QPointF> hangers;
    double y = leave.y(), x = leave.x(), shear = endShare;
    for (const double hx : hangerX) {
        y += shear / h * (hx - x);
        x = hx;
        hangers.push_back({hx, y});
        shear -= hangerWeight;
    }
    auto wrap = [&](QPointF centre, double from, double to) {
        std::vector<QPointF> arc;
        for (int i = 0; i <= 12; ++i) {
            const double a = qDegreesToRadians(from + (to - from) * i / 12);
            arc.push_back(centre + QPointF(std::cos(a), std::sin(a)) * radius);
        }
        return arc;
    };
    const double leaveDegrees = qRadiansToDegrees(std::atan2(leave.y() - left.y(), leave.x() - left.x()));
    std::vector<QPointF> cable = wrap(left, 180, 360 + leaveDegrees);
    for (const QPointF& p : hangers)
        cable.push_back(p);
    const std::vector<QPointF> back = wrap(right, 180 - leaveDegrees, 360);
    cable.insert(cable.end(), back.begin(), back.end());
    k.Cord(cable);
    k.Cord({{left.x() - radius, left.y()}, {left.x() - radius, 300}});
    k.Cord({{right.x() + radius, right.y()}, {right.x() + radius, 300}});
    k.Hanger(left.x() - radius, 300, int(endWeight), 40);
    k.Hanger(right.x() + radius, 300, int(endWeight), 40);
    for (const QPointF& p : hangers)
        k.Hanger(p.x(), p.y() + 4, int(hangerWeight), 50);
    // Sag scale, and the sag: from the line between the pulleys' tangent points down to the lowest hanger.
    const double lowest = hangers[1].y();
    k.P.setPen(k.Pen(Colour::Ink, 1.2));
    k.P.setBrush(QColor(0xf4, 0xe9, 0xc8));
    k.P.drawRect(QRectF(395, 100, 20, 200));
    for (int i = 0; i <= 20; ++i)
        k.P.drawLine(QPointF(395, 100 + 10 * i), QPointF(i % 5 == 0 ? 408 : 402, 100 + 10 * i));
    k.Dashed(Polyline({leave, {right.x() - (leave.x() - left.x()), leave.y()}}), Colour::SteelDark);
    k.Arrow({330, leave.y()}, {330, lowest}, Colour::Accent, 1.5);
    k.Label({290, (leave.y() + lowest) / 2}, QStringLiteral("sag"), 13);
    k.Leader({420, 180}, {520, 400}, QStringLiteral("Sag scale"));
}

// Module 16: a truss with one member more than it needs. The truss without it (bottom chord, top chord,
// four diagonals) is statically determinate; the extra diagonal from the left support to the top right joint
// is the redundant member, drawn in the accent colour, with a load cell and an adjuster in line. The readout
// is the force in it, solved from the picture's truss (4 x 1 kg at mid-span, every member a 6 mm rod).
void RedundantTruss(TKit& k) {
    k.TestFrame();
    k.Pedestal(130, 360);
    k.Pedestal(570, 360);
    const QPointF a(130, 320), b(350, 320), c(570, 320), d(240, 160), e(460, 160);
    TFrame truss;
    truss.Area = M_PI * 3 * 3;
    const int ja = truss.Joint(a), jb = truss.Joint(b), jc = truss.Joint(c), jd = truss.Joint(d),
              je = truss.Joint(e);
    for (const auto& [p, q] : std::vector<std::pair<int, int>>{
             {ja, jb}, {jb, jc}, {jd, je}, {ja, jd}, {jd, jb}, {jb, je}, {je, jc}})
        truss.Member(p, q, true);
    const int redundant = truss.Member(ja, je, true);
    truss.Fix(ja, true, true, false);
    truss.Fix(jc, false, true, false);
    truss.Load(jb, {0, Weight(4, 1.0)});
    truss.Solve();
    for (std::size_t m = 0; m < truss.Members.size(); ++m)
        if (int(m) != redundant) k.Bar(truss.Joints[truss.Members[m].A], truss.Joints[truss.Members[m].B], 6);
    // The redundant member, with the adjuster and the load cell in line, clear of the crossing diagonal.
    k.Bar(a, e, 6, Colour::Accent.lighter(170));
    const QPointF cell = a + (e - a) * 0.78, adjuster = a + (e - a) * 0.25;
    const double angle = qRadiansToDegrees(std::atan2(e.y() - a.y(), e.x() - a.x()));
    k.P.save();
    k.P.translate(cell);
    k.P.rotate(angle);
    k.LoadCell(QRectF(-20, -11, 40, 22));
    k.P.restore();
    k.P.save();
    k.P.translate(adjuster);
    k.P.rotate(angle);
    k.P.setPen(k.Pen(Colour::Ink, 1.5));
    k.P.setBrush(Colour::Brass);
    k.P.drawRect(QRectF(-12, -6, 24, 12));
    k.P.restore();
    for (const QPointF& j : {a, b, c, d, e})
        k.Joint(j, 8);
    k.Pin(130, 332);
    k.Roller(570, 332);
    k.Hanger(350, 326, 4, 70);
    const double force = truss.AxialForce(redundant);
    k.Readout(QRectF(470, 60, 160, 48), Reading(force, 1, QStringLiteral("N")));
    k.Cord({{cell.x() + 10, cell.y() - 8}, {470, 100}});
    k.Leader(cell, {300, 110}, QStringLiteral("Redundant member"));
    k.Leader(adjuster, {150, 200}, QStringLiteral("Adjuster"));
}

// Module 17: a rigid-jointed frame built from members and joint plates: two columns fixed at the base, a
// beam between their tops and an overhang beyond the right one, loaded on the beam and at the overhang's tip.
// The deflected shape is the frame's own, solved: the joints keep their right angles, both columns bend.
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
    TFrame frame;
    const int ja = frame.Joint(a), jb = frame.Joint(b), jc = frame.Joint(c), jd = frame.Joint(d),
              je = frame.Joint(e);
    frame.Chain(ja, jb, 10);
    const std::vector<int> beam = frame.Chain(jb, jc, 26);
    frame.Chain(jc, jd, 10);
    frame.Chain(jc, je, 16);
    frame.Fix(ja, true, true, true);
    frame.Fix(jd, true, true, true);
    frame.Load(beam[13], {0, Weight(4, 1.0)}); // x 290
    frame.Load(je, {0, Weight(1, 1.0)});
    frame.Solve();
    DeflectedShape(k, frame, 34);
    k.Hanger(580, 206, 1, 90);
    k.Hanger(290, 206, 4, 80);
    k.Bar(QPointF(580, 60), QPointF(580, 110), 5);
    k.DialGauge(QPointF(580, 135), 20, QPointF(580, 190));
    k.Bar(QPointF(52, 200), QPointF(90, 200), 5);
    k.DialGauge(QPointF(110, 200), 18, QPointF(150, 200));
    k.Leader({420, 218}, {470, 300}, QStringLiteral("Joint plate"));
}

// Module 18: a load trolley rolled across a beam whose supports stand on load cells. What marks it out: the
// trolley on its wheels, shown at two stops on its way, and the triangular influence lines. The readings are
// the reactions for the trolley where it is drawn (2 kg, its wheels' centre 320 mm from the left support on a
// 480 mm span): the lever rule, which is the influence line's ordinate under the trolley.
void InfluenceLines(TKit& k) {
    constexpr double left = 110, right = 590, at = 430;
    const double w = Weight(1, 2.0), span = right - left;
    const double leftReaction = w * (right - at) / span, rightReaction = w * (at - left) / span;
    k.TestFrame();
    for (const double x : {left, right}) {
        k.Pedestal(x, 242);
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
    trolley(250, true);
    trolley(at, false);
    k.Arrow({305, 90}, {370, 90}, Colour::Accent, 6);
    k.Readout(QRectF(60, 60, 130, 44), Reading(leftReaction, 2, QStringLiteral("N")));
    k.Readout(QRectF(508, 60, 130, 44), Reading(rightReaction, 2, QStringLiteral("N")));
    k.Label({125, 122}, QStringLiteral("Left reaction"), 12, false, Qt::AlignHCenter);
    k.Label({573, 122}, QStringLiteral("Right reaction"), 12, false, Qt::AlignHCenter);
    k.Inset(QRectF(90, 275, 520, 160), QStringLiteral("Influence lines"));
    // The left reaction's line (1 at the left support, 0 at the right) and the mid-span moment's line,
    // with the trolley's place marked on both.
    constexpr double rTop = 300, rDepth = 55, mTop = 370, mDepth = 50;
    k.Diagram(rTop, {{left, rTop}, {left, rTop + rDepth}, {right, rTop}});
    const double mid = (left + right) / 2;
    k.Diagram(mTop, {{left, mTop}, {mid, mTop + mDepth}, {right, mTop}});
    const double rAt = rTop + rDepth * (right - at) / span;
    const double mAt = mTop + mDepth * (right - at) / (right - mid);
    QPainterPath mark;
    mark.moveTo(at, rTop - 6);
    mark.lineTo(at, mTop + mDepth + 6);
    k.Dashed(mark, Colour::Load);
    p.setPen(Qt::NoPen);
    p.setBrush(Colour::Load);
    p.drawEllipse(QPointF(at, rAt), 4, 4);
    p.drawEllipse(QPointF(at, mAt), 4, 4);
    k.Label({at + 8, rAt + 14}, QStringLiteral("%1 W").arg((right - at) / span, 0, 'f', 2), 12);
    k.Label({600, 318}, QStringLiteral("R"), 13, true);
    k.Label({600, 390}, QStringLiteral("M"), 13, true);
    k.Leader({at, 124}, {330, 250}, QStringLiteral("Load trolley"));
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
    // Its scale: 0 to 10 bar over 270 degrees, 0 at the lower left; the needle at about 6.7 bar.
    const QPointF dial(340, 140);
    auto onDial = [&](double value, double r) {
        const double a = qDegreesToRadians(225.0 - 27.0 * value);
        return dial + QPointF(std::cos(a), -std::sin(a)) * r;
    };
    p.setPen(k.Pen(Colour::Ink, 1.2, 0.6));
    for (int i = 0; i <= 20; ++i)
        p.drawLine(onDial(i / 2.0, i % 2 == 0 ? 27 : 30), onDial(i / 2.0, 33));
    for (int v = 0; v <= 10; v += 2)
        k.Label(onDial(v, 20) + QPointF(0, 3), QString::number(v), 8, false, Qt::AlignHCenter);
    k.Label(dial + QPointF(0, 22), QStringLiteral("bar"), 9, true, Qt::AlignHCenter);
    p.setPen(k.Pen(Colour::Load, 2.5));
    p.drawLine(dial, onDial(6.67, 26));
    p.setPen(k.Pen(Colour::Ink, 1));
    p.setBrush(Colour::Ink);
    p.drawEllipse(dial, 2.5, 2.5);
    k.Cord({{590, 320}, {640, 320}, {640, 420}});
    p.setPen(k.Pen(Colour::Ink, 1.5));
    p.setBrush(Colour::Accent.lighter(130));
    p.drawRect(QRectF(620, 400, 40, 70));
    k.Bar(QPointF(640, 400), QPointF(640, 350), 5);
    k.Bar(QPointF(610, 350), QPointF(672, 330), 5);
    k.Leader({320, 300}, {180, 120}, QStringLiteral("Strain gauges"));
    k.Leader({640, 430}, {560, 455}, QStringLiteral("Hand pump"));
}

// Module 20: a tube bent and twisted by a load on the end of an arm. The arm is square to the tube and level,
// so in this side view it points at the viewer and is seen end on at the tube's end, the hanger hanging from
// its tip in front of the end cap; the end view shows it along its length. The readout is the axial gauge of
// the rosette, on the tube's top: the bending strain M c / (E I) at the rosette, for the drawn load (4 x 2.5
// kg, 322 mm from the rosette; a 38 x 1.6 mm steel tube).
void BendingAndTorsion(TKit& k) {
    constexpr double axis = 200, rosette = 190, end = 512;
    constexpr double outer = 38, wall = 1.6;
    const double inner = outer - 2 * wall;
    const double second = M_PI / 64 * (std::pow(outer, 4) - std::pow(inner, 4));
    const double w = Weight(4, 2.5);
    const double strain = w * (end - rosette) * (outer / 2) / (207000.0 * second) * 1e6;
    k.TestFrame();
    QPainter& p = k.P;
    p.setPen(k.Pen(Colour::Ink, 1.5));
    p.setBrush(Colour::Frame);
    p.drawRect(QRectF(52, 120, 80, 160));
    QLinearGradient g(0, axis - 20, 0, axis + 20);
    g.setColorAt(0, Colour::Steel.lighter(130));
    g.setColorAt(0.4, Colour::Steel);
    g.setColorAt(1, Colour::SteelDark);
    p.setBrush(g);
    p.drawRect(QRectF(132, axis - 20, end - 132, 40));
    p.setBrush(Colour::SteelDark);
    p.drawRect(QRectF(end, axis - 24, 12, 48));
    // The arm's end, towards the viewer, and the hanger from it.
    p.setBrush(Colour::Steel);
    p.drawRect(QRectF(end - 2, axis - 7, 16, 14));
    k.Hanger(end + 6, axis, 4, 90);
    // A three-gauge rosette on the tube's top near the support.
    for (const double a : {0.0, 45.0, 90.0})
        k.StrainGauge(QPointF(rosette, axis - 12), a);
    k.Readout(QRectF(180, 60, 170, 48), QStringLiteral("%1 µε").arg(strain, 0, 'f', 0));
    k.Cord({{rosette + 8, axis - 16}, {230, 108}});
    k.Leader({rosette, axis - 6}, {170, 330}, QStringLiteral("Strain rosette"));
    k.Leader({end + 12, axis - 4}, {600, 130}, QStringLiteral("Arm"));

    // End view: the tube's section, the arm level from its centre, the load at the arm's tip.
    const QRectF box(260, 300, 340, 135);
    k.Inset(box, QStringLiteral("End view"));
    const QPointF centre(330, 360);
    p.setPen(k.Pen(Colour::Ink, 1.5));
    p.setBrush(Colour::SteelDark);
    p.drawEllipse(centre, 24, 24); // the end cap
    p.setBrush(Colour::Steel);
    p.drawEllipse(centre, 18, 18);
    k.Bar(centre, centre + QPointF(200, 0), 7);
    k.Hanger(centre.x() + 192, centre.y() - 5, 4, 62); // the side view's load
    k.CurvedArrow(centre, 40, 150, -120, Colour::Accent, 2);
    k.Label(centre + QPointF(-14, 62), QStringLiteral("T = W a"), 12);
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
