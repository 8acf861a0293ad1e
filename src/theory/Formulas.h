#pragma once
// Closed-form small-deflection (Euler-Bernoulli) solutions for the four support arrangements of the 600 mm
// beam, evaluated at its 61 stations by superposing every point load and the uniformly distributed load.
//
// Units and symbols, shared by every formula here:
//   station i lies at x = i/100 m from the left end; a load at station k lies at u = k/100 m;
//   P = loads[k] x 0.00980665 N (loads in grams; 9.80665 m/s^2 / 1000);
//   w = UDL intensity in N/m (0 when there is no UDL); E in Pa, I in m^4, EI in N m^2; deflections in m.
// Sign: the cantilever and the fixed-both-ends sets return downward deflection as positive; the propped
// cantilever and the two-knife-edge sets return upward deflection as positive (DeflectionSign in
// BeamTheory.h turns either into the displayed value, downward negative).
// Precision: each term is evaluated in double and added into a 32-bit float, term by term in the order the
// comments list them, so the stored deflections are the single-precision values the view shows.

#include <array>

#include "model/BeamLayout.h"

using TStationLoads = std::array<int, StationCount>;      // grams per station, 0 = nothing
using TDeflectionCurve = std::array<float, StationCount>; // metres per station

// Cantilever clamped at x = 0 with a UDL from 0 to B = b/100: slope at the end of the UDL,
//   theta_b = B^3 w / (6 E I)                          (radians)
[[nodiscard]] float CantileverUDLEndSlope(int udlEnd, float E, float I, float w);
// and deflection at the end of the UDL,
//   y_b = B^4 w / (8 E I)                              (m, downward)
[[nodiscard]] float CantileverUDLEndDeflection(int udlEnd, float E, float I, float w);

// Deflection (downward positive) at station i of a cantilever clamped at station 0:
//   point load between the clamp and the point (u < x):   u^2 P (3x - u) / (6EI)
//   point load at or beyond the point (u >= x):            x^2 P (3u - x) / (6EI)
//   UDL 0..B, point inside it (i <= b):  x^2 w (2B^2 + ((2b - i)/100)^2) / (24EI) = w x^2 (6B^2 - 4Bx +
//   x^2)/(24EI) point beyond the UDL (i > b):        y_b + theta_b (i - b)/100  (the unloaded part stays
//   straight)
[[nodiscard]] float CantileverDeflectionAt(int station, int udlEnd, int stationCount,
                                           const TStationLoads& loads, float w, float E, float I,
                                           float udlEndDeflection, float udlEndSlope);

struct TCurveResult {
    TDeflectionCurve Curve{};
    float Largest = 0.0f;      // greatest value, starting from 0 (never negative)
    float Smallest = 0.0f;     // least value, starting from 0 (never positive)
    float PropReaction = 0.0f; // propped cantilever only, N upward
};

// Clamped at both ends, span L = 0.6 m, downward positive:
//   load left of the point (u < x):  P u^2 (L-x)^2 [2x(L-u) + L(x-u)] / (6EI L^3)
//   load at or right of it (u >= x): P x^2 (L-u)^2 [2u(L-x) + L(u-x)] / (6EI L^3)
//   UDL over the whole span:         w x^2 (L-x)^2 / (24EI)
[[nodiscard]] TCurveResult FixedBothEndsCurve(int stationCount, int spanStation, const TStationLoads& loads,
                                              float w, float E, float I);

// Clamp at 0, knife-edge prop at p (Lp = p/100), upward positive. The prop force R is found by making the
// deflection at the prop zero: R = 3 EI delta / Lp^3 with delta the unpropped cantilever's deflection there
// (R = 0 when delta is exactly 0). Then
//   y(x) = -cantilever(x) + R Lp^2 (3x - Lp)/(6EI)   for x > Lp
//   y(x) = -cantilever(x) + R x^2 (3Lp - x)/(6EI)    for x <= Lp
// The UDL covers 0..p.
[[nodiscard]] TCurveResult ProppedCantileverCurve(int stationCount, int propStation,
                                                  const TStationLoads& loads, float w, float E, float I);

// Two knife-edges at s1 < s2 with overhangs, upward positive; span L = (s2 - s1)/100, UDL on the span only.
// Span loads sit at u = (k - s1)/100 from the left support and v = (s2 - k)/100 from the right one; a load
// exactly over a support adds nothing. Every overhang load enters, superposed: a load P at arm a beyond its
// support turns the support by P a L/(3EI) and so tilts the span and the other overhang, and bends its own
// overhang (distance d from the support) by
//   -P d (3ad - d^2 + 2aL)/(6EI)                  for d <= a (tip of a lone load: -P a^2 (a + L)/(3EI))
//   y(a) - P a (3a + 2L)/(6EI) (d - a)            for d > a (straight beyond the load)
// The placement rules allow one weight per overhang, but moving a knife-edge later can leave several there.
// Returns all zeros when s2 <= s1 (no span to bend over).
[[nodiscard]] TCurveResult SimplySupportedCurve(int stationCount, int leftEnd, int leftSupport,
                                                int rightSupport, const TStationLoads& loads, float w,
                                                float E, float I);
