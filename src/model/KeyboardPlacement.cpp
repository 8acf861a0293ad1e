#include "KeyboardPlacement.h"

#include <algorithm>

TDropTarget KeyboardTarget(int station) {
    return TDropTarget::Screen(StationX[std::clamp(station, 0, LastStation)], KeyboardTargetY);
}

bool KeyboardStationAllowed(const TDragSource& source, int station) {
    if (station < 0 || station > LastStation) return false;
    // A clamp only ever stands at an end; its zones reach a few stations in, which a key must not show as
    // "30 mm".
    if (source.IsClamp()) return station == 0 || station == LastStation;
    return true;
}

namespace {

bool Accepts(const TBeamLayout& layout, const TDragSource& source, int station) {
    if (!KeyboardStationAllowed(source, station)) return false;
    return DragOver(layout, source, KeyboardTarget(station)).Accept;
}

} // namespace

int NearestAcceptedStation(const TBeamLayout& layout, const TDragSource& source, int from) {
    for (int d = 0; d <= LastStation; ++d) {
        if (Accepts(layout, source, from + d)) return from + d;
        if (d > 0 && Accepts(layout, source, from - d)) return from - d;
    }
    return -1;
}

int StepAcceptedStation(const TBeamLayout& layout, const TDragSource& source, int from, int step) {
    if (step == 0) return from;
    const int direction = step > 0 ? 1 : -1;
    const int first = std::clamp(from + step, 0, LastStation);
    for (int s = first; s >= 0 && s <= LastStation; s += direction)
        if (s != from && Accepts(layout, source, s)) return s;
    // Past the end: back from the end towards `from`, so Home and End reach the last accepted station.
    for (int s = first - direction; s != from && s >= 0 && s <= LastStation; s -= direction)
        if (Accepts(layout, source, s)) return s;
    return from;
}

int KeyboardStartStation(const TBeamLayout& layout, const TDragSource& source) {
    if (!source.IsClamp()) return LastStation / 2;
    return layout.LeftClamp && source.Kind == TDragKind::NewClamp ? LastStation : 0;
}

std::vector<TPlacedItem> PlacedItemsInOrder(const TBeamLayout& layout) {
    std::vector<TPlacedItem> items;
    if (layout.LeftClamp) items.push_back({TPlacedKind::LeftClamp, 0});
    if (layout.KnifeEdge1) items.push_back({TPlacedKind::KnifeEdge1, layout.KnifeEdge1Station});
    if (layout.KnifeEdge2) items.push_back({TPlacedKind::KnifeEdge2, layout.KnifeEdge2Station});
    for (int s = 0; s < StationCount; ++s)
        if (layout.HangerSlots[s].Occupied()) items.push_back({TPlacedKind::Weight, s});
    if (layout.UDL) items.push_back({TPlacedKind::UDL, layout.UDLStartStation});
    items.push_back({TPlacedKind::Gauge, layout.GaugeStation});
    if (layout.RightClamp) items.push_back({TPlacedKind::RightClamp, LastStation});
    std::stable_sort(items.begin(), items.end(), [](const TPlacedItem& a, const TPlacedItem& b) {
        if (a.Station != b.Station) return a.Station < b.Station;
        return int(a.Kind) < int(b.Kind);
    });
    return items;
}
