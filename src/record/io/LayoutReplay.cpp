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

const std::string ClampedOneKnifeEdge = "a clamped beam holds at most one knife-edge";

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
    // The rules depend on the order a student works in: a knife-edge may stand at 0 mm only if it came
    // before the left clamp, the one-weight-per-overhang rule is checked when a weight is hung but not when a
    // knife-edge moves afterwards, and a cantilever's UDL keeps the length it had when its prop went. So the
    // replay uses the order that lets the rules accept every set-up a student can build:
    //   1. the knife-edges first: two of them at the ends of the beam, where every weight hangs between them
    //      and no overhang rule applies; one at its station; none, but a cantilever's UDL shorter than the
    //      beam, a prop where the UDL ends (taken away again in step 5);
    //   2. the clamps; 3. the weights, in any order; 4. two knife-edges moved from the ends to their
    //   stations; 5. the UDL, laid out as the window lays it after every change; 6. the gauge.
    // A set-up the mouse cannot build still fails somewhere on the way, with the rule's own words.
    TReplay r;
    auto refuse = [](std::string problem) { return TLayoutReplay{TBeamLayout{}, std::move(problem)}; };
    auto dropKnifeEdge = [&r](int station) {
        const int before = r.Layout.KnifeEdgeCount();
        if (!r.Drop(TDragSource::Of(TDragKind::NewKnifeEdge),
                    TDropTarget::Screen(StationX[station], SupportY)))
            return false;
        if (r.Layout.KnifeEdgeCount() == before) {
            r.Problem = "a knife-edge cannot stand at " + Mm(station) +
                        (r.Layout.LeftClamp && station == 0 ? " inside the clamp" : "");
            return false;
        }
        return true;
    };

    if (wanted.RightClamp && !wanted.LeftClamp)
        return refuse("a right-hand clamp needs the left-hand clamp beside it");
    std::vector<int> knifeEdges = KnifeEdgeStations(wanted);
    std::sort(knifeEdges.begin(), knifeEdges.end());
    for (const int s : knifeEdges)
        if (!ValidStation(s)) return refuse("a knife-edge lies off the beam");
    if (wanted.UDL) {
        if (wanted.UDLIntensity < 1 || wanted.UDLIntensity > 50)
            return refuse("the UDL's intensity " + std::to_string(wanted.UDLIntensity) +
                          " N/m is outside 1 to 50 N/m");
        if (!ValidStation(wanted.UDLStartStation) || !ValidStation(wanted.UDLEndStation))
            return refuse("the UDL lies off the beam");
    }
    if (!ValidStation(wanted.GaugeStation)) return refuse("the dial gauge lies off the beam");

    // 1.
    const bool cantilever = wanted.LeftClamp && !wanted.RightClamp && knifeEdges.empty();
    const bool shortenedUDL = cantilever && wanted.UDL && wanted.UDLEndStation != LastStation;
    if (knifeEdges.size() == 2) {
        if (!dropKnifeEdge(0) || !dropKnifeEdge(LastStation)) return refuse(r.Problem);
    } else if (knifeEdges.size() == 1) {
        if (!dropKnifeEdge(knifeEdges[0])) return refuse(r.Problem);
    } else if (shortenedUDL) {
        if (!dropKnifeEdge(wanted.UDLEndStation)) return refuse(r.Problem);
    }

    // 2.
    if (wanted.LeftClamp) {
        if (!r.Drop(TDragSource::Of(TDragKind::NewClamp), TDropTarget::Screen(LeftClampX, ClampY)))
            return refuse(r.Problem);
        if (!r.Layout.LeftClamp)
            return refuse(r.Layout.KnifeEdgeCount() > 1 ? ClampedOneKnifeEdge
                                                        : "the left-hand clamp could not be placed");
    }
    if (wanted.RightClamp) {
        if (!r.Drop(TDragSource::Of(TDragKind::NewClamp), TDropTarget::Screen(RightClampX, ClampY)))
            return refuse(r.Problem);
        if (!r.Layout.RightClamp) {
            std::string both = BothClampsKnifeEdgeWarning;
            both.pop_back(); // the full stop: the caller adds its own
            return refuse(both);
        }
    }

    // 3.
    for (int s = 0; s < StationCount; ++s) {
        const THangerSlot& slot = wanted.HangerSlots[s];
        if (!slot.Occupied()) continue;
        TDragSource source;
        if (slot.Variable) {
            if (slot.Mass < 0 || slot.Mass > 500)
                return refuse("a weight of " + std::to_string(slot.Mass) + " g at " + Mm(s) +
                              " is outside the hanger's 0 to 500 g");
            source = TDragSource::VariableWeight(slot.Mass);
        } else {
            if (std::find(FixedMasses.begin(), FixedMasses.end(), slot.Mass) == FixedMasses.end())
                return refuse("a weight of " + std::to_string(slot.Mass) + " g at " + Mm(s) +
                              " is not one of the tool box's masses (100, 200, 300, 400 or 500 g)");
            source = TDragSource::FixedWeight(slot.Mass);
        }
        if (!r.Drop(source, TDropTarget::Screen(StationX[s], LoadY))) return refuse(r.Problem);
        if (r.Layout.HangerSlots[s].Mass != slot.Mass || r.Layout.HangerSlots[s].Variable != slot.Variable)
            return refuse("a weight could not be hung at " + Mm(s));
    }

    // 4. Knife-edge 1 stands at 0 mm and knife-edge 2 at 600 mm: each is carried to its own station.
    if (knifeEdges.size() == 2) {
        const std::pair<TDragKind, int> moves[] = {{TDragKind::KnifeEdge1, knifeEdges[0]},
                                                   {TDragKind::KnifeEdge2, knifeEdges[1]}};
        for (const auto& [kind, station] : moves)
            if (!r.Drop(TDragSource::Of(kind), TDropTarget::Screen(StationX[station], SupportY)))
                return refuse(r.Problem);
    }

    // 5. The UDL button lays the load out between the supports; the window lays it out again after every
    // change, which keeps a cantilever's length when its prop is taken away.
    if (wanted.UDL) {
        r.Layout = PutUDLOn(r.Layout, wanted.UDLIntensity);
        if (shortenedUDL) {
            if (!r.Drop(TDragSource::Of(TDragKind::KnifeEdge1), TDropTarget::Bin())) return refuse(r.Problem);
            r.Layout.PlaceUDL(wanted.UDLIntensity);
        }
        if (r.Layout.UDLStartStation != wanted.UDLStartStation ||
            r.Layout.UDLEndStation != wanted.UDLEndStation)
            return refuse("a UDL from " + Mm(wanted.UDLStartStation) + " to " + Mm(wanted.UDLEndStation) +
                          " does not fit these supports (it would lie from " + Mm(r.Layout.UDLStartStation) +
                          " to " + Mm(r.Layout.UDLEndStation) + ")");
    }

    // 6.
    TBeamLayout gauge = r.Layout;
    gauge.DraggingGauge = true;
    gauge.GaugeGrabX = 0;
    const int left = StationX[gauge.GaugeStation] - GaugeStylusOffset;
    r.Layout = DragGauge(gauge, left, StationX[wanted.GaugeStation] - StationX[gauge.GaugeStation]).Layout;
    r.Layout.DraggingGauge = false;

    if (!SameItems(r.Layout, wanted)) return refuse("the set-up could not be rebuilt as described");
    return {r.Layout, {}};
}
