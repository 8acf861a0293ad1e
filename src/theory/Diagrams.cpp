#include "Diagrams.h"

#include <QCoreApplication>

#include <algorithm>
#include <cmath>

#include "platform/NumberFormat.h"
#include "theory/Sections.h"

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

TLoadSet LoadsOf(const TBeamDiagrams& d) {
    TLoadSet loads;
    loads.Points = d.Loads;
    if (d.UDL && d.UDL->EndStation > d.UDL->StartStation) {
        loads.W = d.UDL->Intensity;
        loads.UDLFrom = Metres(d.UDL->StartStation);
        loads.UDLTo = Metres(d.UDL->EndStation);
    }
    return loads;
}

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

// ---- the deflection at a point as a sum of standard cases ------------------------------------------------
// Each case gives the downward deflection delta (m) of one load alone; the gauge reads the sum, with
// downward negative. DiagramsText.cpp writes the same formulas in words.

struct TCase {
    TGaugeCase Case;
    double Delta; // m, downward positive
};

TCase CantileverPoint(double P, double a, double x, double EI) {
    if (a >= x) return {TGaugeCase::CantileverLoadBeyond, P * x * x * (3.0 * a - x) / (6.0 * EI)};
    return {TGaugeCase::CantileverLoadBefore, P * a * a * (3.0 * x - a) / (6.0 * EI)};
}

TCase CantileverUDL(double w, double b, double x, double EI) {
    if (x <= b)
        return {TGaugeCase::CantileverUDLInside,
                w * x * x * (6.0 * b * b - 4.0 * b * x + x * x) / (24.0 * EI)};
    return {TGaugeCase::CantileverUDLBeyond, w * b * b * b * (4.0 * x - b) / (24.0 * EI)};
}

TCase PropCase(double R, double p, double x, double EI) {
    if (x <= p) return {TGaugeCase::PropBeyondGauge, -R * x * x * (3.0 * p - x) / (6.0 * EI)};
    return {TGaugeCase::PropBeforeGauge, -R * p * p * (3.0 * x - p) / (6.0 * EI)};
}

TCase FixedPoint(double P, double a, double x, double L, double EI) {
    const double b = L - a;
    if (x <= a)
        return {TGaugeCase::FixedLoadRight,
                P * b * b * x * x * (3.0 * a * L - 3.0 * a * x - b * x) / (6.0 * EI * L * L * L)};
    const double xr = L - x;
    return {TGaugeCase::FixedLoadLeft,
            P * a * a * xr * xr * (3.0 * b * L - 3.0 * b * xr - a * xr) / (6.0 * EI * L * L * L)};
}

TCase FixedUDL(double w, double x, double L, double EI) {
    return {TGaugeCase::FixedUDL, w * x * x * (L - x) * (L - x) / (24.0 * EI)};
}

// Two knife-edges at x1 < x2, span L. Where the gauge stands: in the span at xi = x - x1 from the left
// support, or on an overhang at d = x1 - x (left) or e = x - x2 (right) from its support.
TCase KnifeEdgesPoint(double P, double pos, double x, double x1, double x2, double EI) {
    const double L = x2 - x1;
    const bool gaugeLeft = x < x1;
    const bool gaugeRight = x > x2;
    const bool loadLeft = pos < x1;
    const bool loadRight = pos > x2;
    if (!gaugeLeft && !gaugeRight) {
        const double xi = x - x1;
        if (loadLeft) {
            const double a = x1 - pos;
            return {TGaugeCase::SpanLoadOverhangLeft,
                    -P * a * xi * (L - xi) * (2.0 * L - xi) / (6.0 * EI * L)};
        }
        if (loadRight) {
            const double c = pos - x2;
            return {TGaugeCase::SpanLoadOverhangRight, -P * c * xi * (L - xi) * (L + xi) / (6.0 * EI * L)};
        }
        const double al = pos - x1;
        const double be = x2 - pos;
        if (xi <= al)
            return {TGaugeCase::SpanLoadRight, P * be * xi * (L * L - be * be - xi * xi) / (6.0 * EI * L)};
        const double r = L - xi;
        return {TGaugeCase::SpanLoadLeft, P * al * r * (L * L - al * al - r * r) / (6.0 * EI * L)};
    }
    // On an overhang: mirror the right one onto the left, so d is the distance out from the near support.
    const double d = gaugeLeft ? x1 - x : x - x2;
    const bool loadOnSameSide = gaugeLeft ? loadLeft : loadRight;
    const bool loadOnOtherSide = gaugeLeft ? loadRight : loadLeft;
    if (loadOnSameSide) {
        const double a = gaugeLeft ? x1 - pos : pos - x2;
        if (d <= a)
            return {TGaugeCase::OverhangLoadOutside,
                    P * d * (3.0 * a * d - d * d + 2.0 * a * L) / (6.0 * EI)};
        return {TGaugeCase::OverhangLoadInside,
                P * a * a * (a + L) / (3.0 * EI) + P * a * (3.0 * a + 2.0 * L) * (d - a) / (6.0 * EI)};
    }
    if (loadOnOtherSide) {
        const double c = gaugeLeft ? pos - x2 : x1 - pos;
        return {TGaugeCase::OverhangLoadOther, P * c * L * d / (6.0 * EI)};
    }
    // A span load tilts the overhang up; n and f are its distances from the near and the far knife-edge.
    const double near = gaugeLeft ? pos - x1 : x2 - pos;
    const double far = L - near;
    return {TGaugeCase::OverhangLoadSpan, -P * near * far * d * (L + far) / (6.0 * EI * L)};
}

TCase KnifeEdgesUDL(double w, double x, double x1, double x2, double EI) {
    const double L = x2 - x1;
    if (x < x1 || x > x2) {
        const double d = x < x1 ? x1 - x : x - x2;
        return {TGaugeCase::OverhangUDL, -w * L * L * L * d / (24.0 * EI)};
    }
    const double xi = x - x1;
    return {TGaugeCase::SpanUDL, w * xi * (L * L * L - 2.0 * L * xi * xi + xi * xi * xi) / (24.0 * EI)};
}

} // namespace

std::vector<TGaugeTerm> StandardCases(const TBeamDiagrams& d, double xMm, bool withProp) {
    std::vector<TGaugeTerm> terms;
    if (!d.Drawable || d.EI <= 0.0) return terms;
    const TLoadSet loads = LoadsOf(d);
    const double x = xMm / 1000.0;
    auto add = [&](int load, const TCase& c) { terms.push_back({c.Case, load, -c.Delta * 1000.0}); };
    const int n = int(loads.Points.size());
    switch (d.Arrangement) {
    case TSupportArrangement::Cantilever:
    case TSupportArrangement::ProppedCantilever: {
        for (int k = 0; k < n; ++k)
            add(k, CantileverPoint(loads.Points[k].Force, Metres(loads.Points[k].Station), x, d.EI));
        if (loads.W > 0.0) add(TGaugeTerm::UDLTerm, CantileverUDL(loads.W, loads.UDLTo, x, d.EI));
        if (withProp && d.Arrangement == TSupportArrangement::ProppedCantilever) {
            const double p = Metres(d.Supports[1].Station);
            add(TGaugeTerm::PropTerm, PropCase(PropForce(loads, p), p, x, d.EI));
        }
        break;
    }
    case TSupportArrangement::FixedBothEnds:
        for (int k = 0; k < n; ++k)
            add(k, FixedPoint(loads.Points[k].Force, Metres(loads.Points[k].Station), x, BeamLengthM, d.EI));
        if (loads.W > 0.0) add(TGaugeTerm::UDLTerm, FixedUDL(loads.W, x, BeamLengthM, d.EI));
        break;
    case TSupportArrangement::SimplySupported: {
        const double x1 = Metres(d.Supports[0].Station);
        const double x2 = Metres(d.Supports[1].Station);
        for (int k = 0; k < n; ++k) {
            const double pos = Metres(loads.Points[k].Station);
            if (pos == x1 || pos == x2)
                terms.push_back({TGaugeCase::LoadOnSupport, k, 0.0}); // straight into a support
            else
                add(k, KnifeEdgesPoint(loads.Points[k].Force, pos, x, x1, x2, d.EI));
        }
        if (loads.W > 0.0) add(TGaugeTerm::UDLTerm, KnifeEdgesUDL(loads.W, x, x1, x2, d.EI));
        break;
    }
    case TSupportArrangement::Unsupported:
        break;
    }
    return terms;
}

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
        return QCoreApplication::translate("Diagrams", "Shear force V");
    case TDiagramKind::Moment:
        return QCoreApplication::translate("Diagrams", "Bending moment M");
    case TDiagramKind::Slope:
        return QCoreApplication::translate("Diagrams", "Slope θ");
    case TDiagramKind::Deflection:
        return QCoreApplication::translate("Diagrams", "Deflection y");
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

std::vector<TExtremePlace> TExtreme::Places() const {
    std::vector<TExtremePlace> places{{XMm, ToMm}};
    places.insert(places.end(), AlsoAt.begin(), AlsoAt.end());
    return places;
}

const TReaction* TBeamDiagrams::Reaction(const QString& name) const {
    for (const TReaction& r : Reactions)
        if (r.Name == name) return &r;
    return nullptr;
}

bool TBeamDiagrams::Warns(TWarningKind kind) const {
    return std::any_of(Warnings.begin(), Warnings.end(), [&](const TWarning& w) { return w.Kind == kind; });
}

double TBeamDiagrams::ShearAt(double xMm, bool rightOfPoint) const {
    const double x = xMm / 1000.0;
    double v = 0.0;
    for (const TForceTerm& t : Forces) {
        if (t.X > x) break; // the terms are sorted by position
        if (t.X < x || rightOfPoint) v += t.F;
    }
    for (const TRampTerm& t : Ramps)
        v += t.W * Bracket(x, t.X, 1);
    return v;
}

double TBeamDiagrams::MomentAt(double xMm, bool rightOfPoint) const {
    const double x = xMm / 1000.0;
    double m = 0.0;
    for (const TForceTerm& t : Forces) {
        if (t.X > x) break;
        m += t.F * (x - t.X);
    }
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
    for (const TForceTerm& t : Forces) {
        if (t.X > x) break;
        s += t.F * (x - t.X) * (x - t.X) / 2.0;
    }
    for (const TCoupleTerm& t : Couples)
        s -= t.C * Bracket(x, t.X, 1);
    for (const TRampTerm& t : Ramps)
        s += t.W * Bracket(x, t.X, 3) / 6.0;
    return (Theta0 + s / EI) * 1000.0;
}

namespace {
double RawDeflection(const TBeamDiagrams& d, double x) {
    double s = 0.0;
    for (const auto& t : d.Forces) {
        if (t.X > x) break; // sorted by position
        const double a = x - t.X;
        s += t.F * a * a * a / 6.0;
    }
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

// ---- the curves and their extremes -----------------------------------------------------------------------

namespace {

// The diagrams are sampled every 2 mm (about two pixels of the window). Every station is a sample, so every
// point force, couple and end of the UDL falls on one: between two samples each curve is one polynomial,
// and its extremes there are where its derivative (V for M, M for theta, theta for y) changes sign. Those
// points are found by bisection on the closed form and join the curve, so a peak is drawn and labelled at
// its true place and value.
constexpr int SampleStepMm = 2;

// The root of f between a and b, where f(a) and f(b) have opposite signs.
// A change of sign worth a root: both sides clear of zero (a value like 1e-16 at the free end is zero).
bool SignChange(double a, double b) {
    constexpr double Zero = 1e-10;
    return (a > Zero && b < -Zero) || (a < -Zero && b > Zero);
}

template <typename F> double Root(F f, double a, double b) {
    double fa = f(a);
    for (int k = 0; k < 64 && b - a > 1e-12; ++k) {
        const double m = (a + b) / 2.0;
        const double fm = f(m);
        if ((fm < 0.0) == (fa < 0.0)) {
            a = m;
            fa = fm;
        } else {
            b = m;
        }
    }
    return (a + b) / 2.0;
}

// The extremes of one curve from its points: the greatest and least value, each at every place where the
// curve reaches it (a flat run of points is a stretch). Rounding noise of the order of 1e-9 of the curve's
// size counts as equal, so a constant slope on an overhang is one stretch, not a point picked by noise.
void FindExtremes(TDiagramCurve& c) {
    double scale = 0.0;
    for (const TDiagramPoint& p : c.Points)
        scale = std::max(scale, std::abs(p.Value));
    c.Largest = {};
    c.Smallest = {};
    // Values like 1e-16 where the diagram is zero are not extremes.
    if (scale < 1e-9) return;
    const double tol = 1e-9 * scale;
    auto places = [&](double target, TExtreme& e) {
        e.Value = target;
        bool first = true;
        bool inRun = false;
        TExtremePlace run;
        auto close = [&] {
            if (!inRun) return;
            if (run.ToMm - run.XMm < 1.0) run.ToMm = run.XMm; // a root beside a sample: one point
            if (first) {
                e.XMm = run.XMm;
                e.ToMm = run.ToMm;
                first = false;
            } else {
                e.AlsoAt.push_back(run);
            }
            inRun = false;
        };
        for (const TDiagramPoint& p : c.Points) {
            if (std::abs(p.Value - target) <= tol) {
                if (inRun) {
                    run.ToMm = p.XMm;
                } else {
                    run = {p.XMm, p.XMm};
                    inRun = true;
                }
            } else {
                close();
            }
        }
        close();
    };
    double hi = 0.0, lo = 0.0;
    for (const TDiagramPoint& p : c.Points) {
        hi = std::max(hi, p.Value);
        lo = std::min(lo, p.Value);
    }
    if (hi > tol) places(hi, c.Largest);
    if (lo < -tol) places(lo, c.Smallest);
}

void BuildCurves(TBeamDiagrams& d) {
    for (int k = 0; k < DiagramCount; ++k) {
        d.Curves[k].Kind = TDiagramKind(k);
        d.Curves[k].Title = DiagramTitle(TDiagramKind(k));
        d.Curves[k].Unit = DiagramUnit(TDiagramKind(k));
        d.Curves[k].Points.reserve(320);
    }
    TDiagramCurve& shear = d.Curves[int(TDiagramKind::Shear)];
    TDiagramCurve& moment = d.Curves[int(TDiagramKind::Moment)];
    TDiagramCurve& slope = d.Curves[int(TDiagramKind::Slope)];
    TDiagramCurve& deflection = d.Curves[int(TDiagramKind::Deflection)];

    std::array<bool, StationCount> jump{};
    for (const auto& t : d.Forces)
        jump[std::size_t(std::clamp(int(std::lround(t.X * 100.0)), 0, LastStation))] = true;

    const int last = int(BeamLengthMm);
    shear.Points.push_back({0.0, 0.0});
    double prevV = 0.0, prevM = 0.0, prevS = 0.0; // just right of the previous sample
    for (int x = 0; x <= last; x += SampleStepMm) {
        const double xm = x;
        // V jumps only at the point forces (all on stations), M only at the clamps' couples (at the ends):
        // elsewhere the values left and right of a sample are one value, computed once.
        const bool jumpHere = x % 10 == 0 && jump[std::size_t(x / 10)];
        const double vRight = d.ShearAt(xm, true);
        const double vLeft = jumpHere ? d.ShearAt(xm, false) : vRight;
        // At the ends the moment is taken inside the beam: at a clamp it is the clamp's moment.
        const double m = d.MomentAt(xm, x < last);
        const double s = d.SlopeAt(xm);
        // Between the previous sample and this one: the extremes of M, theta and y inside.
        if (x > 0) {
            const double a = xm - SampleStepMm;
            if (SignChange(prevV, vLeft)) {
                const double r = Root([&](double t) { return d.ShearAt(t); }, a, xm);
                moment.Points.push_back({r, d.MomentAt(r)});
            }
            if (SignChange(prevM, x < last ? m : d.MomentAt(xm, false))) {
                const double r = Root([&](double t) { return d.MomentAt(t); }, a, xm);
                slope.Points.push_back({r, d.SlopeAt(r)});
            }
            if (SignChange(prevS, s)) {
                const double r = Root([&](double t) { return d.SlopeAt(t); }, a, xm);
                deflection.Points.push_back({r, d.DeflectionAt(r)});
            }
        }
        if (jumpHere) {
            if (x > 0) shear.Points.push_back({xm, vLeft});
            if (x < last) shear.Points.push_back({xm, vRight});
        } else {
            shear.Points.push_back({xm, x == last ? vLeft : vRight});
        }
        moment.Points.push_back({xm, m});
        slope.Points.push_back({xm, s});
        deflection.Points.push_back({xm, d.DeflectionAt(xm)});
        prevV = vRight;
        prevM = x == 0 ? d.MomentAt(xm, true) : m;
        prevS = s;
    }
    shear.Points.push_back({BeamLengthMm, 0.0});
    for (TDiagramCurve& c : d.Curves)
        FindExtremes(c);
}

void FindStressAndWarnings(TBeamDiagrams& d) {
    const TDiagramCurve& m = d.Curve(TDiagramKind::Moment);
    if (d.Section && d.SecondMomentI > 0.0) {
        const double ct = d.Section->TopFibreMm / 1000.0;
        const double cb = d.Section->BottomFibreMm / 1000.0;
        const double I = d.SecondMomentI;
        // Tension: a sagging moment at the bottom face, a hogging one at the top.
        const TStressPeak sagBottom{m.Largest.Value * cb / I / 1e6, m.Largest.XMm, false};
        const TStressPeak hogTop{-m.Smallest.Value * ct / I / 1e6, m.Smallest.XMm, true};
        d.Tension = sagBottom.MPa >= hogTop.MPa ? sagBottom : hogTop;
        // Compression: a sagging moment at the top face, a hogging one at the bottom.
        const TStressPeak sagTop{-m.Largest.Value * ct / I / 1e6, m.Largest.XMm, true};
        const TStressPeak hogBottom{m.Smallest.Value * cb / I / 1e6, m.Smallest.XMm, false};
        d.Compression = sagTop.MPa <= hogBottom.MPa ? sagTop : hogBottom;
        if (d.Tension.MPa <= 0.0) d.Tension = {};
        if (d.Compression.MPa >= 0.0) d.Compression = {};
    }
    // A knife-edge can only push: a reaction pulling down means the beam would lift off it.
    double loadScale = 0.0;
    for (const TPointLoad& p : d.Loads)
        loadScale += p.Force;
    if (d.UDL) loadScale += d.UDL->Intensity * BeamLengthM;
    for (const TReaction& r : d.Reactions) {
        if (r.Kind != TReactionKind::Force) continue;
        const bool knifeEdge = std::any_of(d.Supports.begin(), d.Supports.end(), [&](const TSupportMark& s) {
            return s.Kind == TSupportKind::KnifeEdge && s.Station == r.Station;
        });
        if (knifeEdge && r.Value < -1e-9 * std::max(1.0, loadScale))
            d.Warnings.push_back({TWarningKind::LiftOff, r.Name, StationMm(r.Station) * 1.0, r.Value, 0.0});
    }
    const TDiagramCurve& y = d.Curve(TDiagramKind::Deflection);
    const TExtreme& far = -y.Smallest.Value >= y.Largest.Value ? y.Smallest : y.Largest;
    const double limit = SmallDeflectionLimit * BeamLengthMm;
    if (std::abs(far.Value) > limit)
        d.Warnings.push_back({TWarningKind::LargeDeflection, {}, far.XMm, far.Value, limit});
    if (d.Section && d.Section->YieldMPa > 0.0) {
        const TStressPeak& worst = d.Tension.MPa >= -d.Compression.MPa ? d.Tension : d.Compression;
        if (std::abs(worst.MPa) > d.Section->YieldMPa)
            d.Warnings.push_back({TWarningKind::Yield, {}, worst.XMm, worst.MPa, d.Section->YieldMPa});
    }
}

} // namespace

double TypicalYieldMPa(int material) {
    switch (material) {
    case 0:
        return 250.0; // aluminium alloy 6082-T6
    case 1:
        return 275.0; // mild steel S275
    case 2:
        return 200.0; // brass CW614N, half hard
    default:
        return 0.0; // the user's own material: not known
    }
}

TBeamSection BeamSection(int section, double flatWidthMm, double flatThicknessMm, int material) {
    TBeamSection s;
    section = std::clamp(section, 0, SectionCount - 1);
    material = std::clamp(material, 0, MaterialCount - 1);
    s.Name = QString::fromLatin1(SectionNames[std::size_t(section)]);
    if (section == FlatSectionIndex) {
        Q_UNUSED(flatWidthMm);
        s.TopFibreMm = s.BottomFibreMm = flatThicknessMm / 2.0;
    } else {
        const double height = SectionShape(section).Height;
        s.TopFibreMm = SectionCatalogue[std::size_t(section)].NeutralAxisY;
        s.BottomFibreMm = height - s.TopFibreMm;
    }
    s.Material =
        material == OtherMaterial
            ? QStringLiteral("Other material")
            : QString::fromLatin1(MaterialItemTexts[std::size_t(material)]).section(QLatin1Char(':'), 0, 0);
    s.YieldMPa = TypicalYieldMPa(material);
    return s;
}

TBeamDiagrams ComputeDiagrams(const TBeamLayout& layout, const TBeamTheory& theory,
                              const std::optional<TBeamSection>& section) {
    TBeamDiagrams d;
    d.GaugeStation = layout.GaugeStation;
    const TSupportArrangement arrangement = TheoryArrangement(layout);
    if (!layout.Loaded()) {
        d.Reason =
            arrangement == TSupportArrangement::Unsupported
                ? QCoreApplication::translate(
                      "Diagrams", "Nothing to draw: the beam carries no load and is not supported. Put two "
                                  "knife-edges or an end clamp under it, then hang a weight or lay the UDL.")
                : QCoreApplication::translate(
                      "Diagrams", "Nothing to draw: the beam carries no load. Hang a weight or lay the UDL "
                                  "to see the reactions and the diagrams.");
        return d;
    }
    if (arrangement == TSupportArrangement::Unsupported) {
        const bool sameStation = layout.SupportArrangement() == TSupportArrangement::SimplySupported;
        d.Reason = sameStation
                       ? QCoreApplication::translate(
                             "Diagrams", "Nothing to draw: both knife-edges stand at the same place, so "
                                         "there is no span between them and the beam is not supported. "
                                         "Move one knife-edge.")
                       : QCoreApplication::translate(
                             "Diagrams", "Nothing to draw: the beam is not adequately supported. It needs "
                                         "two knife-edges or at least one end clamp before it can carry "
                                         "the loads.");
        return d;
    }
    d.Drawable = true;
    d.Arrangement = arrangement;
    d.ModulusE = double(theory.ModulusE);
    d.SecondMomentI = double(theory.SecondMomentI);
    d.EI = d.ModulusE * d.SecondMomentI;
    d.Section = section;

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
        const double L = BeamLengthM;
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
    // Sorted by position, so that a value at x stops at the first term beyond it.
    std::stable_sort(
        d.Forces.begin(), d.Forces.end(),
        [](const TBeamDiagrams::TForceTerm& a, const TBeamDiagrams::TForceTerm& b) { return a.X < b.X; });
    if (arrangement == TSupportArrangement::SimplySupported) {
        // y = 0 at both knife-edges fixes the constants of integration.
        const double x1 = Metres(d.Supports[0].Station);
        const double x2 = Metres(d.Supports[1].Station);
        const double r1 = RawDeflection(d, x1);
        const double r2 = RawDeflection(d, x2);
        d.Theta0 = -(r2 - r1) / (x2 - x1);
        d.Y0 = -r1 - d.Theta0 * x1;
    }

    BuildCurves(d);
    d.GaugeDeflectionMm = theory.DisplayedDeflectionMm(d.GaugeStation);
    d.GaugeTerms = StandardCases(d, StationMm(d.GaugeStation));
    FindStressAndWarnings(d);
    return d;
}
