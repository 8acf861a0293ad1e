#pragma once
// The picture of the diagrams window, painted by one function into any QPainter (a widget, a QImage, a
// printer) from the answer of ComputeDiagrams: at the top the free-body diagram (beam, supports, point loads
// in N, the UDL with its intensity, reactions as arrows and clamp moments as curved arrows, with values);
// below it four stacked diagrams on one x axis, 0..600 mm, aligned with the beam above: shear force (N),
// bending moment (N m), slope (mrad) and deflection (mm), each with its title, unit, zero line, scale and
// labelled extremes (a flat stretch as a bar, equal extremes at each place), and the gauge with its reading
// on the deflection diagram; warning lines above all. An optional cursor position draws a vertical line
// through all of them with the values there. A beam with nothing to draw shows the reason in words instead.

#include <QList>
#include <QPainter>
#include <QRectF>
#include <QStringList>
#include <array>
#include <optional>

#include "theory/Diagrams.h"

// Where everything goes for a given picture size and count of warning lines (a line each, at the top).
struct TDiagramsGeometry {
    QList<QRectF> Warnings;                 // the warning lines
    double Left = 0.0;                      // x pixel of 0 mm
    double Right = 0.0;                     // x pixel of 600 mm
    QRectF FreeBody;                        // the free-body diagram's band
    std::array<QRectF, DiagramCount> Bands; // V, M, slope, deflection
    QRectF Axis;                            // the x axis under the last band

    [[nodiscard]] double PixelOf(double xMm) const { return Left + (Right - Left) * xMm / BeamLengthMm; }
    [[nodiscard]] double MmOf(double xPixel) const { return (xPixel - Left) / (Right - Left) * BeamLengthMm; }
};

[[nodiscard]] TDiagramsGeometry DiagramsGeometry(QSizeF size, int warnings = 0);

// The position along the beam under a point of the picture, when the point is over the free-body diagram
// or a diagram and between 0 and 600 mm.
[[nodiscard]] std::optional<double> DiagramsPositionAt(QSizeF size, QPointF point, int warnings = 0);

// The cursor's texts: the position to the millimetre, then one value per diagram with its unit
// ("V = 1.234 N"), at that millimetre.
struct TCursorReadout {
    double XMm = 0.0; // whole mm
    QString Position; // "x = 312 mm"
    std::array<QString, DiagramCount> Values;
};
[[nodiscard]] TCursorReadout CursorReadout(const TBeamDiagrams& diagrams, double xMm);

// Paints the whole picture over the rectangle (0, 0, size), background included. Labels are placed so that
// none covers another, a title or the beam, and all lie inside the picture; labelBoxes, when given, gets
// every label's and title's rectangle (tests). The gauge's measured reading, when connected, joins the
// theoretical one on the deflection diagram.
void PaintDiagrams(QPainter& painter, QSizeF size, const TBeamDiagrams& diagrams,
                   std::optional<double> cursorMm = std::nullopt, std::vector<QRectF>* labelBoxes = nullptr,
                   std::optional<double> measuredGaugeMm = std::nullopt);

// The deflection diagram alone (the last band of the picture, with its scale, extremes, gauge and the x axis
// in mm) over the rectangle (0, 0, size): the report's theoretical deflection.
void PaintDeflectionDiagram(QPainter& painter, QSizeF size, const TBeamDiagrams& diagrams);
