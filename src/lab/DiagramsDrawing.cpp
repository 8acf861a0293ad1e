#include "DiagramsDrawing.h"

#include <QPainterPath>
#include <algorithm>
#include <cmath>

namespace {

constexpr double MarginLeft = 100.0;
constexpr double MarginRight = 28.0;
constexpr double BandGap = 24.0;
constexpr double AxisHeight = 38.0;

const QColor BeamColour(150, 150, 150);
const QColor LoadColour(180, 30, 30);
const QColor ReactionColour(20, 90, 200);
const QColor MomentColour(120, 40, 160);
const QColor GridColour(225, 225, 225);
const QColor CursorColour(0, 130, 90);
const std::array<QColor, DiagramCount> CurveColours = {QColor(20, 90, 200), QColor(200, 40, 40),
                                                       QColor(30, 140, 60), QColor(20, 20, 20)};
const std::array<const char*, DiagramCount> ShortNames = {"V", "M", "θ", "y"};

QFont PictureBaseFont; // the painter's font as PaintDiagrams found it

// The few fonts of the picture, made once from the painter's font: a font changed for every text would be
// resolved again for every text.
QFont SmallFont(const QPainter& painter, double pixels = 11.0, bool bold = false) {
    struct TEntry {
        QFont Base;
        int Pixels;
        bool Bold;
        QFont Font;
    };
    static std::vector<TEntry> cache;
    Q_UNUSED(painter);
    const QFont& base = PictureBaseFont;
    for (const TEntry& e : cache)
        if (e.Pixels == int(pixels) && e.Bold == bold && e.Base == base) return e.Font;
    QFont f = base;
    f.setPixelSize(int(pixels));
    f.setBold(bold);
    if (cache.size() > 32) cache.clear();
    cache.push_back({base, int(pixels), bold, f});
    return f;
}

// The scale of one band: bottom..top in the diagram's unit, with the zero line inside and some head room
// for the extreme labels; ticks at a 1-2-5 step.
struct TScale {
    double Bottom = -1.0, Top = 1.0, Step = 0.5;
};

double NiceStep(double raw) {
    const double power = std::pow(10.0, std::floor(std::log10(raw)));
    const double m = raw / power;
    return (m <= 1.0 ? 1.0 : m <= 2.0 ? 2.0 : m <= 5.0 ? 5.0 : 10.0) * power;
}

TScale ScaleOf(const TDiagramCurve& curve) {
    double lo = 0.0, hi = 0.0;
    for (const TDiagramPoint& p : curve.Points) {
        lo = std::min(lo, p.Value);
        hi = std::max(hi, p.Value);
    }
    const double span = hi - lo;
    if (span < 1e-9) return {};
    TScale s;
    s.Step = NiceStep(span / 4.0);
    s.Top = hi + 0.22 * span;
    s.Bottom = lo - 0.22 * span;
    return s;
}

// Drops the points that lie on the straight line through their two neighbours (a diagram is mostly straight
// pieces, and every corner costs the painter); points on a curve and both points of a jump stay.
QPolygonF Simplified(const QPolygonF& line) {
    if (line.size() < 3) return line;
    QPolygonF out;
    out.reserve(line.size());
    out << line.front();
    for (int i = 1; i + 1 < line.size(); ++i) {
        const QPointF a = line[i - 1];
        const QPointF p = line[i];
        const QPointF b = line[i + 1];
        const double cross = (p.x() - a.x()) * (b.y() - p.y()) - (p.y() - a.y()) * (b.x() - p.x());
        const bool jump = p.x() == a.x() || p.x() == b.x();
        if (jump || std::abs(cross) > 1e-3) out << p;
    }
    out << line.back();
    return out;
}

double PixelY(const QRectF& band, const TScale& s, double v) {
    return band.bottom() - (v - s.Bottom) / (s.Top - s.Bottom) * band.height();
}

// Every line of the picture is one pixel wide: the raster engine draws those without stroking a path, which
// keeps a full repaint within a couple of milliseconds. Bold lines are drawn twice, half a pixel apart.
// Straight axis-parallel lines (grid, frames, ticks) are drawn without antialiasing, on pixel centres;
// curves, arrows and arcs with it.
void BoldLine(QPainter& p, const QPolygonF& line) {
    p.setRenderHint(QPainter::Antialiasing, true);
    p.drawPolyline(line);
    p.drawPolyline(line.translated(0.6, 0.6));
    p.setRenderHint(QPainter::Antialiasing, false);
}

void Arrow(QPainter& p, QPointF from, QPointF to, const QColor& colour, double head = 7.0) {
    const QPainter::RenderHints hints = p.renderHints();
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(QPen(colour, 1.0));
    p.drawLine(from + QPointF(0.5, 0.0), to + QPointF(0.5, 0.0));
    const QPointF d = to - from;
    const double len = std::hypot(d.x(), d.y());
    if (len < 1e-6) return;
    const QPointF u = d / len;
    const QPointF n(-u.y(), u.x());
    QPolygonF tip;
    tip << to << to - u * head + n * head * 0.45 << to - u * head - n * head * 0.45;
    p.setBrush(colour);
    p.setPen(Qt::NoPen);
    p.drawPolygon(tip);
    p.setBrush(Qt::NoBrush);
    p.setRenderHints(hints);
}

// "R" with a subscript "A" and " = value unit", centred at x with its baseline at y.
void NamedValue(QPainter& p, double x, double y, const QString& name, const QString& rest,
                const QColor& colour, Qt::Alignment align = Qt::AlignHCenter) {
    const QString base = name.section(QLatin1Char('_'), 0, 0);
    const QString sub = name.section(QLatin1Char('_'), 1);
    const QFont main = SmallFont(p, 12.0);
    const QFont small = SmallFont(p, 9.0);
    const double wBase = QFontMetricsF(main).horizontalAdvance(base);
    const double wSub = QFontMetricsF(small).horizontalAdvance(sub);
    const double wRest = QFontMetricsF(main).horizontalAdvance(rest);
    const double total = wBase + wSub + wRest;
    double left = align & Qt::AlignLeft ? x : align & Qt::AlignRight ? x - total : x - total / 2.0;
    p.setPen(colour);
    p.setFont(main);
    p.drawText(QPointF(left, y), base);
    p.setFont(small);
    p.drawText(QPointF(left + wBase, y + 3.0), sub);
    p.setFont(main);
    p.drawText(QPointF(left + wBase + wSub, y), rest);
}

void Hatch(QPainter& p, const QRectF& r) {
    p.setPen(QPen(QColor(90, 90, 90), 1.0));
    p.setBrush(QColor(235, 235, 235));
    p.drawRect(r);
    p.save();
    p.setClipRect(r);
    for (double k = r.top() - r.width(); k < r.bottom(); k += 6.0)
        p.drawLine(QPointF(r.left(), k + r.width()), QPointF(r.right(), k));
    p.restore();
    p.setBrush(Qt::NoBrush);
}

// A curved arrow round a clamp's end of the beam; anticlockwise when value > 0 (on the beam).
void CurvedArrow(QPainter& p, QPointF centre, bool leftEnd, double value) {
    const double r = 24.0;
    const QRectF box(centre.x() - r, centre.y() - r, 2 * r, 2 * r);
    // The arc lies on the beam's side of the wall: right of a left clamp, left of a right one.
    const double start = leftEnd ? -65.0 : 115.0; // degrees, anticlockwise from 3 o'clock
    const double sweep = 130.0;
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(QPen(MomentColour, 1.0));
    p.drawArc(box, int(start * 16), int(sweep * 16));
    p.drawArc(box.adjusted(0.7, 0.7, -0.7, -0.7), int(start * 16), int(sweep * 16));
    p.setRenderHint(QPainter::Antialiasing, false);
    // The head sits at the end the rotation runs towards.
    const bool anticlockwise = value > 0.0;
    const double endDeg = anticlockwise ? start + sweep : start;
    const double a = endDeg * M_PI / 180.0;
    const QPointF tip(centre.x() + r * std::cos(a), centre.y() - r * std::sin(a));
    // Tangent in the direction of travel (screen y downward).
    const QPointF tangent =
        anticlockwise ? QPointF(-std::sin(a), -std::cos(a)) : QPointF(std::sin(a), std::cos(a));
    Arrow(p, tip - tangent * 6.0, tip + tangent * 2.0, MomentColour, 8.0);
}

void PaintReason(QPainter& p, QSizeF size, const QString& reason) {
    p.setPen(QColor(80, 80, 80));
    p.setFont(SmallFont(p, 16.0));
    const QRectF box(size.width() * 0.12, size.height() * 0.3, size.width() * 0.76, size.height() * 0.4);
    p.drawText(box, Qt::AlignCenter | Qt::TextWordWrap, reason);
}

void PaintFreeBody(QPainter& p, const TDiagramsGeometry& g, const TBeamDiagrams& d) {
    const QRectF& band = g.FreeBody;
    const double beamY = band.top() + band.height() * 0.5;
    const double half = 5.0;
    const double top = beamY - half;
    const double bottom = beamY + half;

    // Supports under the beam.
    for (const TSupportMark& s : d.Supports) {
        const double x = g.PixelOf(s.Station * 10.0);
        if (s.Kind == TSupportKind::KnifeEdge) {
            QPolygonF tri;
            tri << QPointF(x, bottom) << QPointF(x - 9, bottom + 16) << QPointF(x + 9, bottom + 16);
            p.setPen(QPen(QColor(60, 60, 60), 1.0));
            p.setBrush(QColor(200, 200, 200));
            p.setRenderHint(QPainter::Antialiasing, true);
            p.drawPolygon(tri);
            p.setRenderHint(QPainter::Antialiasing, false);
            p.setBrush(Qt::NoBrush);
        } else {
            const bool left = s.Kind == TSupportKind::LeftClamp;
            Hatch(p, QRectF(left ? x - 14 : x, beamY - 34, 14, 68));
        }
    }

    // The beam.
    p.setPen(QPen(QColor(70, 70, 70), 1.0));
    p.setBrush(BeamColour);
    p.drawRect(QRectF(g.Left, top, g.Right - g.Left, 2 * half));
    p.setBrush(Qt::NoBrush);

    // The UDL: a strip of short arrows over its extent, its intensity above.
    double loadTop = top; // where point-load arrows start from the beam
    if (d.UDL && d.UDL->EndStation > d.UDL->StartStation) {
        const double a = g.PixelOf(d.UDL->StartStation * 10.0);
        const double b = g.PixelOf(d.UDL->EndStation * 10.0);
        const double stripTop = top - 20.0;
        p.setPen(QPen(LoadColour, 1.2));
        p.drawLine(QPointF(a, stripTop), QPointF(b, stripTop));
        const int arrows = std::max(2, int((b - a) / 14.0));
        for (int k = 0; k <= arrows; ++k) {
            const double x = a + (b - a) * k / arrows;
            Arrow(p, QPointF(x, stripTop), QPointF(x, top - 1.0), LoadColour, 5.0);
        }
        p.setPen(LoadColour);
        p.setFont(SmallFont(p, 12.0));
        const QString text = QStringLiteral("w = %1 N/m").arg(DiagramNumber(d.UDL->Intensity));
        const double x = std::clamp((a + b) / 2.0, g.Left + 40.0, g.Right - 40.0);
        p.drawText(QRectF(x - 80, stripTop - 17, 160, 15), Qt::AlignCenter, text);
        loadTop = stripTop - 18.0;
    }

    // Point loads: arrows down onto the beam, their force above; labels that would touch are staggered.
    // A label goes in the lowest of three rows where it touches no other; a load whose label fits in none
    // (weights on neighbouring stations) keeps its arrow, and the cursor and the worked solution its value.
    p.setFont(SmallFont(p, 12.0));
    const QFontMetricsF metrics(p.font());
    std::array<double, 3> rowRight;
    rowRight.fill(-1e9);
    for (const TPointLoad& load : d.Loads) {
        const double x = g.PixelOf(load.Station * 10.0);
        const double arrowTop = loadTop - 30.0;
        Arrow(p, QPointF(x, arrowTop), QPointF(x, top - 1.0), LoadColour);
        const QString text = DiagramNumber(load.Force) + QStringLiteral(" N");
        const double w = metrics.horizontalAdvance(text);
        const double left = std::min(x - w / 2.0, g.Right + MarginRight - w - 2.0);
        const auto row =
            std::find_if(rowRight.begin(), rowRight.end(), [&](double r) { return left > r + 4.0; });
        if (row == rowRight.end()) continue;
        const int level = int(row - rowRight.begin());
        const double y = arrowTop - 4.0 - level * 14.0;
        p.setPen(LoadColour);
        p.drawText(QPointF(left, y), text);
        if (level > 0) p.drawLine(QPointF(x, y + 2.0), QPointF(x, arrowTop));
        *row = left + w;
    }

    // Reactions: forces as arrows from below towards the beam (or away from it when negative), moments as
    // curved arrows at the clamps; their values under the supports.
    double labelY = bottom + 66.0;
    std::vector<std::pair<double, double>> labelled; // x, right edge of the previous labels at that row
    for (const TReaction& r : d.Reactions) {
        const double x = g.PixelOf(r.Station * 10.0);
        const bool clamp = std::any_of(d.Supports.begin(), d.Supports.end(), [&](const TSupportMark& s) {
            return s.Station == r.Station && s.Kind != TSupportKind::KnifeEdge;
        });
        const double foot = clamp ? bottom : bottom + 16.0;
        if (r.Kind == TReactionKind::Force) {
            if (std::abs(r.Value) > 1e-12) {
                if (r.Value > 0.0)
                    Arrow(p, QPointF(x, foot + 34.0), QPointF(x, foot + 1.0), ReactionColour);
                else
                    Arrow(p, QPointF(x, foot + 1.0), QPointF(x, foot + 34.0), ReactionColour);
            }
        } else if (std::abs(r.Value) > 1e-12) {
            CurvedArrow(p, QPointF(x, beamY), r.Station == 0, r.Value);
        }
        const QString unit = r.Kind == TReactionKind::Force ? QStringLiteral(" N") : QStringLiteral(" N·m");
        const QString rest = QStringLiteral(" = ") + DiagramNumber(std::abs(r.Value)) + unit;
        const bool moment = r.Kind == TReactionKind::Moment;
        const Qt::Alignment align = r.Station == 0             ? Qt::AlignLeft
                                    : r.Station == LastStation ? Qt::AlignRight
                                                               : Qt::AlignHCenter;
        const double lx = r.Station == 0 ? x - 12.0 : r.Station == LastStation ? x + 12.0 : x;
        NamedValue(p, lx, labelY + (moment ? 16.0 : 0.0), r.Name, rest,
                   moment ? MomentColour : ReactionColour, align);
    }
}

void PaintBand(QPainter& p, const TDiagramsGeometry& g, const TBeamDiagrams& d, int k) {
    const QRectF& band = g.Bands[k];
    const TDiagramCurve& curve = d.Curves[k];
    const TScale s = ScaleOf(curve);
    const QColor colour = CurveColours[k];

    // Frame, grid and tick values.
    p.setPen(QPen(GridColour, 1.0));
    p.setFont(SmallFont(p, 10.0));
    const double first = std::ceil(s.Bottom / s.Step) * s.Step;
    for (double v = first; v <= s.Top + 1e-12; v += s.Step) {
        const double y = PixelY(band, s, v);
        p.setPen(QPen(GridColour, 1.0));
        p.drawLine(QPointF(g.Left, y), QPointF(g.Right, y));
        p.setPen(QColor(90, 90, 90));
        p.drawText(QRectF(g.Left - 56, y - 7, 50, 14), Qt::AlignRight | Qt::AlignVCenter,
                   DiagramNumber(std::abs(v) < s.Step * 1e-6 ? 0.0 : v));
    }
    for (int mm = 0; mm <= 600; mm += 100) {
        p.setPen(QPen(GridColour, 1.0));
        p.drawLine(QPointF(g.PixelOf(mm), band.top()), QPointF(g.PixelOf(mm), band.bottom()));
    }
    p.setPen(QPen(QColor(160, 160, 160), 1.0));
    p.drawRect(QRectF(g.Left, band.top(), g.Right - g.Left, band.height()));

    // Axis title, turned, at the far left; the full title inside the band.
    p.save();
    p.translate(14.0, band.center().y());
    p.rotate(-90.0);
    p.setPen(colour);
    p.setFont(SmallFont(p, 12.0, true));
    p.drawText(QRectF(-band.height() / 2.0, -8, band.height(), 18), Qt::AlignCenter,
               QStringLiteral("%1 (%2)").arg(QString::fromUtf8(ShortNames[k]), curve.Unit));
    p.restore();
    p.setPen(colour);
    p.setFont(SmallFont(p, 11.0, true));
    p.drawText(QPointF(g.Left, band.top() - 5), QStringLiteral("%1 (%2)").arg(curve.Title, curve.Unit));

    // The curve, its area to the zero line tinted, and the zero line.
    const double y0 = PixelY(band, s, 0.0);
    QPolygonF line;
    line.reserve(int(curve.Points.size()));
    for (const TDiagramPoint& pt : curve.Points)
        line << QPointF(g.PixelOf(pt.XMm), PixelY(band, s, pt.Value));
    line = Simplified(line);
    // Shear and moment diagrams are shaded to the zero line, as textbooks draw them; slope and deflection
    // are curves.
    const bool shaded = curve.Kind == TDiagramKind::Shear || curve.Kind == TDiagramKind::Moment;
    if (shaded && !line.isEmpty()) {
        QPolygonF area = line;
        area << QPointF(line.back().x(), y0) << QPointF(line.front().x(), y0);
        QColor tint = colour;
        tint.setAlpha(34);
        p.setPen(Qt::NoPen);
        p.setBrush(tint);
        p.drawPolygon(area); // without antialiasing: its edge is under the curve anyway
        p.setBrush(Qt::NoBrush);
    }
    p.setPen(QPen(Qt::black, 1.0));
    p.drawLine(QPointF(g.Left, y0), QPointF(g.Right, y0));
    p.setPen(QPen(colour, 1.0));
    BoldLine(p, line);

    // The extremes, marked where they occur.
    p.setFont(SmallFont(p, 11.0));
    auto mark = [&](const TExtreme& e, bool above) {
        if (e.Value == 0.0) return;
        const QPointF at(g.PixelOf(e.XMm), PixelY(band, s, e.Value));
        p.setPen(Qt::NoPen);
        p.setBrush(colour);
        p.setRenderHint(QPainter::Antialiasing, true);
        p.drawEllipse(at, 3.0, 3.0);
        p.setRenderHint(QPainter::Antialiasing, false);
        p.setBrush(Qt::NoBrush);
        const QString text =
            QStringLiteral("%1 %2 at %3 mm").arg(DiagramNumber(e.Value), curve.Unit).arg(std::lround(e.XMm));
        const double w = QFontMetricsF(p.font()).horizontalAdvance(text) + 4.0;
        const double x = std::clamp(at.x() - w / 2.0, g.Left + 2.0, g.Right - w - 2.0);
        const double y = above ? at.y() - 17.0 : at.y() + 3.0;
        QRectF box(x, std::clamp(y, band.top() + 1.0, band.bottom() - 15.0), w, 14.0);
        p.fillRect(box, Qt::white);
        p.setPen(colour.darker(120));
        p.drawText(box, Qt::AlignCenter, text);
    };
    mark(curve.Largest, true);
    mark(curve.Smallest, false);
}

void PaintAxis(QPainter& p, const TDiagramsGeometry& g) {
    const double y = g.Axis.top();
    p.setPen(QColor(60, 60, 60));
    p.setFont(SmallFont(p, 11.0));
    for (int mm = 0; mm <= 600; mm += 50) {
        const double x = g.PixelOf(mm);
        p.drawLine(QPointF(x, y), QPointF(x, y + (mm % 100 == 0 ? 6.0 : 3.0)));
        if (mm % 100 == 0) p.drawText(QRectF(x - 25, y + 6, 50, 14), Qt::AlignCenter, QString::number(mm));
    }
    p.drawText(QRectF(g.Left, y + 20, g.Right - g.Left, 16), Qt::AlignCenter,
               QStringLiteral("Position along the beam x (mm)"));
}

void PaintCursor(QPainter& p, const TDiagramsGeometry& g, const TBeamDiagrams& d, double xMm) {
    const TCursorReadout readout = CursorReadout(d, xMm);
    const double x = std::round(g.PixelOf(xMm)) + 0.5; // on a pixel's centre: a crisp line
    p.setPen(QPen(CursorColour, 1.0, Qt::DashLine));
    p.drawLine(QPointF(x, g.FreeBody.top()), QPointF(x, g.Bands.back().bottom()));
    p.setFont(SmallFont(p, 11.0, true));
    const QFontMetricsF fm(p.font());
    auto tag = [&](const QString& text, double top) {
        const double w = fm.horizontalAdvance(text) + 8.0;
        const double left = x + 6.0 + w <= g.Right ? x + 6.0 : x - 6.0 - w;
        const QRectF box(left, top, w, 16.0);
        p.fillRect(box, Qt::white);
        p.setPen(CursorColour);
        p.drawRect(box);
        p.drawText(box, Qt::AlignCenter, text);
    };
    tag(readout.Position, g.FreeBody.top() + 2.0);
    for (int k = 0; k < DiagramCount; ++k)
        tag(readout.Values[k], g.Bands[k].top() + 4.0);
}

} // namespace

TDiagramsGeometry DiagramsGeometry(QSizeF size) {
    TDiagramsGeometry g;
    g.Left = MarginLeft;
    g.Right = std::max(MarginLeft + 100.0, size.width() - MarginRight);
    const double freeBody = std::clamp(size.height() * 0.22, 150.0, 210.0);
    g.FreeBody = QRectF(0, 6, size.width(), freeBody);
    const double bandsTop = g.FreeBody.bottom() + BandGap;
    const double bandHeight =
        std::max(40.0, (size.height() - bandsTop - AxisHeight - (DiagramCount - 1) * BandGap) / DiagramCount);
    for (int k = 0; k < DiagramCount; ++k)
        g.Bands[k] = QRectF(g.Left, bandsTop + k * (bandHeight + BandGap), g.Right - g.Left, bandHeight);
    g.Axis = QRectF(g.Left, g.Bands.back().bottom(), g.Right - g.Left, AxisHeight);
    return g;
}

std::optional<double> DiagramsPositionAt(QSizeF size, QPointF point) {
    const TDiagramsGeometry g = DiagramsGeometry(size);
    if (point.x() < g.Left || point.x() > g.Right) return std::nullopt;
    if (point.y() < g.FreeBody.top() || point.y() > g.Bands.back().bottom()) return std::nullopt;
    return std::clamp(g.MmOf(point.x()), 0.0, BeamLengthMm);
}

TCursorReadout CursorReadout(const TBeamDiagrams& d, double xMm) {
    TCursorReadout r;
    r.XMm = xMm;
    r.Position = QStringLiteral("x = %1 mm").arg(std::lround(xMm));
    for (int k = 0; k < DiagramCount; ++k) {
        const TDiagramCurve& c = d.Curves[k];
        r.Values[k] = QStringLiteral("%1 = %2 %3")
                          .arg(QString::fromUtf8(ShortNames[k]),
                               DiagramNumber(d.ValueAt(TDiagramKind(k), xMm)), c.Unit);
    }
    return r;
}

void PaintDiagrams(QPainter& p, QSizeF size, const TBeamDiagrams& d, std::optional<double> cursorMm) {
    p.save();
    PictureBaseFont = p.font();
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setRenderHint(QPainter::TextAntialiasing, true);
    p.fillRect(QRectF(QPointF(0, 0), size), Qt::white);
    if (!d.Drawable) {
        PaintReason(p, size, d.Reason);
        p.restore();
        return;
    }
    const TDiagramsGeometry g = DiagramsGeometry(size);
    PaintFreeBody(p, g, d);
    for (int k = 0; k < DiagramCount; ++k)
        PaintBand(p, g, d, k);
    PaintAxis(p, g);
    if (cursorMm) PaintCursor(p, g, d, *cursorMm);
    p.restore();
}
