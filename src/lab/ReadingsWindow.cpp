#include "ReadingsWindow.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScrollArea>
#include <QTableView>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

#include "lab/ReadingsModel.h"
#include "lab/ReadingsPlot.h"
#include "platform/MessageLayer.h"
#include "platform/NumberFormat.h"
#include "record/ReadingsFit.h"

namespace {
const TReadingsSeries NoSeries;
}

TReadingsPlotWidget::TReadingsPlotWidget(QWidget* parent) : QWidget(parent), Data(&NoSeries) {
    setAutoFillBackground(true);
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    setPalette(white);
}

void TReadingsPlotWidget::SetSeries(const TReadingsSeries* series) {
    Data = series ? series : &NoSeries;
    update();
}

void TReadingsPlotWidget::paintEvent(QPaintEvent*) {
    QPainter p(this);
    PaintReadingsPlot(p, QRectF(rect()).adjusted(4, 4, -4, -4), *Data, font(), 1.0);
}

QString RunsFitHtml(const TReadingsSeries& series) {
    QString text = QStringLiteral("<b>%1</b>")
                       .arg(QCoreApplication::translate("TReadingsWindow",
                                                        "Measured against theory, each run fitted on its own")
                                .toHtmlEscaped());
    if (series.Runs.empty())
        return text + QStringLiteral("<br>") +
               QCoreApplication::translate("TReadingsWindow", "No readings yet").toHtmlEscaped();
    for (const TRunSeries& run : series.Runs) {
        const TPlotStyle style = RunStyle(run.Style);
        text +=
            QStringLiteral("<br><span style=\"color:%1\">&#9632;</span> <b>%2</b>: %3")
                .arg(style.Colour.name(), run.Name.toHtmlEscaped(), RunFitTextShown(run.Fit).toHtmlEscaped());
    }
    // The decimals are found only when there is a table to write (they cost a pass over the points).
    const int xDecimals = series.Differences.empty() ? 0 : ComparisonXDecimals(series);
    for (const TRunComparison& c : series.Differences) {
        text +=
            QStringLiteral("<br>%1:<table cellspacing=\"0\" cellpadding=\"2\"><tr><th align=\"right\">%4</th>"
                           "<th align=\"right\">%2</th><th align=\"right\">%3</th><th align=\"right\">%5</th>"
                           "</tr>")
                .arg(
                    QStringLiteral("<b>%1</b> %2")
                        .arg(
                            QCoreApplication::translate("TReadingsWindow", "%1 against %2")
                                .arg(c.SecondName, c.FirstName)
                                .toHtmlEscaped(),
                            QCoreApplication::translate("TReadingsWindow", "(measured, mm)").toHtmlEscaped()),
                    c.SecondName.toHtmlEscaped(), c.FirstName.toHtmlEscaped(), series.XTitle.toHtmlEscaped(),
                    QCoreApplication::translate("TReadingsWindow", "difference").toHtmlEscaped());
        for (const TRunDifference& d : c.Rows)
            text += QStringLiteral("<tr><td align=\"right\">%1</td><td align=\"right\">%2</td><td "
                                   "align=\"right\">%3</td><td align=\"right\">%4</td></tr>")
                        .arg(FormatFixed(d.X, xDecimals), FormatFixed(d.Second, 3), FormatFixed(d.First, 3),
                             FormatFixed(d.Difference, 3));
        text += QStringLiteral("</table>");
    }
    return text;
}

TReadingsWindow::TReadingsWindow(const TReadingsViewContext& context)
    : QWidget(context.Owner, Qt::Window), Context(context) {
    setObjectName(QStringLiteral("ReadingsWindow"));
    setWindowTitle(tr(CaptionSource));
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
    // The columns compared first fit a window of about 500 pixels; the rest scroll in from the right.
    Grid->setColumnWidth(TReadingsModel::Number, 34);
    Grid->setColumnWidth(TReadingsModel::Run, 72);
    Grid->setColumnWidth(TReadingsModel::Value, 104);
    Grid->setColumnWidth(TReadingsModel::Theory, 84);
    Grid->setColumnWidth(TReadingsModel::Measured, 70);
    Grid->setColumnWidth(TReadingsModel::Difference, 96);
    Grid->setColumnWidth(TReadingsModel::Property, 150);
    Grid->setColumnWidth(TReadingsModel::Section, 110);
    Grid->setColumnWidth(TReadingsModel::Material, 120);
    Grid->setColumnWidth(TReadingsModel::Fitted, 120);
    Grid->setColumnWidth(TReadingsModel::Note, 220);

    DeleteButton = new QPushButton(tr("&Delete selected rows"), this);
    DeleteButton->setObjectName(QStringLiteral("DeleteButton"));
    ClearButton = new QPushButton(tr("C&lear all"), this);
    ClearButton->setObjectName(QStringLiteral("ClearButton"));
    connect(DeleteButton, &QPushButton::clicked, this, &TReadingsWindow::DeleteSelectedClick);
    connect(ClearButton, &QPushButton::clicked, this, &TReadingsWindow::ClearAllClick);
    connect(Grid->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &TReadingsWindow::UpdateButtons);

    PlotView = new TReadingsPlotWidget(this);
    PlotView->setObjectName(QStringLiteral("ReadingsPlot"));
    PlotView->setMinimumSize(300, 200);

    FitLabel = new QLabel;
    FitLabel->setObjectName(QStringLiteral("FitLabel"));
    FitLabel->setWordWrap(true);
    FitLabel->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    FitLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);
    // Many runs and their differences scroll under the plot rather than push it away.
    auto* fitArea = new QScrollArea(this);
    fitArea->setWidget(FitLabel);
    fitArea->setWidgetResizable(true);
    fitArea->setFrameShape(QFrame::NoFrame);
    fitArea->setMinimumHeight(QFontMetrics(FitLabel->font()).lineSpacing() * 4);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(DeleteButton);
    buttons->addWidget(ClearButton);
    buttons->addStretch(1);
    // The fit under the plot, never over it: the window keeps whole down to the width a lab window has beside
    // the experiment window on a 1366 x 768 screen.
    auto* bottom = new QVBoxLayout;
    bottom->addWidget(PlotView, 4);
    bottom->addWidget(fitArea, 2);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Grid, 2);
    layout->addLayout(buttons);
    layout->addLayout(bottom, 3);

    RowsChanged();
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
    // The table keeps the series as rows come and go; the window shows it, never builds it from the rows.
    const TReadingsSeries& series = Context.Table->Series();
    FitLabel->setText(RunsFitHtml(series));
    PlotView->SetSeries(&series);
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
    // The question names what goes: the reading's number and value, or the numbers of several.
    std::sort(rows.begin(), rows.end());
    QString what;
    if (rows.size() == 1) {
        const TReading& r = Context.Table->Row(rows.front());
        const QString run = Context.Table->RunName(r.Run);
        what = tr("reading %1 (%2)")
                   .arg(r.Number)
                   .arg(r.Varied.Text.isEmpty() ? run : QStringLiteral("%1, %2").arg(r.Varied.Text, run));
    } else {
        QStringList numbers;
        for (int i : rows)
            numbers << QString::number(Context.Table->Row(i).Number);
        what = tr("the %1 readings %2").arg(rows.size()).arg(numbers.join(QStringLiteral(", ")));
    }
    if (!Ask(tr("Delete %1 from the table?").arg(what))) return;
    Context.Table->Remove(rows);
    Grid->clearSelection();
    RowsChanged();
    // The table keeps the focus: on "Clear all" a Space would ask to clear everything.
    Grid->setFocus(Qt::OtherFocusReason);
    if (Context.Changed) Context.Changed();
}

void TReadingsWindow::ClearAllClick() {
    if (Context.Table->Empty()) return;
    if (!Ask(tr("Clear all %1 readings from the table?").arg(Context.Table->Count()))) return;
    Context.Table->Clear();
    RowsChanged();
    if (Context.Changed) Context.Changed();
}
