#include "ReadingsWindow.h"

#include <QChart>
#include <QChartView>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineSeries>
#include <QPushButton>
#include <QScatterSeries>
#include <QScreen>
#include <QTableView>
#include <QVBoxLayout>
#include <QValueAxis>
#include <algorithm>
#include <cmath>

#include "lab/ReadingsModel.h"
#include "platform/MessageLayer.h"
#include "platform/NumberFormat.h"
#include "record/ReadingsFit.h"

TReadingsPlotData ReadingsPlot(const TReadingsTable& table) {
    TReadingsPlotData plot;
    plot.YTitle = QStringLiteral("Deflection at the gauge (mm)");
    const TVariedProperty series = table.SeriesProperty();
    bool numeric = !table.Empty();
    QString quantity, unit;
    for (const TReading& r : table.Rows())
        if (r.Property == series && !r.Varied.Undefined) {
            numeric = numeric && r.Varied.Numeric;
            quantity = r.Varied.Quantity;
            unit = r.Varied.Unit;
        }
    plot.XTitle = numeric && !quantity.isEmpty()
                      ? quantity + QStringLiteral(" (") + unit + QStringLiteral(")")
                      : QStringLiteral("Reading number");
    for (const TReading& r : table.Rows()) {
        if (r.Property != series || (numeric && !r.Varied.Numeric)) continue;
        const double x = numeric ? r.Varied.Value : r.Number;
        plot.Theory.emplace_back(x, r.TheoryMm);
        if (const auto m = r.MeasuredMm()) plot.Measured.emplace_back(x, *m);
    }
    std::stable_sort(plot.Theory.begin(), plot.Theory.end(),
                     [](const QPointF& a, const QPointF& b) { return a.x() < b.x(); });
    return plot;
}

TReadingsWindow::TReadingsWindow(const TReadingsViewContext& context)
    : QWidget(context.Owner, Qt::Window), Context(context) {
    setObjectName(QStringLiteral("ReadingsWindow"));
    setWindowTitle(Caption);
    setMinimumSize(MinimumWindowSize);
    resize(900, 600);

    Model = new TReadingsModel(*Context.Table, this);
    Model->NoteEdited = [this] {
        if (Context.Changed) Context.Changed();
    };
    Grid = new QTableView(this);
    Grid->setObjectName(QStringLiteral("ReadingsGrid"));
    Grid->setModel(Model);
    Grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    Grid->setSelectionMode(QAbstractItemView::ExtendedSelection);
    Grid->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                          QAbstractItemView::AnyKeyPressed);
    Grid->verticalHeader()->hide();
    Grid->horizontalHeader()->setStretchLastSection(true);
    Grid->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    Grid->setWordWrap(false);
    // Each column as wide as its header (units included), the texts wider; set once, never measured per row.
    const QFontMetrics header(Grid->horizontalHeader()->font());
    for (int c = 0; c < TReadingsModel::ColumnCount; ++c) {
        const QString title = Model->headerData(c, Qt::Horizontal, Qt::DisplayRole).toString();
        Grid->setColumnWidth(c, std::max(52, header.horizontalAdvance(title) + 18));
    }
    Grid->setColumnWidth(TReadingsModel::Property, 150);
    Grid->setColumnWidth(TReadingsModel::Value, 130);

    DeleteButton = new QPushButton(QStringLiteral("&Delete selected rows"), this);
    DeleteButton->setObjectName(QStringLiteral("DeleteButton"));
    ClearButton = new QPushButton(QStringLiteral("C&lear all"), this);
    ClearButton->setObjectName(QStringLiteral("ClearButton"));
    connect(DeleteButton, &QPushButton::clicked, this, &TReadingsWindow::DeleteSelectedClick);
    connect(ClearButton, &QPushButton::clicked, this, &TReadingsWindow::ClearAllClick);
    connect(Grid->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &TReadingsWindow::UpdateButtons);

    Plot = new QChart();
    Plot->setMargins(QMargins(4, 4, 4, 4));
    Plot->legend()->setAlignment(Qt::AlignBottom);
    TheorySeries = new QLineSeries(Plot);
    TheorySeries->setName(QStringLiteral("Theory"));
    TheorySeries->setPointsVisible(true);
    TheorySeries->setColor(QColor(0x1f, 0x4e, 0xb4));
    MeasuredSeries = new QScatterSeries(Plot);
    MeasuredSeries->setName(QStringLiteral("Measured"));
    MeasuredSeries->setMarkerSize(9);
    MeasuredSeries->setColor(QColor(0xd0, 0x30, 0x20));
    MeasuredSeries->setBorderColor(QColor(0xd0, 0x30, 0x20));
    Plot->addSeries(TheorySeries);
    Plot->addSeries(MeasuredSeries);
    XAxis = new QValueAxis(Plot);
    YAxis = new QValueAxis(Plot);
    Plot->addAxis(XAxis, Qt::AlignBottom);
    Plot->addAxis(YAxis, Qt::AlignLeft);
    for (auto* s : {static_cast<QXYSeries*>(TheorySeries), static_cast<QXYSeries*>(MeasuredSeries)}) {
        s->attachAxis(XAxis);
        s->attachAxis(YAxis);
    }
    PlotView = new QChartView(Plot, this);
    PlotView->setObjectName(QStringLiteral("ReadingsPlot"));
    PlotView->setRenderHint(QPainter::Antialiasing);
    PlotView->setMinimumSize(420, 220);

    FitLabel = new QLabel(this);
    FitLabel->setObjectName(QStringLiteral("FitLabel"));
    FitLabel->setWordWrap(true);
    FitLabel->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    FitLabel->setMinimumHeight(QFontMetrics(FitLabel->font()).lineSpacing() * 3);
    FitLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(DeleteButton);
    buttons->addWidget(ClearButton);
    buttons->addStretch(1);
    // The fit under the plot, never over it: the window keeps whole down to the width a lab window has beside
    // the experiment window on a 1366 x 768 screen.
    auto* bottom = new QVBoxLayout;
    bottom->addWidget(PlotView, 4);
    bottom->addWidget(FitLabel, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Grid, 2);
    layout->addLayout(buttons);
    layout->addLayout(bottom, 3);

    RowsChanged();
}

void TReadingsWindow::ShowBeside() {
    if (!Placed && Context.Owner) {
        Placed = true;
        const QRect owner = Context.Owner->frameGeometry();
        QScreen* screen =
            Context.Owner->screen() ? Context.Owner->screen() : QGuiApplication::primaryScreen();
        const QRect avail = screen ? screen->availableGeometry() : QRect(0, 0, 1920, 1080);
        // The wider side, the window narrowed to fit it (down to a usable 560 pixels); on a screen too small
        // for that it goes to the screen's right edge, over the experiment window.
        const int right = avail.right() - owner.right() - 8, left = owner.left() - avail.left() - 8;
        const int room = std::max(right, left);
        QPoint at;
        if (room >= 560) {
            resize(std::min(width(), room), height());
            at = right >= left ? QPoint(owner.right() + 8, owner.top())
                               : QPoint(owner.left() - 8 - width(), owner.top());
        } else {
            at = QPoint(std::max(avail.left(), avail.right() - width()), owner.top());
        }
        at.setY(std::clamp(at.y(), avail.top(), std::max(avail.top(), avail.bottom() - height())));
        move(at);
    }
    show();
    raise();
    activateWindow();
}

void TReadingsWindow::RowsChanged() {
    Model->Sync();
    if (Model->rowCount() > 0) Grid->scrollToBottom();
    UpdatePlot();
    UpdateButtons();
}

void TReadingsWindow::UpdateButtons() {
    DeleteButton->setEnabled(Grid->selectionModel()->hasSelection());
    ClearButton->setEnabled(!Context.Table->Empty());
}

void TReadingsWindow::UpdatePlot() {
    const TReadingsPlotData data = ReadingsPlot(*Context.Table);
    TheorySeries->replace(QList<QPointF>(data.Theory.begin(), data.Theory.end()));
    MeasuredSeries->replace(QList<QPointF>(data.Measured.begin(), data.Measured.end()));
    XAxis->setTitleText(data.XTitle);
    YAxis->setTitleText(data.YTitle);
    // Ranges that hold every point and zero, with a margin, so theory and measured share one scale.
    double x0 = 0, x1 = 1, y0 = 0, y1 = 0;
    bool first = true;
    for (const auto* points : {&data.Theory, &data.Measured})
        for (const QPointF& p : *points) {
            if (first) {
                x0 = x1 = p.x();
                first = false;
            }
            x0 = std::min(x0, p.x());
            x1 = std::max(x1, p.x());
            y0 = std::min(y0, p.y());
            y1 = std::max(y1, p.y());
        }
    if (x1 - x0 < 1e-9) {
        x0 -= 1;
        x1 += 1;
    }
    if (y1 - y0 < 1e-9) y0 -= 1;
    const double xm = (x1 - x0) * 0.05, ym = (y1 - y0) * 0.08;
    XAxis->setRange(x0 - xm, x1 + xm);
    YAxis->setRange(y0 - ym, y1 + ym);
    XAxis->applyNiceNumbers();
    YAxis->applyNiceNumbers();

    const TFitResult fit = FitMeasuredToTheory(*Context.Table);
    QString text = QStringLiteral("<b>Measured against theory</b><br>");
    if (fit.Ok) {
        text += QStringLiteral("Slope k = %1 (n = %2 points)<br>").arg(FormatFixed(fit.K, 3)).arg(fit.N);
        text += QStringLiteral("Experimental E = E / k = <b>%1 GPa</b><br>")
                    .arg(FormatFixed(fit.ModulusExpGPa, 1));
        text += QStringLiteral("Material E = %1 GPa<br>").arg(FormatGeneral(fit.ModulusGPa));
        text += QStringLiteral("Difference: %1%2 %")
                    .arg(fit.DifferencePercent > 0 ? "+" : "")
                    .arg(FormatFixed(fit.DifferencePercent, 1));
        if (fit.HasFlexuralStiffness)
            text += QStringLiteral("<br>Flexural stiffness E<sub>exp</sub> I = %1 N m\u00b2")
                        .arg(FormatFixed(fit.FlexuralStiffnessNm2, 3));
    } else {
        text += fit.Message.toHtmlEscaped();
    }
    FitLabel->setText(text);
}

bool TReadingsWindow::Ask(const QString& question) {
    TMessageRequest request;
    request.Caption = ApplicationTitle;
    request.Text = question;
    request.Icon = TMsgIcon::Question;
    request.Buttons = TMsgButtons::OkCancel;
    TMessageLayer& layer = Context.Messages ? *Context.Messages : Messages();
    return layer.Show(request) == TMsgResult::Ok;
}

void TReadingsWindow::DeleteSelectedClick() {
    std::vector<int> rows;
    for (const QModelIndex& i : Grid->selectionModel()->selectedRows())
        rows.push_back(i.row());
    if (rows.empty()) return;
    const QString what = rows.size() == 1 ? QStringLiteral("the selected reading")
                                          : QStringLiteral("the %1 selected readings").arg(rows.size());
    if (!Ask(QStringLiteral("Delete %1 from the table?").arg(what))) return;
    Context.Table->Remove(rows);
    Grid->clearSelection();
    RowsChanged();
    if (Context.Changed) Context.Changed();
}

void TReadingsWindow::ClearAllClick() {
    if (Context.Table->Empty()) return;
    if (!Ask(QStringLiteral("Clear all %1 readings from the table?").arg(Context.Table->Count()))) return;
    Context.Table->Clear();
    RowsChanged();
    if (Context.Changed) Context.Changed();
}
