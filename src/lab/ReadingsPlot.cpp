#include "ReadingsPlot.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>

TPlotStyle RunStyle(int style) {
    static const QColor colours[] = {QColor(0x1f, 0x4e, 0xb4), QColor(0xc8, 0x3c, 0x14),
                                     QColor(0x1a, 0x8a, 0x3a), QColor(0x8e, 0x2d, 0xa8),
                                     QColor(0xb0, 0x80, 0x00), QColor(0x10, 0x10, 0x10)};
    constexpr int colourCount = int(std::size(colours));
    const int i = std::max(0, style);
    return {colours[i % colourCount], TPlotMarker((i + i / colourCount) % 5)};
}

namespace {

// A step of 1, 2 or 5 times a power of ten giving about `ticks` intervals over the range.
double NiceStep(double range, int ticks) {
    if (!(range > 0)) return 1.0;
    const double raw = range / ticks;
    const double power = std::pow(10.0, std::floor(std::log10(raw)));
    for (const double m : {1.0, 2.0, 5.0})
        if (raw <= m * power * (1 + 1e-9)) return m * power;
    return 10.0 * power;
}

void Marker(QPainter& p, const QPointF& at, TPlotMarker marker, double r) {
    switch (marker) {
    case TPlotMarker::Circle:
        p.drawEllipse(at, r, r);
        break;
    case TPlotMarker::Square:
        p.drawRect(QRectF(at.x() - r * 0.9, at.y() - r * 0.9, r * 1.8, r * 1.8));
        break;
    case TPlotMarker::Triangle: {
        const QPointF pts[] = {{at.x(), at.y() - r * 1.2},
                               {at.x() + r * 1.1, at.y() + r * 0.8},
                               {at.x() - r * 1.1, at.y() + r * 0.8}};
        p.drawPolygon(pts, 3);
        break;
    }
    case TPlotMarker::Diamond: {
        const QPointF pts[] = {{at.x(), at.y() - r * 1.2},
                               {at.x() + r * 1.2, at.y()},
                               {at.x(), at.y() + r * 1.2},
                               {at.x() - r * 1.2, at.y()}};
        p.drawPolygon(pts, 4);
        break;
    }
    case TPlotMarker::Cross: {
        const QPen pen = p.pen();
        p.setPen(QPen(p.brush().color(), r * 0.6));
        p.drawLine(at + QPointF(-r, -r), at + QPointF(r, r));
        p.drawLine(at + QPointF(-r, r), at + QPointF(r, -r));
        p.setPen(pen);
        break;
    }
    }
}

struct TLegendEntry {
    QString Text;
    int Style = -1; // -1: the key to the line kinds
};

std::vector<TLegendEntry> LegendEntries(const TReadingsSeries& series) {
    std::vector<TLegendEntry> entries;
    for (const TRunSeries& run : series.Runs)
        entries.push_back({run.Name, run.Style});
    if (!series.Runs.empty()) {
        entries.push_back({QStringLiteral("markers: measured;  line: theory;  dashes: fit"), -1});
        entries.push_back({QStringLiteral("deflection at the gauge, downward negative"), -1});
    }
    return entries;
}

double EntryWidth(const TLegendEntry& e, const QFontMetricsF& fm, double unit) {
    return (e.Style >= 0 ? 26 * unit : 0) + fm.horizontalAdvance(e.Text) + 14 * unit;
}

// The legend's rows: entries flow left to right and wrap at the width.
std::vector<std::vector<TLegendEntry>> LegendRows(const TReadingsSeries& series, const QFontMetricsF& fm,
                                                  double width, double unit) {
    std::vector<std::vector<TLegendEntry>> rows;
    double x = 0;
    for (const TLegendEntry& e : LegendEntries(series)) {
        const double w = EntryWidth(e, fm, unit);
        if (rows.empty() || (x + w > width && !rows.back().empty())) {
            rows.emplace_back();
            x = 0;
        }
        rows.back().push_back(e);
        x += w;
    }
    return rows;
}

} // namespace

TPlotAxis PlotAxis(std::vector<double> values, bool includeZero) {
    TPlotAxis axis;
    if (values.empty()) {
        axis.Ticks = {0.0, 0.2, 0.4, 0.6, 0.8, 1.0};
        return axis;
    }
    if (includeZero) values.push_back(0.0);
    double lo = *std::min_element(values.begin(), values.end());
    double hi = *std::max_element(values.begin(), values.end());
    const bool nonNegative = lo >= 0.0, nonPositive = hi <= 0.0;
    if (hi - lo < 1e-12) {
        const double pad = std::max(1.0, std::abs(lo) * 0.5);
        lo -= pad;
        hi += pad;
    } else {
        // A little room so that no point sits on the frame.
        const double pad = (hi - lo) * 0.04;
        lo -= pad;
        hi += pad;
    }
    if (nonNegative) lo = std::max(lo, 0.0);
    if (nonPositive && includeZero) hi = std::min(hi, 0.0);
    axis.Step = NiceStep(hi - lo, 5);
    axis.From = std::floor(lo / axis.Step + 1e-9) * axis.Step;
    axis.To = std::ceil(hi / axis.Step - 1e-9) * axis.Step;
    if (axis.To - axis.From < axis.Step * 0.5) axis.To = axis.From + axis.Step;
    axis.Decimals = std::max(0, int(-std::floor(std::log10(axis.Step) + 1e-9)));
    for (double t = axis.From; t <= axis.To + axis.Step * 1e-6; t += axis.Step)
        axis.Ticks.push_back(std::abs(t) < axis.Step * 1e-6 ? 0.0 : t);
    return axis;
}

QString TickText(double value, int decimals, const QLocale& locale) {
    const double rounded = std::round(value * std::pow(10.0, decimals)) / std::pow(10.0, decimals);
    return locale.toString(rounded == 0.0 ? 0.0 : rounded, 'f', decimals);
}

QPointF TPlotLayout::Map(const QPointF& v) const {
    return {Frame.left() + (v.x() - X.From) / (X.To - X.From) * Frame.width(),
            Frame.bottom() - (v.y() - Y.From) / (Y.To - Y.From) * Frame.height()};
}

TPlotLayout ReadingsPlotLayout(const TReadingsSeries& series, const QRectF& area, const QFont& font,
                               double unit, const QLocale& locale, QPaintDevice* device) {
    TPlotLayout l;
    std::vector<double> xs, ys;
    for (const TRunSeries& run : series.Runs)
        for (const auto* points : {&run.Measured, &run.Theory})
            for (const QPointF& p : *points) {
                xs.push_back(p.x());
                ys.push_back(p.y());
            }
    l.X = PlotAxis(xs, false);
    l.Y = PlotAxis(ys, true);
    const QFontMetricsF fm = device ? QFontMetricsF(font, device) : QFontMetricsF(font);
    double tickWidth = 0;
    for (double t : l.Y.Ticks)
        tickWidth = std::max(tickWidth, fm.horizontalAdvance(TickText(t, l.Y.Decimals, locale)));
    const double gap = 4 * unit;
    const double left = fm.height() + gap + tickWidth + gap;
    const double legendWidth = area.width() - left - gap;
    const int legendRows = int(LegendRows(series, fm, legendWidth, unit).size());
    const double legendHeight = legendRows * (fm.height() + 2 * unit);
    const double bottom = gap + fm.height() + gap + fm.height() + gap + legendHeight;
    const double right =
        std::max(gap, fm.horizontalAdvance(TickText(l.X.To, l.X.Decimals, locale)) / 2 + unit);
    l.Frame = QRectF(area.left() + left, area.top() + fm.height() / 2 + unit, area.width() - left - right,
                     area.height() - bottom - fm.height() / 2 - unit);
    l.Legend = QRectF(l.Frame.left(), area.bottom() - legendHeight, legendWidth, legendHeight);
    return l;
}

void PaintReadingsPlot(QPainter& p, const QRectF& area, const TReadingsSeries& series, const QFont& font,
                       double unit, const QLocale& locale) {
    const TPlotLayout l = ReadingsPlotLayout(series, area, font, unit, locale, p.device());
    if (l.Frame.width() < 10 || l.Frame.height() < 10) return;
    const QFontMetricsF fm(font, p.device());
    const double gap = 4 * unit;
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setFont(font);
    // Grid and tick texts.
    for (double x : l.X.Ticks) {
        const double px = l.Map({x, 0}).x();
        p.setPen(QPen(QColor(225, 225, 225), 0.6 * unit));
        p.drawLine(QPointF(px, l.Frame.top()), QPointF(px, l.Frame.bottom()));
        p.setPen(Qt::black);
        const QString text = TickText(x, l.X.Decimals, locale);
        const double w = fm.horizontalAdvance(text);
        p.drawText(QRectF(px - w / 2 - unit, l.Frame.bottom() + gap, w + 2 * unit, fm.height()),
                   Qt::AlignCenter, text);
    }
    for (double y : l.Y.Ticks) {
        const double py = l.Map({0, y}).y();
        p.setPen(
            QPen(y == 0.0 ? QColor(150, 150, 150) : QColor(225, 225, 225), (y == 0.0 ? 1.0 : 0.6) * unit));
        p.drawLine(QPointF(l.Frame.left(), py), QPointF(l.Frame.right(), py));
        p.setPen(Qt::black);
        p.drawText(QRectF(area.left(), py - fm.height() / 2, l.Frame.left() - area.left() - gap, fm.height()),
                   Qt::AlignRight | Qt::AlignVCenter, TickText(y, l.Y.Decimals, locale));
    }
    p.setPen(QPen(Qt::black, 0.8 * unit));
    p.setBrush(Qt::NoBrush);
    p.drawRect(l.Frame);
    // Axis titles.
    QFont bold = font;
    bold.setBold(true);
    p.setFont(bold);
    const QFontMetricsF bm(bold, p.device());
    p.drawText(
        QRectF(l.Frame.left(), l.Frame.bottom() + gap + fm.height() + gap, l.Frame.width(), bm.height()),
        Qt::AlignHCenter | Qt::AlignTop, series.XTitle);
    p.save();
    p.translate(area.left(), l.Frame.center().y());
    p.rotate(-90);
    p.drawText(QRectF(-l.Frame.height() / 2, 0, l.Frame.height(), bm.height()),
               Qt::AlignHCenter | Qt::AlignTop,
               bm.elidedText(series.YTitle, Qt::ElideRight, l.Frame.height()));
    p.restore();
    p.setFont(font);

    // The runs, clipped to the data area.
    p.save();
    p.setClipRect(l.Frame.adjusted(-unit, -unit, unit, unit));
    const double r = 3.0 * unit;
    for (const TRunSeries& run : series.Runs) {
        const TPlotStyle style = RunStyle(run.Style);
        p.setPen(QPen(style.Colour, 1.4 * unit));
        p.setBrush(Qt::NoBrush);
        QPainterPath theory;
        for (std::size_t i = 0; i < run.Theory.size(); ++i)
            i == 0 ? theory.moveTo(l.Map(run.Theory[i])) : theory.lineTo(l.Map(run.Theory[i]));
        p.drawPath(theory);
        if (run.Fit.Ok && run.Theory.size() >= 2) {
            // measured = k x theory at each value: the fit drawn in the plot's own coordinates.
            p.setPen(QPen(style.Colour, 1.0 * unit, Qt::DashLine));
            QPainterPath fit;
            for (std::size_t i = 0; i < run.Theory.size(); ++i) {
                const QPointF at = l.Map({run.Theory[i].x(), run.Fit.K * run.Theory[i].y()});
                i == 0 ? fit.moveTo(at) : fit.lineTo(at);
            }
            p.drawPath(fit);
        }
        p.setPen(QPen(style.Colour.darker(130), 0.8 * unit));
        p.setBrush(style.Colour);
        for (const QPointF& m : run.Measured)
            Marker(p, l.Map(m), style.Marker, r);
    }
    p.restore();

    // The legend, under the axes.
    double y = l.Legend.top();
    for (const auto& row : LegendRows(series, fm, l.Legend.width(), unit)) {
        double x = l.Legend.left();
        for (const TLegendEntry& e : row) {
            const double mid = y + fm.height() / 2;
            if (e.Style >= 0) {
                const TPlotStyle style = RunStyle(e.Style);
                p.setPen(QPen(style.Colour, 1.4 * unit));
                p.drawLine(QPointF(x, mid), QPointF(x + 20 * unit, mid));
                p.setPen(QPen(style.Colour.darker(130), 0.8 * unit));
                p.setBrush(style.Colour);
                Marker(p, QPointF(x + 10 * unit, mid), style.Marker, r);
                x += 26 * unit;
            }
            p.setPen(e.Style >= 0 ? Qt::black : QColor(90, 90, 90));
            p.drawText(QRectF(x, y, fm.horizontalAdvance(e.Text) + 2 * unit, fm.height()), Qt::AlignVCenter,
                       e.Text);
            x += fm.horizontalAdvance(e.Text) + 14 * unit;
        }
        y += fm.height() + 2 * unit;
    }
    p.restore();
}
