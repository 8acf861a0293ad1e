#pragma once
// The beam's cross-sections and materials, without widgets.
//
// All eight sections have nearly the same area (about 60.6 mm^2): the same quantity of material arranged in
// different shapes, so the student sees how the shape alone changes the stiffness EI. The catalogue holds
// the properties as stored 32-bit values; the flat bar's are recomputed from its two editable dimensions.
//
// Second moment of area of a rectangle b wide and h deep about its own centroidal axis: I = b h^3 / 12.
// Shapes made of rectangles add each part's I and its area times the square of its centroid's distance from
// the section's neutral axis (parallel-axis theorem); the neutral axis passes through the centroid of the
// whole area. Units here: mm, mm^2, and the second moment in units of 10^-9 m^4, which equal 10^3 mm^4.

#include <QString>
#include <array>
#include <vector>

struct TSectionRecord {
    const char* PictureName; // the dimensioned drawing
    int PictureTop;          // where the drawing sits in the tool box, pixels
    int PictureLeft;
    float NeutralAxisY; // depth of the neutral axis below the top face, mm
    float SecondMoment; // about the neutral axis, 10^-9 m^4
    float Area;         // mm^2
};

inline constexpr int SectionCount = 8;
inline constexpr int FlatSectionIndex = 0;

inline constexpr std::array<TSectionRecord, SectionCount> SectionCatalogue = {{
    {"DimFlat", 121, 41, 1.59f, 0.051f, 60.58f},
    {"DimUpright", 111, 75, 9.525f, 1.832f, 60.58f},
    {"DimT", 107, 61, 7.97f, 0.741f, 60.64f},
    {"DimH", 103, 45, 6.0f, 0.546f, 60.61f},
    {"DimI", 104, 44, 6.0f, 1.256f, 60.61f},
    {"DimU", 102, 45, 7.29f, 0.841f, 60.61f},
    {"DimBox", 104, 42, 5.0f, 0.704f, 60.56f},
    {"DimCircle", 110, 54, 6.0f, 0.798f, 60.54f},
}};

inline constexpr std::array<const char*, SectionCount> SectionNames = {
    QT_TRANSLATE_NOOP("Sections", "Flat section"),       QT_TRANSLATE_NOOP("Sections", "Upright section"),
    QT_TRANSLATE_NOOP("Sections", "Inverted T section"), QT_TRANSLATE_NOOP("Sections", "H section"),
    QT_TRANSLATE_NOOP("Sections", "I section"),          QT_TRANSLATE_NOOP("Sections", "U section"),
    QT_TRANSLATE_NOOP("Sections", "Box section"),        QT_TRANSLATE_NOOP("Sections", "Circular section")};

inline constexpr std::array<const char*, SectionCount> SectionIcons = {
    "FlatSection", "UprightSection", "InvertedT",  "HSection",
    "ISection",    "USection",       "BoxSection", "RingSection"};

// The flat bar's drawing without numbers: its two dimensions are edit boxes placed on it.
inline constexpr const char* FlatDrawingWithoutDimensions = "NoDimFlat";

// Young's moduli in Pa, indexed like the material list; the last entry is the user's own value.
inline constexpr int MaterialCount = 4;
inline constexpr int OtherMaterial = 3;
inline constexpr std::array<float, MaterialCount> DefaultMaterialModuli = {6.9e10f, 2.07e11f, 1.05e11f,
                                                                           6.9e10f};
// The spaces line the numbers up in the list's proportional font.
inline constexpr std::array<const char*, MaterialCount> MaterialItemTexts = {
    QT_TRANSLATE_NOOP("Sections", "Aluminium:   69 GPa"),
    QT_TRANSLATE_NOOP("Sections", "Steel:          207 GPa"),
    QT_TRANSLATE_NOOP("Sections", "Brass:         105 GPa"),
    QT_TRANSLATE_NOOP("Sections", "Other material (GPa):")};

// The materials' names as a row, a file and a report give them (the list's texts carry the moduli too).
inline constexpr std::array<const char*, MaterialCount> MaterialNames = {
    QT_TRANSLATE_NOOP("Sections", "Aluminium"), QT_TRANSLATE_NOOP("Sections", "Steel"),
    QT_TRANSLATE_NOOP("Sections", "Brass"), QT_TRANSLATE_NOOP("Sections", "Other material")};

// The user's own modulus, GPa.
inline constexpr double OtherModulusMinGPa = 1.0;
inline constexpr double OtherModulusMaxGPa = 500.0;

// The flat bar's editable dimensions, mm, both limits inclusive.
inline constexpr double FlatWidthMin = 17.0, FlatWidthMax = 21.0, FlatWidthStart = 19.05;
inline constexpr double FlatThicknessMin = 2.8, FlatThicknessMax = 3.5, FlatThicknessStart = 3.18;

// A flat bar w wide and t thick, bending about its horizontal centre line:
// neutral axis t/2 below the top, area w t, second moment w t^3 / 12 mm^4 = w t^3 / 12 / 1000 x 10^-9 m^4.
struct TFlatSectionProperties {
    double NeutralAxisY;
    double Area;
    float SecondMoment; // 10^-9 m^4, held as a 32-bit float
};
[[nodiscard]] TFlatSectionProperties FlatSectionProperties(double width, double thickness);
[[nodiscard]] bool FlatDimensionsInRange(double width, double thickness);

// 10^-9 m^4 to m^4, the theory's unit, as a 32-bit float.
[[nodiscard]] float SecondMomentToM4(float secondMoment);
// A confirmed "other" modulus in GPa, brought into 1..500 (a value that is not a number counts as 1), so the
// theory never divides by a zero or negative stiffness.
[[nodiscard]] double ConfirmedOtherModulusGPa(double gpa);
// GPa to Pa as a 32-bit float.
[[nodiscard]] float ModulusFromGPa(double gpa);

// The texts of the section-properties display.
[[nodiscard]] QString NeutralAxisText(double y);
[[nodiscard]] QString MomentOfAreaText(double secondMoment);
// The catalogue writes the area in general form (60.58), the flat bar with two decimals.
[[nodiscard]] QString CatalogueAreaText(double area);
[[nodiscard]] QString FlatAreaText(double area);
[[nodiscard]] QString OtherMaterialItemText(double gpa);
// The power of ten shown after the second moment: "-9" in m^4, "3" in mm^4 (the number does not change,
// because 1 x 10^-9 m^4 = 1 x 10^3 mm^4).
[[nodiscard]] QString PowerOfTenText(bool metreUnits);

// The section and material chosen in the tool box: the set-up's vocabulary, shared by the window, the
// record, the files and the exports.
struct TSectionChoice {
    int Section = FlatSectionIndex;    // index into SectionCatalogue
    double FlatWidth = FlatWidthStart; // mm, the flat bar's accepted dimensions
    double FlatThickness = FlatThicknessStart;
    int Material = 0;              // index into the material list
    double OtherModulusGPa = 69.0; // the user's own modulus, used when Material == OtherMaterial
    bool operator==(const TSectionChoice&) const = default;
};

// Young's modulus in Pa and the second moment in m^4 the theory uses for a choice (32-bit, as the theory
// holds them).
[[nodiscard]] float ChoiceModulusE(const TSectionChoice& choice);
[[nodiscard]] float ChoiceSecondMomentI(const TSectionChoice& choice);
// The modulus as the material list states it, GPa (69 for aluminium, not the float's 69.0000036).
[[nodiscard]] double ChoiceModulusGPa(const TSectionChoice& choice);
// "Aluminium", "Steel", "Brass", "Other material"; empty for an index outside the list.
[[nodiscard]] QString MaterialName(int material);
// "Flat section", ...; empty for an index outside the catalogue.
[[nodiscard]] QString SectionName(int section);

// The solid parts of a section as rectangles in mm, x to the right from the left edge, y down from the top
// face; the box section lists its hole separately and the ring is given by its diameters. The drawings are
// made from these shapes.
struct TRectMm {
    double X, Y, W, H;
};
struct TSectionShape {
    std::vector<TRectMm> Solid;
    std::vector<TRectMm> Holes;
    double OuterDiameter = 0.0; // ring only
    double InnerDiameter = 0.0;
    double Width = 0.0; // overall
    double Height = 0.0;
};
[[nodiscard]] TSectionShape SectionShape(int index);
