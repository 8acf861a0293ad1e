#pragma once
// The state of a beam set-up on the 600 mm beam, as plain data. The experiment window draws every picture
// from this model, so an item's picture is shown exactly when the item is present here.
//
// Geometry: 61 stations, 0..60, station i at i x 10 mm from the left end. Picture coordinates are pixels of
// the 752 x 491 apparatus picture, x to the right, y downwards.

#include <array>

inline constexpr int StationCount = 61;
inline constexpr int LastStation = StationCount - 1;

// The x of each station in the apparatus picture: a fixed table (steps of 5 or 6 pixels), not a formula.
inline constexpr std::array<int, StationCount> StationX = {
    88,  94,  100, 106, 111, 117, 123, 129, 135, 141, // 0-9
    147, 153, 159, 164, 170, 176, 182, 188, 194, 200, // 10-19
    206, 212, 217, 223, 229, 235, 241, 247, 253, 259, // 20-29
    265, 270, 276, 282, 288, 294, 300, 306, 312, 318, // 30-39
    323, 329, 335, 341, 347, 353, 359, 365, 371, 377, // 40-49
    382, 388, 394, 400, 406, 412, 418, 424, 429, 435, // 50-59
    441};                                             // 60

// The nearest station to a picture x: Round((x - 88) x 60 / 354), clamped to 0..60. 354 = 441 - 88 + 1,
// which keeps every StationX[i] mapping back to i; the quotient never lands on a half.
[[nodiscard]] int PixelToStation(int x);

// A drop zone, tested with strict inequalities on all four sides.
struct TZone {
    int Left, Top, Right, Bottom;
    [[nodiscard]] constexpr bool Contains(int x, int y) const {
        return Left < x && x < Right && Top < y && y < Bottom;
    }
};
inline constexpr TZone LeftClampZone{61, 105, 111, 197};
inline constexpr TZone RightClampZone{429, 105, 479, 197};
inline constexpr TZone SupportZone{86, 134, 444, 174};
inline constexpr TZone LoadZone{86, 134, 444, 204};

enum class TSupportArrangement { Cantilever, ProppedCantilever, FixedBothEnds, SimplySupported, Unsupported };

// The five tool-box masses; a variable weight may hold any multiple of 10 from 0 to 500.
inline constexpr std::array<int, 5> FixedMasses = {100, 200, 300, 400, 500};
inline constexpr double NewtonsPerGram = 0.00980665;

struct THangerSlot {
    int Mass = -1;         // grams; -1 = empty slot
    bool Variable = false; // a variable weight (its mass label is shown)
    [[nodiscard]] bool Occupied() const { return Mass >= 0; }
};

struct TUDLExtent {
    int Start = 0;
    int End = 0;
};

struct TBeamLayout {
    bool LeftClamp = false;
    bool RightClamp = false;

    bool KnifeEdge1 = false;
    bool KnifeEdge2 = false;
    int KnifeEdge1Station = 0; // kept while the knife-edge is absent
    int KnifeEdge2Station = 0;
    // The smaller and the greater station of the two knife-edges; recomputed only after a knife-edge drop
    // that leaves both present (UpdateKnifeEdgeOrder).
    int LeftKnifeEdgeStation = 0;
    int RightKnifeEdgeStation = 0;

    std::array<THangerSlot, StationCount> HangerSlots{};

    bool UDL = false;
    int UDLStartStation = 0;
    int UDLEndStation = 0;
    int UDLIntensity = 0; // N/m, 1..50, copied from the tool-box spin edit whenever the UDL is laid out

    int GaugeStation = 30;

    // Transient drag state of the editing gestures.
    int SupportDropStation = 0;
    int LoadDropStation = 0;
    bool MovingKnifeEdge1 = false;
    bool MovingKnifeEdge2 = false;
    bool MovingLeftClamp = false;
    bool MovingRightClamp = false;
    bool DraggingGauge = false;
    int GaugeGrabX = 0;
    bool ResizingUDL = false;

    // Loaded: the UDL is present or at least one slot is occupied (a 0 g hanger counts).
    [[nodiscard]] bool Loaded() const;
    [[nodiscard]] TSupportArrangement SupportArrangement() const;
    [[nodiscard]] int KnifeEdgeCount() const { return int(KnifeEdge1) + int(KnifeEdge2); }
    // The station of the prop of a propped cantilever: knife-edge 1 when present, else knife-edge 2.
    [[nodiscard]] int PropStation() const { return KnifeEdge1 ? KnifeEdge1Station : KnifeEdge2Station; }

    // Left = the smaller station, right = the greater (equal stations give left = right).
    void UpdateKnifeEdgeOrder();
    // Lays the UDL out between the current supports with the given intensity and marks it present.
    void PlaceUDL(int intensity);
};

// Where the UDL goes for the current supports, by the first rule that matches: cantilever keeps a shortened
// end once placed; clamp + knife-edge runs to the prop; both clamps and no support run 0..60; two
// knife-edges cover the span only, never the overhangs.
[[nodiscard]] TUDLExtent UDLExtentFor(const TBeamLayout& layout);

// The UDL strip on the apparatus picture: left edge and width in pixels (361 for the whole beam).
[[nodiscard]] inline int UDLImageLeft(int startStation) {
    return StationX[startStation] - 4;
}
[[nodiscard]] inline int UDLImageWidth(int startStation, int endStation) {
    return StationX[endStation] - StationX[startStation] + 8;
}
