#pragma once
// Words about the diagrams' numbers: the worked solution a teacher would hand out (simple rich text for a
// QTextBrowser), the warning lines, and the places of an extreme. The numbers are all ComputeDiagrams';
// this unit only writes them, in the locale's form (QLocale()).
//
// The worked solution states its conventions once at the top, uses one symbol for one meaning (x for a
// position from the beam's left end, a for a load's distance from the left clamp, c for an overhang load's
// arm, d for the gauge's distance out on an overhang, L for a length between supports), shows every unit
// conversion (g to kg, mm to m), derives the indeterminate reactions by compatibility, mentions every load,
// and writes the direction words from the signs.

#include <QString>

#include "theory/Diagrams.h"

// The whole worked solution; for a beam that cannot be drawn, its reason as a paragraph.
[[nodiscard]] QString WorkedSolutionHtml(const TBeamDiagrams& diagrams);

// One warning as one plain sentence ("The beam would lift off knife-edge B: ...").
[[nodiscard]] QString WarningText(const TWarning& warning);

// Where an extreme lies: "at 504 mm", "from 300 to 600 mm", "at 0 mm and 600 mm".
[[nodiscard]] QString ExtremePlacesText(const TExtreme& extreme);

// The conventions in one paragraph of plain text, as the worked solution states them.
[[nodiscard]] QString ConventionsText();
