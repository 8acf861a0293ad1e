#include "experiment/ApparatusScene.h"

#include <QFontMetrics>
#include <QPainter>
#include <algorithm>
#include <cmath>

#include "platform/NumberFormat.h"
#include "resources/apparatus/ApparatusArt.h"

namespace ApparatusPlaces {

namespace {
int HalfRounded(int width) {
    return int(RoundHalfEven(width / 2.0));
}
} // namespace

TArrowChoice ArrowOf(int station) {
    switch (station % 3) {
    case 1:
        return {"ArrowDownSmall", 35};
    case 2:
        return {"ArrowDownMed", 22};
    default:
        return {"ArrowDownLarge", 9};
    }
}

QPoint Arrow(int station, int arrowHeight) {
    return {StationX[station] - 5, DiagramBeamY - arrowHeight};
}

QPoint ForceLabel(int station, int arrowHeight, int labelHeight) {
    return {StationX[station] - 8, DiagramBeamY - arrowHeight - labelHeight};
}

QPoint MassLabel(int station, int labelWidth) {
    return {StationX[station] - HalfRounded(labelWidth), MassLabelBase + ArrowOf(station).LabelDrop};
}

QRect UDLStrip(int startStation, int endStation) {
    return {UDLImageLeft(startStation), UDLTop, UDLImageWidth(startStation, endStation), UDLHeight};
}

QRect UDL2Strip(int startStation, int endStation) {
    return {UDLImageLeft(startStation), UDL2Top, UDLImageWidth(startStation, endStation), UDLHeight};
}

QPoint UDLLabel(int startStation, int endStation, int labelWidth) {
    const int left = UDLImageLeft(startStation);
    const int width = UDLImageWidth(startStation, endStation);
    return {left + int(RoundHalfEven((width - labelWidth) / 2.0)), UDLLabelTop};
}

QString ForceText(int grams) {
    return FormatFixed(grams * NewtonsPerGram, 2);
}

QString GramsText(int grams) {
    return FormatFixed(grams, 0);
}

QString UDLText(int newtonsPerM) {
    return QStringLiteral("%1 N/m").arg(newtonsPerM);
}

namespace {
QFont Arial() {
    return QFont(QStringLiteral("Arial"));
}
} // namespace

QFont ForceFont() {
    QFont f = Arial();
    f.setPointSizeF(7);
    return f;
}

QFont GramsFont() {
    QFont f = Arial();
    f.setPointSizeF(6);
    return f;
}

QFont UDLFont() {
    QFont f = Arial();
    f.setPixelSize(9);
    return f;
}

} // namespace ApparatusPlaces

using namespace ApparatusPlaces;

QImage HangerPicture(int grams, bool variable, qreal scale) {
    QString massName;
    if (variable)
        massName = QStringLiteral("EmptyHangerImage");
    else if (std::find(FixedMasses.begin(), FixedMasses.end(), grams) != FixedMasses.end())
        massName = QStringLiteral("Gram%1Image").arg(grams);
    // Composed in logical pixels at any scale, from the pieces drawn at that scale.
    const QImage hanger = ApparatusBitmap(QStringLiteral("LoadHangerImage"), scale);
    const int h = int(hanger.deviceIndependentSize().height() + 0.5);
    QImage picture(QSize(int(std::lround(HangerWidth * scale)), int(std::lround(HangerHeight * scale))),
                   QImage::Format_ARGB32_Premultiplied);
    picture.setDevicePixelRatio(scale);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    const auto part = [scale](int x, int y, int w, int h) {
        return QRectF(x * scale, y * scale, w * scale, h * scale);
    };
    painter.drawImage(QRectF(0, 0, HangerWidth, h), hanger, part(0, 0, HangerWidth, h));
    if (!massName.isEmpty()) {
        const QImage masses = ApparatusBitmap(massName, scale);
        const int rows = HangerHeight - h;
        painter.drawImage(QRectF(0, h, HangerWidth, rows), masses,
                          part(0, MassPictureTop, HangerWidth, rows));
    }
    return picture;
}

namespace {

// A picture control's painting: the picture at the top-left of its place, cropped to the place.
void DrawPiece(QPainter& p, const QImage& picture, const QRect& place) {
    const qreal scale = picture.devicePixelRatio();
    const QRectF source(0, 0, std::min<qreal>(place.width() * scale, picture.width()),
                        std::min<qreal>(place.height() * scale, picture.height()));
    p.drawImage(QRectF(QPointF(place.topLeft()), source.size() / scale), picture, source);
}

void DrawPiece(QPainter& p, const QString& name, QPoint at, qreal scale) {
    const QImage picture = ApparatusBitmap(name, scale);
    DrawPiece(p, picture, QRect(at, picture.deviceIndependentSize().toSize()));
}

// A label's painting: the text left-aligned and centred down its own size, on white when it is opaque.
QRect DrawLabel(QPainter& p, const QFont& font, const QString& text, QPoint at, bool opaque) {
    const QSize size = QFontMetrics(font).size(0, text);
    const QRect box(at, size);
    if (opaque) p.fillRect(box, Qt::white);
    p.setFont(font);
    p.setPen(Qt::black);
    p.drawText(box, Qt::AlignLeft | Qt::AlignVCenter, text);
    return box;
}

} // namespace

void PaintApparatus(QPainter& p, const TBeamLayout& layout, qreal scale) {
    p.save();
    DrawPiece(p, QStringLiteral("ScreenImage"), {0, 0}, scale);
    // The load diagram's supports, then the apparatus's, as the window stacks its controls.
    if (layout.LeftClamp) DrawPiece(p, QStringLiteral("LeftSupport"), LeftSupport(), scale);
    if (layout.RightClamp) DrawPiece(p, QStringLiteral("RightSupport"), RightSupport(), scale);
    const std::array<std::pair<bool, int>, 2> knifeEdges = {
        std::pair{layout.KnifeEdge1, layout.KnifeEdge1Station},
        std::pair{layout.KnifeEdge2, layout.KnifeEdge2Station}};
    for (const auto& [present, station] : knifeEdges)
        if (present) DrawPiece(p, QStringLiteral("Pivot"), Pivot(station), scale);
    const int udlStart = layout.UDLStartStation, udlEnd = layout.UDLEndStation;
    if (layout.UDL)
        DrawPiece(p, ApparatusBitmap(QStringLiteral("UDL2Strip"), scale), UDL2Strip(udlStart, udlEnd));
    if (layout.LeftClamp) DrawPiece(p, QStringLiteral("LClampImage"), LeftClamp(), scale);
    if (layout.RightClamp) DrawPiece(p, QStringLiteral("RClampImage"), RightClamp(), scale);
    for (const auto& [present, station] : knifeEdges)
        if (present) DrawPiece(p, QStringLiteral("KnifeEdge"), KnifeEdge(station), scale);
    if (layout.UDL)
        DrawPiece(p, ApparatusBitmap(QStringLiteral("UDLStrip"), scale), UDLStrip(udlStart, udlEnd));
    DrawPiece(p, QStringLiteral("DialGaugeImage"), Gauge(layout.GaugeStation), scale);

    // The weights, station by station: hanger, arrow, force, a variable weight's grams.
    for (int s = 0; s < StationCount; ++s) {
        const THangerSlot& slot = layout.HangerSlots[s];
        if (!slot.Occupied()) continue;
        DrawPiece(p, HangerPicture(slot.Mass, slot.Variable, scale),
                  QRect(Hanger(s), QSize(HangerWidth, HangerHeight)));
        const QImage arrow = ApparatusBitmap(QString::fromLatin1(ArrowOf(s).Picture), scale);
        const int arrowHeight = int(std::lround(arrow.deviceIndependentSize().height()));
        DrawPiece(p, arrow, QRect(Arrow(s, arrowHeight), arrow.deviceIndependentSize().toSize()));
        const QString force = ForceText(slot.Mass);
        DrawLabel(p, ForceFont(), force,
                  ForceLabel(s, arrowHeight, QFontMetrics(ForceFont()).size(0, force).height()), false);
        if (slot.Variable) {
            const QString grams = GramsText(slot.Mass);
            DrawLabel(p, GramsFont(), grams, MassLabel(s, QFontMetrics(GramsFont()).size(0, grams).width()),
                      true);
        }
    }
    // The intensity over everything, so it reads whole.
    if (layout.UDL) {
        const QString text = UDLText(layout.UDLIntensity);
        DrawLabel(p, UDLFont(), text,
                  UDLLabel(udlStart, udlEnd, QFontMetrics(UDLFont()).size(0, text).width()), false);
    }
    p.restore();
}

QImage ApparatusImage(const TBeamLayout& layout, qreal scale) {
    QImage image(ApparatusRegion.size() * scale, QImage::Format_RGB32);
    image.setDevicePixelRatio(scale);
    image.fill(Qt::white);
    QPainter p(&image);
    p.setRenderHint(QPainter::SmoothPixmapTransform, true);
    p.translate(-ApparatusRegion.topLeft());
    PaintApparatus(p, layout, scale);
    return image;
}
