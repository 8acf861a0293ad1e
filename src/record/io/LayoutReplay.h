#pragma once
// Rebuilds a beam set-up from a description (an opened experiment file, a journal) by the same gestures a
// student makes with the mouse: every item is dropped through the placement rules, in the one order that
// lets the rules accept every set-up a student can build in any order (LayoutReplay.cpp says why). A
// description the mouse could not build is refused with the rule's own words, or with what could not be
// placed.
//
// Knife-edges are physical items: the description lists their stations, and the first listed becomes
// knife-edge 1. A set-up whose knife-edge 1 was taken away and whose knife-edge 2 stayed comes back with
// the remaining knife-edge as number 1, at the same station (the curve does not depend on the number).

#include <string>

#include "model/BeamLayout.h"

struct TLayoutReplay {
    TBeamLayout Layout;  // the rebuilt layout; a fresh layout when Problem is set
    std::string Problem; // empty: rebuilt; else why it could not be, as a sentence without a full stop
    [[nodiscard]] bool Ok() const { return Problem.empty(); }
};

// `wanted` holds the items to place: clamps, knife-edges present with their stations, the occupied slots,
// the UDL with its intensity and extent, the gauge station. Transient drag state is ignored.
[[nodiscard]] TLayoutReplay ReplayLayout(const TBeamLayout& wanted);

// The items of two layouts agree: clamps, the set of knife-edge stations, every slot's mass and kind, the
// UDL's presence, extent and intensity, the gauge station.
[[nodiscard]] bool SameItems(const TBeamLayout& a, const TBeamLayout& b);
