#pragma once
// The one painter of the readings plot, used by the "Readings" window and by the report: the runs of a
// TReadingsSeries (record/ReadingsSeries.h) on one pair of axes, each run in its own colour and marker, its
// theory a solid line, its measured points markers, its fit (measured = k x theory) a dashed line; the
// legend under the axes, outside the data. It paints on any QPainter (a widget, a PDF page, a QImage in a
// test) and owns the mapping from values to the device: the window and the report cannot disagree.

#include <QColor>
#include <QFont>
#include <QLocale>
#include <QRectF>
#include <vector>

#include "record/ReadingsSeries.h"

class QPainter;
class QPaintDevice;

// A run's look: colours and markers that stay apart in grey print too.
enum class TPlotMarker { Circle, Square, Triangle, Diamond, Cross };
struct TPlotStyle {
    QColor Colour;
    TPlotMarker Marker = TPlotMarker::Circle;
};
[[nodiscard]] TPlotStyle RunStyle(int style);

// An axis with ticks every 1, 2 or 5 times a power of ten, from a tick to a tick, holding every value.
// Empty (no values): 0 to 1. The deflection axis always holds zero; an axis whose values are all >= 0 does
// not run below zero (no "-2.0 N" of load).
struct TPlotAxis {
    double From = 0.0, To = 1.0, Step = 0.2;
    int Decimals = 1;
    std::vector<double> Ticks;
};
[[nodiscard]] TPlotAxis PlotAxis(std::vector<double> values, bool includeZero);
// A tick's text: never "-0.00".
[[nodiscard]] QString TickText(double value, int decimals, const QLocale& locale);

struct TPlotLayout {
    QRectF Frame;  // the data area
    QRectF Legend; // under the axis titles
    TPlotAxis X, Y;
    [[nodiscard]] QPointF Map(const QPointF& value) const;
};
// unit: device pixels per typographic point (1 on a screen at 72 dpi logic, dpi / 72 on a page).
// device: where the text is measured (the painter's device; none: the screen).
[[nodiscard]] TPlotLayout ReadingsPlotLayout(const TReadingsSeries& series, const QRectF& area,
                                             const QFont& font, double unit,
                                             const QLocale& locale = QLocale(),
                                             QPaintDevice* device = nullptr);
void PaintReadingsPlot(QPainter& painter, const QRectF& area, const TReadingsSeries& series,
                       const QFont& font, double unit, const QLocale& locale = QLocale());
