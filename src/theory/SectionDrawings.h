#pragma once
// The pictures of the sections and of the units switch, drawn in code as clean monochrome line drawings:
// the eight 14 x 14 list icons, the dimensioned drawings (outline with a 45-degree section hatch, dimension
// lines with arrowheads and values in mm, the neutral axis as a chain line with its depth Y from the top
// face), the flat bar without numbers for the editable dimensions, and the 19 x 12 "m4"/"mm4" glyphs.
//
// Names: the icons "FlatSection" ... "RingSection", the drawings "DimFlat" ... "DimCircle" and "NoDimFlat",
// and "mUnits", "mmUnits".

#include <QImage>
#include <QRect>
#include <QSize>
#include <QString>
#include <vector>

// The named picture, or a null image for an unknown name.
[[nodiscard]] QImage SectionBitmap(const QString& name);
// A dimensioned drawing taken apart, to check that it reads at 100 %: the picture without its texts, the
// box each text is written in, and the box of each dimension's line with its arrowheads.
struct TDrawingParts {
    QImage Lines;
    std::vector<QRect> Texts;
    std::vector<QRect> Dimensions;
};
[[nodiscard]] TDrawingParts SectionDrawingParts(const QString& name);
// The size the named picture is drawn at (an empty size for an unknown name).
[[nodiscard]] QSize SectionBitmapSize(const QString& name);

// Where the flat bar's edit boxes go on "NoDimFlat": the centre of the width's dimension line and the middle
// of the thickness's dimension line, in picture pixels.
inline constexpr int NoDimFlatWidthLineCentreX = 46;
inline constexpr int NoDimFlatWidthLineY = 36;
inline constexpr int NoDimFlatThicknessLineX = 96;
inline constexpr int NoDimFlatBarMiddleY = 14;
