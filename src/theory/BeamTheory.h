#pragma once
// The recalculation entry point: classify the supports, rebuild the load table, evaluate the formula set of
// the arrangement at the 61 stations and hand the curve to the deflection view. See Formulas.h for the
// equations and sign conventions.

#include <QString>
#include <functional>

#include "model/BeamLayout.h"
#include "theory/Formulas.h"

inline const QString UnsupportedBeamWarning = QStringLiteral(
    "Weights cannot be present on the beam unless it is adequately supported by either two knife-edge "
    "supports or at least one end clamp.");

// What Recalculate hands its result to; the deflection view implements it, tests record it.
class TDeflectionPresenter {
public:
    virtual ~TDeflectionPresenter() = default;
    virtual void ClearDeflectionView() = 0;
    // Downward positive.
    virtual void ShowCantileverDeflection(const TDeflectionCurve& curve, int gaugeStation) = 0;
    // Downward positive, largest >= 0.
    virtual void ShowFixedBothEndsDeflection(const TDeflectionCurve& curve, float largest,
                                             int gaugeStation) = 0;
    // Upward positive, largest >= 0 >= smallest.
    virtual void ShowTwoSidedDeflection(const TDeflectionCurve& curve, float largest, float smallest,
                                        int gaugeStation) = 0;
};

// -1 for the sets that give downward as positive (cantilever, fixed both ends), +1 for the others.
[[nodiscard]] int DeflectionSign(TSupportArrangement arrangement);

// The formula set Recalculate uses for a layout: its SupportArrangement, except that two knife-edges on one
// station (no span) count as Unsupported. The diagrams classify with the same function.
[[nodiscard]] TSupportArrangement TheoryArrangement(const TBeamLayout& layout);

class TBeamTheory {
public:
    // Aluminium, 69 GPa (the float 69000003584), and the flat bar 19.05 x 3.18 mm: b h^3 / 12 in m^4.
    float ModulusE = 6.9e10f;
    float SecondMomentI = static_cast<float>(19.05 * 3.18 * 3.18 * 3.18 / 12.0 * 1e-12);

    TStationLoads StationLoad{};
    float UDLLoad = 0.0f; // w of the last computation, N/m (0 without a UDL)
    TDeflectionCurve StationDeflection{};
    TSupportArrangement ComputedArrangement = TSupportArrangement::ProppedCantilever;
    float PropReaction = 0.0f;
    float Largest = 0.0f;
    float Smallest = 0.0f;

    // Lays a present UDL out again (the window's PlaceUDL, which also moves its pictures); when empty, the
    // model's own PlaceUDL with the layout's current intensity.
    std::function<void(TBeamLayout&)> PlaceUDL;

    // Two knife-edges on one station leave no span to bend over: the layout is treated as unsupported, so a
    // loaded beam gets the warning and a zero curve instead of a division of zero by zero.
    void Recalculate(TBeamLayout& layout, TDeflectionPresenter& view);

    // The displayed deflection at a station, in mm with downward negative.
    [[nodiscard]] double DisplayedDeflectionMm(int station) const {
        // Scaled in single precision, as the view scales it, so both give the same digits.
        return DeflectionSign(ComputedArrangement) * double(StationDeflection[station] * 1000.0f);
    }

private:
    void ClearCurve(TDeflectionPresenter& view);
};
