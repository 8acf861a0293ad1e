#include "DeflectionView.h"

#include <QEvent>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>

TTheoryImage::TTheoryImage(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    Bitmap = QImage(TDeflectionView::ImageWidth, TDeflectionView::ImageHeight, QImage::Format_ARGB32);
    Bitmap.fill(0xFFFFFFFF);
}

QImage TTheoryImage::PictureAt(qreal scale) {
    if (scale == 1.0 && LineWidth == 1.0) return Bitmap;
    if (Sharp.isNull() || Sharp.devicePixelRatio() != scale) {
        Sharp =
            QImage(QSize(int(std::lround(Bitmap.width() * scale)), int(std::lround(Bitmap.height() * scale))),
                   QImage::Format_ARGB32);
        Sharp.setDevicePixelRatio(scale);
        TDeflectionView::Render(Drawing, Sharp, LineWidth);
    }
    return Sharp;
}

void TTheoryImage::SetDrawing(const TDeflectionDrawing& drawing) {
    Drawing = drawing;
    Sharp = QImage();
}

void TTheoryImage::SetLineWidth(qreal width) {
    LineWidth = width;
    Sharp = QImage();
    update();
}

void TTheoryImage::paintEvent(QPaintEvent*) {
    ++Repaints;
    QPainter painter(this);
    painter.drawImage(0, 0, PictureAt(devicePixelRatioF()));
}

TFittedLabel::TFittedLabel(const QString& text, QWidget* panel, const QRect& design, Qt::Alignment alignment,
                           TAnchor anchor, int panelWidth)
    : QLabel(text, panel), DesignRect(design), Anchor(anchor), PanelWidth(panelWidth) {
    setAlignment(alignment);
    Fit();
}

void TFittedLabel::setText(const QString& text) {
    QLabel::setText(text);
    Fit();
}

void TFittedLabel::Fit() {
    // QLabel's size hint measures the text as it paints it (tabs expanded, margins added).
    const int width = std::max(DesignRect.width(), sizeHint().width());
    const int left = Anchor == TAnchor::RightEdge ? DesignRect.right() + 1 - width
                                                  : std::min(DesignRect.left(), PanelWidth - width);
    setGeometry(left, DesignRect.top(), width, DesignRect.height());
    if (!Caption) return;
    const QRect caption = Caption->Design();
    const int captionWidth = std::max(caption.width(), Caption->sizeHint().width());
    Caption->setGeometry(std::min(caption.left(), left - captionWidth), caption.top(), captionWidth,
                         caption.height());
}

void TFittedLabel::changeEvent(QEvent* event) {
    QLabel::changeEvent(event);
    if (event->type() == QEvent::FontChange) Fit();
}

namespace {

TFittedLabel* MakeLabel(QWidget* panel, const char* name, const QString& text, const QRect& design,
                        Qt::Alignment align, TFittedLabel::TAnchor anchor, int pixelHeight = 0) {
    auto* label = new TFittedLabel(text, panel, design, align, anchor, TDeflectionView::PanelWidth);
    label->setObjectName(QLatin1String(name));
    if (pixelHeight > 0) {
        QFont font(QStringLiteral("Arial"));
        font.setPixelSize(pixelHeight);
        label->setFont(font);
    }
    return label;
}

} // namespace

TDeflectionView::TDeflectionView(QWidget* panel) : QObject(panel) {
    using enum TFittedLabel::TAnchor;
    TheoryImage = new TTheoryImage(panel);
    TheoryImage->setObjectName(QStringLiteral("TheoryImage"));
    TheoryImage->setGeometry(ImageLeft, ImageTop, ImageWidth, ImageHeight);
    // The scale labels keep their right edges (x 77) and grow leftwards into the free margin.
    const auto right = Qt::AlignRight | Qt::AlignTop;
    MaxDeflectionLbl =
        MakeLabel(panel, "MaxDeflectionLbl", QStringLiteral("0"), {55, 353, 23, 13}, right, RightEdge, 11);
    MinDeflectionLbl =
        MakeLabel(panel, "MinDeflectionLbl", QStringLiteral("-1"), {54, 472, 24, 14}, right, RightEdge, 11);
    Label6 = new QLabel(tr("Theoretical Deflection y (mm)"), panel);
    Label6->setObjectName(QStringLiteral("Label6"));
    Label6->setGeometry(16, 384, 64, 57);
    Label6->setAlignment(Qt::AlignCenter);
    Label6->setWordWrap(true);
    const auto left = Qt::AlignLeft | Qt::AlignVCenter;
    // Wide enough for the caption, the tab and the value up to the panel's right edge.
    PositiveDeflectLbl =
        MakeLabel(panel, "PositiveDeflectLbl", QString(), {526, 416, 226, 16}, left, LeftEdge);
    NegativeDeflectLbl =
        MakeLabel(panel, "NegativeDeflectLbl", QString(), {526, 440, 226, 16}, left, LeftEdge);
    PositiveDeflectLbl->hide();
    NegativeDeflectLbl->hide();
    DeflectionLabel = MakeLabel(panel, "DeflectionLabel", tr("Theoretical deflection on gauge: "),
                                {525, 462, 162, 16}, left, LeftEdge);
    DialGaugeDeflection = MakeLabel(panel, "DialGaugeDeflection", QStringLiteral("0.00 mm"),
                                    {687, 462, 60, 16}, left, LeftEdge);
    DialGaugeDeflection->Caption = DeflectionLabel;
    ClearDeflectionView();
}

void TDeflectionView::SetBoldLines(bool bold) {
    TheoryImage->SetLineWidth(bold ? 2.0 : 1.0);
}

void TDeflectionView::Render(const TDeflectionDrawing& drawing, QImage& bitmap, qreal lineWidth) {
    bitmap.fill(0xFFFFFFFF);
    QPainter painter(&bitmap);
    painter.setRenderHint(QPainter::Antialiasing, true);
    // Panel coordinates name pixel centres, so the half-pixel shift keeps a horizontal line on one row.
    painter.translate(-ImageLeft + 0.5, -ImageTop + 0.5);
    painter.setPen(QPen(QColor(0xFF000000u), lineWidth));
    const double x0 = StationX.front();
    const double x1 = StationX.back() + 10;
    painter.drawLine(QPointF(x0, drawing.ZeroLineY), QPointF(x1, drawing.ZeroLineY));
    painter.drawLine(QPointF(x0, drawing.ZeroLineY + 1), QPointF(x1, drawing.ZeroLineY + 1));
    if (drawing.Curve.size() > 1) {
        QPainterPath path(QPointF(drawing.Curve.front().X, drawing.Curve.front().Y));
        for (std::size_t i = 1; i < drawing.Curve.size(); ++i)
            path.lineTo(drawing.Curve[i].X, drawing.Curve[i].Y);
        painter.drawPath(path);
    }
}

void TDeflectionView::Apply(const TDeflectionDrawing& drawing) {
    Last = drawing;
    TheoryImage->setUpdatesEnabled(false);
    Render(drawing, TheoryImage->Bitmap);
    TheoryImage->SetDrawing(drawing);
    MaxDeflectionLbl->setText(drawing.MaxDeflection);
    MinDeflectionLbl->setText(drawing.MinDeflection);
    DialGaugeDeflection->setText(drawing.DialGauge);
    if (drawing.Positive) PositiveDeflectLbl->setText(*drawing.Positive);
    if (drawing.Negative) NegativeDeflectLbl->setText(*drawing.Negative);
    switch (drawing.Readouts) {
    case TReadoutVisibility::HideBoth:
        PositiveDeflectLbl->hide();
        NegativeDeflectLbl->hide();
        break;
    case TReadoutVisibility::NegativeOnly:
        if (VirtualExperiments) {
            NegativeDeflectLbl->show();
            PositiveDeflectLbl->hide();
        }
        break;
    case TReadoutVisibility::Both:
        if (VirtualExperiments) {
            NegativeDeflectLbl->show();
            PositiveDeflectLbl->show();
        }
        break;
    }
    TheoryImage->setUpdatesEnabled(true);
    TheoryImage->update();
}

void TDeflectionView::ClearDeflectionView() {
    Apply(ClearedDrawing());
}

void TDeflectionView::ShowCantileverDeflection(const TDeflectionCurve& curve, int gaugeStation) {
    Apply(CantileverDrawing(curve, gaugeStation));
}

void TDeflectionView::ShowFixedBothEndsDeflection(const TDeflectionCurve& curve, float largest,
                                                  int gaugeStation) {
    Apply(FixedBothEndsDrawing(curve, largest, gaugeStation));
}

void TDeflectionView::ShowTwoSidedDeflection(const TDeflectionCurve& curve, float largest, float smallest,
                                             int gaugeStation) {
    Apply(TwoSidedDrawing(curve, largest, smallest, gaugeStation));
}
