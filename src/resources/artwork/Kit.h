#pragma once
// The drawing kit of the artwork: the parts every apparatus picture is built from (test frame, beams,
// supports, load hangers, gauges, load cells, diagrams), drawn in the picture's world coordinates. A scene is
// drawn once in a 700 x 500 world and scaled to each size; pens never get thinner than about a pixel, so the
// small button pictures stay crisp.

#include <QColor>
#include <QPainter>
#include <QPainterPath>
#include <QPointF>
#include <QRectF>
#include <QString>
#include <vector>

namespace Art {

inline constexpr double WorldWidth = 700, WorldHeight = 500;

namespace Colour {
inline const QColor Ink(0x26, 0x2f, 0x3a);
inline const QColor Steel(0xb9, 0xc3, 0xcd);
inline const QColor SteelDark(0x7d, 0x8a, 0x97);
inline const QColor Frame(0x5d, 0x6b, 0x7a);
inline const QColor FrameLight(0x8e, 0x9c, 0xab);
inline const QColor Brass(0xc8, 0xa2, 0x4a);
inline const QColor Mass(0x4a, 0x55, 0x62);
inline const QColor Accent(0x1f, 0x6f, 0xb2);
inline const QColor Load(0xc0, 0x39, 0x2b);
inline const QColor Diagram(0x1f, 0x6f, 0xb2, 0x50);
inline const QColor Tension(0x1f, 0x6f, 0xb2);
inline const QColor Compression(0xc0, 0x39, 0x2b);
inline const QColor Display(0x1d, 0x2a, 0x22);
inline const QColor Digits(0x7c, 0xf0, 0x9a);
} // namespace Colour

class TKit {
public:
    // scale: device pixels per world unit; detailed: false for the small button pictures (no text).
    TKit(QPainter& painter, double scale, bool detailed);

    QPainter& P;
    const double Scale;
    const bool Detailed;

    // A pen of the given world width, never thinner than minimumPixels on the device.
    [[nodiscard]] QPen Pen(const QColor& colour, double width, double minimumPixels = 1.0) const;

    void Background();
    // The test frame every module mounts in: base, two uprights and optionally the top rail.
    void TestFrame(bool topRail = false);
    void Pedestal(double x, double top, double bottom = 450);
    void Beam(double x1, double x2, double y, double depth = 12);
    void Bar(QPointF a, QPointF b, double width, const QColor& fill = Colour::Steel);
    void KnifeEdge(double x, double y); // edge at (x, y)
    void Pin(double x, double y);       // pin support, pin centre at (x, y)
    void Roller(double x, double y);    // roller support, contact at (x, y)
    void Joint(QPointF centre, double radius = 7);
    void Clamp(double x, double y, bool facingRight, double height = 60);
    void Hatching(QRectF area);
    // A hanger hooked at (x, y) with a stack of slotted masses.
    void Hanger(double x, double y, int masses, double rod = 70);
    void DialGauge(QPointF face, double radius, QPointF tip);
    void LoadCell(QRectF box);
    void Readout(QRectF box, const QString& digits);
    void Pulley(QPointF centre, double radius);
    void Cord(const std::vector<QPointF>& points);
    void Arrow(QPointF from, QPointF to, const QColor& colour = Colour::Load, double width = 3);
    // Filled between the base line and the curve.
    void Diagram(double y0, const std::vector<QPointF>& points, const QColor& colour = Colour::Accent);
    // An arrow along a circular arc (angles in degrees, counter-clockwise from 3 o'clock, as QPainter's):
    // a moment or a rotation.
    void CurvedArrow(QPointF centre, double radius, double startDegrees, double spanDegrees,
                     const QColor& colour = Colour::Load, double width = 3);
    void Dashed(const QPainterPath& path, const QColor& colour = Colour::Accent);
    void StrainGauge(QPointF centre, double angleDegrees);
    void Label(QPointF at, const QString& text, int pixelSize = 13, bool bold = false,
               Qt::Alignment align = Qt::AlignLeft);
    void Leader(QPointF from, QPointF to, const QString& text); // a callout line with its text
    void Inset(QRectF box, const QString& title);
};

} // namespace Art
