#pragma once
// The set-up in words, for a screen reader: the supports, the loads, the dial gauge and what the theory
// gives at the gauge and at its largest, e.g. "Simply supported on knife-edges at 100 and 500 mm; 300 g at
// 300 mm; dial gauge at 300 mm; theoretical deflection at the gauge -1.14 mm; largest downward deflection
// -1.14 mm at 300 mm". Deflections read as the window shows them: mm, downward negative, the readout's
// digits. The theory is the one of the last Recalculate of this layout.

#include <QString>

#include "model/BeamLayout.h"

class TBeamTheory;

// The supports alone: "Simply supported on knife-edges at 100 and 500 mm", "Cantilever clamped at the left
// end", "No supports"...
[[nodiscard]] QString DescribeSupports(const TBeamLayout& layout);
// The supports, the loads and the gauge, without the theory: "Simply supported on knife-edges at 100 and
// 500 mm; 300 g at 300 mm; dial gauge at 300 mm".
[[nodiscard]] QString DescribeLayout(const TBeamLayout& layout);
// The whole set-up; the theoretical part only when the beam is loaded and supported.
[[nodiscard]] QString DescribeSetup(const TBeamLayout& layout, const TBeamTheory& theory);
