#include "BeamTheory.h"

#include "platform/MessageLayer.h"

int DeflectionSign(TSupportArrangement arrangement) {
    switch (arrangement) {
    case TSupportArrangement::Cantilever:
    case TSupportArrangement::FixedBothEnds:
        return -1;
    default:
        return 1;
    }
}

TSupportArrangement TheoryArrangement(const TBeamLayout& layout) {
    const TSupportArrangement arrangement = layout.SupportArrangement();
    if (arrangement == TSupportArrangement::SimplySupported &&
        layout.LeftKnifeEdgeStation >= layout.RightKnifeEdgeStation)
        return TSupportArrangement::Unsupported;
    return arrangement;
}

void TBeamTheory::ClearCurve(TDeflectionPresenter& view) {
    view.ClearDeflectionView();
    StationDeflection.fill(0.0f);
}

void TBeamTheory::Recalculate(TBeamLayout& layout, TDeflectionPresenter& view) {
    bool loaded = false;
    if (layout.UDL) {
        if (PlaceUDL)
            PlaceUDL(layout);
        else
            layout.PlaceUDL(layout.UDLIntensity);
        loaded = true;
    }
    for (const THangerSlot& slot : layout.HangerSlots)
        if (slot.Occupied()) loaded = true;
    if (!loaded) {
        ClearCurve(view);
        return;
    }

    const TSupportArrangement arrangement = TheoryArrangement(layout);
    if (arrangement == TSupportArrangement::Unsupported) {
        ClearCurve(view);
        ShowMessage(ApplicationTitle, UnsupportedBeamWarning, TMsgIcon::Warning);
        return;
    }

    for (int i = 0; i < StationCount; ++i)
        StationLoad[i] = layout.HangerSlots[i].Mass > 0 ? layout.HangerSlots[i].Mass : 0;
    UDLLoad = layout.UDL ? static_cast<float>(layout.UDLIntensity) : 0.0f;
    const float w = UDLLoad;
    const float E = ModulusE;
    const float I = SecondMomentI;

    TCurveResult result;
    switch (arrangement) {
    case TSupportArrangement::Cantilever: {
        const int b = layout.UDLEndStation;
        const float thetab = w > 0.0f ? CantileverUDLEndSlope(b, E, I, w) : 0.0f;
        const float yb = w > 0.0f ? CantileverUDLEndDeflection(b, E, I, w) : 0.0f;
        for (int i = 0; i < StationCount; ++i)
            result.Curve[i] = CantileverDeflectionAt(i, b, StationCount, StationLoad, w, E, I, yb, thetab);
        break;
    }
    case TSupportArrangement::ProppedCantilever:
        result = ProppedCantileverCurve(StationCount, layout.PropStation(), StationLoad, w, E, I);
        PropReaction = result.PropReaction;
        break;
    case TSupportArrangement::FixedBothEnds:
        result = FixedBothEndsCurve(StationCount, LastStation, StationLoad, w, E, I);
        break;
    case TSupportArrangement::SimplySupported:
        result = SimplySupportedCurve(StationCount, 0, layout.LeftKnifeEdgeStation,
                                      layout.RightKnifeEdgeStation, StationLoad, w, E, I);
        break;
    case TSupportArrangement::Unsupported:
        break;
    }
    StationDeflection = result.Curve;
    Largest = result.Largest;
    Smallest = result.Smallest;
    ComputedArrangement = arrangement;

    switch (arrangement) {
    case TSupportArrangement::Cantilever:
        view.ShowCantileverDeflection(StationDeflection, layout.GaugeStation);
        break;
    case TSupportArrangement::FixedBothEnds:
        view.ShowFixedBothEndsDeflection(StationDeflection, Largest, layout.GaugeStation);
        break;
    default:
        view.ShowTwoSidedDeflection(StationDeflection, Largest, Smallest, layout.GaugeStation);
        break;
    }
}
