#pragma once
// The deflection view under the apparatus picture: TheoryImage (a 366 x 136 ARGB bitmap at 89, 353 of the
// panel) with the zero line and the curve, the two scale labels, the axis title and the readouts. The
// controls are children of the panel that hosts the view, at the panel coordinates of the window design.

#include <QImage>
#include <QObject>
#include <QWidget>

#include "theory/BeamTheory.h"
#include "theory/DeflectionPlot.h"

#include <QLabel>

// The picture control: paints its bitmap, repainted once per drawing. On a screen of another scale, or with
// bolder lines, the same drawing is painted again at the screen's device pixel ratio (Bitmap stays the
// 1x picture).
class TTheoryImage final : public QWidget {
    Q_OBJECT
public:
    explicit TTheoryImage(QWidget* parent);
    QImage Bitmap;
    int Repaints = 0; // paint events received, so a test can see one drawing cost one repaint
    // The drawing in Bitmap (kept for the renders at other scales), and the width of its lines in logical
    // pixels (1; the large display draws 2).
    void SetDrawing(const TDeflectionDrawing& drawing);
    void SetLineWidth(qreal width);
    // What a paint shows on a screen of this scale: Bitmap at 1x with 1-pixel lines, else a fresh render.
    [[nodiscard]] QImage PictureAt(qreal scale);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    TDeflectionDrawing Drawing;
    qreal LineWidth = 1.0;
    QImage Sharp; // the last fresh render, kept until the drawing, the scale or the line width changes
};

// A label of the view that keeps one edge of its design rectangle and grows from it to its text, so a
// sign, a digit or a unit is never cut: the scale labels keep their right edge, the readouts their left
// edge unless the text would run past the panel's right edge, where they stop. It never shrinks below the
// design size. Set the text through this type: setText hides QLabel's so that the label fits each text.
class TFittedLabel final : public QLabel {
    Q_OBJECT
public:
    enum class TAnchor { LeftEdge, RightEdge };
    TFittedLabel(const QString& text, QWidget* panel, const QRect& design, Qt::Alignment alignment,
                 TAnchor anchor, int panelWidth);

    void setText(const QString& text);
    // Places the label for its current text and font.
    void Fit();
    [[nodiscard]] QRect Design() const { return DesignRect; }

    // The caption on the left of a readout: when the readout has to move left to stay inside the panel and
    // would reach the caption's text, the caption moves left by as much, so neither covers the other.
    TFittedLabel* Caption = nullptr;

protected:
    // A font given later (the window's, inherited from the panel) changes the width of the text.
    void changeEvent(QEvent* event) override;

private:
    QRect DesignRect;
    TAnchor Anchor;
    int PanelWidth;
};

class TDeflectionView final : public QObject, public TDeflectionPresenter {
    Q_OBJECT
public:
    static constexpr int ImageLeft = 89;
    static constexpr int ImageTop = 353;
    static constexpr int ImageWidth = 366;
    static constexpr int ImageHeight = 136;
    // The panel that hosts the view (the window's Panel1) is this wide; no label runs past its right edge.
    static constexpr int PanelWidth = 752;

    explicit TDeflectionView(QWidget* panel);

    void ClearDeflectionView() override;
    void ShowCantileverDeflection(const TDeflectionCurve& curve, int gaugeStation) override;
    void ShowFixedBothEndsDeflection(const TDeflectionCurve& curve, float largest, int gaugeStation) override;
    void ShowTwoSidedDeflection(const TDeflectionCurve& curve, float largest, float smallest,
                                int gaugeStation) override;

    // While virtual experiments are on, the Show operations make the deflection readouts visible.
    bool VirtualExperiments = true;

    // Paints a drawing into a bitmap of the view's size (opaque white, black anti-aliased 1-pixel lines). A
    // bitmap with a devicePixelRatio is the view's size in logical pixels, drawn on its finer grid.
    static void Render(const TDeflectionDrawing& drawing, QImage& bitmap, qreal lineWidth = 1.0);
    // The large display: the curve and the zero line drawn twice as thick.
    void SetBoldLines(bool bold);
    [[nodiscard]] const TDeflectionDrawing& LastDrawing() const { return Last; }

    TTheoryImage* TheoryImage;
    TFittedLabel* MaxDeflectionLbl;
    TFittedLabel* MinDeflectionLbl;
    QLabel* Label6;
    TFittedLabel* PositiveDeflectLbl;
    TFittedLabel* NegativeDeflectLbl;
    TFittedLabel* DeflectionLabel;
    TFittedLabel* DialGaugeDeflection;

private:
    void Apply(const TDeflectionDrawing& drawing);
    TDeflectionDrawing Last;
};
