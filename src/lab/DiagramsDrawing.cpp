#include "DiagramsDrawing.h"

#include <QHash>
#include <QPaintEngine>
#include <QPainterPath>
#include <QStaticText>
#include <QVarLengthArray>
#include <algorithm>
#include <cmath>

#include "platform/NumberFormat.h"
#include "theory/DiagramsText.h"

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
const QColor GaugeColour(150, 90, 0);
const QColor WarningColour(176, 0, 0);
const std::array<QColor, DiagramCount> CurveColours = {QColor(20, 90, 200), QColor(200, 40, 40),
                                                       QColor(30, 140, 60), QColor(20, 20, 20)};
const std::array<const char*, DiagramCount> ShortNames = {"V", "M", "θ", "y"};

QFont PictureBaseFont; // the painter's font as PaintDiagrams found it

// The few fonts of the picture, made once from the painter's font: a font changed for every text would be
// resolved again for every text.
QFont SmallFont(double pixels = 11.0, bool bold = false) {
    struct TEntry {
        QFont Base;
        int Pixels;
        bool Bold;
        QFont Font;
    };
    static std::vector<TEntry> cache;
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

// Texts are laid out once and kept (QStaticText): most of them come back on every repaint (tick values,
// titles, the same load's force), and laying a text out costs more than drawing its glyphs.
struct TCachedText {
    QStaticText Text;
    double Ascent;
    double Width; // the advance
};
const TCachedText& Cached(const QFont& font, const QString& text) {
    static QHash<QString, TCachedText> cache;
    // (QFont::key writes the whole font description out: too slow for a key made on every text.)
    const QString key = text + QChar(0x1f) + QChar(ushort(font.pixelSize())) +
                        QChar(font.bold() ? u'b' : u'r') + font.family();
    auto it = cache.constFind(key);
    if (it != cache.constEnd()) return *it;
    if (cache.size() > 2000) cache.clear();
    QStaticText t(text);
    t.setTextFormat(Qt::PlainText);
    t.setPerformanceHint(QStaticText::AggressiveCaching);
    t.prepare(QTransform(), font);
    const QFontMetricsF metrics(font);
    return *cache.insert(key, {t, metrics.ascent(), metrics.horizontalAdvance(text)});
}
// A text in a box: left, right or centred across it, centred down it.
void DrawText(QPainter& p, const QRectF& box, Qt::Alignment align, const QString& text) {
    const TCachedText& t = Cached(p.font(), text);
    const QSizeF size = t.Text.size();
    const double x = align & Qt::AlignLeft    ? box.left()
                     : align & Qt::AlignRight ? box.right() - size.width()
                                              : box.center().x() - size.width() / 2.0;
    p.drawStaticText(QPointF(x, box.center().y() - size.height() / 2.0), t.Text);
}
// A text with its baseline starting at a point.
void DrawText(QPainter& p, QPointF baseline, const QString& text) {
    const TCachedText& t = Cached(p.font(), text);
    p.drawStaticText(QPointF(baseline.x(), baseline.y() - t.Ascent), t.Text);
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
    // The second pass without antialiasing: it only thickens the first, and costs a third as much.
    p.setRenderHint(QPainter::Antialiasing, true);
    p.drawPolyline(line);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.drawPolyline(line.translated(0.6, 0.6));
}

// An upright arrow's head, drawn once per colour, size and direction into a small image: a picture of a
// fully loaded beam has about ninety of them, and an antialiased polygon costs far more than a blit.
const QImage& ArrowHead(const QColor& colour, double head, bool down) {
    static QHash<quint64, QImage> cache;
    const quint64 key = (quint64(colour.rgba()) << 16) | (quint64(head * 8.0) << 1) | (down ? 1 : 0);
    auto it = cache.constFind(key);
    if (it != cache.constEnd()) return *it;
    const int side = int(std::ceil(head)) + 2;
    QImage image(side + 1, side + 1, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter q(&image);
    q.setRenderHint(QPainter::Antialiasing, true);
    q.setPen(Qt::NoPen);
    q.setBrush(colour);
    const double cx = (side + 1) / 2.0;
    const double tipY = down ? side : 1.0;
    const double baseY = down ? side - head : 1.0 + head;
    QPolygonF tip;
    tip << QPointF(cx, tipY) << QPointF(cx - head * 0.45, baseY) << QPointF(cx + head * 0.45, baseY);
    q.drawPolygon(tip);
    q.end();
    return *cache.insert(key, image);
}

void Arrow(QPainter& p, QPointF from, QPointF to, const QColor& colour, double head = 7.0) {
    const QPainter::RenderHints hints = p.renderHints();
    // An upright shaft needs no antialiasing (most arrows are: loads and reactions); the head does.
    p.setRenderHint(QPainter::Antialiasing, from.x() != to.x());
    p.setPen(QPen(colour, 1.0));
    p.drawLine(from + QPointF(0.5, 0.0), to + QPointF(0.5, 0.0));
    p.setRenderHint(QPainter::Antialiasing, true);
    const QPointF d = to - from;
    const double len = std::hypot(d.x(), d.y());
    if (len < 1e-6) return;
    const bool raster = p.paintEngine() && p.paintEngine()->type() == QPaintEngine::Raster;
    if (raster && from.x() == to.x() && p.transform().isIdentity()) {
        const bool down = to.y() > from.y();
        const QImage& sprite = ArrowHead(colour, head, down);
        const double cx = (sprite.width()) / 2.0;
        const QPointF at(std::round(to.x() + 0.5 - cx),
                         std::round(down ? to.y() - sprite.height() + 1.0 : to.y() - 1.0));
        p.drawImage(at, sprite);
        p.setRenderHints(hints);
        return;
    }
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
    p.setFont(SmallFont(16.0));
    const QRectF box(size.width() * 0.12, size.height() * 0.3, size.width() * 0.76, size.height() * 0.4);
    p.drawText(box, Qt::AlignCenter | Qt::TextWordWrap, reason);
}

// Where the labels go: each is given a list of places in order of preference and takes the first that lies
// inside its area and touches no label or drawn title placed before it; a label with no free place goes to
// the legend row, or is left out (its value is in the cursor and the worked solution).
class TLabelPlacer {
public:
    explicit TLabelPlacer(std::vector<QRectF>* report) : Report(report) {}
    // Something drawn that labels must not cover: a text (a title, a warning line), reported with the
    // labels, or a drawing (the beam, a clamp, arrows), which texts may touch.
    void Block(const QRectF& r, bool text = true) {
        Taken.push_back(r);
        if (Report && text) Report->push_back(r);
    }
    [[nodiscard]] bool Free(const QRectF& r, const QRectF& area) const {
        if (!area.contains(r)) return false;
        const QRectF padded = r.adjusted(-1.0, -1.0, 1.0, 1.0);
        return std::none_of(Taken.begin(), Taken.end(),
                            [&](const QRectF& t) { return t.intersects(padded); });
    }
    std::optional<QRectF> Place(const std::vector<QRectF>& candidates, const QRectF& area) {
        for (const QRectF& r : candidates)
            if (Free(r, area)) {
                Block(r);
                return r;
            }
        return std::nullopt;
    }

private:
    std::vector<QRectF> Taken;
    std::vector<QRectF>* Report;
};

// A label's box centred at x with its top at y, then in the rows below (rowStep > 0) or above, then the same
// moved sideways by half and whole widths: staggered over its anchor before it is moved away from it.
std::vector<QRectF> AroundX(double x, double top, double w, double h, int rows, double rowStep) {
    std::vector<QRectF> out;
    const double shifts[] = {0.0, -0.5, 0.5, -1.0, 1.0, -1.5, 1.5};
    for (double s : shifts)
        for (int row = 0; row < rows; ++row)
            out.emplace_back(x - w / 2.0 + s * (w + 6.0), top + row * rowStep, w, h);
    return out;
}

double TextWidth(const QFont& f, const QString& s) {
    return Cached(f, s).Width;
}

// "R" with a subscript "A" and " = value unit" in a box.
double NamedValueWidth(const QString& name, const QString& rest) {
    const QString base = name.section(QLatin1Char('_'), 0, 0);
    const QString sub = name.section(QLatin1Char('_'), 1);
    return TextWidth(SmallFont(12.0), base) + TextWidth(SmallFont(9.0), sub) +
           TextWidth(SmallFont(12.0), rest) + 2.0;
}
void NamedValueAt(QPainter& p, const QRectF& box, const QString& name, const QString& rest,
                  const QColor& colour) {
    const QString base = name.section(QLatin1Char('_'), 0, 0);
    const QString sub = name.section(QLatin1Char('_'), 1);
    const double y = box.top() + 12.0;
    double x = box.left() + 1.0;
    p.setPen(colour);
    p.setFont(SmallFont(12.0));
    DrawText(p, QPointF(x, y), base);
    x += TextWidth(SmallFont(12.0), base);
    p.setFont(SmallFont(9.0));
    DrawText(p, QPointF(x, y + 3.0), sub);
    x += TextWidth(SmallFont(9.0), sub);
    p.setFont(SmallFont(12.0));
    DrawText(p, QPointF(x, y), rest);
}

void Leader(QPainter& p, QPointF anchor, const QRectF& box, const QColor& colour) {
    const QPointF end(std::clamp(anchor.x(), box.left() + 2.0, box.right() - 2.0),
                      anchor.y() < box.top() ? box.top() : box.bottom());
    if (std::hypot(end.x() - anchor.x(), end.y() - anchor.y()) < 4.0) return;
    QColor c = colour;
    c.setAlpha(170);
    p.setPen(QPen(c, 1.0));
    p.drawLine(anchor, end);
}

struct TLegendEntry {
    QString Name; // "R_A" or empty
    QString Rest; // " = 2.942 N at 270 mm"
    QColor Colour;
};

void PaintFreeBody(QPainter& p, const TDiagramsGeometry& g, const TBeamDiagrams& d, TLabelPlacer& labels) {
    const QRectF& band = g.FreeBody;
    const double legendTop = band.bottom() - 16.0;
    const QRectF area(band.left() + 2.0, band.top(), band.width() - 4.0, legendTop - band.top() - 2.0);
    const double beamY = band.top() + std::round(band.height() * 0.5);
    const double half = 5.0;
    const double top = beamY - half;
    const double bottom = beamY + half;
    std::vector<TLegendEntry> legend;

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
    // Nothing may cover the beam or the clamps.
    labels.Block(QRectF(g.Left, top - 1.0, g.Right - g.Left, 2 * half + 2.0), false);
    for (const TSupportMark& s : d.Supports)
        if (s.Kind != TSupportKind::KnifeEdge) {
            const double x = g.PixelOf(s.Station * 10.0);
            labels.Block(QRectF(s.Kind == TSupportKind::LeftClamp ? x - 14 : x, beamY - 34, 14, 68), false);
        }

    // Reactions first (they matter most): forces as arrows from below towards the beam (or away from it when
    // negative), moments as curved arrows at the clamps; their values under the supports, staggered, with a
    // leader line when moved off their support.
    for (const TReaction& r : d.Reactions) {
        const double x0 = g.PixelOf(r.Station * 10.0);
        const bool clamp = std::any_of(d.Supports.begin(), d.Supports.end(), [&](const TSupportMark& s) {
            return s.Station == r.Station && s.Kind != TSupportKind::KnifeEdge;
        });
        // A clamp's force is drawn beside its wall, over white, so it stands out from the hatching.
        const double x = clamp ? (r.Station == 0 ? x0 + 9.0 : x0 - 9.0) : x0;
        const double foot = clamp ? bottom : bottom + 16.0;
        const bool moment = r.Kind == TReactionKind::Moment;
        const QColor colour = moment ? MomentColour : ReactionColour;
        if (!moment) {
            if (std::abs(r.Value) > 1e-12) {
                p.setPen(QPen(Qt::white, 4.0));
                p.drawLine(QPointF(x + 0.5, foot + 2.0), QPointF(x + 0.5, foot + 34.0));
                if (r.Value > 0.0)
                    Arrow(p, QPointF(x, foot + 34.0), QPointF(x, foot + 1.0), colour);
                else
                    Arrow(p, QPointF(x, foot + 1.0), QPointF(x, foot + 34.0), colour);
            }
        } else if (std::abs(r.Value) > 1e-12) {
            CurvedArrow(p, QPointF(x0, beamY), r.Station == 0, r.Value);
        }
        const QString unit = moment ? QStringLiteral(" N·m") : QStringLiteral(" N");
        // The arrow shows the direction, the label the size (as a free-body diagram is drawn).
        const QString rest = QStringLiteral(" = ") + DiagramNumber(std::abs(r.Value)) + unit;
        const double w = NamedValueWidth(r.Name, rest);
        const double labelTop = moment ? beamY + 36.0 : foot + 36.0;
        std::vector<QRectF> candidates;
        if (moment) {
            // Beside the curved arrow, away from the wall, or under it.
            const double side = r.Station == 0 ? x0 + 28.0 : x0 - 28.0 - w;
            candidates.emplace_back(side, beamY + 8.0, w, 16.0);
            candidates.emplace_back(side, beamY - 26.0, w, 16.0);
        }
        const double anchorX = r.Station == 0             ? x + w / 2.0 - 8.0
                               : r.Station == LastStation ? x - w / 2.0 + 8.0
                                                          : x;
        for (const QRectF& c : AroundX(anchorX, labelTop, w, 16.0, 3, 17.0))
            candidates.push_back(c);
        if (const std::optional<QRectF> box = labels.Place(candidates, area)) {
            NamedValueAt(p, *box, r.Name, rest, colour);
            if (!moment) Leader(p, QPointF(x, foot + 35.0), *box, colour);
        } else {
            legend.push_back({r.Name, rest + QStringLiteral(" at %1 mm").arg(r.Station * 10), colour});
        }
    }

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
        labels.Block(QRectF(a, stripTop - 1.0, b - a, top - stripTop), false);
        const QString text = QStringLiteral("w = %1 N/m").arg(DiagramNumber(d.UDL->Intensity));
        const double w = TextWidth(SmallFont(12.0), text) + 4.0;
        // Beside a point load's arrow, never through it: the arrows are blocked before the label is placed.
        for (const TPointLoad& load : d.Loads) {
            const double x = g.PixelOf(load.Station * 10.0);
            labels.Block(QRectF(x - 4.0, stripTop - 30.0, 8.0, 30.0), false);
        }
        std::vector<QRectF> candidates;
        for (double f : {0.5, 0.25, 0.75, 0.1, 0.9})
            for (const QRectF& c : AroundX(a + (b - a) * f, stripTop - 17.0, w, 15.0, 1, 0.0))
                candidates.push_back(c);
        if (const std::optional<QRectF> box = labels.Place(candidates, area)) {
            p.setPen(LoadColour);
            p.setFont(SmallFont(12.0));
            DrawText(p, *box, Qt::AlignCenter, text);
        } else {
            legend.push_back({{}, text, LoadColour});
        }
        loadTop = stripTop - 18.0;
    }

    // Point loads: arrows down onto the beam, their force above, staggered into rows with a leader line.
    const double arrowTop = loadTop - 30.0;
    for (const TPointLoad& load : d.Loads) {
        const double x = g.PixelOf(load.Station * 10.0);
        Arrow(p, QPointF(x, arrowTop), QPointF(x, top - 1.0), LoadColour);
        if (!d.UDL) labels.Block(QRectF(x - 4.0, arrowTop, 8.0, top - arrowTop), false);
    }
    // Neighbouring equal weights (10 or 20 mm apart) are one row of loads: one label "n × W" over the row.
    p.setFont(SmallFont(12.0));
    for (std::size_t k = 0; k < d.Loads.size();) {
        std::size_t end = k + 1;
        while (end < d.Loads.size() && d.Loads[end].Grams == d.Loads[k].Grams &&
               d.Loads[end].Station - d.Loads[end - 1].Station <= 2)
            ++end;
        const TPointLoad& load = d.Loads[k];
        const std::size_t count = end - k;
        const double x = (g.PixelOf(load.Station * 10.0) + g.PixelOf(d.Loads[end - 1].Station * 10.0)) / 2.0;
        const QString force = DiagramNumber(load.Force) + QStringLiteral(" N");
        const QString text = count > 1 ? QStringLiteral("%1 × %2").arg(count).arg(force) : force;
        const QString where = count > 1 ? QStringLiteral(" from %1 to %2 mm")
                                              .arg(load.Station * 10)
                                              .arg(d.Loads[end - 1].Station * 10)
                                        : QStringLiteral(" at %1 mm").arg(load.Station * 10);
        k = end;
        const double w = TextWidth(SmallFont(12.0), text) + 4.0;
        const std::vector<QRectF> candidates = AroundX(x, arrowTop - 16.0, w, 14.0, 4, -15.0);
        if (const std::optional<QRectF> box = labels.Place(candidates, area)) {
            p.setPen(LoadColour);
            p.setFont(SmallFont(12.0));
            DrawText(p, *box, Qt::AlignCenter, text);
            Leader(p, QPointF(x, arrowTop), *box, LoadColour);
        } else {
            legend.push_back({{}, text + where, LoadColour});
        }
    }

    // The legend row: what found no place by its arrow, left to right while there is room.
    const QRectF legendArea(band.left() + 2.0, legendTop, band.width() - 4.0, 16.0);
    double x = legendArea.left() + 4.0;
    for (const TLegendEntry& e : legend) {
        const QString name = e.Name.isEmpty() ? QString() : e.Name;
        const double w =
            e.Name.isEmpty() ? TextWidth(SmallFont(12.0), e.Rest) + 4.0 : NamedValueWidth(e.Name, e.Rest);
        const std::optional<QRectF> box = labels.Place({QRectF(x, legendTop, w, 16.0)}, legendArea);
        if (!box) break;
        if (e.Name.isEmpty()) {
            p.setPen(e.Colour);
            p.setFont(SmallFont(12.0));
            DrawText(p, *box, Qt::AlignCenter, e.Rest);
        } else {
            NamedValueAt(p, *box, e.Name, e.Rest, e.Colour);
        }
        x += w + 12.0;
    }
}

void PaintBand(QPainter& p, const TDiagramsGeometry& g, const TBeamDiagrams& d, int k, TLabelPlacer& labels,
               const std::optional<double>& measuredGaugeMm) {
    const QRectF& band = g.Bands[k];
    const TDiagramCurve& curve = d.Curves[k];
    const TScale s = ScaleOf(curve);
    const QColor colour = CurveColours[k];

    // Shear and moment diagrams are shaded to the zero line, as textbooks draw them; slope and deflection
    // are curves. The tint is opaque (the colour mixed with white) and laid first, the grid over it: a
    // blended fill costs several times a plain one.
    const double y0 = PixelY(band, s, 0.0);
    QPolygonF line;
    line.reserve(int(curve.Points.size()));
    for (const TDiagramPoint& pt : curve.Points)
        line << QPointF(g.PixelOf(pt.XMm), PixelY(band, s, pt.Value));
    line = Simplified(line);
    const bool shaded = curve.Kind == TDiagramKind::Shear || curve.Kind == TDiagramKind::Moment;
    if (shaded && !line.isEmpty()) {
        QPolygonF area = line;
        area << QPointF(line.back().x(), y0) << QPointF(line.front().x(), y0);
        constexpr int Alpha = 34;
        const QColor tint((colour.red() * Alpha + 255 * (255 - Alpha)) / 255,
                          (colour.green() * Alpha + 255 * (255 - Alpha)) / 255,
                          (colour.blue() * Alpha + 255 * (255 - Alpha)) / 255);
        p.setPen(Qt::NoPen);
        p.setBrush(tint);
        p.drawPolygon(area); // without antialiasing: its edge is under the curve anyway
        p.setBrush(Qt::NoBrush);
    }

    // Frame, grid and tick values.
    // The grid in one call, then the tick values.
    const double first = std::ceil(s.Bottom / s.Step) * s.Step;
    QVarLengthArray<QLineF, 24> grid;
    for (double v = first; v <= s.Top + 1e-12; v += s.Step)
        grid.append(QLineF(g.Left, PixelY(band, s, v), g.Right, PixelY(band, s, v)));
    for (int mm = 0; mm <= int(BeamLengthMm); mm += 100)
        grid.append(QLineF(g.PixelOf(mm), band.top(), g.PixelOf(mm), band.bottom()));
    p.setPen(QPen(GridColour, 1.0));
    p.drawLines(grid.data(), int(grid.size()));
    p.setPen(QColor(90, 90, 90));
    p.setFont(SmallFont(10.0));
    for (double v = first; v <= s.Top + 1e-12; v += s.Step)
        DrawText(p, QRectF(g.Left - 56, PixelY(band, s, v) - 7, 50, 14), Qt::AlignRight | Qt::AlignVCenter,
                 DiagramNumber(std::abs(v) < s.Step * 1e-6 ? 0.0 : v));
    p.setPen(QPen(QColor(160, 160, 160), 1.0));
    p.drawRect(QRectF(g.Left, band.top(), g.Right - g.Left, band.height()));

    // Axis title, turned, at the far left; the full title inside the band.
    p.save();
    p.translate(14.0, band.center().y());
    p.rotate(-90.0);
    p.setPen(colour);
    p.setFont(SmallFont(12.0, true));
    DrawText(p, QRectF(-band.height() / 2.0, -8, band.height(), 18), Qt::AlignCenter,
             QStringLiteral("%1 (%2)").arg(QString::fromUtf8(ShortNames[k]), curve.Unit));
    p.restore();
    p.setPen(colour);
    p.setFont(SmallFont(11.0, true));
    const QString title = QStringLiteral("%1 (%2)").arg(curve.Title, curve.Unit);
    DrawText(p, QPointF(g.Left, band.top() - 5), title); // kept clear by PaintDiagrams

    // The zero line and the curve.
    p.setPen(QPen(Qt::black, 1.0));
    p.drawLine(QPointF(g.Left, y0), QPointF(g.Right, y0));
    p.setPen(QPen(colour, 1.0));
    BoldLine(p, line);

    // The extremes, marked where they occur (each place of an equal extreme, a stretch as a bar), their
    // labels placed inside the band clear of every other label.
    const QRectF area = band.adjusted(1.0, 1.0, -1.0, -1.0);
    auto mark = [&](const TExtreme& e, bool above) {
        if (e.Value == 0.0) return;
        const QString where = ExtremePlacesText(e);
        const QString text = QStringLiteral("%1 %2 %3").arg(DiagramNumber(e.Value), curve.Unit, where);
        const double w = TextWidth(SmallFont(11.0), text) + 4.0;
        const double py = PixelY(band, s, e.Value);
        p.setPen(Qt::NoPen);
        p.setBrush(colour);
        p.setRenderHint(QPainter::Antialiasing, true);
        for (const TExtremePlace& place : e.Places()) {
            const QPointF from(g.PixelOf(place.XMm), py);
            if (place.Stretch())
                p.drawRect(QRectF(from.x(), py - 1.5, g.PixelOf(place.ToMm) - from.x(), 3.0));
            else
                p.drawEllipse(from, 3.0, 3.0);
        }
        p.setRenderHint(QPainter::Antialiasing, false);
        p.setBrush(Qt::NoBrush);
        const double x = g.PixelOf((e.XMm + e.ToMm) / 2.0);
        std::vector<QRectF> candidates;
        for (int row = 0; row < 3; ++row) {
            const double off = row * 15.0;
            for (const QRectF& c : AroundX(x, above ? py - 17.0 - off : py + 3.0 + off, w, 14.0, 1, 0.0))
                candidates.push_back(c);
            for (const QRectF& c : AroundX(x, above ? py + 3.0 + off : py - 17.0 - off, w, 14.0, 1, 0.0))
                candidates.push_back(c);
        }
        // Clamped into the band at the far ends.
        for (QRectF& c : candidates)
            c.moveLeft(std::clamp(c.left(), area.left() + 1.0, area.right() - w - 1.0));
        candidates.emplace_back(area.right() - w - 1.0, above ? area.top() + 1.0 : area.bottom() - 15.0, w,
                                14.0);
        candidates.emplace_back(area.left() + 1.0, above ? area.top() + 1.0 : area.bottom() - 15.0, w, 14.0);
        if (const std::optional<QRectF> box = labels.Place(candidates, area)) {
            p.fillRect(*box, Qt::white);
            p.setPen(colour.darker(120));
            p.setFont(SmallFont(11.0));
            DrawText(p, *box, Qt::AlignCenter, text);
            Leader(p, QPointF(x, py), *box, colour);
        }
    };
    mark(curve.Largest, true);
    mark(curve.Smallest, false);

    // On the deflection diagram, the gauge: where it stands and what theory (and the meter) read there.
    if (curve.Kind == TDiagramKind::Deflection) {
        const double gx = g.PixelOf(d.GaugeStation * 10.0);
        const double gy = PixelY(band, s, d.GaugeDeflectionMm);
        p.setRenderHint(QPainter::Antialiasing, true);
        p.setPen(QPen(GaugeColour, 1.0));
        p.setBrush(Qt::white);
        QPolygonF tri;
        tri << QPointF(gx, gy) << QPointF(gx - 5, gy - 9) << QPointF(gx + 5, gy - 9);
        p.drawPolygon(tri);
        p.setBrush(Qt::NoBrush);
        p.setRenderHint(QPainter::Antialiasing, false);
        QString text = QStringLiteral("gauge at %1 mm: theory %2 mm")
                           .arg(d.GaugeStation * 10)
                           .arg(FormatFixed(d.GaugeDeflectionMm, 2));
        if (measuredGaugeMm) text += QStringLiteral(", measured %1 mm").arg(FormatFixed(*measuredGaugeMm, 2));
        const double w = TextWidth(SmallFont(11.0), text) + 4.0;
        std::vector<QRectF> candidates;
        for (int row = 0; row < 4; ++row)
            for (const QRectF& c : AroundX(gx, gy - 26.0 - row * 15.0, w, 14.0, 1, 0.0))
                candidates.push_back(c);
        for (int row = 0; row < 4; ++row)
            for (const QRectF& c : AroundX(gx, gy + 4.0 + row * 15.0, w, 14.0, 1, 0.0))
                candidates.push_back(c);
        for (QRectF& c : candidates)
            c.moveLeft(std::clamp(c.left(), area.left() + 1.0, area.right() - w - 1.0));
        if (const std::optional<QRectF> box = labels.Place(candidates, area)) {
            p.fillRect(*box, Qt::white);
            p.setPen(GaugeColour);
            p.setFont(SmallFont(11.0));
            DrawText(p, *box, Qt::AlignCenter, text);
            Leader(p, QPointF(gx, gy), *box, GaugeColour);
        }
    }
}

void PaintAxis(QPainter& p, const TDiagramsGeometry& g, TLabelPlacer& labels) {
    const double y = g.Axis.top();
    p.setPen(QColor(60, 60, 60));
    p.setFont(SmallFont(11.0));
    for (int mm = 0; mm <= int(BeamLengthMm); mm += 50) {
        const double x = g.PixelOf(mm);
        p.drawLine(QPointF(x, y), QPointF(x, y + (mm % 100 == 0 ? 6.0 : 3.0)));
        if (mm % 100 == 0) DrawText(p, QRectF(x - 25, y + 6, 50, 14), Qt::AlignCenter, QString::number(mm));
    }
    const QString title = QStringLiteral("Position along the beam x (mm)");
    const double w = TextWidth(SmallFont(11.0), title) + 4.0;
    const QRectF box((g.Left + g.Right - w) / 2.0, y + 20.0, w, 15.0);
    DrawText(p, box, Qt::AlignCenter, title);
    labels.Block(box);
}

// A warning line cut to its width, remembered: eliding shapes the whole text every time.
QString Elided(const QFontMetricsF& fm, const QString& text, double width) {
    static QHash<QString, QString> cache;
    const QString key = text + QChar(0x1f) + QString::number(int(width));
    auto it = cache.constFind(key);
    if (it != cache.constEnd()) return *it;
    if (cache.size() > 200) cache.clear();
    return *cache.insert(key, fm.elidedText(text, Qt::ElideRight, width));
}

void PaintWarnings(QPainter& p, const TDiagramsGeometry& g, const TBeamDiagrams& d, TLabelPlacer& labels) {
    p.setFont(SmallFont(11.0, true));
    const QFontMetricsF fm(p.font());
    for (std::size_t k = 0; k < d.Warnings.size() && k < std::size_t(g.Warnings.size()); ++k) {
        const QRectF& line = g.Warnings[qsizetype(k)];
        const QString text =
            Elided(fm, QStringLiteral("⚠ ") + WarningText(d.Warnings[k]), line.width() - 4.0);
        const QRectF box(line.left(), line.top(), fm.horizontalAdvance(text) + 4.0, line.height());
        p.setPen(WarningColour);
        DrawText(p, box, Qt::AlignLeft | Qt::AlignVCenter, text);
        labels.Block(box);
    }
}

// The cursor's value boxes go beside its line, in their band, clear of the labels (an extreme's label is
// never covered); in a band too crowded for that, at the band's top beside the line.
void PaintCursor(QPainter& p, const TDiagramsGeometry& g, const TBeamDiagrams& d, double xMm,
                 TLabelPlacer& labels) {
    const TCursorReadout readout = CursorReadout(d, xMm);
    const double x = std::round(g.PixelOf(readout.XMm)) + 0.5; // on a pixel's centre: a crisp line
    p.setPen(QPen(CursorColour, 1.0, Qt::DashLine));
    p.drawLine(QPointF(x, g.FreeBody.top()), QPointF(x, g.Bands.back().bottom()));
    p.setFont(SmallFont(11.0, true));
    const QFontMetricsF fm(p.font());
    auto tag = [&](const QString& text, const QRectF& area) {
        const double w = fm.horizontalAdvance(text) + 8.0;
        std::vector<QRectF> candidates;
        for (double top = area.top() + 3.0; top + 16.0 <= area.bottom(); top += 8.0) {
            candidates.emplace_back(x + 6.0, top, w, 16.0);
            candidates.emplace_back(x - 6.0 - w, top, w, 16.0);
        }
        const double left = x + 6.0 + w <= g.Right ? x + 6.0 : x - 6.0 - w;
        const QRectF box = labels.Place(candidates, area).value_or(QRectF(left, area.top() + 3.0, w, 16.0));
        p.fillRect(box, Qt::white);
        p.setPen(CursorColour);
        p.drawRect(box);
        DrawText(p, box, Qt::AlignCenter, text);
    };
    tag(readout.Position, QRectF(g.Left, g.FreeBody.top(), g.Right - g.Left, 40.0));
    for (int k = 0; k < DiagramCount; ++k)
        tag(readout.Values[k], g.Bands[k]);
}

} // namespace

TDiagramsGeometry DiagramsGeometry(QSizeF size, int warnings) {
    TDiagramsGeometry g;
    g.Left = MarginLeft;
    g.Right = std::max(MarginLeft + 100.0, size.width() - MarginRight);
    double top = 6.0;
    for (int k = 0; k < warnings; ++k) {
        g.Warnings.push_back(QRectF(8.0, top, size.width() - 16.0, 15.0));
        top += 15.0;
    }
    // The bands share what the free-body diagram leaves, but never less than 40 px each: the free-body
    // diagram gives way first on a short picture, so the axis and its title always fit.
    const double fixed = top + BandGap * DiagramCount + AxisHeight;
    const double freeBody =
        std::clamp(std::min(size.height() * 0.24, size.height() - fixed - 4 * 60.0), 150.0, 230.0);
    g.FreeBody = QRectF(0, top, size.width(), freeBody);
    const double bandsTop = g.FreeBody.bottom() + BandGap;
    const double bandHeight =
        std::max(40.0, (size.height() - bandsTop - AxisHeight - (DiagramCount - 1) * BandGap) / DiagramCount);
    for (int k = 0; k < DiagramCount; ++k)
        g.Bands[k] = QRectF(g.Left, bandsTop + k * (bandHeight + BandGap), g.Right - g.Left, bandHeight);
    g.Axis = QRectF(g.Left, g.Bands.back().bottom(), g.Right - g.Left, AxisHeight);
    return g;
}

std::optional<double> DiagramsPositionAt(QSizeF size, QPointF point, int warnings) {
    const TDiagramsGeometry g = DiagramsGeometry(size, warnings);
    if (point.x() < g.Left || point.x() > g.Right) return std::nullopt;
    if (point.y() < g.FreeBody.top() || point.y() > g.Bands.back().bottom()) return std::nullopt;
    return std::clamp(g.MmOf(point.x()), 0.0, BeamLengthMm);
}

TCursorReadout CursorReadout(const TBeamDiagrams& d, double xMm) {
    // The values at the millimetre the position names.
    TCursorReadout r;
    r.XMm = std::clamp(std::round(xMm), 0.0, BeamLengthMm);
    r.Position = QStringLiteral("x = %1 mm").arg(std::lround(r.XMm));
    for (int k = 0; k < DiagramCount; ++k) {
        const TDiagramCurve& c = d.Curves[k];
        r.Values[k] = QStringLiteral("%1 = %2 %3")
                          .arg(QString::fromUtf8(ShortNames[k]),
                               DiagramNumber(d.ValueAt(TDiagramKind(k), r.XMm)), c.Unit);
    }
    return r;
}

void PaintDiagrams(QPainter& p, QSizeF size, const TBeamDiagrams& d, std::optional<double> cursorMm,
                   std::vector<QRectF>* labelBoxes, std::optional<double> measuredGaugeMm) {
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
    const TDiagramsGeometry g = DiagramsGeometry(size, int(d.Warnings.size()));
    TLabelPlacer labels(labelBoxes);
    PaintWarnings(p, g, d, labels);
    // The titles first, so that no label covers one.
    for (int k = 0; k < DiagramCount; ++k) {
        const QString title = QStringLiteral("%1 (%2)").arg(d.Curves[k].Title, d.Curves[k].Unit);
        labels.Block(
            QRectF(g.Left, g.Bands[k].top() - 18.0, TextWidth(SmallFont(11.0, true), title) + 2.0, 16.0));
    }
    PaintFreeBody(p, g, d, labels);
    for (int k = 0; k < DiagramCount; ++k)
        PaintBand(p, g, d, k, labels, measuredGaugeMm);
    PaintAxis(p, g, labels);
    if (cursorMm) PaintCursor(p, g, d, *cursorMm, labels);
    p.restore();
}

void PaintDeflectionDiagram(QPainter& p, QSizeF size, const TBeamDiagrams& d) {
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
    // The deflection band of the full picture alone, on the same x axis, its title above it.
    constexpr int k = int(TDiagramKind::Deflection);
    TDiagramsGeometry g;
    g.Left = MarginLeft;
    g.Right = std::max(MarginLeft + 100.0, size.width() - MarginRight);
    const double top = 24.0;
    g.Bands[k] = QRectF(g.Left, top, g.Right - g.Left, std::max(40.0, size.height() - top - AxisHeight));
    g.Axis = QRectF(g.Left, g.Bands[k].bottom(), g.Right - g.Left, AxisHeight);
    TLabelPlacer labels(nullptr);
    const QString title = QStringLiteral("%1 (%2)").arg(d.Curves[k].Title, d.Curves[k].Unit);
    labels.Block(QRectF(g.Left, top - 18.0, TextWidth(SmallFont(11.0, true), title) + 2.0, 16.0));
    PaintBand(p, g, d, k, labels, std::nullopt);
    PaintAxis(p, g, labels);
    p.restore();
}
