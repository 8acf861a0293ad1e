#include "Diagrams.h"

#include <algorithm>
#include <cmath>
#include <set>

#include "platform/NumberFormat.h"

namespace {

double Metres(int station) {
    return station / 100.0;
}
int StationMm(int station) {
    return station * 10;
}

// <x - a>^n: zero left of a (and at a for n = 0 unless the point itself counts).
double Bracket(double x, double a, int n) {
    if (x < a) return 0.0;
    const double d = x - a;
    switch (n) {
    case 0:
        return 1.0;
    case 1:
        return d;
    case 2:
        return d * d;
    case 3:
        return d * d * d;
    default:
        return d * d * d * d;
    }
}

// ---- reactions -------------------------------------------------------------------------------------------

struct TLoadSet {
    std::vector<TPointLoad> Points;
    double W = 0.0;       // N/m
    double UDLFrom = 0.0; // m
    double UDLTo = 0.0;   // m
    [[nodiscard]] double UDLForce() const { return W * (UDLTo - UDLFrom); }
    [[nodiscard]] double UDLCentre() const { return (UDLFrom + UDLTo) / 2.0; }
    [[nodiscard]] double TotalForce() const {
        double sum = UDLForce();
        for (const TPointLoad& p : Points)
            sum += p.Force;
        return sum;
    }
    // The moment of all the loads about x = 0 (clockwise, N m).
    [[nodiscard]] double MomentAboutOrigin() const {
        double sum = UDLForce() * UDLCentre();
        for (const TPointLoad& p : Points)
            sum += p.Force * Metres(p.Station);
        return sum;
    }
};

// Propped cantilever, clamp at 0 and prop at Lp: take the prop away and the cantilever deflects at Lp by
//   delta = sum_{a<Lp} P a^2 (3Lp - a)/(6EI) + sum_{a>=Lp} P Lp^2 (3a - Lp)/(6EI) + w Lp^4/(8EI);
// the prop force R alone lifts Lp by R Lp^3/(3EI). Compatibility (the prop does not move) gives
//   R = 3 EI delta / Lp^3 = sum_{a<Lp} P a^2 (3Lp - a)/(2Lp^3) + sum_{a>=Lp} P (3a - Lp)/(2Lp) + 3 w Lp/8.
// With the prop under the clamp (Lp = 0) it holds nothing: R = 0, as the theory has it.
double PropForce(const TLoadSet& loads, double Lp) {
    if (Lp <= 0.0) return 0.0;
    double R = 3.0 * loads.W * Lp / 8.0;
    for (const TPointLoad& p : loads.Points) {
        const double a = Metres(p.Station);
        R += a < Lp ? p.Force * a * a * (3.0 * Lp - a) / (2.0 * Lp * Lp * Lp)
                    : p.Force * (3.0 * a - Lp) / (2.0 * Lp);
    }
    return R;
}

// Clamped at both ends over L: each load P at a (b = L - a) needs the fixed-end moments
//   M_A = P a b^2 / L^2,  M_B = P a^2 b / L^2   (hogging)
// for the slope and deflection to vanish at both clamps; a UDL over the span needs w L^2 / 12 at each.
struct TFixedEndMoments {
    double A = 0.0, B = 0.0;
};
TFixedEndMoments FixedEndMoments(const TLoadSet& loads, double L) {
    TFixedEndMoments m;
    m.A = m.B = loads.W * L * L / 12.0;
    for (const TPointLoad& p : loads.Points) {
        const double a = Metres(p.Station);
        const double b = L - a;
        m.A += p.Force * a * b * b / (L * L);
        m.B += p.Force * a * a * b / (L * L);
    }
    return m;
}

// ---- text ------------------------------------------------------------------------------------------------

QString Num(double v) {
    return DiagramNumber(v);
}
QString Mm(int station) {
    return QString::number(StationMm(station)) + QStringLiteral(" mm");
}
QString Mmd(double xMm) {
    return QString::number(std::lround(xMm)) + QStringLiteral(" mm");
}
QString LoadName(std::size_t index) {
    return QStringLiteral("W<sub>%1</sub>").arg(index + 1);
}

QString ArrangementTitle(TSupportArrangement arrangement) {
    switch (arrangement) {
    case TSupportArrangement::Cantilever:
        return QStringLiteral("Cantilever clamped at the left end");
    case TSupportArrangement::ProppedCantilever:
        return QStringLiteral("Propped cantilever: clamped at the left end, one knife-edge");
    case TSupportArrangement::FixedBothEnds:
        return QStringLiteral("Beam clamped at both ends");
    case TSupportArrangement::SimplySupported:
        return QStringLiteral("Beam on two knife-edges");
    case TSupportArrangement::Unsupported:
        break;
    }
    return {};
}

// ---- the deflection at the gauge as a sum of standard cases ---------------------------------------------
// Each case gives the downward deflection delta (m) of one load alone; the gauge reads the sum, with
// downward negative.

struct TCase {
    QString Formula;
    double Delta; // m, downward positive
};

TCase CantileverPoint(double P, double a, double x, double EI) {
    if (a >= x) return {QStringLiteral("δ = W x²(3a − x)/(6EI)"), P * x * x * (3.0 * a - x) / (6.0 * EI)};
    return {QStringLiteral("δ = W a²(3x − a)/(6EI)"), P * a * a * (3.0 * x - a) / (6.0 * EI)};
}

TCase CantileverUDL(double w, double b, double x, double EI) {
    if (x <= b)
        return {QStringLiteral("δ = w x²(6b² − 4bx + x²)/(24EI)"),
                w * x * x * (6.0 * b * b - 4.0 * b * x + x * x) / (24.0 * EI)};
    return {QStringLiteral("δ = w b³(4x − b)/(24EI)"), w * b * b * b * (4.0 * x - b) / (24.0 * EI)};
}

TCase PropCase(double R, double p, double x, double EI) {
    if (x <= p)
        return {QStringLiteral("δ = −R<sub>B</sub> x²(3p − x)/(6EI)"),
                -R * x * x * (3.0 * p - x) / (6.0 * EI)};
    return {QStringLiteral("δ = −R<sub>B</sub> p²(3x − p)/(6EI)"), -R * p * p * (3.0 * x - p) / (6.0 * EI)};
}

TCase FixedPoint(double P, double a, double x, double L, double EI) {
    const double b = L - a;
    if (x <= a)
        return {QStringLiteral("δ = W b²x²(3aL − 3ax − bx)/(6EIL³)"),
                P * b * b * x * x * (3.0 * a * L - 3.0 * a * x - b * x) / (6.0 * EI * L * L * L)};
    const double xr = L - x;
    return {QStringLiteral("δ = W a²x′²(3bL − 3bx′ − ax′)/(6EIL³), x′ = L − x"),
            P * a * a * xr * xr * (3.0 * b * L - 3.0 * b * xr - a * xr) / (6.0 * EI * L * L * L)};
}

TCase FixedUDL(double w, double x, double L, double EI) {
    return {QStringLiteral("δ = w x²(L − x)²/(24EI)"), w * x * x * (L - x) * (L - x) / (24.0 * EI)};
}

// Two knife-edges at x1 < x2, span L. Where the gauge stands: in the span at xi = x - x1 from the left
// support, or on an overhang at d = x1 - x (left) or e = x - x2 (right) from its support.
TCase KnifeEdgesPoint(double P, double pos, double x, double x1, double x2, double EI) {
    const double L = x2 - x1;
    const bool gaugeLeft = x < x1;
    const bool gaugeRight = x >= x2;
    const bool loadLeft = pos < x1;
    const bool loadRight = pos > x2;
    if (!gaugeLeft && !gaugeRight) {
        const double xi = x - x1;
        if (loadLeft) {
            const double a = x1 - pos;
            return {QStringLiteral("δ = −W a ξ(L − ξ)(2L − ξ)/(6EIL)"),
                    -P * a * xi * (L - xi) * (2.0 * L - xi) / (6.0 * EI * L)};
        }
        if (loadRight) {
            const double c = pos - x2;
            return {QStringLiteral("δ = −W c ξ(L − ξ)(L + ξ)/(6EIL)"),
                    -P * c * xi * (L - xi) * (L + xi) / (6.0 * EI * L)};
        }
        const double al = pos - x1;
        const double be = x2 - pos;
        if (xi <= al)
            return {QStringLiteral("δ = W β ξ(L² − β² − ξ²)/(6EIL)"),
                    P * be * xi * (L * L - be * be - xi * xi) / (6.0 * EI * L)};
        const double r = L - xi;
        return {QStringLiteral("δ = W α(L − ξ)(L² − α² − (L − ξ)²)/(6EIL)"),
                P * al * r * (L * L - al * al - r * r) / (6.0 * EI * L)};
    }
    // On an overhang: mirror the right one onto the left, so d is the distance out from the near support.
    const double d = gaugeLeft ? x1 - x : x - x2;
    const bool loadOnSameSide = gaugeLeft ? loadLeft : loadRight;
    const bool loadOnOtherSide = gaugeLeft ? loadRight : loadLeft;
    if (loadOnSameSide) {
        const double a = gaugeLeft ? x1 - pos : pos - x2;
        if (d <= a)
            return {QStringLiteral("δ = W d(3ad − d² + 2aL)/(6EI)"),
                    P * d * (3.0 * a * d - d * d + 2.0 * a * L) / (6.0 * EI)};
        return {QStringLiteral("δ = W a²(a + L)/(3EI) + W a(3a + 2L)(d − a)/(6EI)"),
                P * a * a * (a + L) / (3.0 * EI) + P * a * (3.0 * a + 2.0 * L) * (d - a) / (6.0 * EI)};
    }
    if (loadOnOtherSide) {
        const double c = gaugeLeft ? pos - x2 : x1 - pos;
        return {QStringLiteral("δ = W c L d/(6EI)"), P * c * L * d / (6.0 * EI)};
    }
    // A span load tilts the overhang up; n and f are its distances from the near and the far knife-edge.
    const double near = gaugeLeft ? pos - x1 : x2 - pos;
    const double far = L - near;
    return {QStringLiteral("δ = −W n f d(L + f)/(6EIL)"), -P * near * far * d * (L + far) / (6.0 * EI * L)};
}

TCase KnifeEdgesUDL(double w, double x, double x1, double x2, double EI) {
    const double L = x2 - x1;
    if (x < x1 || x >= x2) {
        const double d = x < x1 ? x1 - x : x - x2;
        return {QStringLiteral("δ = −w L³ d/(24EI)"), -w * L * L * L * d / (24.0 * EI)};
    }
    const double xi = x - x1;
    return {QStringLiteral("δ = w ξ(L³ − 2Lξ² + ξ³)/(24EI)"),
            w * xi * (L * L * L - 2.0 * L * xi * xi + xi * xi * xi) / (24.0 * EI)};
}

} // namespace

// ---- evaluation ------------------------------------------------------------------------------------------

QString DiagramNumber(double value) {
    if (!std::isfinite(value)) return QStringLiteral("?");
    const double a = std::abs(value);
    if (a < 5e-13) return QStringLiteral("0");
    // The general format (2.5, 0.9807, 120) within the magnitudes it writes without an exponent; beyond
    // them, fixed with 4 significant digits.
    if (a >= 1e-4 && a < 99999.5) return FormatGeneral(value);
    const int decimals = std::clamp(3 - int(std::floor(std::log10(a))), 0, 9);
    return FormatFixed(value, decimals);
}

QString DiagramTitle(TDiagramKind kind) {
    switch (kind) {
    case TDiagramKind::Shear:
        return QStringLiteral("Shear force V");
    case TDiagramKind::Moment:
        return QStringLiteral("Bending moment M");
    case TDiagramKind::Slope:
        return QStringLiteral("Slope θ");
    case TDiagramKind::Deflection:
        return QStringLiteral("Deflection y");
    }
    return {};
}

QString DiagramUnit(TDiagramKind kind) {
    switch (kind) {
    case TDiagramKind::Shear:
        return QStringLiteral("N");
    case TDiagramKind::Moment:
        return QStringLiteral("N·m");
    case TDiagramKind::Slope:
        return QStringLiteral("mrad");
    case TDiagramKind::Deflection:
        return QStringLiteral("mm");
    }
    return {};
}

double TBeamDiagrams::ShearAt(double xMm, bool rightOfPoint) const {
    const double x = xMm / 1000.0;
    double v = 0.0;
    for (const TForceTerm& t : Forces)
        if (t.X < x || (rightOfPoint && t.X == x)) v += t.F;
    for (const TRampTerm& t : Ramps)
        v += t.W * Bracket(x, t.X, 1);
    return v;
}

double TBeamDiagrams::MomentAt(double xMm, bool rightOfPoint) const {
    const double x = xMm / 1000.0;
    double m = 0.0;
    for (const TForceTerm& t : Forces)
        m += t.F * Bracket(x, t.X, 1);
    for (const TCoupleTerm& t : Couples)
        if (t.X < x || (rightOfPoint && t.X == x)) m -= t.C;
    for (const TRampTerm& t : Ramps)
        m += t.W * Bracket(x, t.X, 2) / 2.0;
    return m;
}

double TBeamDiagrams::SlopeAt(double xMm) const {
    if (EI <= 0.0) return 0.0;
    const double x = xMm / 1000.0;
    double s = 0.0;
    for (const TForceTerm& t : Forces)
        s += t.F * Bracket(x, t.X, 2) / 2.0;
    for (const TCoupleTerm& t : Couples)
        s -= t.C * Bracket(x, t.X, 1);
    for (const TRampTerm& t : Ramps)
        s += t.W * Bracket(x, t.X, 3) / 6.0;
    return (Theta0 + s / EI) * 1000.0;
}

namespace {
double RawDeflection(const TBeamDiagrams& d, double x) {
    double s = 0.0;
    for (const auto& t : d.Forces)
        s += t.F * Bracket(x, t.X, 3) / 6.0;
    for (const auto& t : d.Couples)
        s -= t.C * Bracket(x, t.X, 2) / 2.0;
    for (const auto& t : d.Ramps)
        s += t.W * Bracket(x, t.X, 4) / 24.0;
    return s / d.EI;
}
} // namespace

double TBeamDiagrams::DeflectionAt(double xMm) const {
    if (EI <= 0.0) return 0.0;
    const double x = xMm / 1000.0;
    return (Y0 + Theta0 * x + RawDeflection(*this, x)) * 1000.0;
}

double TBeamDiagrams::ValueAt(TDiagramKind kind, double xMm) const {
    switch (kind) {
    case TDiagramKind::Shear:
        return ShearAt(xMm);
    case TDiagramKind::Moment:
        return MomentAt(xMm);
    case TDiagramKind::Slope:
        return SlopeAt(xMm);
    case TDiagramKind::Deflection:
        return DeflectionAt(xMm);
    }
    return 0.0;
}

double TBeamDiagrams::ForceBalance() const {
    double sum = 0.0;
    for (const TReaction& r : Reactions)
        if (r.Kind == TReactionKind::Force) sum += r.Value;
    for (const TPointLoad& p : Loads)
        sum -= p.Force;
    if (UDL) sum -= UDL->Intensity * Metres(UDL->EndStation - UDL->StartStation);
    return sum;
}

double TBeamDiagrams::MomentBalanceAbout(double xMm) const {
    // Anticlockwise positive: an upward force right of the point turns the beam anticlockwise.
    const double x0 = xMm / 1000.0;
    double sum = 0.0;
    for (const TReaction& r : Reactions)
        sum += r.Kind == TReactionKind::Force ? r.Value * (Metres(r.Station) - x0) : r.Value;
    for (const TPointLoad& p : Loads)
        sum -= p.Force * (Metres(p.Station) - x0);
    if (UDL) {
        const double a = Metres(UDL->StartStation);
        const double b = Metres(UDL->EndStation);
        sum -= UDL->Intensity * (b - a) * ((a + b) / 2.0 - x0);
    }
    return sum;
}

namespace {

void TakeExtreme(TDiagramCurve& c, double x, double v) {
    // Rounding leaves values like 1e-16 where the diagram is zero; they are not extremes.
    if (std::abs(v) < 1e-9) return;
    if (v > c.Largest.Value) c.Largest = {v, x};
    if (v < c.Smallest.Value) c.Smallest = {v, x};
}

// The diagrams are sampled every 2 mm (about two pixels of the window), on every station (where V jumps
// and M has its corners) and where V crosses zero under a UDL (where M has a smooth extreme).
constexpr int SampleStepMm = 2;

void BuildCurves(TBeamDiagrams& d, const TBeamTheory& theory) {
    for (int k = 0; k < DiagramCount; ++k) {
        d.Curves[k].Kind = TDiagramKind(k);
        d.Curves[k].Title = DiagramTitle(TDiagramKind(k));
        d.Curves[k].Unit = DiagramUnit(TDiagramKind(k));
        d.Curves[k].Points.reserve(640);
    }
    TDiagramCurve& shear = d.Curves[int(TDiagramKind::Shear)];
    TDiagramCurve& moment = d.Curves[int(TDiagramKind::Moment)];
    TDiagramCurve& slope = d.Curves[int(TDiagramKind::Slope)];
    TDiagramCurve& deflection = d.Curves[int(TDiagramKind::Deflection)];

    std::set<int> jumps; // mm positions of point forces
    for (const auto& t : d.Forces)
        jumps.insert(int(std::lround(t.X * 1000.0)));
    // Where V crosses zero inside a distributed load the moment has a smooth extreme between the grid
    // points; it joins the moment's points.
    std::set<int> breaks(jumps.begin(), jumps.end());
    for (const auto& t : d.Ramps)
        breaks.insert(int(std::lround(t.X * 1000.0)));
    breaks.insert(0);
    breaks.insert(int(BeamLengthMm));
    std::vector<double> peaks;
    for (auto it = breaks.begin(); std::next(it) != breaks.end(); ++it) {
        const double a = *it;
        const double b = *std::next(it);
        double w = 0.0;
        for (const auto& t : d.Ramps)
            if (t.X * 1000.0 <= a + 1e-9) w += t.W;
        if (w == 0.0) continue;
        const double va = d.ShearAt(a, true);
        const double x = a - va / w * 1000.0; // V(a) + w (x - a) = 0
        if (x > a && x < b) peaks.push_back(x);
    }

    const int last = int(BeamLengthMm);
    shear.Points.push_back({0.0, 0.0});
    auto peak = peaks.begin();
    for (int x = 0; x <= last; x += SampleStepMm) {
        while (peak != peaks.end() && *peak < x) {
            const double m = d.MomentAt(*peak);
            moment.Points.push_back({*peak, m});
            TakeExtreme(moment, *peak, m);
            ++peak;
        }
        if (jumps.count(x)) {
            const double left = d.ShearAt(x, false);
            const double right = d.ShearAt(x, true);
            if (x > 0) {
                shear.Points.push_back({double(x), left});
                TakeExtreme(shear, x, left);
            }
            if (x < last) {
                shear.Points.push_back({double(x), right});
                TakeExtreme(shear, x, right);
            }
        } else if (x > 0 && x < last) {
            const double v = d.ShearAt(x);
            shear.Points.push_back({double(x), v});
        } else {
            const double v = d.ShearAt(x, x == 0);
            shear.Points.push_back({double(x), v});
            TakeExtreme(shear, x, v);
        }
        // At the ends the moment is taken inside the beam: at a clamp it is the clamp's moment.
        const double m = d.MomentAt(x, x < last);
        moment.Points.push_back({double(x), m});
        TakeExtreme(moment, x, m);
        const double s = d.SlopeAt(x);
        slope.Points.push_back({double(x), s});
        TakeExtreme(slope, x, s);
        deflection.Points.push_back({double(x), d.DeflectionAt(x)});
    }
    shear.Points.push_back({BeamLengthMm, 0.0});
    // Shear is linear between its breaks, so its extremes lie on them; the points in between only draw.
    for (const auto& p : shear.Points)
        TakeExtreme(shear, p.XMm, p.Value);

    // The deflection's extremes are the deflection view's: the largest and smallest over the stations.
    for (int i = 0; i < StationCount; ++i)
        TakeExtreme(deflection, StationMm(i), theory.DisplayedDeflectionMm(i));
    d.GaugeDeflectionMm = theory.DisplayedDeflectionMm(d.GaugeStation);
}

// ---- the worked solution ---------------------------------------------------------------------------------

QString Equation(const QString& s) {
    return QStringLiteral("&nbsp;&nbsp;&nbsp;") + s + QStringLiteral("<br>");
}

QString ReactionValue(const TBeamDiagrams& d, const QString& name) {
    for (const TReaction& r : d.Reactions)
        if (r.Name == name) return Num(r.Value);
    return QStringLiteral("0");
}

QString LoadsSection(const TBeamDiagrams& d, const TBeamTheory& theory) {
    QString s = QStringLiteral("<p><b>1. The loads as forces</b><br>");
    if (d.Loads.empty() && !d.UDL)
        s += Equation(QStringLiteral("Only empty hangers: no force acts on the beam."));
    if (!d.Loads.empty()) s += Equation(QStringLiteral("Each weight W = m g, with g = 9.80665 m/s²:"));
    for (std::size_t k = 0; k < d.Loads.size(); ++k) {
        const TPointLoad& p = d.Loads[k];
        s += Equation(QStringLiteral("%1 = %2 g × 9.80665 m/s² = <b>%3 N</b> at x = %4")
                          .arg(LoadName(k))
                          .arg(p.Grams)
                          .arg(Num(p.Force), Mm(p.Station)));
    }
    if (d.UDL) {
        const double len = Metres(d.UDL->EndStation - d.UDL->StartStation);
        if (len > 0.0)
            s += Equation(QStringLiteral("UDL w = <b>%1 N/m</b> from %2 to %3: its resultant w ℓ = %1 × %4 m "
                                         "= <b>%5 N</b> at x = %6")
                              .arg(Num(d.UDL->Intensity), Mm(d.UDL->StartStation), Mm(d.UDL->EndStation),
                                   Num(len), Num(d.UDL->Intensity * len),
                                   Mmd(StationMm(d.UDL->StartStation + d.UDL->EndStation) / 2.0)));
        else
            s += Equation(
                QStringLiteral("UDL w = %1 N/m, but it has no length here (it ends at %2): no force.")
                    .arg(Num(d.UDL->Intensity), Mm(d.UDL->EndStation)));
    }
    s += Equation(QStringLiteral("Stiffness EI = %1 GPa × %2 mm⁴ = <b>%3 N·m²</b>")
                      .arg(Num(theory.ModulusE / 1e9), Num(double(theory.SecondMomentI) * 1e12), Num(d.EI)));
    return s + QStringLiteral("</p>");
}

// A lever arm in m, in brackets when negative so that "× (-0.05)" reads as a product.
QString Arm(double metres) {
    return metres < 0.0 ? QStringLiteral("(%1)").arg(Num(metres)) : Num(metres);
}

// "Σ W·a" written out with the numbers, e.g. "0.981 × 0.3 + 1.96 × 0.45".
QString SumOfMoments(const TBeamDiagrams& d, double about) {
    QStringList parts;
    for (std::size_t k = 0; k < d.Loads.size(); ++k)
        parts << QStringLiteral("%1 × %2").arg(Num(d.Loads[k].Force),
                                               Arm(Metres(d.Loads[k].Station) - about));
    if (d.UDL && d.UDL->EndStation > d.UDL->StartStation) {
        const double len = Metres(d.UDL->EndStation - d.UDL->StartStation);
        parts << QStringLiteral("%1 × %2").arg(
            Num(d.UDL->Intensity * len), Arm(Metres(d.UDL->StartStation + d.UDL->EndStation) / 2.0 - about));
    }
    return parts.isEmpty() ? QStringLiteral("0") : parts.join(QStringLiteral(" + "));
}

QString SumOfForces(const TBeamDiagrams& d) {
    QStringList parts;
    for (const TPointLoad& p : d.Loads)
        parts << Num(p.Force);
    if (d.UDL && d.UDL->EndStation > d.UDL->StartStation)
        parts << Num(d.UDL->Intensity * Metres(d.UDL->EndStation - d.UDL->StartStation));
    return parts.isEmpty() ? QStringLiteral("0") : parts.join(QStringLiteral(" + "));
}

QString ReactionsSection(const TBeamDiagrams& d, const TLoadSet& loads) {
    QString s;
    const QString sumF = SumOfForces(d);
    switch (d.Arrangement) {
    case TSupportArrangement::Cantilever:
        s += QStringLiteral("<p><b>2. Reactions from equilibrium</b> (statically determinate)<br>");
        s += Equation(QStringLiteral("ΣF = 0: R<sub>A</sub> = ΣW = %1 = <b>%2 N</b> (upward)")
                          .arg(sumF, ReactionValue(d, QStringLiteral("R_A"))));
        s += Equation(QStringLiteral("ΣM about A = 0: M<sub>A</sub> = ΣW·x = %1 = <b>%2 N·m</b> "
                                     "(anticlockwise on the beam)")
                          .arg(SumOfMoments(d, 0.0), ReactionValue(d, QStringLiteral("M_A"))));
        break;
    case TSupportArrangement::ProppedCantilever: {
        const int p = d.Supports[1].Station;
        const double Lp = Metres(p);
        s += QStringLiteral("<p><b>2. The prop force from compatibility</b> (one redundant reaction)<br>");
        if (p == 0) {
            s += Equation(
                QStringLiteral("The knife-edge stands under the clamp, where the beam cannot move: it "
                               "takes no load, R<sub>B</sub> = <b>0 N</b>, and the beam acts as a "
                               "cantilever."));
        } else {
            const double R = PropForce(loads, Lp);
            s += Equation(
                QStringLiteral("Take the prop at B (x = p = %1) away: the cantilever alone deflects "
                               "there by δ<sub>B</sub> (the cantilever cases of the last step, at x = p):")
                    .arg(Mm(p)));
            double deltaB = 0.0;
            for (std::size_t k = 0; k < loads.Points.size(); ++k) {
                const TCase c =
                    CantileverPoint(loads.Points[k].Force, Metres(loads.Points[k].Station), Lp, d.EI);
                deltaB += c.Delta;
                s += Equation(QStringLiteral("&nbsp;&nbsp;%1: %2 = %3 mm")
                                  .arg(LoadName(k), c.Formula, Num(c.Delta * 1000.0)));
            }
            if (loads.W > 0.0) {
                const double c = loads.W * Lp * Lp * Lp * Lp / (8.0 * d.EI);
                deltaB += c;
                s += Equation(QStringLiteral("&nbsp;&nbsp;UDL: δ = w p⁴/(8EI) = %1 mm").arg(Num(c * 1000.0)));
            }
            s += Equation(QStringLiteral("δ<sub>B</sub> = <b>%1 mm</b> down").arg(Num(deltaB * 1000.0)));
            s +=
                Equation(QStringLiteral("Compatibility: the prop does not move, so R<sub>B</sub> must lift B "
                                        "back: R<sub>B</sub> p³/(3EI) = δ<sub>B</sub>"));
            s += Equation(
                QStringLiteral("R<sub>B</sub> = 3EI δ<sub>B</sub>/p³ = 3 × %1 × %2/%3³ = <b>%4 N</b> "
                               "(upward)")
                    .arg(Num(d.EI), Num(deltaB), Num(Lp), Num(R)));
        }
        s += QStringLiteral("</p><p><b>3. Clamp reactions from equilibrium</b><br>");
        s += Equation(
            QStringLiteral("ΣF = 0: R<sub>A</sub> = ΣW − R<sub>B</sub> = (%1) − %2 = <b>%3 N</b>")
                .arg(sumF, ReactionValue(d, QStringLiteral("R_B")), ReactionValue(d, QStringLiteral("R_A"))));
        s += Equation(
            QStringLiteral("ΣM about A = 0: M<sub>A</sub> = ΣW·x − R<sub>B</sub> p = (%1) − %2 × %3 = "
                           "<b>%4 N·m</b> (anticlockwise on the beam)")
                .arg(SumOfMoments(d, 0.0), ReactionValue(d, QStringLiteral("R_B")), Num(Lp),
                     ReactionValue(d, QStringLiteral("M_A"))));
        break;
    }
    case TSupportArrangement::FixedBothEnds: {
        const double L = 0.6;
        s +=
            QStringLiteral("<p><b>2. Fixed-end moments from compatibility</b> (two redundant reactions)<br>");
        s += Equation(
            QStringLiteral("Both clamps hold the beam level and in place (θ = 0 and y = 0 at A and "
                           "B). For a load W at a from A and b = L − a from B, L = 0.6 m, this needs "
                           "M<sub>A</sub> = W a b²/L² and M<sub>B</sub> = W a² b/L²; a UDL needs "
                           "w L²/12 at each end:"));
        for (std::size_t k = 0; k < loads.Points.size(); ++k) {
            const double a = Metres(loads.Points[k].Station);
            const double P = loads.Points[k].Force;
            s += Equation(QStringLiteral("&nbsp;&nbsp;%1: M<sub>A</sub> = %2 N·m, M<sub>B</sub> = %3 N·m")
                              .arg(LoadName(k), Num(P * a * (L - a) * (L - a) / (L * L)),
                                   Num(P * a * a * (L - a) / (L * L))));
        }
        if (loads.W > 0.0)
            s += Equation(QStringLiteral("&nbsp;&nbsp;UDL: w L²/12 = %1 N·m at each end")
                              .arg(Num(loads.W * L * L / 12.0)));
        const TFixedEndMoments m = FixedEndMoments(loads, L);
        s += Equation(
            QStringLiteral("M<sub>A</sub> = <b>%1 N·m</b> (anticlockwise), M<sub>B</sub> = <b>%2 N·m</b> "
                           "(clockwise); both hog the beam at its clamps")
                .arg(Num(m.A), Num(m.B)));
        s += QStringLiteral("</p><p><b>3. Reactions from equilibrium</b><br>");
        s += Equation(
            QStringLiteral("ΣM about A = 0: R<sub>B</sub> = (ΣW·x − M<sub>A</sub> + M<sub>B</sub>)/L "
                           "= (%1 − %2 + %3)/0.6 = <b>%4 N</b>")
                .arg(SumOfMoments(d, 0.0), Num(m.A), Num(m.B), ReactionValue(d, QStringLiteral("R_B"))));
        s += Equation(QStringLiteral("ΣF = 0: R<sub>A</sub> = ΣW − R<sub>B</sub> = <b>%1 N</b>")
                          .arg(ReactionValue(d, QStringLiteral("R_A"))));
        break;
    }
    case TSupportArrangement::SimplySupported: {
        const int s1 = d.Supports[0].Station;
        const int s2 = d.Supports[1].Station;
        const double x1 = Metres(s1);
        s += QStringLiteral("<p><b>2. Reactions from equilibrium</b> (statically determinate)<br>");
        s += Equation(
            QStringLiteral("Knife-edges A at %1 and B at %2: span L = %3 m. Arms are measured from A "
                           "(negative left of it).")
                .arg(Mm(s1), Mm(s2), Num(Metres(s2 - s1))));
        s += Equation(
            QStringLiteral("ΣM about A = 0: R<sub>B</sub> = ΣW·(x − x<sub>A</sub>)/L = (%1)/%2 = "
                           "<b>%3 N</b>")
                .arg(SumOfMoments(d, x1), Num(Metres(s2 - s1)), ReactionValue(d, QStringLiteral("R_B"))));
        s += Equation(
            QStringLiteral("ΣF = 0: R<sub>A</sub> = ΣW − R<sub>B</sub> = (%1) − %2 = <b>%3 N</b>")
                .arg(sumF, ReactionValue(d, QStringLiteral("R_B")), ReactionValue(d, QStringLiteral("R_A"))));
        break;
    }
    case TSupportArrangement::Unsupported:
        break;
    }
    s += Equation(QStringLiteral("Check: ΣF = %1 N and ΣM about A = %2 N·m, zero to rounding.")
                      .arg(Num(d.ForceBalance()), Num(d.MomentBalanceAbout(d.Supports[0].Station * 10.0))));
    return s + QStringLiteral("</p>");
}

QString MomentSection(const TBeamDiagrams& d, int number) {
    const TDiagramCurve& m = d.Curve(TDiagramKind::Moment);
    QString s = QStringLiteral("<p><b>%1. The largest bending moment</b><br>").arg(number);
    s += Equation(QStringLiteral("M(x) is the moment about the section of every force left of it (sagging "
                                 "positive); it peaks where the shear force V changes sign, or at a clamp."));
    if (m.Largest.Value > 0.0)
        s += Equation(QStringLiteral("Largest sagging moment: <b>M = %1 N·m at x = %2</b>")
                          .arg(Num(m.Largest.Value), Mmd(m.Largest.XMm)));
    if (m.Smallest.Value < 0.0)
        s += Equation(QStringLiteral("Largest hogging moment: <b>M = %1 N·m at x = %2</b>")
                          .arg(Num(m.Smallest.Value), Mmd(m.Smallest.XMm)));
    if (m.Largest.Value == 0.0 && m.Smallest.Value == 0.0) s += Equation(QStringLiteral("M = 0 everywhere."));
    return s + QStringLiteral("</p>");
}

std::vector<TGaugeTerm> GaugeTerms(const TBeamDiagrams& d, const TLoadSet& loads) {
    std::vector<TGaugeTerm> terms;
    const double x = Metres(d.GaugeStation);
    auto add = [&](const QString& load, const TCase& c) {
        terms.push_back({load, c.Formula, -c.Delta * 1000.0});
    };
    auto pointName = [&](std::size_t k) {
        return QStringLiteral("%1 = %2 N at a = %3")
            .arg(LoadName(k), Num(loads.Points[k].Force), Mm(loads.Points[k].Station));
    };
    const QString udlName = QStringLiteral("UDL w = %1 N/m").arg(Num(loads.W));
    switch (d.Arrangement) {
    case TSupportArrangement::Cantilever:
    case TSupportArrangement::ProppedCantilever: {
        for (std::size_t k = 0; k < loads.Points.size(); ++k)
            add(pointName(k),
                CantileverPoint(loads.Points[k].Force, Metres(loads.Points[k].Station), x, d.EI));
        if (loads.W > 0.0)
            add(udlName + QStringLiteral(" to b = %1").arg(Mmd(loads.UDLTo * 1000.0)),
                CantileverUDL(loads.W, loads.UDLTo, x, d.EI));
        if (d.Arrangement == TSupportArrangement::ProppedCantilever) {
            const double p = Metres(d.Supports[1].Station);
            const double R = PropForce(loads, p);
            add(QStringLiteral("Prop R<sub>B</sub> = %1 N at p = %2").arg(Num(R), Mmd(p * 1000.0)),
                PropCase(R, p, x, d.EI));
        }
        break;
    }
    case TSupportArrangement::FixedBothEnds:
        for (std::size_t k = 0; k < loads.Points.size(); ++k)
            add(pointName(k),
                FixedPoint(loads.Points[k].Force, Metres(loads.Points[k].Station), x, 0.6, d.EI));
        if (loads.W > 0.0) add(udlName, FixedUDL(loads.W, x, 0.6, d.EI));
        break;
    case TSupportArrangement::SimplySupported: {
        const double x1 = Metres(d.Supports[0].Station);
        const double x2 = Metres(d.Supports[1].Station);
        for (std::size_t k = 0; k < loads.Points.size(); ++k) {
            const double pos = Metres(loads.Points[k].Station);
            if (pos == x1 || pos == x2) continue; // straight into a support: no bending
            add(pointName(k), KnifeEdgesPoint(loads.Points[k].Force, pos, x, x1, x2, d.EI));
        }
        if (loads.W > 0.0)
            add(udlName + QStringLiteral(" on the span"), KnifeEdgesUDL(loads.W, x, x1, x2, d.EI));
        break;
    }
    case TSupportArrangement::Unsupported:
        break;
    }
    return terms;
}

QString GaugeSection(const TBeamDiagrams& d, int number) {
    QString s = QStringLiteral("<p><b>%1. The deflection at the gauge</b> (x = %2), the sum of standard cases"
                               "<br>")
                    .arg(number)
                    .arg(Mm(d.GaugeStation));
    switch (d.Arrangement) {
    case TSupportArrangement::Cantilever:
        s += Equation(QStringLiteral("Cantilever cases, δ downward, x from the clamp:"));
        break;
    case TSupportArrangement::ProppedCantilever:
        s +=
            Equation(QStringLiteral("Cantilever cases for the loads, and the prop force as an upward load:"));
        break;
    case TSupportArrangement::FixedBothEnds:
        s += Equation(QStringLiteral("Cases of a beam clamped at both ends, L = 0.6 m, δ downward:"));
        break;
    case TSupportArrangement::SimplySupported:
        s +=
            Equation(QStringLiteral("Cases of a beam on two knife-edges, δ downward; ξ from A in the span; d "
                                    "from the near knife-edge on an overhang; α, β a span load's distances "
                                    "from A and B, n, f from the near and the far knife-edge; a, c the arms "
                                    "of overhang loads:"));
        break;
    case TSupportArrangement::Unsupported:
        break;
    }
    double sum = 0.0;
    for (const TGaugeTerm& t : d.GaugeTerms) {
        sum += t.Mm;
        s += Equation(QStringLiteral("%1:<br>&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;%2 = <b>%3 mm</b>")
                          .arg(t.Load, t.Formula, Num(-t.Mm)));
    }
    if (d.GaugeTerms.empty()) s += Equation(QStringLiteral("No load bends the beam."));
    s += Equation(QStringLiteral("Σδ = <b>%1 mm</b> downward, so the gauge reads y = −Σδ = <b>%2 mm</b> (the "
                                 "deflection view shows %3 mm).")
                      .arg(Num(-sum), FormatFixed(sum, 2), FormatFixed(d.GaugeDeflectionMm, 2)));
    return s + QStringLiteral("</p>");
}

QString WorkedSolution(const TBeamDiagrams& d, const TBeamTheory& theory, const TLoadSet& loads) {
    QString s = QStringLiteral("<h3>%1</h3>").arg(ArrangementTitle(d.Arrangement));
    s += LoadsSection(d, theory);
    s += ReactionsSection(d, loads);
    const bool indeterminate = d.Arrangement == TSupportArrangement::ProppedCantilever ||
                               d.Arrangement == TSupportArrangement::FixedBothEnds;
    const int next = indeterminate ? 4 : 3;
    s += MomentSection(d, next);
    s += GaugeSection(d, next + 1);
    return s;
}

} // namespace

TBeamDiagrams ComputeDiagrams(const TBeamLayout& layout, const TBeamTheory& theory, bool withWorkedSolution) {
    TBeamDiagrams d;
    d.GaugeStation = layout.GaugeStation;
    const TSupportArrangement arrangement = TheoryArrangement(layout);
    if (!layout.Loaded()) {
        d.Reason =
            arrangement == TSupportArrangement::Unsupported
                ? QStringLiteral("Nothing to draw: the beam carries no load and is not supported. Put two "
                                 "knife-edges or an end clamp under it, then hang a weight or lay the UDL.")
                : QStringLiteral("Nothing to draw: the beam carries no load. Hang a weight or lay the UDL "
                                 "to see the reactions and the diagrams.");
        return d;
    }
    if (arrangement == TSupportArrangement::Unsupported) {
        const bool sameStation = layout.SupportArrangement() == TSupportArrangement::SimplySupported;
        d.Reason = sameStation
                       ? QStringLiteral("Nothing to draw: both knife-edges stand at the same place, so "
                                        "there is no span between them and the beam is not supported. "
                                        "Move one knife-edge.")
                       : QStringLiteral("Nothing to draw: the beam is not adequately supported. It needs "
                                        "two knife-edges or at least one end clamp before it can carry "
                                        "the loads.");
        return d;
    }
    d.Drawable = true;
    d.Arrangement = arrangement;
    d.EI = double(theory.ModulusE) * double(theory.SecondMomentI);

    TLoadSet loads;
    for (int i = 0; i < StationCount; ++i)
        if (theory.StationLoad[i] > 0)
            loads.Points.push_back({i, theory.StationLoad[i], theory.StationLoad[i] * NewtonsPerGram});
    d.Loads = loads.Points;
    if (layout.UDL) {
        const TUDLExtent extent = UDLExtentFor(layout);
        d.UDL = TDistributedLoad{extent.Start, extent.End, double(theory.UDLLoad)};
        loads.W = theory.UDLLoad;
        loads.UDLFrom = Metres(extent.Start);
        loads.UDLTo = Metres(extent.End);
    }

    auto force = [&](const char* name, int station, double value) {
        d.Reactions.push_back({TReactionKind::Force, QString::fromLatin1(name), station, value});
    };
    auto couple = [&](const char* name, int station, double value) {
        d.Reactions.push_back({TReactionKind::Moment, QString::fromLatin1(name), station, value});
    };
    const double total = loads.TotalForce();
    const double moment = loads.MomentAboutOrigin();
    switch (arrangement) {
    case TSupportArrangement::Cantilever:
        d.Supports = {{TSupportKind::LeftClamp, 0}};
        force("R_A", 0, total);
        couple("M_A", 0, moment);
        break;
    case TSupportArrangement::ProppedCantilever: {
        const int p = layout.PropStation();
        d.Supports = {{TSupportKind::LeftClamp, 0}, {TSupportKind::KnifeEdge, p}};
        const double R = PropForce(loads, Metres(p));
        force("R_A", 0, total - R);
        couple("M_A", 0, moment - R * Metres(p));
        force("R_B", p, R);
        break;
    }
    case TSupportArrangement::FixedBothEnds: {
        d.Supports = {{TSupportKind::LeftClamp, 0}, {TSupportKind::RightClamp, LastStation}};
        const double L = Metres(LastStation);
        const TFixedEndMoments m = FixedEndMoments(loads, L);
        const double RB = (moment - m.A + m.B) / L;
        force("R_A", 0, total - RB);
        couple("M_A", 0, m.A);
        force("R_B", LastStation, RB);
        couple("M_B", LastStation, -m.B);
        break;
    }
    case TSupportArrangement::SimplySupported: {
        const int s1 = layout.LeftKnifeEdgeStation;
        const int s2 = layout.RightKnifeEdgeStation;
        d.Supports = {{TSupportKind::KnifeEdge, s1}, {TSupportKind::KnifeEdge, s2}};
        const double x1 = Metres(s1);
        const double RB = (moment - total * x1) / Metres(s2 - s1);
        force("R_A", s1, total - RB);
        force("R_B", s2, RB);
        break;
    }
    case TSupportArrangement::Unsupported:
        break;
    }

    for (const TPointLoad& p : loads.Points)
        d.Forces.push_back({Metres(p.Station), -p.Force});
    for (const TReaction& r : d.Reactions) {
        if (r.Kind == TReactionKind::Force)
            d.Forces.push_back({Metres(r.Station), r.Value});
        else
            d.Couples.push_back({Metres(r.Station), r.Value});
    }
    if (loads.W > 0.0 && loads.UDLTo > loads.UDLFrom) {
        d.Ramps.push_back({loads.UDLFrom, -loads.W});
        d.Ramps.push_back({loads.UDLTo, loads.W});
    }
    if (arrangement == TSupportArrangement::SimplySupported) {
        // y = 0 at both knife-edges fixes the constants of integration.
        const double x1 = Metres(d.Supports[0].Station);
        const double x2 = Metres(d.Supports[1].Station);
        const double r1 = RawDeflection(d, x1);
        const double r2 = RawDeflection(d, x2);
        d.Theta0 = -(r2 - r1) / (x2 - x1);
        d.Y0 = -r1 - d.Theta0 * x1;
    }

    BuildCurves(d, theory);
    d.GaugeTerms = GaugeTerms(d, loads);
    if (withWorkedSolution) d.WorkedSolution = WorkedSolution(d, theory, loads);
    return d;
}
