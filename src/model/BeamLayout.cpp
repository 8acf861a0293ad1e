#include "BeamLayout.h"

#include <algorithm>

int PixelToStation(int x) {
    if (x <= StationX.front()) return 0;
    if (x >= StationX.back()) return LastStation;
    // (x - 88) * 60 / 354 is never an exact half, so rounding to nearest needs no tie rule.
    const int numerator = (x - 88) * 60;
    return (2 * numerator + 354) / (2 * 354);
}

bool TBeamLayout::Loaded() const {
    return UDL || std::any_of(HangerSlots.begin(), HangerSlots.end(),
                              [](const THangerSlot& s) { return s.Occupied(); });
}

TSupportArrangement TBeamLayout::SupportArrangement() const {
    if (LeftClamp && !RightClamp && KnifeEdgeCount() == 0) return TSupportArrangement::Cantilever;
    if (LeftClamp && KnifeEdgeCount() > 0) return TSupportArrangement::ProppedCantilever;
    if (LeftClamp && RightClamp) return TSupportArrangement::FixedBothEnds;
    if (KnifeEdge1 && KnifeEdge2) return TSupportArrangement::SimplySupported;
    return TSupportArrangement::Unsupported;
}

void TBeamLayout::UpdateKnifeEdgeOrder() {
    if (KnifeEdge1Station < KnifeEdge2Station) {
        LeftKnifeEdgeStation = KnifeEdge1Station;
        RightKnifeEdgeStation = KnifeEdge2Station;
    } else {
        LeftKnifeEdgeStation = KnifeEdge2Station;
        RightKnifeEdgeStation = KnifeEdge1Station;
    }
}

TUDLExtent UDLExtentFor(const TBeamLayout& layout) {
    const int knifeEdges = layout.KnifeEdgeCount();
    if (layout.LeftClamp && !layout.RightClamp && knifeEdges == 0)
        return {0, layout.UDL ? layout.UDLEndStation : LastStation};
    if (layout.LeftClamp && knifeEdges > 0) return {0, layout.PropStation()};
    if (layout.LeftClamp && layout.RightClamp) return {0, LastStation};
    if (knifeEdges == 2) return {layout.LeftKnifeEdgeStation, layout.RightKnifeEdgeStation};
    return {0, LastStation};
}

void TBeamLayout::PlaceUDL(int intensity) {
    const TUDLExtent extent = UDLExtentFor(*this);
    UDLStartStation = extent.Start;
    UDLEndStation = extent.End;
    UDLIntensity = intensity;
    UDL = true;
}
