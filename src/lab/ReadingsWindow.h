#pragma once
// TReadingsWindow: the "Readings" window of the laboratory tools. The rows of the table of readings with the
// units in the column headers (notes and run names editable), "Delete selected rows" and "Clear all" (each
// asked first), and under them the plot of every run (ReadingsPlot.h, the painter the report uses too)
// with each run's fit and, where two runs share values, their differences. It only shows the core's answers
// (record/ReadingsSeries.h, record/ReadingsFit.h).

#include <QWidget>
#include <vector>

#include "lab/ReadingsView.h"
#include "record/ReadingsSeries.h"

class QLabel;
class QPushButton;
class QTableView;
class TReadingsModel;

// The plot as a widget: the shared painter on the widget's own area.
class TReadingsPlotWidget final : public QWidget {
public:
    explicit TReadingsPlotWidget(QWidget* parent = nullptr);
    // The series to paint, kept elsewhere (the table's, which outlives the window): not copied per row.
    void SetSeries(const TReadingsSeries* series);
    [[nodiscard]] const TReadingsSeries& Series() const { return *Data; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const TReadingsSeries* Data;
};

// The fits of the runs plotted and the differences of runs that share values, as rich text.
[[nodiscard]] QString RunsFitHtml(const TReadingsSeries& series);

class TReadingsWindow final : public QWidget, public TReadingsView {
public:
    static constexpr QSize MinimumWindowSize{480, 560};

    Q_OBJECT
public:
    static constexpr const char* CaptionSource = QT_TR_NOOP("Readings");
    static inline const QString Caption = QString::fromLatin1(CaptionSource); // the English title

    explicit TReadingsWindow(const TReadingsViewContext& context);

    QWidget* Widget() override { return this; }
    void RowsChanged() override;

    void DeleteSelectedClick();
    void ClearAllClick();

    QTableView* Grid;
    TReadingsModel* Model;
    TReadingsPlotWidget* PlotView;
    QLabel* FitLabel;
    QPushButton* DeleteButton;
    QPushButton* ClearButton;

private:
    void UpdatePlot();
    void UpdateButtons();
    bool Ask(const QString& question);

    TReadingsViewContext Context;
};
