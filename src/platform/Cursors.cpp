#include "Cursors.h"

#include <QDialog>
#include <QGuiApplication>
#include <QPainter>
#include <QPainterPath>
#include <QScreen>
#include <cmath>
#include <map>

namespace {

std::map<TCursorNumber, QCursor>& Registered() {
    static std::map<TCursorNumber, QCursor> table;
    return table;
}

// Numbers registered under a cursor resource that has not been drawn yet: drawn when first asked for.
std::map<TCursorNumber, QString>& Undrawn() {
    static std::map<TCursorNumber, QString> table;
    return table;
}

TCursorNumber Screen = crDefault;

constexpr int Size = 32;

// The scale the cursor being drawn is drawn at: the pixmap has Size x Size logical pixels, and the painter
// draws the same paths in them, so at 2x every edge is drawn on the finer grid, not enlarged.
qreal DrawingScale = 1.0;

QPixmap Blank() {
    const int side = int(std::lround(Size * DrawingScale));
    QPixmap pixmap(side, side);
    pixmap.setDevicePixelRatio(DrawingScale);
    pixmap.fill(Qt::transparent);
    return pixmap;
}

// Every cursor is drawn black on a white outline so that it reads on any background.
void Outlined(QPainter& p, const QPainterPath& path) {
    p.setRenderHint(QPainter::Antialiasing);
    p.strokePath(path, QPen(Qt::white, 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.fillPath(path, Qt::black);
}

void OutlinedStroke(QPainter& p, const QPainterPath& path, qreal width) {
    p.setRenderHint(QPainter::Antialiasing);
    p.strokePath(path, QPen(Qt::white, width + 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.strokePath(path, QPen(Qt::black, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
}

// A hook, a rod and a stack of two slotted masses; the hot spot is the hook, which hangs on the beam.
QCursor WeightHanger() {
    QPixmap pixmap = Blank();
    QPainter p(&pixmap);
    QPainterPath hook;
    hook.moveTo(16, 2);
    hook.arcTo(12, 2, 8, 7, 90, -270);
    OutlinedStroke(p, hook, 1.6);
    QPainterPath rod;
    rod.moveTo(16, 9);
    rod.lineTo(16, 28);
    OutlinedStroke(p, rod, 1.6);
    QPainterPath masses;
    masses.addRect(9, 15, 14, 5);
    masses.addRect(9, 21, 14, 5);
    masses.addRect(6, 27, 20, 3);
    Outlined(p, masses);
    return QCursor(pixmap, 16, 3);
}

// A strip of load arrows under a bar: the distributed load, held by its left end.
QCursor UDL() {
    QPixmap pixmap = Blank();
    QPainter p(&pixmap);
    QPainterPath bar;
    bar.addRect(3, 8, 26, 4);
    Outlined(p, bar);
    QPainterPath arrows;
    for (int x = 5; x <= 27; x += 7) {
        arrows.moveTo(x, 13);
        arrows.lineTo(x, 22);
        arrows.moveTo(x - 3, 19);
        arrows.lineTo(x, 23);
        arrows.lineTo(x + 3, 19);
    }
    OutlinedStroke(p, arrows, 1.4);
    return QCursor(pixmap, 4, 10);
}

// An end clamp: a block with a screw and a jaw.
QCursor Clamp() {
    QPixmap pixmap = Blank();
    QPainter p(&pixmap);
    QPainterPath body;
    body.addRect(6, 6, 8, 22);
    body.addRect(14, 6, 12, 5);
    body.addRect(14, 21, 12, 7);
    Outlined(p, body);
    QPainterPath screw;
    screw.moveTo(20, 1);
    screw.lineTo(20, 17);
    screw.moveTo(16, 1);
    screw.lineTo(24, 1);
    OutlinedStroke(p, screw, 1.6);
    return QCursor(pixmap, 20, 18);
}

// A knife-edge support: a triangle on a foot, the edge up; the hot spot is the edge.
QCursor KnifeEdge() {
    QPixmap pixmap = Blank();
    QPainter p(&pixmap);
    QPainterPath shape;
    shape.moveTo(16, 4);
    shape.lineTo(25, 22);
    shape.lineTo(7, 22);
    shape.closeSubpath();
    shape.addRect(4, 23, 24, 5);
    Outlined(p, shape);
    return QCursor(pixmap, 16, 4);
}

QCursor RoundWeight() {
    QPixmap pixmap = Blank();
    QPainter p(&pixmap);
    QPainterPath disc;
    disc.addEllipse(QPointF(16, 18), 11, 11);
    disc.addEllipse(QPointF(16, 18), 3, 3);
    disc.setFillRule(Qt::OddEvenFill);
    Outlined(p, disc);
    QPainterPath hook;
    hook.moveTo(16, 7);
    hook.lineTo(16, 2);
    OutlinedStroke(p, hook, 1.6);
    return QCursor(pixmap, 16, 2);
}

// A gusset plate with its bolt holes.
QCursor Plate() {
    QPixmap pixmap = Blank();
    QPainter p(&pixmap);
    QPainterPath plate;
    plate.moveTo(4, 26);
    plate.lineTo(16, 5);
    plate.lineTo(28, 26);
    plate.closeSubpath();
    for (const QPointF c : {QPointF(16, 12), QPointF(10, 22), QPointF(22, 22)})
        plate.addEllipse(c, 2, 2);
    plate.setFillRule(Qt::OddEvenFill);
    Outlined(p, plate);
    return QCursor(pixmap, 16, 16);
}

// A frame member: a bar with a pin hole at each end.
QCursor Member() {
    QPixmap pixmap = Blank();
    QPainter p(&pixmap);
    QPainterPath bar;
    bar.moveTo(5, 25);
    bar.lineTo(27, 7);
    QPainterPathStroker stroker;
    stroker.setWidth(6);
    stroker.setCapStyle(Qt::RoundCap);
    QPainterPath member = stroker.createStroke(bar);
    member.addEllipse(QPointF(5, 25), 1.5, 1.5);
    member.addEllipse(QPointF(27, 7), 1.5, 1.5);
    member.setFillRule(Qt::OddEvenFill);
    Outlined(p, member);
    return QCursor(pixmap, 16, 16);
}

// A hand with the index finger up; the fingertip is the hot spot.
QCursor HandPoint() {
    QPixmap pixmap = Blank();
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath hand;
    hand.addRoundedRect(QRectF(10, 2, 5, 16), 2.5, 2.5); // index finger
    hand.addRoundedRect(QRectF(14.5, 11, 4.5, 9), 2.2, 2.2);
    hand.addRoundedRect(QRectF(18.5, 12, 4.5, 9), 2.2, 2.2);
    hand.addRoundedRect(QRectF(22.5, 13, 4.5, 9), 2.2, 2.2);
    hand.addRoundedRect(QRectF(10, 16, 17, 13), 4, 4); // palm
    QPainterPath thumb;
    thumb.moveTo(11, 24);
    thumb.lineTo(5, 17);
    QPainterPathStroker stroker;
    stroker.setWidth(4.5);
    stroker.setCapStyle(Qt::RoundCap);
    hand = hand.united(stroker.createStroke(thumb)).simplified();
    p.strokePath(hand, QPen(Qt::black, 2.2));
    p.fillPath(hand, Qt::white);
    p.strokePath(hand, QPen(Qt::black, 1.1));
    return QCursor(pixmap, 12, 2);
}

QCursor BuiltIn(TCursorNumber number) {
    switch (number) {
    case crHourGlass:
        return QCursor(Qt::WaitCursor);
    case crHandPoint:
        return QCursor(Qt::PointingHandCursor);
    default:
        return QCursor(Qt::ArrowCursor);
    }
}

} // namespace

void RegisterCursor(TCursorNumber number, const QCursor& cursor) {
    Undrawn().erase(number);
    Registered()[number] = cursor;
}

void RegisterCursorResource(TCursorNumber number, const QString& name) {
    Registered().erase(number);
    Undrawn()[number] = name;
}

void DrawRegisteredCursors() {
    while (!Undrawn().empty()) {
        const auto [number, name] = *Undrawn().begin();
        RegisterCursor(number, DrawCursorResource(name));
    }
}

bool IsCursorRegistered(TCursorNumber number) {
    return Registered().count(number) != 0 || Undrawn().count(number) != 0;
}

QCursor CursorByNumber(TCursorNumber number) {
    if (const auto undrawn = Undrawn().find(number); undrawn != Undrawn().end())
        RegisterCursor(number, DrawCursorResource(undrawn->second));
    const auto found = Registered().find(number);
    return found != Registered().end() ? found->second : BuiltIn(number);
}

void SetScreenCursor(TCursorNumber number) {
    if (number == Screen) return;
    const bool wasOverriding = Screen != crDefault;
    Screen = number;
    if (!qGuiApp) return;
    if (number == crDefault) {
        while (QGuiApplication::overrideCursor())
            QGuiApplication::restoreOverrideCursor();
    } else if (wasOverriding && QGuiApplication::overrideCursor()) {
        QGuiApplication::changeOverrideCursor(CursorByNumber(number));
    } else {
        QGuiApplication::setOverrideCursor(CursorByNumber(number));
    }
}

TCursorNumber ScreenCursor() {
    return Screen;
}

QCursor DrawCursorResource(const QString& name) {
    const QScreen* screen = qGuiApp ? QGuiApplication::primaryScreen() : nullptr;
    return DrawCursorResource(name, screen ? screen->devicePixelRatio() : 1.0);
}

QCursor DrawCursorResource(const QString& name, qreal scale) {
    struct TScale {
        explicit TScale(qreal scale) { DrawingScale = scale; }
        ~TScale() { DrawingScale = 1.0; }
    } drawingAt(scale);
    if (name == QLatin1String("WeightHanger")) return WeightHanger();
    if (name == QLatin1String("UDL")) return UDL();
    if (name == QLatin1String("Clamp")) return Clamp();
    if (name == QLatin1String("KnifeEdge")) return KnifeEdge();
    if (name == QLatin1String("ROUNDWEIGHT")) return RoundWeight();
    if (name == QLatin1String("VEK7PLATE")) return Plate();
    if (name == QLatin1String("VEK17MEMBER")) return Member();
    if (name == QLatin1String("HANDPOINT")) return HandPoint();
    return QCursor(Qt::ArrowCursor);
}

void RegisterProgramCursors() {
    for (int i = 0; i < 8; ++i)
        RegisterCursorResource(i + 1, QString::fromLatin1(RegisteredCursorNames[i]));
}

int ShowModal(QDialog& dialog) {
    const TCursorNumber saved = ScreenCursor();
    SetScreenCursor(crDefault);
    const int result = dialog.exec();
    SetScreenCursor(ScreenCursor() == crDefault ? saved : crDefault);
    return result;
}
