#include "Formulas.h"

#include <algorithm>

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

TCurveResult SimplySupportedCurve(int n, int leftEnd, int s1, int s2, const TStationLoads& loads, float w,
                                  float E, float I) {
    TCurveResult r;
    if (s2 <= s1 || s1 < leftEnd || s2 >= n) return r;
    const double EI = double(E) * double(I);
    const double L = Metres(s2 - s1);

    // The overhang loads that enter: nearest the left support, farthest out on the right.
    int kL = -1;
    for (int k = leftEnd; k < s1; ++k)
        if (loads[k] > 0) kL = k;
    int kR = -1;
    for (int k = s2; k < n; ++k)
        if (loads[k] > 0) kR = k;
    const double a = kL >= 0 ? Metres(s1 - kL) : 0.0;
    const double PL = kL >= 0 ? Force(loads[kL]) : 0.0;
    const double c = kR >= 0 ? Metres(kR - s2) : 0.0;
    const double PR = kR >= 0 ? Force(loads[kR]) : 0.0;

    const double thetaL = kL >= 0 ? -PL * a * (3.0 * a + 2.0 * L) / (6.0 * EI) : 0.0;
    const double thetaR = kR >= 0 ? -PR * c * (3.0 * c + 2.0 * L) / (6.0 * EI) : 0.0;
    const double thetaU = w > 0.0f ? double(w) * L * L * L / (24.0 * EI) : 0.0;

    // Left overhang, walked from the support outwards so that yL is known before the stations beyond kL.
    float yL = 0.0f;
    for (int i = s1 - 1; i >= leftEnd; --i) {
        const double d = Metres(s1 - i);
        float y = 0.0f;
        if (kL >= 0 && i >= kL) {
            y = static_cast<float>(-PL * d * (3.0 * a * d - d * d + 2.0 * a * L) / (6.0 * EI));
            if (i == kL) yL = y;
        }
        for (int k = s1; k <= s2; ++k) {
            if (loads[k] <= 0) continue;
            const double u = Metres(k - s1);
            const double v = Metres(s2 - k);
            y += Force(loads[k]) * u * v * d * (L + v) / (6.0 * EI * L);
        }
        if (kL >= 0 && i < kL) y += double(yL) + thetaL * Metres(kL - i);
        if (w > 0.0f) y += d * thetaU;
        if (kR >= 0) y -= PR * c * L * d / (6.0 * EI);
        r.Curve[i] = y;
    }

    // The span between the supports.
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
        if (kL >= 0) y += PL * a * xp * rr * (2.0 * L - xp) / (6.0 * EI * L);
        if (kR >= 0) y += PR * c * xp * rr * (L + xp) / (6.0 * EI * L);
        if (w > 0.0f) y += double(w) * xp * (2.0 * L * xp * xp - xp * xp * xp - L * L * L) / (24.0 * EI);
        r.Curve[i] = y;
    }

    // Right overhang, from the support outwards.
    float yR = 0.0f;
    for (int i = s2; i < n; ++i) {
        const double e = Metres(i - s2);
        float y = 0.0f;
        if (kR >= 0 && i <= kR) {
            y = static_cast<float>(-PR * e * (3.0 * c * e - e * e + 2.0 * c * L) / (6.0 * EI));
            if (i == kR) yR = y;
        }
        for (int k = s1; k <= s2; ++k) {
            if (loads[k] <= 0) continue;
            const double u = Metres(k - s1);
            const double v = Metres(s2 - k);
            y += Force(loads[k]) * u * v * e * (L + u) / (6.0 * EI * L);
        }
        if (kR >= 0 && i > kR) y += double(yR) + thetaR * Metres(i - kR);
        if (w > 0.0f) y += e * thetaU;
        if (kL >= 0) y -= PL * a * L * e / (6.0 * EI);
        r.Curve[i] = y;
    }
    TakeExtremes(r);
    return r;
}
