#pragma once
// Where the pictures of a layout go on the apparatus picture ("ScreenImage", in the panel's coordinates),
// one rule for two users: the experiment window moves its picture controls to these places (ShowLayout),
// and the report paints the same pieces from the layout alone (PaintApparatus), so the printed apparatus is
// the window's without grabbing a widget. The window decides what is shown while a piece is being dragged;
// the painter shows every piece the layout holds, where it was put.
//
// Texts (a hanger's force, a variable weight's grams, the UDL's intensity) are placed from their size:
// the window passes its label's size, the painter the size of the text in the same font.

#include <QFont>
#include <QImage>
#include <QPoint>
#include <QRect>
#include <QString>

#include "model/BeamLayout.h"

class QPainter;

namespace ApparatusPlaces {
// Vertical places of the layout pictures on the apparatus picture and the load diagram.
inline constexpr int ClampTop = 128, DiagramSupportTop = 285;
inline constexpr int LeftClampX = 71, LeftSupportX = 76;
inline constexpr int KnifeEdgeTop = 144, PivotTop = 304;
inline constexpr int HangerTop = 144, HangerWidth = 12, HangerHeight = 85;
inline constexpr int MassLabelBase = 174; // the bottom of the support zone
inline constexpr int DiagramBeamY = 302;  // arrow tips touch the diagram's beam line here
inline constexpr int UDLTop = 123, UDL2Top = 281, UDLLabelTop = 272, UDLHeight = 21;
inline constexpr int GaugeTop = 73, GaugeStylusX = 18;
inline constexpr int MassPictureTop = 11; // rows of a mass picture below the hanger's own top

[[nodiscard]] inline QPoint LeftClamp() {
    return {LeftClampX, ClampTop};
}
[[nodiscard]] inline QPoint RightClamp() {
    return {StationX.back(), ClampTop};
}
[[nodiscard]] inline QPoint LeftSupport() {
    return {LeftSupportX, DiagramSupportTop};
}
[[nodiscard]] inline QPoint RightSupport() {
    return {StationX.back(), DiagramSupportTop};
}
[[nodiscard]] inline QPoint KnifeEdge(int station) {
    return {StationX[station] - 12, KnifeEdgeTop};
}
[[nodiscard]] inline QPoint Pivot(int station) {
    return {StationX[station] - 5, PivotTop};
}
[[nodiscard]] inline QPoint Hanger(int station) {
    return {StationX[station] - 6, HangerTop};
}
[[nodiscard]] inline QPoint Gauge(int station) {
    return {StationX[station] - GaugeStylusX, GaugeTop};
}

// Three neighbouring stations get three different arrow lengths and label heights, so their forces and
// grams never print over each other.
struct TArrowChoice {
    const char* Picture; // ArrowDownSmall, ArrowDownMed or ArrowDownLarge
    int LabelDrop;       // how far below the support zone a variable weight's grams go
};
[[nodiscard]] TArrowChoice ArrowOf(int station);
// The arrow's tip touches the diagram's beam line; the force stands on the arrow.
[[nodiscard]] QPoint Arrow(int station, int arrowHeight);
[[nodiscard]] QPoint ForceLabel(int station, int arrowHeight, int labelHeight);
[[nodiscard]] QPoint MassLabel(int station, int labelWidth);
// The UDL on the beam and on the load diagram (its strip cropped to the load's length), and its intensity
// centred over the diagram's strip.
[[nodiscard]] QRect UDLStrip(int startStation, int endStation);
[[nodiscard]] QRect UDL2Strip(int startStation, int endStation);
[[nodiscard]] QPoint UDLLabel(int startStation, int endStation, int labelWidth);

// The texts on the picture and their fonts.
[[nodiscard]] QString ForceText(int grams);     // newtons, two decimals
[[nodiscard]] QString GramsText(int grams);     // a variable weight's grams
[[nodiscard]] QString UDLText(int newtonsPerM); // "17 N/m"
[[nodiscard]] QFont ForceFont();
[[nodiscard]] QFont GramsFont();
[[nodiscard]] QFont UDLFont();

// The part of the apparatus picture that shows the apparatus and the load diagram: the tool box and the
// deflection graph lie outside it.
inline constexpr QRect ApparatusRegion{6, 40, 518, 296};
} // namespace ApparatusPlaces

// A hanger with its weight composed into one 12 x 85 picture, drawn at the given scale (logical size
// unchanged): the bare hanger, then the masses below it (a variable weight's bare stem).
[[nodiscard]] QImage HangerPicture(int grams, bool variable, qreal scale = 1.0);

// Paints the apparatus picture with every piece of the layout, in the window's stacking order, into the
// painter's coordinates of the whole picture (752 x 491); the pictures are drawn at `scale` (2 for a
// sharp print).
void PaintApparatus(QPainter& painter, const TBeamLayout& layout, qreal scale = 1.0);

// The region of the apparatus picture (ApparatusRegion) as an image, drawn at `scale`.
[[nodiscard]] QImage ApparatusImage(const TBeamLayout& layout, qreal scale = 2.0);
