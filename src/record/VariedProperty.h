#pragma once
// The property a series of readings varies (the items of the window's "Select property being varied..."
// list, in its order) and its value for one layout.
//
// Each property's value is read from the layout alone, plus the section and material chosen in the tool
// box (TStiffnessChoice). Positions are stations x 10 mm; loads are grams and their weight in newtons,
// P = m x 0.00980665 N/g. A property that the layout does not define (a hanger position with several
// hangers on the beam, a span on an unsupported beam) gives a message instead of a number.

#include <QString>
#include <array>

#include "model/BeamLayout.h"
#include "theory/Sections.h"

enum class TVariedProperty {
    HangerPosition,
    HangerLoad,
    BeamSpan,
    UDLValue,
    UDLLength,
    GaugePosition,
    Section,
    Material,
    CircularBending,
    Arbitrary
};
inline constexpr int VariedPropertyCount = 10;

// The item texts of the list, in its order.
[[nodiscard]] const std::array<QString, VariedPropertyCount>& VariedPropertyNames();
[[nodiscard]] QString VariedPropertyName(TVariedProperty property);
// The list's item index (-1 for none chosen, which counts as "Arbitrary combination").
[[nodiscard]] TVariedProperty VariedPropertyFromIndex(int index);

// The beam's section and material as the tool box has them.
struct TStiffnessChoice {
    QString SectionName;       // "Flat section"
    QString MaterialName;      // "Aluminium", "Steel", "Brass", "Other material"
    double ModulusGPa = 0;     // E
    double SecondMomentM4 = 0; // I
};

// A row's section and material from the tool box's choice: the names, and E and I as the theory has them.
[[nodiscard]] TStiffnessChoice StiffnessOf(const TSectionChoice& choice);

struct TVariedValue {
    // True when Value is a number that a plot can use as x; Text always describes the value.
    bool Numeric = false;
    double Value = 0.0;
    QString Quantity; // the axis title without the unit: "Hanger load"
    QString Unit;     // "N", "mm", "N/m", "GPa"; empty for texts
    QString Text;     // what the table shows: "300 g (2.94 N)", "250 mm", "Steel, 207 GPa"
    // Set when the layout does not define the property (then Numeric is false and Text says why).
    bool Undefined = false;
    // The hanger load's mass in grams (hanger load and circular bending only).
    int Grams = 0;
};

[[nodiscard]] TVariedValue VariedValue(TVariedProperty property, const TBeamLayout& layout,
                                       const TStiffnessChoice& stiffness);

// The beam's span between its supports in mm: the two knife-edges' distance, the clamp to the prop, the
// whole 600 mm beam for a cantilever or a beam clamped at both ends; -1 when unsupported.
[[nodiscard]] int SpanMm(const TBeamLayout& layout);
// A short text of the whole layout: "Simply supported, span 400 mm; 300 g at 200 mm; UDL 10 N/m over
// 400 mm; gauge at 300 mm".
[[nodiscard]] QString LayoutSummary(const TBeamLayout& layout);
