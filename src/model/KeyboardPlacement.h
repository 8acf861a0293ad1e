#pragma once
// Building the set-up with keys, over the same placement rules as the mouse. The window's keyboard side picks
// an item up through its drag controller, then names a station; these functions say which point of the
// apparatus picture stands for that station (the drag-over and the drop get that point, exactly as they get
// the mouse's) and which station a key reaches: the nearest one whose drag-over the rules accept, so a key
// never parks an item where the mouse could not drop it. The items on the beam are listed in position order
// for Tab.

#include <vector>

#include "model/PlacementRules.h"

// The picture height of a keyboard drag: inside the support zone and the load zone, and inside both clamp
// zones at the ends (134 < y < 174).
inline constexpr int KeyboardTargetY = 150;

// The screen point the keyboard drags to for a station.
[[nodiscard]] TDropTarget KeyboardTarget(int station);

// The stations a source may stop at with keys: the two ends for a clamp, every station otherwise.
[[nodiscard]] bool KeyboardStationAllowed(const TDragSource& source, int station);

// The station nearest `from` whose drag-over accepts the source (the layout is the one after StartDrag);
// at equal distance the right-hand one. -1 when no station accepts.
[[nodiscard]] int NearestAcceptedStation(const TBeamLayout& layout, const TDragSource& source, int from);

// A key's step from `from`: `step` stations (negative: to the left), on to the first accepted station in
// the step's direction, clamped at the ends; `from` when none is left that way.
[[nodiscard]] int StepAcceptedStation(const TBeamLayout& layout, const TDragSource& source, int from,
                                      int step);

// The station a new item appears at when picked up from the tool box: a clamp at the free end (the left one
// first), anything else at midspan; then the nearest accepted station.
[[nodiscard]] int KeyboardStartStation(const TBeamLayout& layout, const TDragSource& source);

// One item on the beam, as Tab visits them.
enum class TPlacedKind { LeftClamp, KnifeEdge1, KnifeEdge2, Weight, UDL, Gauge, RightClamp };
struct TPlacedItem {
    TPlacedKind Kind = TPlacedKind::Gauge;
    int Station = 0;
    bool operator==(const TPlacedItem&) const = default;
};
// Every present item by station, left to right; at one station: clamp, knife-edge, weight, UDL (its start),
// gauge. The gauge is always there.
[[nodiscard]] std::vector<TPlacedItem> PlacedItemsInOrder(const TBeamLayout& layout);
