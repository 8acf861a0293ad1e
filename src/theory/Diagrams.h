#pragma once
// The statics of the beam the student has built: the support reactions, and along the beam the shear force
// V(x), the bending moment M(x), the slope theta(x) and the deflection y(x), with their extremes, the
// bending stress in the section's extreme fibres and what makes the results doubtful (a support that would
// have to pull, a deflection too large for small-deflection theory, a stress past yield). Computed after
// Recalculate from the same load table (StationLoad, UDLLoad) and the same stiffness (ModulusE x
// SecondMomentI), for the formula set Recalculate chose (TheoryArrangement). Numbers only: the worked
// solution's words are DiagramsText.h.
//
// Sign conventions (the usual textbook ones):
//   forces and reactions upward positive; loads are reported as their downward size in N;
//   a couple (a clamp's reaction moment) anticlockwise positive, in N m;
//   V(x) = the sum of the vertical forces left of the section, upward positive (N);
//   M(x) = the moment about the section of everything left of it, sagging positive (N m);
//   theta(x) = dy/dx in mrad, positive where the beam rises to the right; y(x) upward positive in mm, so
//   downward deflection reads negative, as on the deflection view;
//   sigma = M c / I at a fibre c from the neutral axis, tension positive: a sagging moment stretches the
//   bottom fibre (sigma = +M c_bottom / I) and squeezes the top one (sigma = -M c_top / I).
// Method: every force, couple and distributed load is a Macaulay term. With the reactions known,
//   V = sum F<x-a>^0 + sum w<x-a>,          M = sum F<x-a> - sum C<x-c>^0 + sum w<x-a>^2/2,
//   EI theta = EI theta0 + sum F<x-a>^2/2 - sum C<x-c> + sum w<x-a>^3/6,
//   EI y = EI (y0 + theta0 x) + sum F<x-a>^3/6 - sum C<x-c>^2/2 + sum w<x-a>^4/24,
// where a distributed load from a to b is the term -w from a plus the term +w from b. A clamp at x = 0 sets
// theta0 = y0 = 0; two knife-edges set y = 0 at both. The reactions of the statically indeterminate
// arrangements come from the compatibility of deflections (see Diagrams.cpp), and do not depend on EI.

#include <QString>
#include <array>
#include <optional>
#include <vector>

#include "model/BeamLayout.h"
#include "theory/BeamTheory.h"

// The beam of the apparatus: 600 mm from the left end (station 0) to the right end (station 60).
inline constexpr double BeamLengthMm = 600.0;
inline constexpr double BeamLengthM = BeamLengthMm / 1000.0;
// Standard gravity, m/s^2 (a gram weighs NewtonsPerGram newtons).
inline constexpr double StandardGravity = 9.80665;

// Beyond this fraction of the beam's length the largest deflection is too large for small-deflection theory
// (the curvature taken as y'' and the beam's shortening neglected): 1/20, 30 mm on the 600 mm beam.
inline constexpr double SmallDeflectionLimit = 1.0 / 20.0;

enum class TSupportKind { LeftClamp, RightClamp, KnifeEdge };
struct TSupportMark {
    TSupportKind Kind;
    int Station;
};

struct TPointLoad {
    int Station;
    int Grams;
    double Force; // N, downward
};

struct TDistributedLoad {
    int StartStation;
    int EndStation;
    double Intensity; // N/m, downward
};

enum class TReactionKind { Force, Moment };
struct TReaction {
    TReactionKind Kind;
    QString Name; // "R_A", "M_A"... as the worked solution names it
    int Station;
    double Value; // N upward positive, or N m anticlockwise positive
};

enum class TDiagramKind { Shear, Moment, Slope, Deflection };
inline constexpr int DiagramCount = 4;

struct TDiagramPoint {
    double XMm;
    double Value;
};

// An extreme and where it occurs; Value 0 means there is none on that side. Where the curve is flat at its
// extreme the place is a stretch from XMm to ToMm; equal extremes elsewhere (both clamps of a symmetric
// beam) are listed in AlsoAt, each a stretch likewise.
struct TExtremePlace {
    double XMm = 0.0;
    double ToMm = 0.0; // == XMm for a point
    [[nodiscard]] bool Stretch() const { return ToMm > XMm; }
};
struct TExtreme {
    double Value = 0.0;
    double XMm = 0.0;
    double ToMm = 0.0;
    std::vector<TExtremePlace> AlsoAt;
    [[nodiscard]] bool Stretch() const { return ToMm > XMm; }
    [[nodiscard]] std::vector<TExtremePlace> Places() const;
};

struct TDiagramCurve {
    TDiagramKind Kind = TDiagramKind::Shear;
    QString Title; // "Shear force V"
    QString Unit;  // "N"
    // Left to right; a jump is two points at the same x (shear at every point force).
    std::vector<TDiagramPoint> Points;
    TExtreme Largest;  // greatest value, starting from 0 (never negative)
    TExtreme Smallest; // least value, starting from 0 (never positive)
};

// The standard case one load contributes to the deflection at the gauge (the formulas are DiagramsText.h's).
enum class TGaugeCase {
    CantileverLoadBeyond,  // load at a >= x
    CantileverLoadBefore,  // load at a < x
    CantileverUDLInside,   // gauge under the UDL (x <= b)
    CantileverUDLBeyond,   // gauge beyond the UDL's end b
    PropBeyondGauge,       // prop at p >= x, as an upward load
    PropBeforeGauge,       // prop at p < x
    FixedLoadRight,        // clamped both ends, gauge left of the load
    FixedLoadLeft,         // gauge right of the load
    FixedUDL,              // clamped both ends, UDL over the whole length
    SpanLoadOverhangLeft,  // gauge in the span, load on the left overhang
    SpanLoadOverhangRight, // gauge in the span, load on the right overhang
    SpanLoadRight,         // gauge in the span left of a span load
    SpanLoadLeft,          // gauge in the span right of a span load
    OverhangLoadOutside,   // gauge on an overhang, load on the same overhang beyond it
    OverhangLoadInside,    // gauge on an overhang beyond a load on it
    OverhangLoadOther,     // gauge on an overhang, load on the other overhang
    OverhangLoadSpan,      // gauge on an overhang, load in the span
    SpanUDL,               // gauge in the span, UDL on the span
    OverhangUDL,           // gauge on an overhang, UDL on the span
    LoadOnSupport,         // a weight standing on a knife-edge: straight into the support, no bending
};

// One standard case of the deflection at the gauge: the load it is for, the case, the value.
struct TGaugeTerm {
    TGaugeCase Case;
    int Load;  // index into Loads; UDLTerm for the UDL, PropTerm for a prop force
    double Mm; // its share of the deflection, upward positive (downward negative)
    static constexpr int UDLTerm = -1;
    static constexpr int PropTerm = -2;
};

// The section's extreme fibres and the material's yield strength, for the bending stress.
struct TBeamSection {
    QString Name;             // "Flat section"
    double TopFibreMm = 0;    // from the neutral axis up to the top face
    double BottomFibreMm = 0; // down to the bottom face
    QString Material;         // "Aluminium"
    double YieldMPa = 0;      // 0: not known (a material of the user's own)
};

// The largest bending stress of one sign and where: at x on the top or the bottom face.
struct TStressPeak {
    double MPa = 0.0; // tension positive; 0 when none
    double XMm = 0.0;
    bool Top = false;
};

// What makes the results doubtful, where it applies.
enum class TWarningKind { LiftOff, LargeDeflection, Yield };
struct TWarning {
    TWarningKind Kind;
    QString Support; // LiftOff: the reaction's name ("R_B")
    double XMm;      // where
    double Value;    // LiftOff: the reaction, N; LargeDeflection: the deflection, mm; Yield: the stress, MPa
    double Limit;    // LargeDeflection: the limit, mm; Yield: the yield strength, MPa
};

class TBeamDiagrams {
public:
    bool Drawable = false;
    QString Reason; // why there is nothing to draw, when not Drawable
    TSupportArrangement Arrangement = TSupportArrangement::Unsupported;
    double ModulusE = 0.0;      // Pa
    double SecondMomentI = 0.0; // m^4
    double EI = 0.0;            // N m^2
    std::vector<TSupportMark> Supports;
    std::vector<TPointLoad> Loads;
    std::optional<TDistributedLoad> UDL;
    std::vector<TReaction> Reactions;
    std::array<TDiagramCurve, DiagramCount> Curves;
    int GaugeStation = 30;
    double GaugeDeflectionMm = 0.0; // the deflection view's value at the gauge
    std::vector<TGaugeTerm> GaugeTerms;
    std::optional<TBeamSection> Section;
    TStressPeak Tension;     // with a Section
    TStressPeak Compression; // MPa negative
    std::vector<TWarning> Warnings;

    // Values at a position along the beam (0..600 mm). At a point force the shear jumps: rightOfPoint
    // chooses the value just right of it (else just left); a couple makes the moment jump likewise.
    [[nodiscard]] double ShearAt(double xMm, bool rightOfPoint = true) const;  // N
    [[nodiscard]] double MomentAt(double xMm, bool rightOfPoint = true) const; // N m
    [[nodiscard]] double SlopeAt(double xMm) const;                            // mrad
    [[nodiscard]] double DeflectionAt(double xMm) const;                       // mm, upward positive
    [[nodiscard]] double ValueAt(TDiagramKind kind, double xMm) const;
    [[nodiscard]] const TDiagramCurve& Curve(TDiagramKind kind) const { return Curves[int(kind)]; }
    [[nodiscard]] const TReaction* Reaction(const QString& name) const;
    [[nodiscard]] bool Warns(TWarningKind kind) const;

    // Sum of the reactions' and loads' vertical forces (N) and of their moments about x (N m): both zero for
    // a beam in equilibrium.
    [[nodiscard]] double ForceBalance() const;
    [[nodiscard]] double MomentBalanceAbout(double xMm) const;

    // The Macaulay terms (positions in m); filled by ComputeDiagrams, the forces sorted by position.
    struct TForceTerm {
        double X, F;
    };
    struct TCoupleTerm {
        double X, C;
    };
    struct TRampTerm {
        double X, W;
    };
    std::vector<TForceTerm> Forces;
    std::vector<TCoupleTerm> Couples;
    std::vector<TRampTerm> Ramps;
    double Theta0 = 0.0; // rad
    double Y0 = 0.0;     // m
};

// The diagrams of the layout as the theory computed it. Call after theory.Recalculate(layout, ...): the
// load table and w are the theory's. An empty beam, an unsupported one or two knife-edges on one station
// give Drawable = false and the Reason in words. With a section, the bending stress and its warning too.
[[nodiscard]] TBeamDiagrams ComputeDiagrams(const TBeamLayout& layout, const TBeamTheory& theory,
                                            const std::optional<TBeamSection>& section = std::nullopt);

// The deflection at x (mm) as a sum of standard cases, one per load (ComputeDiagrams keeps those at the
// gauge in GaugeTerms). Without the prop, a propped cantilever's loads alone on the cantilever.
[[nodiscard]] std::vector<TGaugeTerm> StandardCases(const TBeamDiagrams& d, double xMm, bool withProp = true);

// The section of the catalogue (or the flat bar at its dimensions) and the material, with typical yield
// strengths: aluminium alloy 6082-T6 250 MPa, mild steel S275 275 MPa, brass CW614N half-hard 200 MPa.
[[nodiscard]] TBeamSection BeamSection(int section, double flatWidthMm, double flatThicknessMm, int material);
[[nodiscard]] double TypicalYieldMPa(int material);

// The diagram titles and units, in TDiagramKind order.
[[nodiscard]] QString DiagramTitle(TDiagramKind kind);
[[nodiscard]] QString DiagramUnit(TDiagramKind kind);
// A value as the diagrams write it: 4 significant digits, no exponent, no "-0", in the locale's form.
[[nodiscard]] QString DiagramNumber(double value);
