#pragma once
// The drawing side of the apparatus pictures: the palette, the rows and columns that tie the pieces to the
// apparatus picture, a few pixel-exact painting helpers, and one drawing function per family of pictures.
// The window only sees ApparatusBitmap(); the sheet tool and the benchmark draw through DrawApparatusPicture.

#include <QColor>
#include <QImage>
#include <QString>

namespace ApparatusArt {

namespace Colour {
inline const QColor Ink(0x26, 0x2f, 0x3a);
inline const QColor Steel(0xb9, 0xc3, 0xcd);
inline const QColor SteelLight(0xdf, 0xe5, 0xeb);
inline const QColor SteelDark(0x7d, 0x8a, 0x97);
inline const QColor Frame(0x5d, 0x6b, 0x7a);
inline const QColor FrameLight(0x8e, 0x9c, 0xab);
inline const QColor Brass(0xc8, 0xa2, 0x4a);
inline const QColor BrassLight(0xe6, 0xc8, 0x7a);
inline const QColor BrassDark(0x93, 0x72, 0x2a);
inline const QColor Accent(0x1f, 0x6f, 0xb2);
inline const QColor Load(0xc0, 0x39, 0x2b);
inline const QColor LoadDark(0x8e, 0x24, 0x1a);
inline const QColor Scale(0xf6, 0xf3, 0xe8); // the ivory face of the rule
inline const QColor Faint(0x9a, 0xa6, 0xb2); // captions that must not compete with the controls
} // namespace Colour

// Rows and columns of the apparatus picture (752 x 491) that the pieces meet.
namespace Screen {
inline constexpr int BeamLeft = 80, BeamRight = 449;  // the ends sit inside the clamps
inline constexpr int BeamTop = 138, BeamBottom = 143; // the underside face is y 144, where the supports touch
inline constexpr int RuleTop = 147, RuleBottom = 158, RuleLeft = 83, RuleRight = 445;
inline constexpr int TickTop = RuleTop + 1; // every tick starts on this row, so a tick is always visible here
inline constexpr int RailTop = 169, RailBottom = 175; // the bed rail the knife-edges and clamps stand on
inline constexpr int GaugeRailTop = 61, GaugeRailBottom = 72; // the gauge's carriage runs under it
inline constexpr int BaseTop = 219, BaseBottom = 229;
inline constexpr int DiagramLineY = 302; // the load diagram's beam line, two rows: 302 and 303
} // namespace Screen

// Rows inside the pieces.
inline constexpr int GaugeStylusColumn = 18, GaugeTipRow = 64; // y 137, the row above the beam top
inline constexpr int HangerStemColumn = 6;                     // the station's column in every hanger picture
inline constexpr int MassPlatformRow = 42;                     // in the 12 x 61 mass pictures: rows 42..44
inline constexpr int MassHeight = 4;                           // each slotted mass, stacked on the platform

// Source-over painting of whole pixels, for the crisp parts of the pictures. Coordinates are the picture's
// own (logical) pixels, inclusive and clipped to the image. On an image drawn for a screen scale (its
// devicePixelRatio) a logical pixel covers the device pixels from round(x * scale) to round((x + 1) *
// scale) - 1, so areas stay whole and fills meet without seams; the strokes (Bar's outline, Tick) stay thin
// lines of about half a logical pixel, at least one device pixel, so that at 2x an edge is one sharp device
// pixel and not a doubled one. At 1x every call paints exactly the pixels it always did.
class TPixels {
public:
    explicit TPixels(QImage& image) : Image(image), Scale(image.devicePixelRatio()) {}
    void Dot(int x, int y, const QColor& colour);
    void Rect(int x0, int y0, int x1, int y1, const QColor& colour);
    void HLine(int x0, int x1, int y, const QColor& colour) { Rect(x0, y, x1, y, colour); }
    void VLine(int x, int y0, int y1, const QColor& colour) { Rect(x, y0, x, y1, colour); }
    // A rectangle with a one-pixel outline and a fill shaded across its short side (light to dark).
    void Bar(int x0, int y0, int x1, int y1, const QColor& light, const QColor& dark, const QColor& outline);
    // A vertical stroke (a rule's tick) down the middle of column x.
    void Tick(int x, int y0, int y1, const QColor& colour);
    // A horizontal stroke along the top of row y (a rim over a fill drawn on the same row first).
    void TopEdge(int x0, int x1, int y, const QColor& colour);
    // Text in the small pixel font of the apparatus: digits, "mm" and the letters of the captions.
    void Text(int x, int y, const QString& text, const QColor& colour);
    [[nodiscard]] static int TextWidth(const QString& text);

private:
    // The first device pixel of logical pixel v, and the width of a stroke in device pixels.
    [[nodiscard]] int Device(int v) const;
    [[nodiscard]] int StrokeWidth() const;
    // Source-over of one colour on device pixels x0..x1, y0..y1 (inclusive, clipped).
    void DeviceRect(int x0, int y0, int x1, int y1, const QColor& colour);
    QImage& Image;
    qreal Scale;
};

[[nodiscard]] QColor Mix(const QColor& a, const QColor& b, double t);

// One function per family; each gets a cleared image of the picture's size and its name.
void DrawScreen(QImage& image);
void DrawPiece(QImage& image, const QString& name);
void DrawTool(QImage& image, const QString& name);

// The picture of a name, drawn afresh for a screen scale (a null image for an unknown name): an image of the
// picture's size times the scale, rounded, whose devicePixelRatio is the scale.
[[nodiscard]] QImage DrawApparatusPicture(const QString& name, qreal scale = 1.0);

} // namespace ApparatusArt
