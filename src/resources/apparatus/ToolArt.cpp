// The tool box's bin and UDL glyph, the link lamps and the five toolbar images. Small pictures read at a
// glance, so each has one idea, drawn anti-aliased on half-pixel coordinates to keep its lines crisp.

#include "ApparatusDrawing.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

namespace ApparatusArt {

namespace {

QPen Line(const QColor& colour, double width = 1.0) {
    QPen pen(colour, width);
    pen.setJoinStyle(Qt::MiterJoin);
    pen.setCapStyle(Qt::SquareCap);
    return pen;
}

// A pedal bin seen from the front: lid with its handle, a tapered ribbed body, a foot.
void Bin(QPainter& p) {
    QLinearGradient body(8, 0, 37, 0);
    body.setColorAt(0, Colour::SteelLight);
    body.setColorAt(0.35, Colour::Steel);
    body.setColorAt(1, Colour::SteelDark);
    QPainterPath shape;
    shape.moveTo(9.5, 13.5);
    shape.lineTo(35.5, 13.5);
    shape.lineTo(32.5, 41.5);
    shape.lineTo(12.5, 41.5);
    shape.closeSubpath();
    p.setPen(Line(Colour::Ink));
    p.setBrush(body);
    p.drawPath(shape);
    p.setPen(Line(Colour::SteelDark));
    for (const double x : {16.5, 22.5, 28.5})
        p.drawLine(QPointF(x + (x - 22.5) * 0.08, 17.5), QPointF(x - (x - 22.5) * 0.02, 38.5));
    p.setPen(Line(Colour::Ink));
    p.setBrush(Colour::Frame);
    p.drawRect(QRectF(11.5, 41.5, 22, 2));
    QLinearGradient lid(0, 8, 0, 13);
    lid.setColorAt(0, Colour::FrameLight);
    lid.setColorAt(1, Colour::Frame);
    p.setBrush(lid);
    p.drawRoundedRect(QRectF(6.5, 8.5, 32, 5), 1.5, 1.5);
    p.setBrush(Qt::NoBrush);
    p.setPen(Line(Colour::Ink, 2));
    p.drawLine(QPointF(18, 8), QPointF(18, 5));
    p.drawLine(QPointF(18, 5), QPointF(27, 5));
    p.drawLine(QPointF(27, 5), QPointF(27, 8));
}

// The tool-box UDL button: a beam on two supports under a row of load arrows.
void UDLGlyph(TPixels& px) {
    px.Bar(3, 16, 37, 19, Colour::SteelLight, Colour::SteelDark, Colour::Ink);
    px.HLine(5, 35, 3, Colour::LoadDark);
    px.Rect(5, 4, 35, 5, Colour::Load);
    for (int x = 6; x <= 34; x += 4) {
        px.VLine(x, 6, 12, Colour::Load);
        px.HLine(x - 1, x + 1, 13, Colour::Load);
        px.Dot(x, 14, Colour::Load);
    }
    for (const int x : {7, 33})
        for (int r = 0; r < 4; ++r)
            px.HLine(x - r, x + r, 20 + r, Colour::Ink);
}

void Lamp(QPainter& p, const QColor& colour) {
    const QPointF centre(8, 8);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x3a, 0x42, 0x4c));
    p.drawEllipse(centre, 7.6, 7.6);
    QRadialGradient glass(QPointF(6.2, 6.0), 7.5);
    glass.setColorAt(0, colour.lighter(160));
    glass.setColorAt(0.55, colour);
    glass.setColorAt(1, colour.darker(170));
    p.setBrush(glass);
    p.drawEllipse(centre, 6.2, 6.2);
    p.setBrush(QColor(255, 255, 255, 200));
    p.drawEllipse(QPointF(5.8, 5.2), 2.2, 1.6);
}

void NewSheet(QPainter& p) {
    QPainterPath sheet;
    sheet.moveTo(4.5, 1.5);
    sheet.lineTo(13.5, 1.5);
    sheet.lineTo(18.5, 6.5);
    sheet.lineTo(18.5, 21.5);
    sheet.lineTo(4.5, 21.5);
    sheet.closeSubpath();
    p.setPen(Line(Colour::Ink));
    p.setBrush(Qt::white);
    p.drawPath(sheet);
    QPainterPath fold;
    fold.moveTo(13.5, 1.5);
    fold.lineTo(13.5, 6.5);
    fold.lineTo(18.5, 6.5);
    p.setBrush(Colour::SteelLight);
    p.drawPath(fold);
}

// A plug and a socket on their cables; gap = 0 shows them joined.
void PlugAndSocket(QPainter& p, double gap) {
    const double plugRight = 11.5 - gap / 2, socketLeft = 11.5 + gap / 2;
    p.setPen(Line(Colour::Ink, 2));
    p.drawLine(QPointF(1, 11.5), QPointF(plugRight - 6, 11.5));
    p.drawLine(QPointF(socketLeft + 6, 11.5), QPointF(22, 11.5));
    p.setPen(Line(Colour::Ink));
    // Prongs of the plug (hidden in the socket when joined).
    p.setBrush(Colour::Brass);
    p.drawRect(QRectF(plugRight, 8.5, 3, 1));
    p.drawRect(QRectF(plugRight, 13.5, 3, 1));
    p.setBrush(Colour::Frame);
    p.drawRoundedRect(QRectF(plugRight - 6, 6.5, 6, 10), 1.5, 1.5);
    p.setBrush(Colour::Steel);
    p.drawRoundedRect(QRectF(socketLeft, 5.5, 6, 12), 1.5, 1.5);
}

void Connect(QPainter& p) {
    PlugAndSocket(p, 0);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x2e, 0xa0, 0x4a));
    p.drawEllipse(QPointF(11.5, 20), 2.2, 2.2);
}

void Disconnect(QPainter& p) {
    PlugAndSocket(p, 6);
    p.setPen(Line(Colour::Load, 1.4));
    p.drawLine(QPointF(10, 2.5), QPointF(13, 5.5));
    p.drawLine(QPointF(13, 2.5), QPointF(10, 5.5));
}

// Virtual experiments: a beam on two supports, its deflected shape in blue under a load.
void Virtual(QPainter& p) {
    p.setPen(Line(Colour::Steel, 1));
    p.drawLine(QPointF(2.5, 10.5), QPointF(20.5, 10.5));
    QPainterPath curve;
    curve.moveTo(2.5, 10.5);
    curve.cubicTo(QPointF(7, 16.5), QPointF(16, 16.5), QPointF(20.5, 10.5));
    QPen blue(Colour::Accent, 2);
    blue.setCapStyle(Qt::RoundCap);
    p.setPen(blue);
    p.setBrush(Qt::NoBrush);
    p.drawPath(curve);
    p.setPen(Line(Colour::Ink));
    p.setBrush(Colour::FrameLight);
    for (const double x : {3.5, 19.5})
        p.drawPolygon(QPolygonF{QPointF(x, 12), QPointF(x + 3, 18.5), QPointF(x - 3, 18.5)});
    p.setPen(Qt::NoPen);
    p.setBrush(Colour::Load);
    p.drawRect(QRectF(10.5, 1.5, 2, 6));
    p.drawPolygon(QPolygonF{QPointF(8.5, 7), QPointF(14.5, 7), QPointF(11.5, 11)});
}

// Record data to table: a grid with a shaded header row.
void Table(QPainter& p) {
    const QRectF grid(2.5, 3.5, 18, 16);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawRect(grid);
    p.setBrush(Colour::Accent);
    p.drawRect(QRectF(2.5, 3.5, 18, 4));
    p.setPen(Line(Colour::SteelDark));
    for (const double y : {11.5, 15.5})
        p.drawLine(QPointF(2.5, y), QPointF(20.5, y));
    for (const double x : {8.5, 14.5})
        p.drawLine(QPointF(x, 7.5), QPointF(x, 19.5));
    p.setPen(Line(Colour::Ink));
    p.setBrush(Qt::NoBrush);
    p.drawRect(grid);
}

} // namespace

void DrawTool(QImage& image, const QString& name) {
    if (name == QLatin1String("UDLButton")) {
        TPixels px(image);
        UDLGlyph(px);
        return;
    }
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    if (name == QLatin1String("WeightsBinImage"))
        Bin(p);
    else if (name == QLatin1String("GreenLED"))
        Lamp(p, QColor(0x2e, 0xc0, 0x4f));
    else if (name == QLatin1String("AmberLED"))
        Lamp(p, QColor(0xf0, 0xa0, 0x1e));
    else if (name == QLatin1String("RedLED"))
        Lamp(p, QColor(0xe0, 0x34, 0x28));
    else if (name == QLatin1String("ToolNew"))
        NewSheet(p);
    else if (name == QLatin1String("ToolConnect"))
        Connect(p);
    else if (name == QLatin1String("ToolDisconnect"))
        Disconnect(p);
    else if (name == QLatin1String("ToolVirtual"))
        Virtual(p);
    else if (name == QLatin1String("ToolRecord"))
        Table(p);
}

} // namespace ApparatusArt
