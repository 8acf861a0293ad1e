#pragma once
// The class's charts, painted into any QPainter (the "Compare experiments" window, the PDF summary, tests):
// every run's measured deflection against theory, one colour per file, with the line measured = theory; and
// each run's E_exp with its error bar, grouped by group, against the material's E. And the whole class
// summary on a paged device: the table of runs, both charts, the class mean and spread.

#include <QColor>
#include <QRectF>
#include <QString>

#include "record/ClassResults.h"

class QPainter;
class QPagedPaintDevice;

// The colour of the i-th file.
[[nodiscard]] QColor ClassFileColour(int index);
void PaintClassScatter(QPainter& p, const QRectF& area, const TClassResults& results);
void PaintModulusChart(QPainter& p, const QRectF& area, const TClassResults& results,
                       const std::vector<TClassStatistic>& statistics);
// One line per material: "Aluminium: mean E_exp 68.56 GPa, spread 8.35 GPa (3 runs), -0.6 % from 69 GPa".
[[nodiscard]] QString ClassStatisticsText(const std::vector<TClassStatistic>& statistics);
// The summary's pages; `title` heads the first.
void PaintClassSummary(QPagedPaintDevice& device, const QString& title, const TClassResults& results);
// Written through the guarded writer; empty when written, else why.
[[nodiscard]] QString WriteClassSummaryPdf(const QString& path, const QString& title,
                                           const TClassResults& results);
