#pragma once
// Where the experiment window and the laboratory tools' windows go on a screen, as a pure function of the
// screen's available area and the windows' frame sizes (decorations included), so that it is tested for every
// screen a lab has without a window system.
//
// The rules, in order:
// - The experiment window keeps its designed place when it lies whole on the screen; otherwise it goes to the
//   nearest place where it does (a 1366 x 768 screen would cut off its readouts and status bar).
// - A lab window goes on the wider side of the experiment window, narrowed to the room there but never below
//   its own minimum size. When neither side has that room but the screen does, the experiment window moves to
//   the other edge (whole) to make it.
// - Two lab windows share the free side: stacked when the height allows both at their minimum heights, side
//   by side when the width does (the experiment window moved to an edge); otherwise they take one place, the
//   same frame for each, large enough for every one of them (`Shared`): the window shows them there as tabs
//   of one window. None covers the experiment window then.
// - Only on a screen narrower than the experiment window and the smallest lab window together does a lab
//   window overlap the experiment window, at the screen's far edge; none ever runs past an edge.

#include <QRect>
#include <QSize>
#include <vector>

struct TLabWindowSize {
    QSize Minimum;   // the frame at the window's minimum size
    QSize Preferred; // the frame at the size it would like
};

struct TLabArrangement {
    QRect Experiment;       // the experiment window's frame
    std::vector<QRect> Lab; // each lab window's frame, in the order given
    bool Shared = false;    // no room for them apart: every lab window has the same frame
};

inline constexpr int LabWindowGap = 6;

// The frame moved the least distance that puts it whole inside the area (its top-left corner first when it is
// larger than the area).
[[nodiscard]] QRect NearestOnScreen(const QRect& frame, const QRect& area);

[[nodiscard]] TLabArrangement ArrangeLabWindows(const QRect& area, const QRect& experiment,
                                                const std::vector<TLabWindowSize>& lab);
