#include "PlacementRules.h"

namespace {

bool AnyWeightIn(const TBeamLayout& layout, int first, int last, int except = -1) {
    for (int s = first; s <= last; ++s)
        if (s != except && layout.HangerSlots[s].Occupied()) return true;
    return false;
}

bool BothKnifeEdges(const TBeamLayout& layout) {
    return layout.KnifeEdge1 && layout.KnifeEdge2;
}

TPopupUpdate PopupAt(int station, bool placeIfHidden, std::string caption = {}) {
    return {true, station, placeIfHidden, std::move(caption)};
}

TDropAnswer Unchanged(const TBeamLayout& layout) {
    TDropAnswer answer;
    answer.Layout = layout;
    return answer;
}

TDropAnswer Refused(const TBeamLayout& layout, const std::string& warning) {
    TDropAnswer answer = Unchanged(layout);
    answer.Warning = warning;
    answer.Icon = TWarningIcon::Warning;
    return answer;
}

void EmptySlot(TBeamLayout& layout, int slot) {
    layout.HangerSlots[slot] = THangerSlot{};
}

} // namespace

bool TDragSource::IsClamp() const {
    return Kind == TDragKind::NewClamp || Kind == TDragKind::LeftClamp || Kind == TDragKind::RightClamp;
}

bool TDragSource::IsKnifeEdge() const {
    return Kind == TDragKind::NewKnifeEdge || Kind == TDragKind::KnifeEdge1 || Kind == TDragKind::KnifeEdge2;
}

bool TDragSource::IsWeight() const {
    return Kind == TDragKind::NewFixedWeight || Kind == TDragKind::NewVariableWeight ||
           Kind == TDragKind::PlacedWeight;
}

std::string PositionText(int station) {
    return std::to_string(station * 10) + " mm";
}

TBeamLayout StartDrag(const TBeamLayout& layout, const TDragSource& source) {
    TBeamLayout next = layout;
    switch (source.Kind) {
    case TDragKind::LeftClamp:
        next.MovingLeftClamp = true;
        break;
    case TDragKind::RightClamp:
        next.MovingRightClamp = true;
        break;
    case TDragKind::KnifeEdge1:
        next.MovingKnifeEdge1 = true;
        break;
    case TDragKind::KnifeEdge2:
        next.MovingKnifeEdge2 = true;
        break;
    default:
        break; // new items, weights and the UDL stay where they are while dragged
    }
    return next;
}

TDragOverAnswer ScreenImageDragOver(const TBeamLayout& layout, const TDragSource& source, int x, int y) {
    TDragOverAnswer answer;
    answer.Layout = layout;
    const bool clampDrag =
        source.Kind == TDragKind::NewClamp || layout.MovingLeftClamp || layout.MovingRightClamp;
    const bool knifeEdgeDrag =
        source.Kind == TDragKind::NewKnifeEdge || layout.MovingKnifeEdge1 || layout.MovingKnifeEdge2;
    const bool picture = !source.IsLabel;

    // A clamp goes to the left end while the beam has at most one knife-edge (a clamp beside two would leave
    // no arrangement with formulas)...
    if (clampDrag && picture && LeftClampZone.Contains(x, y) && layout.KnifeEdgeCount() <= 1) {
        answer.Accept = true;
        return answer;
    }
    // ...and only a new one to the right end, beside a left clamp and without knife-edges.
    if (source.Kind == TDragKind::NewClamp && layout.LeftClamp && RightClampZone.Contains(x, y) &&
        layout.KnifeEdgeCount() == 0) {
        answer.Accept = true;
        return answer;
    }
    if (knifeEdgeDrag && picture && SupportZone.Contains(x, y)) {
        const int s = PixelToStation(x);
        if (s == 0 && layout.LeftClamp) return answer; // a prop inside the clamp holds nothing
        answer.Accept = true;
        answer.Layout.SupportDropStation = s;
        answer.SupportPopup =
            source.Kind == TDragKind::NewKnifeEdge ? PopupAt(s, true, "Support Position") : PopupAt(s, false);
        return answer;
    }
    if (!clampDrag && !knifeEdgeDrag && LoadZone.Contains(x, y)) {
        const int s = PixelToStation(x);
        answer.Accept = true;
        answer.Layout.LoadDropStation = s;
        answer.LoadPopup = PopupAt(s, true);
    }
    return answer;
}

TDragOverAnswer WeightsHangerDragOver(const TBeamLayout& layout, const TDragSource& source, int slot) {
    TDragOverAnswer answer;
    answer.Layout = layout;
    if (!source.IsWeight()) return answer;
    // A weight dropped on a hanger lands on the hanger's station, even below the load zone.
    answer.Accept = true;
    answer.Layout.LoadDropStation = slot;
    answer.LoadPopup = PopupAt(slot, true);
    return answer;
}

TDragOverAnswer WeightsBinImageDragOver(const TBeamLayout& layout, const TDragSource&) {
    TDragOverAnswer answer;
    answer.Layout = layout;
    answer.Accept = true; // every source is a picture or a label
    return answer;
}

TDragOverAnswer DragOver(const TBeamLayout& layout, const TDragSource& source, const TDropTarget& target) {
    switch (target.Kind) {
    case TTargetKind::Screen:
        return ScreenImageDragOver(layout, source, target.X, target.Y);
    case TTargetKind::Weight:
        return WeightsHangerDragOver(layout, source, target.Slot);
    case TTargetKind::Bin:
        return WeightsBinImageDragOver(layout, source);
    default: {
        TDragOverAnswer refused;
        refused.Layout = layout;
        return refused;
    }
    }
}

TDropAnswer EndClampImageEndDrag(const TBeamLayout& layout, const TDropTarget& target) {
    TDropAnswer answer = Unchanged(layout);
    TBeamLayout& next = answer.Layout;
    const bool screen = target.Kind == TTargetKind::Screen;
    if (screen && LeftClampZone.Contains(target.X, target.Y) && !next.LeftClamp) {
        next.LeftClamp = true;
    } else if (screen && RightClampZone.Contains(target.X, target.Y) && !next.RightClamp) {
        next.RightClamp = true;
    } else if (target.Kind == TTargetKind::Bin) {
        if (next.MovingLeftClamp) {
            next.LeftClamp = false;
            // A right clamp alone would leave a beam hanging from its right end, which nothing computes.
            if (next.RightClamp) {
                answer.Warning = ClampRemovalWarning;
                answer.Icon = TWarningIcon::Warning;
                next.RightClamp = false;
            }
        } else if (next.MovingRightClamp) {
            next.RightClamp = false;
        }
    }
    // Otherwise a clamp taken from the beam goes back to its end: it never left the layout.
    next.MovingLeftClamp = next.MovingRightClamp = false;
    answer.Recalculate = true;
    return answer;
}

TDropAnswer KnifeEdgeImageEndDrag(const TBeamLayout& layout, const TDropTarget& target) {
    TDropAnswer answer = Unchanged(layout);
    TBeamLayout& next = answer.Layout;
    const bool moving = layout.MovingKnifeEdge1 || layout.MovingKnifeEdge2;
    if (target.Kind == TTargetKind::Screen && SupportZone.Contains(target.X, target.Y)) {
        // Both warnings can only follow a new knife-edge: the rules never let a knife-edge stand beside two
        // clamps, nor two beside one.
        if (layout.LeftClamp && layout.RightClamp) return Refused(layout, BothClampsKnifeEdgeWarning);
        if (layout.LeftClamp && !moving && layout.KnifeEdgeCount() > 0)
            return Refused(layout, ClampedOneKnifeEdgeWarning);
        if (layout.MovingKnifeEdge1) {
            next.KnifeEdge1Station = layout.SupportDropStation;
        } else if (layout.MovingKnifeEdge2) {
            next.KnifeEdge2Station = layout.SupportDropStation;
        } else if (!layout.KnifeEdge1) {
            next.KnifeEdge1 = true;
            next.KnifeEdge1Station = layout.SupportDropStation;
        } else if (!layout.KnifeEdge2) {
            next.KnifeEdge2 = true;
            next.KnifeEdge2Station = layout.SupportDropStation;
        } // a third knife-edge is ignored without a word
    } else if (target.Kind == TTargetKind::Bin) {
        if (layout.MovingKnifeEdge1) next.KnifeEdge1 = false;
        if (layout.MovingKnifeEdge2) next.KnifeEdge2 = false;
        answer.HideSupportPopup = moving;
    }
    if (next.KnifeEdge1 && next.KnifeEdge2) next.UpdateKnifeEdgeOrder();
    next.MovingKnifeEdge1 = next.MovingKnifeEdge2 = false;
    answer.Recalculate = true;
    return answer;
}

TDropAnswer GramsImageEndDrag(const TBeamLayout& layout, const TDragSource& source,
                              const TDropTarget& target) {
    if (target.Kind == TTargetKind::None || target.Kind == TTargetKind::Bin) return Unchanged(layout);
    const int t = layout.LoadDropStation;
    // One weight per overhang of a beam on two knife-edges; the knife-edge stations belong to their ends, and
    // a weight already at t is replaced rather than joined.
    if (BothKnifeEdges(layout)) {
        const int L = layout.LeftKnifeEdgeStation, R = layout.RightKnifeEdgeStation;
        if ((t < L && AnyWeightIn(layout, 0, L, t)) || (t > R && AnyWeightIn(layout, R, LastStation, t)))
            return Refused(layout, OverhangWeightWarning);
    }
    TDropAnswer answer = Unchanged(layout);
    THangerSlot& slot = answer.Layout.HangerSlots[t];
    slot.Mass = source.Grams;
    slot.Variable = source.Kind == TDragKind::NewVariableWeight;
    answer.Recalculate = true;
    return answer;
}

TDropAnswer HangerEndDrag(const TBeamLayout& layout, int s, const TDropTarget& target) {
    if (target.Kind == TTargetKind::None) return Unchanged(layout);
    TDropAnswer answer = Unchanged(layout);
    if (target.Kind == TTargetKind::Bin) {
        EmptySlot(answer.Layout, s);
        answer.HideLoadPopup = true;
        answer.Recalculate = true;
        return answer;
    }
    const int t = layout.LoadDropStation;
    // Only a weight arriving on an overhang from beyond its knife-edge is tested, and then t itself counts.
    if (BothKnifeEdges(layout)) {
        const int L = layout.LeftKnifeEdgeStation, R = layout.RightKnifeEdgeStation;
        if ((t < L && s > L && AnyWeightIn(layout, 0, L)) ||
            (t > R && s < R && AnyWeightIn(layout, R, LastStation)))
            return Refused(layout, OverhangWeightWarning);
    }
    answer.Layout.HangerSlots[t] = layout.HangerSlots[s];
    if (t != s) EmptySlot(answer.Layout, s);
    answer.Recalculate = true;
    return answer;
}

TDropAnswer UDLImageEndDrag(const TBeamLayout& layout, const TDropTarget& target) {
    TDropAnswer answer = Unchanged(layout);
    answer.HideSupportPopup = true;
    if (target.Kind != TTargetKind::Bin) return answer; // the UDL cannot be moved, only removed
    answer.Layout.UDL = false;
    answer.Recalculate = true;
    answer.EnableUDLTools = true;
    return answer;
}

TDropAnswer EndDrag(const TBeamLayout& layout, const TDragSource& source, const TDropTarget& target) {
    switch (source.Kind) {
    case TDragKind::NewClamp:
    case TDragKind::LeftClamp:
    case TDragKind::RightClamp:
        return EndClampImageEndDrag(layout, target);
    case TDragKind::NewKnifeEdge:
    case TDragKind::KnifeEdge1:
    case TDragKind::KnifeEdge2:
        return KnifeEdgeImageEndDrag(layout, target);
    case TDragKind::NewFixedWeight:
    case TDragKind::NewVariableWeight:
        return GramsImageEndDrag(layout, source, target);
    case TDragKind::PlacedWeight:
        return HangerEndDrag(layout, source.Slot, target);
    case TDragKind::UDL:
        return UDLImageEndDrag(layout, target);
    }
    return Unchanged(layout);
}

TDropAnswer DragAndDrop(const TBeamLayout& layout, const TDragSource& source, const TDropTarget& target) {
    const TBeamLayout started = StartDrag(layout, source);
    const TDragOverAnswer over = DragOver(started, source, target);
    return EndDrag(over.Layout, source, over.Accept ? target : TDropTarget::Nothing());
}

TBeamLayout PutUDLOn(const TBeamLayout& layout, int intensity) {
    TBeamLayout next = layout;
    next.PlaceUDL(intensity);
    return next;
}

bool CanResizeUDL(const TBeamLayout& layout) {
    return layout.UDL && layout.SupportArrangement() == TSupportArrangement::Cantilever;
}

TBeamLayout StartUDLResize(const TBeamLayout& layout) {
    TBeamLayout next = layout;
    if (CanResizeUDL(layout)) next.ResizingUDL = true;
    return next;
}

std::string UDLLengthText(const TBeamLayout& layout, int endX) {
    return PositionText(PixelToStation(endX) - layout.UDLStartStation);
}

TDropAnswer FinishUDLResize(const TBeamLayout& layout, int x, int intensity) {
    TDropAnswer answer = Unchanged(layout);
    answer.HideSupportPopup = true;
    if (!layout.ResizingUDL) return answer;
    TBeamLayout& next = answer.Layout;
    next.ResizingUDL = false;
    const int b = PixelToStation(x);
    if (b > layout.UDLStartStation) {
        next.UDLEndStation = b;
        next.UDLIntensity = intensity;
        answer.StatusText = "UDL length: " + std::to_string(b * 10) + " mm";
    } else {
        next.UDL = false; // shortened to nothing: removed as by a drop on the bin
        answer.EnableUDLTools = true;
    }
    answer.RestoreUDLCursors = true;
    answer.Recalculate = true;
    return answer;
}

TGaugeMove DragGauge(const TBeamLayout& layout, int gaugeLeft, int x) {
    TGaugeMove move;
    move.Layout = layout;
    move.Left = gaugeLeft;
    move.Station = layout.GaugeStation;
    if (!layout.DraggingGauge) return move;
    int left = gaugeLeft + x - layout.GaugeGrabX;
    if (left + GaugeStylusOffset < StationX.front())
        left = StationX.front() - GaugeStylusOffset;
    else if (left + GaugeStylusOffset > StationX.back())
        left = StationX.back() - GaugeStylusOffset;
    move.Left = left;
    move.Station = PixelToStation(left + GaugeStylusOffset);
    move.StationChanged = move.Station != layout.GaugeStation;
    move.Layout.GaugeStation = move.Station;
    return move;
}
