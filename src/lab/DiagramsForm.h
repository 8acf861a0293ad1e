#pragma once
// The "Diagrams" window of the laboratory tools: a non-modal window beside the experiment window with the
// free-body diagram and the shear, moment, slope and deflection diagrams of the current layout (a mouse
// cursor reads all four at one position) and the "Worked solution" pane. The experiment window creates it
// once (as its child, so it goes when the experiment window goes), shows it from its menu, and hands it every
// new result with ShowLayout after each Recalculate; the window keeps nothing else of the layout.

#include <QTextBrowser>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <optional>

#include "lab/DiagramsDrawing.h"
#include "theory/BeamTheory.h"
#include "theory/Diagrams.h"

// The picture, repainted from the last diagrams; the mouse moves its cursor.
class TDiagramsCanvas final : public QWidget {
    Q_OBJECT
public:
    explicit TDiagramsCanvas(QWidget* parent = nullptr);
    void SetDiagrams(TBeamDiagrams diagrams);
    [[nodiscard]] const TBeamDiagrams& Diagrams() const { return Current; }
    // The cursor's position and values, while the mouse is over a diagram.
    [[nodiscard]] std::optional<TCursorReadout> Cursor() const;
    [[nodiscard]] QSize sizeHint() const override { return {760, 860}; }
    // The gauge's reading from the data unit, while connected (none otherwise).
    void SetMeasuredGauge(std::optional<double> mm);
    [[nodiscard]] std::optional<double> MeasuredGauge() const { return MeasuredGaugeMm; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    TBeamDiagrams Current;
    std::optional<double> CursorMm;
    std::optional<double> MeasuredGaugeMm;
};

class QSplitter;
class QPushButton;

class TDiagramsForm final : public QWidget {
public:
    // The picture's minimum with a strip of the solution under it; side by side from SideBySideWidth on.
    static constexpr QSize MinimumWindowSize{570, 700};
    static constexpr int SideBySideWidth = 900;

private:
    Q_OBJECT
public:
    // With the experiment window as parent it is a separate window that closes and goes with it.
    explicit TDiagramsForm(QWidget* parent = nullptr);

    // Recomputes the reactions and diagrams of the layout the theory has just computed (call it after every
    // Recalculate, visible or not) and repaints the picture. The worked solution follows from the event loop
    // right after the repaints (several calls in a row write it once), and only while the window is shown:
    // laying out its text costs far more than the picture.
    // With the section, the bending stress and its yield check too.
    void ShowLayout(const TBeamLayout& layout, const TBeamTheory& theory,
                    const std::optional<TBeamSection>& section = std::nullopt);
    // Writes a pending worked solution now (tests, and the window when it is shown).
    void UpdateWorkedSolution();

    // "Export diagrams as PNG / PDF...": the save dialog (the experiment window hands in its own, which
    // starts in the experiment's folder) and the name it suggests; then ExportDiagrams.
    std::function<QString(QWidget* owner, const QString& caption, const QString& filter,
                          const QString& suggested)>
        SaveFileName;
    std::function<QString()> SuggestedExportName;
    void ExportClick();
    // Writes the picture (and in a PDF the worked solution after it) to a .png or .pdf file through
    // WriteFileSafely; empty when written, else why not.
    [[nodiscard]] QString ExportDiagrams(const QString& path) const;
    [[nodiscard]] QPushButton* ExportButton() const { return Export; }
    [[nodiscard]] std::optional<double> MeasuredGauge() const;

    [[nodiscard]] const TBeamDiagrams& Diagrams() const { return Canvas->Diagrams(); }
    [[nodiscard]] TDiagramsCanvas* DiagramsCanvas() const { return Canvas; }
    [[nodiscard]] QTextBrowser* WorkedSolution() const { return Solution; }

protected:
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    TDiagramsCanvas* Canvas;
    QTextBrowser* Solution;
    QSplitter* Splitter = nullptr;
    QPushButton* Export = nullptr;
    QWidget* Pane = nullptr;
    void FollowWidth();
    QTimer SolutionTimer;
    bool SolutionPending = false;
};
