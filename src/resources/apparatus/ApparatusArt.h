#pragma once
// The pictures of the beam apparatus and of the experiment window's tool box and toolbar, drawn in code and
// looked up by resource name, like bitmaps of the program's resources. Every picture has a fixed size (the
// window places it at fixed coordinates); transparent pictures have an alpha channel.
//
// Coordinates that tie the pictures to the apparatus picture "ScreenImage" (752 x 491):
// - the 600 mm beam runs from x 88 (station 0) to x 441 (station 60), its ends reaching x 80 and 449 inside
//   the clamps; its top face is y 138 and its underside y 143, so pieces above it end on y 137 (gauge stylus,
//   UDL arrows, upper clamp jaw) and pieces below it start on y 144 (knife-edge, hanger stirrup, lower jaw);
// - the rule under the beam has a tick at every StationX, a figure every 100 mm;
// - the load diagram's beam line is y 302..303 from x 88 to 441: arrow and UDL tips end on y 301, pivot tips
//   start on y 304, the built-in ends meet it at their row 17;
// - the deflection graph (89..455 x 353..489), its side title (16..80 x 384..441), the tool box (524..741 x
//   7..401) and the readouts under it are covered by controls and left white.

#include <QImage>
#include <QSize>
#include <QString>
#include <array>

struct TApparatusPicture {
    const char* Name;
    QSize Size;
    bool Transparent;
};

// Every picture by name, with its size.
inline constexpr std::array<TApparatusPicture, 30> ApparatusPictures{{
    {"ScreenImage", {752, 491}, false},  // test frame, beam with its scale, load-diagram beam line
    {"LClampImage", {17, 46}, true},     // end clamp holding the left end (beam leaves to the right)
    {"RClampImage", {17, 46}, true},     // end clamp holding the right end (beam leaves to the left)
    {"LeftSupport", {12, 37}, true},     // load diagram: built-in end on the left
    {"RightSupport", {12, 37}, true},    // load diagram: built-in end on the right
    {"KnifeEdge", {25, 26}, true},       // knife-edge support, edge at the top centre (column 12)
    {"Pivot", {10, 24}, true},           // load diagram: pivot triangle, tip at the top centre
    {"LoadHangerImage", {12, 35}, true}, // bare hanger: stirrup at the top, rod below
    {"Gram100Image", {12, 61}, true},    // hanger with slotted masses; rows 11..60 are copied below
    {"Gram200Image", {12, 61}, true},    //   a bare hanger to compose the 12 x 85 picture on the beam
    {"Gram300Image", {12, 61}, true},
    {"Gram400Image", {12, 61}, true},
    {"Gram500Image", {12, 61}, true},
    {"EmptyHangerImage", {12, 61}, true}, // the variable weight's hanger, bare stem under its label
    {"ArrowDownSmall", {10, 32}, true},   // load arrows on the diagram, tip at the bottom row
    {"ArrowDownMed", {10, 44}, true},
    {"ArrowDownLarge", {10, 56}, true},
    {"UDLStrip", {361, 21}, true},       // UDL on the beam, arrows to the beam top; cropped to width
    {"UDL2Strip", {361, 21}, true},      // UDL on the load diagram, arrows to the line at its bottom
    {"DialGaugeImage", {37, 72}, true},  // dial gauge, stylus at column 18 touching the beam top
    {"WeightsBinImage", {45, 45}, true}, // the bin of the tool box
    {"UDLButton", {41, 25}, true},       // glyph of the tool-box UDL button
    {"GreenLED", {16, 16}, true},
    {"AmberLED", {16, 16}, true},
    {"RedLED", {16, 16}, true},
    {"ToolNew", {23, 23}, true},        // toolbar image 0: new layout
    {"ToolConnect", {23, 23}, true},    // 1: connect to the data unit
    {"ToolDisconnect", {23, 23}, true}, // 2: disconnect
    {"ToolVirtual", {23, 23}, true},    // 3: virtual experiments
    {"ToolRecord", {23, 23}, true},     // 4: record data to table
}};

// The picture of a name in the list above (a null image for any other name), drawn for a screen scale (the
// device pixel ratio of the screen it is shown on: 1, 1.25, 1.5, 2, 3...) from the same drawing code, its
// devicePixelRatio set to the scale; its size in logical pixels is always the one above. Each is drawn once
// per scale and kept.
[[nodiscard]] QImage ApparatusBitmap(const QString& name, qreal scale = 1.0);
