#include "Kit.h"

#include <QLinearGradient>
#include <QRadialGradient>
#include <QtMath>
#include <algorithm>

namespace Art {

TKit::TKit(QPainter& painter, double scale, bool detailed) : P(painter), Scale(scale), Detailed(detailed) {
    P.setRenderHint(QPainter::Antialiasing);
    P.setRenderHint(QPainter::TextAntialiasing);
    P.setRenderHint(QPainter::SmoothPixmapTransform);
}

QPen TKit::Pen(const QColor& colour, double width, double minimumPixels) const {
    QPen pen(colour, std::max(width, minimumPixels / Scale));
    pen.setJoinStyle(Qt::RoundJoin);
    pen.setCapStyle(Qt::RoundCap);
    return pen;
}

void TKit::Background() {
    QLinearGradient sky(0, 0, 0, WorldHeight);
    sky.setColorAt(0, QColor(0xfb, 0xfc, 0xfe));
    sky.setColorAt(1, QColor(0xe3, 0xe9, 0xf0));
    P.fillRect(QRectF(-40, 0, WorldWidth + 80, WorldHeight), sky);
    if (Detailed) {
        // A faint drawing-office grid.
        P.setPen(Pen(QColor(0xd5, 0xde, 0xe8), 0.6, 0.5));
        for (double x = -25; x <= WorldWidth + 25; x += 25)
            P.drawLine(QPointF(x, 0), QPointF(x, WorldHeight));
        for (double y = 0; y <= WorldHeight; y += 25)
            P.drawLine(QPointF(-25, y), QPointF(WorldWidth + 25, y));
    }
    QLinearGradient bench(0, 470, 0, WorldHeight);
    bench.setColorAt(0, QColor(0xc9, 0xb8, 0x98));
    bench.setColorAt(1, QColor(0xa8, 0x94, 0x70));
    P.fillRect(QRectF(-40, 470, WorldWidth + 80, 30), bench);
}

void TKit::TestFrame(bool topRail) {
    auto profile = [this](QRectF r, bool vertical) {
        QLinearGradient g(r.topLeft(), vertical ? r.topRight() : r.bottomLeft());
        g.setColorAt(0, Colour::FrameLight);
        g.setColorAt(0.5, Colour::Frame);
        g.setColorAt(1, Colour::FrameLight.darker(130));
        P.setPen(Pen(Colour::Ink, 1.5));
        P.setBrush(g);
        P.drawRect(r);
        // The slot of the extruded section.
        P.setPen(Pen(Colour::Ink.lighter(160), 1.2, 0.6));
        if (vertical)
            P.drawLine(QPointF(r.center().x(), r.top() + 4), QPointF(r.center().x(), r.bottom() - 4));
        else
            P.drawLine(QPointF(r.left() + 4, r.center().y()), QPointF(r.right() - 4, r.center().y()));
    };
    profile(QRectF(20, 448, 660, 22), false);
    profile(QRectF(32, 50, 20, 398), true);
    profile(QRectF(648, 50, 20, 398), true);
    if (topRail) profile(QRectF(32, 40, 636, 20), false);
    P.setPen(Pen(Colour::Ink, 1.5));
    P.setBrush(Colour::Ink.lighter(140));
    P.drawRect(QRectF(24, 468, 40, 6));
    P.drawRect(QRectF(636, 468, 40, 6));
}

void TKit::Pedestal(double x, double top, double bottom) {
    QLinearGradient g(x - 9, 0, x + 9, 0);
    g.setColorAt(0, Colour::FrameLight);
    g.setColorAt(1, Colour::Frame);
    P.setPen(Pen(Colour::Ink, 1.5));
    P.setBrush(g);
    P.drawRect(QRectF(x - 9, top, 18, bottom - top));
    P.drawRect(QRectF(x - 18, bottom - 8, 36, 8));
}

void TKit::Beam(double x1, double x2, double y, double depth) {
    QLinearGradient g(0, y - depth / 2, 0, y + depth / 2);
    g.setColorAt(0, Colour::Steel.lighter(115));
    g.setColorAt(0.45, Colour::Steel);
    g.setColorAt(1, Colour::SteelDark);
    P.setPen(Pen(Colour::Ink, 1.5));
    P.setBrush(g);
    P.drawRect(QRectF(x1, y - depth / 2, x2 - x1, depth));
}

void TKit::Bar(QPointF a, QPointF b, double width, const QColor& fill) {
    P.setPen(Pen(Colour::Ink, width + 3, 2.2));
    P.drawLine(a, b);
    P.setPen(Pen(fill, width, 1.2));
    P.drawLine(a, b);
}

void TKit::KnifeEdge(double x, double y) {
    QPainterPath edge;
    edge.moveTo(x, y);
    edge.lineTo(x + 16, y + 30);
    edge.lineTo(x - 16, y + 30);
    edge.closeSubpath();
    P.setPen(Pen(Colour::Ink, 1.5));
    P.setBrush(Colour::SteelDark);
    P.drawPath(edge);
    P.setBrush(Colour::Frame);
    P.drawRect(QRectF(x - 22, y + 30, 44, 10));
}

void TKit::Pin(double x, double y) {
    QPainterPath body;
    body.moveTo(x, y);
    body.lineTo(x + 18, y + 30);
    body.lineTo(x - 18, y + 30);
    body.closeSubpath();
    P.setPen(Pen(Colour::Ink, 1.5));
    P.setBrush(Colour::FrameLight);
    P.drawPath(body);
    P.setBrush(Colour::Frame);
    P.drawRect(QRectF(x - 24, y + 30, 48, 9));
    Joint(QPointF(x, y), 6);
}

void TKit::Roller(double x, double y) {
    P.setPen(Pen(Colour::Ink, 1.5));
    P.setBrush(Colour::FrameLight);
    P.drawRect(QRectF(x - 18, y, 36, 12));
    P.setBrush(Colour::Steel);
    for (const double dx : {-10.0, 10.0})
        P.drawEllipse(QPointF(x + dx, y + 18), 6, 6);
    P.setBrush(Colour::Frame);
    P.drawRect(QRectF(x - 24, y + 24, 48, 9));
}

void TKit::Joint(QPointF centre, double radius) {
    QRadialGradient g(centre - QPointF(radius / 3, radius / 3), radius * 1.4);
    g.setColorAt(0, Qt::white);
    g.setColorAt(1, Colour::SteelDark);
    P.setPen(Pen(Colour::Ink, 1.5));
    P.setBrush(g);
    P.drawEllipse(centre, radius, radius);
}

void TKit::Hatching(QRectF area) {
    P.save();
    P.setClipRect(area);
    P.setPen(Pen(Colour::Ink, 1.0, 0.6));
    for (double x = area.left() - area.height(); x < area.right(); x += 8)
        P.drawLine(QPointF(x, area.bottom()), QPointF(x + area.height(), area.top()));
    P.restore();
}

void TKit::Clamp(double x, double y, bool facingRight, double height) {
    const double w = 34, dir = facingRight ? 1 : -1;
    const QRectF block(facingRight ? x - w : x, y - height / 2, w, height);
    QLinearGradient g(block.topLeft(), block.topRight());
    g.setColorAt(0, Colour::FrameLight);
    g.setColorAt(1, Colour::Frame);
    P.setPen(Pen(Colour::Ink, 1.5));
    P.setBrush(g);
    P.drawRect(block);
    // Jaw plates above and below the beam, and the clamping screw.
    P.setBrush(Colour::SteelDark);
    P.drawRect(QRectF(facingRight ? x : x - 22, y - 16, 22, 8));
    P.drawRect(QRectF(facingRight ? x : x - 22, y + 8, 22, 8));
    P.setPen(Pen(Colour::Ink, 3));
    P.drawLine(QPointF(x + dir * 11, y - 16), QPointF(x + dir * 11, y - 34));
    P.drawLine(QPointF(x + dir * 3, y - 34), QPointF(x + dir * 19, y - 34));
}

void TKit::Hanger(double x, double y, int masses, double rod) {
    P.setPen(Pen(Colour::Ink, 2.2));
    P.setBrush(Qt::NoBrush);
    // The hook over the beam.
    QPainterPath hook;
    hook.moveTo(x, y + 14);
    hook.lineTo(x, y - 6);
    hook.arcTo(QRectF(x - 6, y - 12, 12, 12), 180, -180);
    hook.lineTo(x + 6, y);
    P.drawPath(hook);
    P.drawLine(QPointF(x, y + 14), QPointF(x, y + rod));
    // Base plate and slotted masses.
    const double top = y + rod;
    P.setPen(Pen(Colour::Ink, 1.3));
    P.setBrush(Colour::Frame);
    P.drawRect(QRectF(x - 18, top, 36, 5));
    for (int i = 0; i < masses; ++i) {
        const QRectF disc(x - 22, top - 11 - 11.0 * i, 44, 10);
        QLinearGradient g(disc.topLeft(), disc.topRight());
        g.setColorAt(0, Colour::Brass.lighter(125));
        g.setColorAt(0.5, Colour::Brass);
        g.setColorAt(1, Colour::Brass.darker(140));
        P.setBrush(g);
        P.drawRoundedRect(disc, 2, 2);
    }
}

void TKit::DialGauge(QPointF face, double radius, QPointF tip) {
    // Stem and plunger to the measuring point.
    P.setPen(Pen(Colour::Ink, 1.5));
    P.setBrush(Colour::Steel);
    const QLineF stem(face, tip);
    const QPointF unit = stem.length() > 0 ? (tip - face) / stem.length() : QPointF(0, 1);
    const QPointF normal(-unit.y(), unit.x());
    QPolygonF sleeve{face + normal * 5, tip + normal * 2.5, tip - normal * 2.5, face - normal * 5};
    P.drawPolygon(sleeve);
    QRadialGradient bezel(face, radius);
    bezel.setColorAt(0.85, Colour::SteelDark);
    bezel.setColorAt(1, Colour::Ink);
    P.setBrush(bezel);
    P.drawEllipse(face, radius, radius);
    P.setBrush(Qt::white);
    P.drawEllipse(face, radius * 0.82, radius * 0.82);
    P.setPen(Pen(Colour::Ink, radius / 30, 0.5));
    for (int i = 0; i < 50; ++i) {
        const double a = qDegreesToRadians(i * 7.2);
        const double inner = i % 5 == 0 ? 0.62 : 0.7;
        P.drawLine(face + QPointF(std::sin(a), -std::cos(a)) * radius * inner,
                   face + QPointF(std::sin(a), -std::cos(a)) * radius * 0.78);
    }
    P.setPen(Pen(Colour::Load, radius / 14, 1.0));
    const double needle = qDegreesToRadians(118.0);
    P.drawLine(face, face + QPointF(std::sin(needle), -std::cos(needle)) * radius * 0.7);
    P.setPen(Pen(Colour::Ink, 1));
    P.setBrush(Colour::Ink);
    P.drawEllipse(face, radius * 0.07, radius * 0.07);
}

void TKit::LoadCell(QRectF box) {
    QLinearGradient g(box.topLeft(), box.bottomLeft());
    g.setColorAt(0, QColor(0xe8, 0xec, 0xf0));
    g.setColorAt(1, QColor(0x9b, 0xa7, 0xb3));
    P.setPen(Pen(Colour::Ink, 1.5));
    P.setBrush(g);
    P.drawRoundedRect(box, 3, 3);
    P.setPen(Pen(Colour::Accent, 2, 0.8));
    P.drawLine(QPointF(box.left() + 5, box.center().y()), QPointF(box.right() - 5, box.center().y()));
}

void TKit::Readout(QRectF box, const QString& digits) {
    P.setPen(Pen(Colour::Ink, 1.5));
    P.setBrush(QColor(0x3b, 0x45, 0x50));
    P.drawRoundedRect(box, 4, 4);
    const QRectF screen = box.adjusted(6, 6, -6, -6);
    P.setBrush(Colour::Display);
    P.drawRect(screen);
    if (Detailed) {
        QFont font(QStringLiteral("DejaVu Sans Mono"));
        font.setPixelSize(int(screen.height() * 0.75));
        font.setBold(true);
        P.setFont(font);
        P.setPen(Colour::Digits);
        P.drawText(screen, Qt::AlignCenter, digits);
    } else {
        P.setPen(Pen(Colour::Digits, 3, 1.2));
        P.drawLine(QPointF(screen.left() + 5, screen.center().y()),
                   QPointF(screen.right() - 5, screen.center().y()));
    }
}

void TKit::Pulley(QPointF centre, double radius) {
    QRadialGradient g(centre, radius);
    g.setColorAt(0, Colour::Steel.lighter(120));
    g.setColorAt(1, Colour::SteelDark);
    P.setPen(Pen(Colour::Ink, 1.5));
    P.setBrush(g);
    P.drawEllipse(centre, radius, radius);
    P.setBrush(Colour::Ink);
    P.drawEllipse(centre, radius * 0.2, radius * 0.2);
}

void TKit::Cord(const std::vector<QPointF>& points) {
    P.setPen(Pen(QColor(0x55, 0x44, 0x33), 1.8));
    P.setBrush(Qt::NoBrush);
    for (std::size_t i = 1; i < points.size(); ++i)
        P.drawLine(points[i - 1], points[i]);
}

void TKit::Arrow(QPointF from, QPointF to, const QColor& colour, double width) {
    const QLineF line(from, to);
    if (line.length() <= 0) return;
    const QPointF unit = (to - from) / line.length();
    const QPointF normal(-unit.y(), unit.x());
    const double head = std::max(width * 4.0, 4.5 / Scale);
    P.setPen(Pen(colour, width, 1.3));
    P.drawLine(from, to - unit * head * 0.8);
    P.setPen(Qt::NoPen);
    P.setBrush(colour);
    P.drawPolygon(
        QPolygonF{to, to - unit * head + normal * head * 0.45, to - unit * head - normal * head * 0.45});
}

void TKit::Diagram(double y0, const std::vector<QPointF>& points, const QColor& colour) {
    if (points.empty()) return;
    QColor fill = colour;
    fill.setAlpha(0x50);
    QPainterPath area;
    area.moveTo(points.front().x(), y0);
    for (const QPointF& p : points)
        area.lineTo(p);
    area.lineTo(points.back().x(), y0);
    area.closeSubpath();
    P.setPen(Qt::NoPen);
    P.setBrush(fill);
    P.drawPath(area);
    P.setPen(Pen(colour, 2));
    P.setBrush(Qt::NoBrush);
    QPainterPath curve;
    curve.moveTo(points.front());
    for (const QPointF& p : points)
        curve.lineTo(p);
    P.drawPath(curve);
    P.setPen(Pen(Colour::Ink, 1.2));
    P.drawLine(QPointF(points.front().x(), y0), QPointF(points.back().x(), y0));
}

void TKit::CurvedArrow(QPointF centre, double radius, double startDegrees, double spanDegrees,
                       const QColor& colour, double width) {
    const QRectF box(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius);
    const double head = std::max(width * 4.0, 4.5 / Scale);
    // Leave room for the head at the end of the arc.
    const double headDegrees = qRadiansToDegrees(head * 0.8 / radius) * (spanDegrees < 0 ? -1 : 1);
    QPainterPath arc;
    arc.arcMoveTo(box, startDegrees);
    arc.arcTo(box, startDegrees, spanDegrees - headDegrees);
    P.setPen(Pen(colour, width, 1.3));
    P.setBrush(Qt::NoBrush);
    P.drawPath(arc);
    // The head points along the arc's tangent at its end.
    const double end = qDegreesToRadians(startDegrees + spanDegrees);
    const QPointF tip = centre + QPointF(std::cos(end), -std::sin(end)) * radius;
    const double sense = spanDegrees < 0 ? -1 : 1;
    const QPointF along(-std::sin(end) * sense, -std::cos(end) * sense); // direction of travel at the tip
    const QPointF normal(-along.y(), along.x());
    P.setPen(Qt::NoPen);
    P.setBrush(colour);
    P.drawPolygon(
        QPolygonF{tip, tip - along * head + normal * head * 0.45, tip - along * head - normal * head * 0.45});
}

void TKit::Dashed(const QPainterPath& path, const QColor& colour) {
    QPen pen = Pen(colour, 2, 1.0);
    pen.setDashPattern({4, 3});
    P.setPen(pen);
    P.setBrush(Qt::NoBrush);
    P.drawPath(path);
}

void TKit::StrainGauge(QPointF centre, double angleDegrees) {
    P.save();
    P.translate(centre);
    P.rotate(angleDegrees);
    P.setPen(Pen(Colour::Ink, 0.8, 0.5));
    P.setBrush(QColor(0xe0, 0x9a, 0x3a));
    P.drawRect(QRectF(-9, -4, 18, 8));
    P.setPen(Pen(Colour::Ink, 0.6, 0.4));
    for (double x = -6; x <= 6; x += 3)
        P.drawLine(QPointF(x, -3), QPointF(x, 3));
    P.restore();
}

void TKit::Label(QPointF at, const QString& text, int pixelSize, bool bold, Qt::Alignment align) {
    if (!Detailed) return;
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    P.setFont(font);
    P.setPen(Colour::Ink);
    const QFontMetricsF metrics(font);
    const double width = metrics.horizontalAdvance(text);
    double x = at.x();
    if (align & Qt::AlignHCenter)
        x -= width / 2;
    else if (align & Qt::AlignRight)
        x -= width;
    P.drawText(QPointF(x, at.y()), text);
}

void TKit::Leader(QPointF from, QPointF to, const QString& text) {
    if (!Detailed) return;
    P.setPen(Pen(Colour::Ink.lighter(150), 1));
    P.drawLine(from, to);
    P.setBrush(Colour::Ink);
    P.drawEllipse(from, 2, 2);
    const bool right = to.x() >= from.x();
    Label(QPointF(to.x() + (right ? 4 : -4), to.y() + 4), text, 12, false,
          right ? Qt::AlignLeft : Qt::AlignRight);
}

void TKit::Inset(QRectF box, const QString& title) {
    P.setPen(Pen(QColor(0xa9, 0xb6, 0xc4), 1.2));
    P.setBrush(QColor(255, 255, 255, 215));
    P.drawRoundedRect(box, 6, 6);
    Label(box.topLeft() + QPointF(8, 16), title, 12, true);
}

} // namespace Art
