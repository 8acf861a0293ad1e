#pragma once
// TReadingsWindow: the "Readings" window of the laboratory tools. The rows of the table of readings with the
// units in the column headers (notes editable), "Delete selected rows" and "Clear all" (each asked first),
// and under them the plot of measured and theoretical deflection against the varied property's value with
// the fit's experimental modulus beside it. It only shows the core's answers (record/ReadingsFit.h).

#include <QPointF>
#include <QWidget>
#include <vector>

#include "lab/ReadingsView.h"

class QChart;
class QChartView;
class QLabel;
class QLineSeries;
class QPushButton;
class QScatterSeries;
class QTableView;
class QValueAxis;
class TReadingsModel;

// What the plot shows for a table: the points of the current series (the newest row's property) and the
// axis titles. Rows whose value is not a number are placed by their reading number.
struct TReadingsPlotData {
    std::vector<QPointF> Measured; // the selected gauge's zeroed mean, mm
    std::vector<QPointF> Theory;   // mm
    QString XTitle;                // "Hanger load (N)", or "Reading number"
    QString YTitle;                // "Deflection at the gauge (mm)"
};
[[nodiscard]] TReadingsPlotData ReadingsPlot(const TReadingsTable& table);

class TReadingsWindow final : public QWidget, public TReadingsView {
public:
    static constexpr QSize MinimumWindowSize{480, 560};

    Q_OBJECT
public:
    static inline const QString Caption = QStringLiteral("Readings");

    explicit TReadingsWindow(const TReadingsViewContext& context);

    QWidget* Widget() override { return this; }
    void ShowBeside() override;
    void RowsChanged() override;

    void DeleteSelectedClick();
    void ClearAllClick();

    QTableView* Grid;
    TReadingsModel* Model;
    QChartView* PlotView;
    QChart* Plot;
    QScatterSeries* MeasuredSeries;
    QLineSeries* TheorySeries;
    QValueAxis* XAxis;
    QValueAxis* YAxis;
    QLabel* FitLabel;
    QPushButton* DeleteButton;
    QPushButton* ClearButton;

private:
    void UpdatePlot();
    void UpdateButtons();
    bool Ask(const QString& question);

    TReadingsViewContext Context;
    bool Placed = false;
};
