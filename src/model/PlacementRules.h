#pragma once
// The placement rules of the beam set-up as pure functions over TBeamLayout: what a drag-over accepts, and
// what a drop makes of the layout (a new layout, or the layout as it was and the warning to show). The
// experiment window only translates its mouse events into a source and a target, applies the answer (takes
// the layout, shows the warning, moves the popups) and draws the pictures from the layout.
//
// An item taken from the beam stays present in the layout while it is dragged; its Moving flag tells the
// window to lift its picture off the apparatus (a clamp's support on the load diagram goes with it, a
// knife-edge's pivot stays). Every end of a drag clears the Moving flags it owns.

#include <string>

#include "model/BeamLayout.h"

// What is being dragged.
enum class TDragKind {
    NewClamp,     // EndClampImage
    LeftClamp,    // LClampImage, the clamp on the beam
    RightClamp,   // RClampImage
    NewKnifeEdge, // KnifeEdgeImage
    KnifeEdge1,   // the knife-edges on the beam
    KnifeEdge2,
    NewFixedWeight,    // one of the five mass pictures, Grams = its tag
    NewVariableWeight, // EmptyHangerImage or VariableWeightLabel, Grams = the settled weight spin edit value
    PlacedWeight,      // a slot's Hanger or MassLabel, Slot = its station
    UDL,               // UDLImage
};

struct TDragSource {
    TDragKind Kind = TDragKind::NewClamp;
    int Grams = 0;        // the new weights
    int Slot = 0;         // PlacedWeight
    bool IsLabel = false; // a label (VariableWeightLabel, a MassLabel) rather than a picture

    [[nodiscard]] static TDragSource Of(TDragKind kind) { return {kind}; }
    [[nodiscard]] static TDragSource FixedWeight(int grams) { return {TDragKind::NewFixedWeight, grams}; }
    [[nodiscard]] static TDragSource VariableWeight(int grams, bool label = false) {
        return {TDragKind::NewVariableWeight, grams, 0, label};
    }
    [[nodiscard]] static TDragSource Weight(int slot, bool massLabel = false) {
        return {TDragKind::PlacedWeight, 0, slot, massLabel};
    }
    [[nodiscard]] bool IsClamp() const;     // a clamp drag: new or from the beam
    [[nodiscard]] bool IsKnifeEdge() const; // a knife-edge drag: new or from the beam
    [[nodiscard]] bool IsWeight() const;    // what a placed weight accepts
};

// Where the cursor is.
enum class TTargetKind {
    None,   // released over nothing, or the last drag-over refused
    Screen, // the bare apparatus picture ScreenImage, at (X, Y) in picture coordinates
    Weight, // a shown Hanger or MassLabel of slot Slot
    Bin,    // one of the tool-box controls for which the window's IsToolBoxTarget holds
    Other,  // any other control: the popups, the clamp and knife-edge pictures, the gauge, the UDL strip...
};

struct TDropTarget {
    TTargetKind Kind = TTargetKind::None;
    int X = 0, Y = 0;
    int Slot = 0;

    [[nodiscard]] static TDropTarget Nothing() { return {}; }
    [[nodiscard]] static TDropTarget Screen(int x, int y) { return {TTargetKind::Screen, x, y}; }
    [[nodiscard]] static TDropTarget Weight(int slot) { return {TTargetKind::Weight, 0, 0, slot}; }
    [[nodiscard]] static TDropTarget Bin() { return {TTargetKind::Bin}; }
    [[nodiscard]] static TDropTarget Other() { return {TTargetKind::Other}; }
};

// What a position popup should do. Its value reads PositionText(Station); when PlaceIfHidden and the popup
// is hidden, it is placed at Station (and captioned Caption when that is not empty) and shown.
struct TPopupUpdate {
    bool SetValue = false;
    int Station = 0;
    bool PlaceIfHidden = false;
    std::string Caption;
};

struct TDragOverAnswer {
    bool Accept = false;
    TBeamLayout Layout; // with SupportDropStation or LoadDropStation updated
    TPopupUpdate SupportPopup;
    TPopupUpdate LoadPopup;
};

enum class TWarningIcon { None, Warning };

// The end of a drag. The window shows Warning first (a modal box, one OK button), then takes Layout, then
// applies the rest. A refusal with a message leaves Layout as it was (only the clamp removal message comes
// with a changed layout: both clamps removed).
struct TDropAnswer {
    TBeamLayout Layout;
    std::string Warning;
    TWarningIcon Icon = TWarningIcon::None;
    bool Recalculate = false; // the layout may have changed: run Recalculate (after redrawing the pictures)
    bool HideSupportPopup = false;
    bool HideLoadPopup = false;
    bool EnableUDLTools = false; // the UDL left the beam: UDLButton, UDLSpinEdit and UDLLbl enabled again
    std::string StatusText;      // non-empty: the first status panel shows it
    bool RestoreUDLCursors =
        false; // the end of a UDL length change: hand point on the UDL, default on the picture
};

inline const std::string BothClampsKnifeEdgeWarning =
    "When the beam is clamped at both ends, knife-edge supports may not be added.";
inline const std::string ClampedOneKnifeEdgeWarning =
    "When the beam has a clamped end, only one knife-edge support may be present.";
inline const std::string OverhangWeightWarning =
    "Only one weight may placed at either end of the simply supported beam.";
inline const std::string ClampRemovalWarning =
    "Removing the left-hand clamp also removes the right-hand clamp, "
    "otherwise the system would become invalid.";

// A station's position as the popups show it: station x 10 followed by " mm" (station 25: "250 mm").
[[nodiscard]] std::string PositionText(int station);

// The start of a drag (ImageStartDrag and friends): marks an item taken from the beam as moving. A drag
// already running is not restarted: the window starts one only through its drag controller.
[[nodiscard]] TBeamLayout StartDrag(const TBeamLayout& layout, const TDragSource& source);

// Drag-over, by target: ScreenImageDragOver, WeightsHangerDragOver, WeightsBinImageDragOver; everything
// else refuses.
[[nodiscard]] TDragOverAnswer DragOver(const TBeamLayout& layout, const TDragSource& source,
                                       const TDropTarget& target);
[[nodiscard]] TDragOverAnswer ScreenImageDragOver(const TBeamLayout& layout, const TDragSource& source, int x,
                                                  int y);
[[nodiscard]] TDragOverAnswer WeightsHangerDragOver(const TBeamLayout& layout, const TDragSource& source,
                                                    int slot);
[[nodiscard]] TDragOverAnswer WeightsBinImageDragOver(const TBeamLayout& layout, const TDragSource& source);

// End of drag, by source. The target is the one of the last accepted drag-over, else Nothing().
[[nodiscard]] TDropAnswer EndDrag(const TBeamLayout& layout, const TDragSource& source,
                                  const TDropTarget& target);
[[nodiscard]] TDropAnswer EndClampImageEndDrag(const TBeamLayout& layout, const TDropTarget& target);
[[nodiscard]] TDropAnswer KnifeEdgeImageEndDrag(const TBeamLayout& layout, const TDropTarget& target);
[[nodiscard]] TDropAnswer GramsImageEndDrag(const TBeamLayout& layout, const TDragSource& source,
                                            const TDropTarget& target);
[[nodiscard]] TDropAnswer HangerEndDrag(const TBeamLayout& layout, int slot, const TDropTarget& target);
[[nodiscard]] TDropAnswer UDLImageEndDrag(const TBeamLayout& layout, const TDropTarget& target);

// A whole gesture as the drag controller runs it: start, one drag-over at the release point, and the end
// of drag with that target if it accepted, else with none.
[[nodiscard]] TDropAnswer DragAndDrop(const TBeamLayout& layout, const TDragSource& source,
                                      const TDropTarget& target);

// UDLComponentClick: lays the UDL out between the supports with the spin edit's intensity; Recalculate
// follows, and the UDL tools are disabled (the UDL is always shown afterwards).
[[nodiscard]] TBeamLayout PutUDLOn(const TBeamLayout& layout, int intensity);

// The right-button length change of the UDL, possible on a cantilever with the UDL on it only;
// StartUDLResize sets ResizingUDL then and leaves the layout alone otherwise.
[[nodiscard]] bool CanResizeUDL(const TBeamLayout& layout);
[[nodiscard]] TBeamLayout StartUDLResize(const TBeamLayout& layout);
// The length the popup shows while resizing with the end at picture x: (PixelToStation(x) - start) x 10 mm.
[[nodiscard]] std::string UDLLengthText(const TBeamLayout& layout, int endX);
// FinishUDLResize(x): the release of a length change at picture x, with the UDL spin edit's value.
[[nodiscard]] TDropAnswer FinishUDLResize(const TBeamLayout& layout, int x, int intensity);

// The dial gauge: its stylus is 18 pixels right of its picture's left edge, and it stays on the beam.
inline constexpr int GaugeStylusOffset = 18;
struct TGaugeMove {
    int Left = 0;                // the gauge picture's new left edge, 70..423
    int Station = 0;             // PixelToStation(Left + 18)
    bool StationChanged = false; // the popup and the readout follow; GaugeStation is updated in Layout
    TBeamLayout Layout;
};
// A move while dragging: the picture at gaugeLeft, the mouse at x in gauge coordinates, grabbed at
// GaugeGrabX.
[[nodiscard]] TGaugeMove DragGauge(const TBeamLayout& layout, int gaugeLeft, int x);
// The release: the gauge snaps to its station; the live meter centres on the returned x (the stylus).
[[nodiscard]] inline int GaugeSnapLeft(const TBeamLayout& layout) {
    return StationX[layout.GaugeStation] - GaugeStylusOffset;
}
