#pragma once
// The deflection view under the apparatus picture: TheoryImage (a 366 x 136 ARGB bitmap at 89, 353 of the
// panel) with the zero line and the curve, the two scale labels, the axis title and the readouts. The
// controls are children of the panel that hosts the view, at the panel coordinates of the window design.

#include <QImage>
#include <QObject>
#include <QWidget>

#include "theory/BeamTheory.h"
#include "theory/DeflectionPlot.h"

class QLabel;

// The picture control: paints its bitmap, repainted once per drawing.
class TTheoryImage final : public QWidget {
    Q_OBJECT
public:
    explicit TTheoryImage(QWidget* parent);
    QImage Bitmap;
    int Repaints = 0; // paint events received, so a test can see one drawing cost one repaint

protected:
    void paintEvent(QPaintEvent* event) override;
};

class TDeflectionView final : public QObject, public TDeflectionPresenter {
    Q_OBJECT
public:
    static constexpr int ImageLeft = 89;
    static constexpr int ImageTop = 353;
    static constexpr int ImageWidth = 366;
    static constexpr int ImageHeight = 136;

    explicit TDeflectionView(QWidget* panel);

    void ClearDeflectionView() override;
    void ShowCantileverDeflection(const TDeflectionCurve& curve, int gaugeStation) override;
    void ShowFixedBothEndsDeflection(const TDeflectionCurve& curve, float largest, int gaugeStation) override;
    void ShowTwoSidedDeflection(const TDeflectionCurve& curve, float largest, float smallest,
                                int gaugeStation) override;

    // While virtual experiments are on, the Show operations make the deflection readouts visible.
    bool VirtualExperiments = true;

    // Paints a drawing into a bitmap of the view's size (opaque white, black anti-aliased 1-pixel lines).
    static void Render(const TDeflectionDrawing& drawing, QImage& bitmap);
    [[nodiscard]] const TDeflectionDrawing& LastDrawing() const { return Last; }

    TTheoryImage* TheoryImage;
    QLabel* MaxDeflectionLbl;
    QLabel* MinDeflectionLbl;
    QLabel* Label6;
    QLabel* PositiveDeflectLbl;
    QLabel* NegativeDeflectLbl;
    QLabel* DeflectionLabel;
    QLabel* DialGaugeDeflection;

private:
    void Apply(const TDeflectionDrawing& drawing);
    TDeflectionDrawing Last;
};
