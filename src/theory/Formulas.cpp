#include "Formulas.h"

#include <algorithm>
#include <optional>
#include <vector>

namespace {

constexpr double GramForce = 0.00980665;

double Metres(int station) {
    return station / 100.0;
}
double Force(int grams) {
    return grams * GramForce;
}

void TakeExtremes(TCurveResult& r) {
    r.Largest = 0.0f;
    r.Smallest = 0.0f;
    for (float y : r.Curve) {
        if (y > r.Largest) r.Largest = y;
        if (y < r.Smallest) r.Smallest = y;
    }
}

} // namespace

float CantileverUDLEndSlope(int udlEnd, float E, float I, float w) {
    const double B = Metres(udlEnd);
    return static_cast<float>(B * B * B * w / (6.0 * double(E) * double(I)));
}

float CantileverUDLEndDeflection(int udlEnd, float E, float I, float w) {
    const double B = Metres(udlEnd);
    return static_cast<float>(B * B * B * B * w / (8.0 * double(E) * double(I)));
}

float CantileverDeflectionAt(int i, int b, int n, const TStationLoads& loads, float w, float E, float I,
                             float yb, float thetab) {
    const double EI = double(E) * double(I);
    const double x = Metres(i);
    float y = 0.0f;
    for (int k = 0; k < i && k < n; ++k) {
        if (loads[k] <= 0) continue;
        const double u = Metres(k);
        y += u * u * Force(loads[k]) * (3.0 * x - u) / (6.0 * EI);
    }
    for (int k = i; k < n; ++k) {
        if (loads[k] <= 0) continue;
        const double u = Metres(k);
        y += x * x * Force(loads[k]) * (3.0 * u - x) / (6.0 * EI);
    }
    if (w > 0.0f) {
        if (i <= b) {
            const double B = Metres(b);
            const double c = Metres(2 * b - i);
            y += x * x * double(w) * (2.0 * B * B + c * c) / (24.0 * EI);
        } else {
            y += double(yb) + double(thetab) * Metres(i - b);
        }
    }
    return y;
}

TCurveResult FixedBothEndsCurve(int n, int spanStation, const TStationLoads& loads, float w, float E,
                                float I) {
    TCurveResult r;
    const double EI = double(E) * double(I);
    const double L = Metres(spanStation);
    const double L3 = L * L * L;
    for (int i = 0; i < n; ++i) {
        const double x = Metres(i);
        float y = 0.0f;
        for (int k = 0; k < i; ++k) {
            if (loads[k] <= 0) continue;
            const double u = Metres(k);
            y += Force(loads[k]) * u * u * (L - x) * (L - x) * (2.0 * x * (L - u) + L * (x - u)) /
                 (6.0 * EI * L3);
        }
        for (int k = i; k < n; ++k) {
            if (loads[k] <= 0) continue;
            const double u = Metres(k);
            y += Force(loads[k]) * x * x * (L - u) * (L - u) * (2.0 * u * (L - x) + L * (u - x)) /
                 (6.0 * EI * L3);
        }
        if (w > 0.0f) y += double(w) * x * x * (L - x) * (L - x) / (24.0 * EI);
        r.Curve[i] = y;
    }
    TakeExtremes(r);
    return r;
}

TCurveResult ProppedCantileverCurve(int n, int p, const TStationLoads& loads, float w, float E, float I) {
    TCurveResult r;
    const double EI = double(E) * double(I);
    const double Lp = Metres(p);
    float thetap = 0.0f;
    float yp = 0.0f;
    if (w > 0.0f) {
        thetap = CantileverUDLEndSlope(p, E, I, w);
        yp = CantileverUDLEndDeflection(p, E, I, w);
    }
    const float delta = CantileverDeflectionAt(p, p, n, loads, w, E, I, 0.0f, 0.0f);
    const double R = delta == 0.0f ? 0.0 : 3.0 * EI * double(delta) / (Lp * Lp * Lp);
    r.PropReaction = static_cast<float>(R);
    for (int i = 0; i < n; ++i) {
        const double x = Metres(i);
        float y = -CantileverDeflectionAt(i, p, n, loads, w, E, I, yp, thetap);
        if (i > p)
            y += R * Lp * Lp * (3.0 * x - Lp) / (6.0 * EI);
        else
            y += R * x * x * (3.0 * Lp - x) / (6.0 * EI);
        r.Curve[i] = y;
    }
    TakeExtremes(r);
    return r;
}

namespace {

// A point load on an overhang of the two-knife-edge beam, hanging at Arm metres beyond the support it is
// nearest to. Between itself and that support the overhang bends as a cantilever built in at a support that
// the span lets rotate; beyond the load it runs straight on with the slope it has at the load.
struct TOverhangLoad {
    int Station = 0;
    double Arm = 0.0;    // a on the left, c on the right, m
    double P = 0.0;      // N
    double Slope = 0.0;  // -P a (3a + 2L)/(6EI): the overhang's slope at the load, upward positive outwards
    float AtLoad = 0.0f; // the deflection at the load itself, -P a^2 (a + L)/(3EI), as stored
};

// Deflection (upward positive) at distance d from the support, between the support and the load (d <= a):
//   -P d (3 a d - d^2 + 2 a L)/(6EI)
double BetweenSupportAndLoad(const TOverhangLoad& load, double d, double L, double EI) {
    return -load.P * d * (3.0 * load.Arm * d - d * d + 2.0 * load.Arm * L) / (6.0 * EI);
}

TOverhangLoad OverhangLoad(int station, int grams, double arm, double L, double EI) {
    TOverhangLoad load{station, arm, Force(grams)};
    load.Slope = -load.P * arm * (3.0 * arm + 2.0 * L) / (6.0 * EI);
    load.AtLoad = static_cast<float>(BetweenSupportAndLoad(load, arm, L, EI));
    return load;
}

// The direct terms of the overhang's own loads that lie between the point and the support. The first is
// assigned rather than added, so that a single overhang load gives the very same float as it always has
// (even the sign of a zero at the support).
template <class TBetween>
float DirectOverhangTerms(const std::vector<TOverhangLoad>& loads, TBetween between) {
    float y = 0.0f;
    bool first = true;
    for (const TOverhangLoad& load : loads) {
        const std::optional<double> term = between(load);
        if (!term) continue;
        y = first ? static_cast<float>(*term) : static_cast<float>(y + *term);
        first = false;
    }
    return y;
}

} // namespace

TCurveResult SimplySupportedCurve(int n, int leftEnd, int s1, int s2, const TStationLoads& loads, float w,
                                  float E, float I) {
    TCurveResult r;
    if (s2 <= s1 || s1 < leftEnd || s2 >= n) return r;
    const double EI = double(E) * double(I);
    const double L = Metres(s2 - s1);

    // Every overhang load enters, each superposed on the others: a load beyond another adds its own bending
    // to the straight run the nearer one leaves. Left: stations leftEnd..s1-1, nearest the support first.
    // Right: stations s2..n-1 (a load over the support has no arm and adds nothing).
    std::vector<TOverhangLoad> left, right;
    for (int k = s1 - 1; k >= leftEnd; --k)
        if (loads[k] > 0) left.push_back(OverhangLoad(k, loads[k], Metres(s1 - k), L, EI));
    for (int k = s2; k < n; ++k)
        if (loads[k] > 0) right.push_back(OverhangLoad(k, loads[k], Metres(k - s2), L, EI));

    const double thetaU = w > 0.0f ? double(w) * L * L * L / (24.0 * EI) : 0.0;

    // Left overhang, d = (s1 - i)/100 from the support.
    for (int i = s1 - 1; i >= leftEnd; --i) {
        const double d = Metres(s1 - i);
        float y = DirectOverhangTerms(left, [&](const TOverhangLoad& h) -> std::optional<double> {
            if (i < h.Station) return std::nullopt;
            return BetweenSupportAndLoad(h, d, L, EI);
        });
        for (int k = s1; k <= s2; ++k) {
            if (loads[k] <= 0) continue;
            const double u = Metres(k - s1);
            const double v = Metres(s2 - k);
            y += Force(loads[k]) * u * v * d * (L + v) / (6.0 * EI * L);
        }
        for (const TOverhangLoad& h : left)
            if (i < h.Station) y += double(h.AtLoad) + h.Slope * Metres(h.Station - i);
        if (w > 0.0f) y += d * thetaU;
        for (const TOverhangLoad& h : right)
            y -= h.P * h.Arm * L * d / (6.0 * EI);
        r.Curve[i] = y;
    }

    // The span between the supports, x' = (i - s1)/100 from the left one and r = (s2 - i)/100 from the right.
    for (int i = s1; i < s2; ++i) {
        const double xp = Metres(i - s1);
        const double rr = Metres(s2 - i);
        float y = 0.0f;
        for (int k = s1; k < i; ++k) {
            if (loads[k] <= 0) continue;
            const double u = Metres(k - s1);
            y -= Force(loads[k]) * u * rr * (L * L - rr * rr - u * u) / (6.0 * EI * L);
        }
        for (int k = i; k <= s2; ++k) {
            if (loads[k] <= 0) continue;
            const double v = Metres(s2 - k);
            y -= Force(loads[k]) * v * xp * (L * L - xp * xp - v * v) / (6.0 * EI * L);
        }
        for (const TOverhangLoad& h : left)
            y += h.P * h.Arm * xp * rr * (2.0 * L - xp) / (6.0 * EI * L);
        for (const TOverhangLoad& h : right)
            y += h.P * h.Arm * xp * rr * (L + xp) / (6.0 * EI * L);
        if (w > 0.0f) y += double(w) * xp * (2.0 * L * xp * xp - xp * xp * xp - L * L * L) / (24.0 * EI);
        r.Curve[i] = y;
    }

    // Right overhang, e = (i - s2)/100 from the support.
    for (int i = s2; i < n; ++i) {
        const double e = Metres(i - s2);
        float y = DirectOverhangTerms(right, [&](const TOverhangLoad& h) -> std::optional<double> {
            if (i > h.Station) return std::nullopt;
            return BetweenSupportAndLoad(h, e, L, EI);
        });
        for (int k = s1; k <= s2; ++k) {
            if (loads[k] <= 0) continue;
            const double u = Metres(k - s1);
            const double v = Metres(s2 - k);
            y += Force(loads[k]) * u * v * e * (L + u) / (6.0 * EI * L);
        }
        for (const TOverhangLoad& h : right)
            if (i > h.Station) y += double(h.AtLoad) + h.Slope * Metres(i - h.Station);
        if (w > 0.0f) y += e * thetaU;
        for (const TOverhangLoad& h : left)
            y -= h.P * h.Arm * L * e / (6.0 * EI);
        r.Curve[i] = y;
    }
    TakeExtremes(r);
    return r;
}
