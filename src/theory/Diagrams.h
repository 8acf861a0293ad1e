#pragma once
// The statics of the beam the student has built: the support reactions, and along the beam the shear force
// V(x), the bending moment M(x), the slope theta(x) and the deflection y(x), with their extremes and a worked
// solution in words. Computed after Recalculate from the same load table (StationLoad, UDLLoad) and the same
// stiffness (ModulusE x SecondMomentI), for the formula set Recalculate chose (TheoryArrangement).
//
// Sign conventions (the usual textbook ones):
//   forces and reactions upward positive; loads are reported as their downward size in N;
//   a couple (a clamp's reaction moment) anticlockwise positive, in N m;
//   V(x) = the sum of the vertical forces left of the section, upward positive (N);
//   M(x) = the moment about the section of everything left of it, sagging positive (N m);
//   theta(x) = dy/dx in mrad; y(x) upward positive in mm, so downward deflection reads negative, as on the
//   deflection view.
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

inline constexpr double BeamLengthMm = 600.0;

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

// An extreme and where it occurs; Value 0 means there is none on that side.
struct TExtreme {
    double Value = 0.0;
    double XMm = 0.0;
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

// One standard case of the deflection at the gauge: the load it is for, the formula, the value.
struct TGaugeTerm {
    QString Load;    // "W2 = 0.981 N at 450 mm"
    QString Formula; // "δ = P x²(3a − x)/(6EI)"
    double Mm;       // its share of the deflection, upward positive (downward negative)
};

class TBeamDiagrams {
public:
    bool Drawable = false;
    QString Reason; // why there is nothing to draw, when not Drawable
    TSupportArrangement Arrangement = TSupportArrangement::Unsupported;
    double EI = 0.0; // N m^2
    std::vector<TSupportMark> Supports;
    std::vector<TPointLoad> Loads;
    std::optional<TDistributedLoad> UDL;
    std::vector<TReaction> Reactions;
    std::array<TDiagramCurve, DiagramCount> Curves;
    int GaugeStation = 30;
    double GaugeDeflectionMm = 0.0; // the deflection view's value at the gauge
    std::vector<TGaugeTerm> GaugeTerms;
    QString WorkedSolution; // simple rich text

    // Values at a position along the beam (0..600 mm). At a point force the shear jumps: rightOfPoint
    // chooses the value just right of it (else just left); a couple makes the moment jump likewise.
    [[nodiscard]] double ShearAt(double xMm, bool rightOfPoint = true) const;  // N
    [[nodiscard]] double MomentAt(double xMm, bool rightOfPoint = true) const; // N m
    [[nodiscard]] double SlopeAt(double xMm) const;                            // mrad
    [[nodiscard]] double DeflectionAt(double xMm) const;                       // mm, upward positive
    [[nodiscard]] double ValueAt(TDiagramKind kind, double xMm) const;
    [[nodiscard]] const TDiagramCurve& Curve(TDiagramKind kind) const { return Curves[int(kind)]; }

    // Sum of the reactions' and loads' vertical forces (N) and of their moments about x (N m): both zero for
    // a beam in equilibrium.
    [[nodiscard]] double ForceBalance() const;
    [[nodiscard]] double MomentBalanceAbout(double xMm) const;

    // The Macaulay terms (positions in m); filled by ComputeDiagrams.
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
// give Drawable = false and the Reason in words. Without withWorkedSolution the text is left empty (the
// gauge's standard cases are computed either way).
[[nodiscard]] TBeamDiagrams ComputeDiagrams(const TBeamLayout& layout, const TBeamTheory& theory,
                                            bool withWorkedSolution = true);

// The diagram titles and units, in TDiagramKind order.
[[nodiscard]] QString DiagramTitle(TDiagramKind kind);
[[nodiscard]] QString DiagramUnit(TDiagramKind kind);
// A value as the diagrams write it: 4 significant digits, no exponent, no "-0".
[[nodiscard]] QString DiagramNumber(double value);
