#include "LayoutReplay.h"

#include <algorithm>
#include <vector>

#include "model/PlacementRules.h"

namespace {

// Release points inside the drop zones: the middle of each clamp zone, the support band and the load band
// below it, at the station's x.
constexpr int LeftClampX = 86, RightClampX = 454, ClampY = 150;
constexpr int SupportY = 154;
constexpr int LoadY = 190;

std::string Mm(int station) {
    return std::to_string(station * 10) + " mm";
}

bool ValidStation(int s) {
    return s >= 0 && s <= LastStation;
}

// One gesture; a warning or a drop that changed nothing the rules were asked for ends the replay.
struct TReplay {
    TBeamLayout Layout;
    std::string Problem;

    bool Drop(const TDragSource& source, const TDropTarget& target) {
        const TDropAnswer answer = DragAndDrop(Layout, source, target);
        if (!answer.Warning.empty()) {
            Problem = answer.Warning;
            // The rule texts end with a full stop; the caller adds its own.
            if (!Problem.empty() && Problem.back() == '.') Problem.pop_back();
            return false;
        }
        Layout = answer.Layout;
        return true;
    }
};

std::vector<int> KnifeEdgeStations(const TBeamLayout& layout) {
    std::vector<int> stations;
    if (layout.KnifeEdge1) stations.push_back(layout.KnifeEdge1Station);
    if (layout.KnifeEdge2) stations.push_back(layout.KnifeEdge2Station);
    return stations;
}

} // namespace

bool SameItems(const TBeamLayout& a, const TBeamLayout& b) {
    auto sorted = [](std::vector<int> v) {
        std::sort(v.begin(), v.end());
        return v;
    };
    if (a.LeftClamp != b.LeftClamp || a.RightClamp != b.RightClamp) return false;
    if (sorted(KnifeEdgeStations(a)) != sorted(KnifeEdgeStations(b))) return false;
    for (int s = 0; s < StationCount; ++s) {
        const THangerSlot &x = a.HangerSlots[s], &y = b.HangerSlots[s];
        if (x.Occupied() != y.Occupied()) return false;
        if (x.Occupied() && (x.Mass != y.Mass || x.Variable != y.Variable)) return false;
    }
    if (a.UDL != b.UDL) return false;
    if (a.UDL && (a.UDLStartStation != b.UDLStartStation || a.UDLEndStation != b.UDLEndStation ||
                  a.UDLIntensity != b.UDLIntensity))
        return false;
    return a.GaugeStation == b.GaugeStation;
}

TLayoutReplay ReplayLayout(const TBeamLayout& wanted) {
    TReplay r;
    auto refuse = [](std::string problem) { return TLayoutReplay{TBeamLayout{}, std::move(problem)}; };

    // Clamps: the tool box only offers a right clamp beside a left one.
    if (wanted.RightClamp && !wanted.LeftClamp)
        return refuse("a right-hand clamp needs the left-hand clamp beside it");
    if (wanted.LeftClamp) {
        r.Drop(TDragSource::Of(TDragKind::NewClamp), TDropTarget::Screen(LeftClampX, ClampY));
        if (!r.Layout.LeftClamp) return refuse("the left-hand clamp could not be placed");
    }
    if (wanted.RightClamp) {
        r.Drop(TDragSource::Of(TDragKind::NewClamp), TDropTarget::Screen(RightClampX, ClampY));
        if (!r.Layout.RightClamp) return refuse("the right-hand clamp could not be placed");
    }

    for (const int s : KnifeEdgeStations(wanted)) {
        if (!ValidStation(s)) return refuse("a knife-edge lies off the beam");
        const int before = r.Layout.KnifeEdgeCount();
        if (!r.Drop(TDragSource::Of(TDragKind::NewKnifeEdge), TDropTarget::Screen(StationX[s], SupportY)))
            return refuse(r.Problem);
        if (r.Layout.KnifeEdgeCount() == before)
            return refuse("a knife-edge cannot stand at " + Mm(s) +
                          (r.Layout.LeftClamp && s == 0 ? " inside the clamp" : ""));
    }

    if (wanted.UDL) {
        if (wanted.UDLIntensity < 1 || wanted.UDLIntensity > 50)
            return refuse("the UDL's intensity " + std::to_string(wanted.UDLIntensity) +
                          " N/m is outside 1 to 50 N/m");
        r.Layout = PutUDLOn(r.Layout, wanted.UDLIntensity);
        // Only a cantilever's UDL can be shortened, by the right-button length change.
        if (r.Layout.UDLEndStation != wanted.UDLEndStation && CanResizeUDL(r.Layout) &&
            ValidStation(wanted.UDLEndStation) && wanted.UDLEndStation > r.Layout.UDLStartStation) {
            const TDropAnswer resized = FinishUDLResize(StartUDLResize(r.Layout),
                                                        StationX[wanted.UDLEndStation], wanted.UDLIntensity);
            r.Layout = resized.Layout;
        }
        if (r.Layout.UDLStartStation != wanted.UDLStartStation ||
            r.Layout.UDLEndStation != wanted.UDLEndStation)
            return refuse("a UDL from " + Mm(wanted.UDLStartStation) + " to " + Mm(wanted.UDLEndStation) +
                          " does not fit these supports (it would lie from " + Mm(r.Layout.UDLStartStation) +
                          " to " + Mm(r.Layout.UDLEndStation) + ")");
    }

    for (int s = 0; s < StationCount; ++s) {
        const THangerSlot& slot = wanted.HangerSlots[s];
        if (!slot.Occupied()) continue;
        TDragSource source;
        if (slot.Variable) {
            if (slot.Mass > 500 || slot.Mass % 10 != 0)
                return refuse("a variable weight of " + std::to_string(slot.Mass) + " g at " + Mm(s) +
                              " is not a multiple of 10 g from 0 to 500 g");
            source = TDragSource::VariableWeight(slot.Mass);
        } else {
            if (std::find(FixedMasses.begin(), FixedMasses.end(), slot.Mass) == FixedMasses.end())
                return refuse("a weight of " + std::to_string(slot.Mass) + " g at " + Mm(s) +
                              " is not one of the tool box's masses (100, 200, 300, 400 or 500 g)");
            source = TDragSource::FixedWeight(slot.Mass);
        }
        if (!r.Drop(source, TDropTarget::Screen(StationX[s], LoadY))) return refuse(r.Problem);
        if (r.Layout.HangerSlots[s].Mass != slot.Mass)
            return refuse("a weight could not be hung at " + Mm(s));
    }

    if (!ValidStation(wanted.GaugeStation)) return refuse("the dial gauge lies off the beam");
    TBeamLayout gauge = r.Layout;
    gauge.DraggingGauge = true;
    gauge.GaugeGrabX = 0;
    const int left = StationX[gauge.GaugeStation] - GaugeStylusOffset;
    r.Layout = DragGauge(gauge, left, StationX[wanted.GaugeStation] - StationX[gauge.GaugeStation]).Layout;
    r.Layout.DraggingGauge = false;

    if (!SameItems(r.Layout, wanted)) return refuse("the set-up could not be rebuilt as described");
    return {r.Layout, {}};
}
