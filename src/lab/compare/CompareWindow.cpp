#include "CompareWindow.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QSplitter>
#include <QStandardItemModel>
#include <QTableView>
#include <QVBoxLayout>

#include "lab/compare/ClassCharts.h"
#include "platform/MessageLayer.h"
#include "platform/NumberFormat.h"
#include "platform/TranslatedText.h"

namespace {

// A chart painted by one of the class chart functions.
class TChartWidget final : public QWidget {
public:
    TChartWidget(std::function<void(QPainter&, const QRectF&)> paint, QWidget* parent)
        : QWidget(parent), Paint(std::move(paint)) {
        setMinimumSize(320, 220);
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.fillRect(rect(), Qt::white);
        Paint(p, QRectF(rect()).adjusted(4, 4, -4, -4));
    }

private:
    std::function<void(QPainter&, const QRectF&)> Paint;
};

constexpr int SortRole = Qt::UserRole + 1;

// A cell as the window shows it: the section, material and property in the language in use (the files keep
// the English).
QString CellShown(const QString& column, const QString& text) {
    if (column == QLatin1String("Section") || column == QLatin1String("Material"))
        return QCoreApplication::translate("Sections", text.toUtf8().constData());
    if (column == QLatin1String("Property varied"))
        return QCoreApplication::translate("TVEK4Form", text.toUtf8().constData());
    return text;
}
constexpr int PathRole = Qt::UserRole + 2;

} // namespace

TCompareWindow::TCompareWindow(TCompareContext context, QWidget* owner)
    : QWidget(owner, Qt::Window), Context(std::move(context)) {
    setObjectName(QStringLiteral("CompareWindow"));
    setWindowTitle(TranslatedText("TCompareWindow", CompareCaption));
    auto* layout = new QVBoxLayout(this);
    auto* buttons = new QHBoxLayout;
    AddFilesButton = new QPushButton(tr("Add &files..."), this);
    AddFolderButton = new QPushButton(tr("Add f&older..."), this);
    ClearButton = new QPushButton(tr("C&lear"), this);
    ExportButton = new QPushButton(tr("&Export table..."), this);
    SummaryButton = new QPushButton(tr("Class &summary as PDF..."), this);
    AddFilesButton->setToolTip(tr("Add experiment files to the comparison"));
    AddFolderButton->setToolTip(tr("Add every experiment file of a folder (a class's shared folder)"));
    ExportButton->setToolTip(tr("Write the table as CSV or as an Excel workbook"));
    SummaryButton->setToolTip(tr("Write the table, both charts and the class's mean and spread as a PDF"));
    for (QPushButton* b : {AddFilesButton, AddFolderButton, ClearButton})
        buttons->addWidget(b);
    buttons->addStretch();
    buttons->addWidget(ExportButton);
    buttons->addWidget(SummaryButton);
    layout->addLayout(buttons);

    auto* split = new QSplitter(Qt::Vertical, this);
    Model = new QStandardItemModel(this);
    Model->setSortRole(SortRole);
    Table = new QTableView(split);
    Table->setObjectName(QStringLiteral("CompareTable"));
    Table->setModel(Model);
    Table->setSortingEnabled(true);
    Table->setSelectionBehavior(QAbstractItemView::SelectRows);
    Table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Table->setWordWrap(true);
    Table->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    Table->setAccessibleName(tr("Runs of every experiment"));
    // A double click opens the run's experiment; so does Enter on the current row.
    connect(Table, &QTableView::doubleClicked, this,
            [this](const QModelIndex& index) { RunActivated(index.row()); });
    auto* open = new QAction(Table);
    open->setShortcuts({QKeySequence(Qt::Key_Return), QKeySequence(Qt::Key_Enter)});
    open->setShortcutContext(Qt::WidgetShortcut);
    Table->addAction(open);
    connect(open, &QAction::triggered, this, [this] {
        if (Table->currentIndex().isValid()) RunActivated(Table->currentIndex().row());
    });
    auto* lower = new QWidget(split);
    auto* lowerLayout = new QVBoxLayout(lower);
    lowerLayout->setContentsMargins(0, 0, 0, 0);
    auto* charts = new QHBoxLayout;
    Scatter =
        new TChartWidget([this](QPainter& p, const QRectF& r) { PaintClassScatter(p, r, Shown); }, lower);
    Scatter->setAccessibleName(tr("Measured against theory, one colour per file"));
    ModulusChart = new TChartWidget(
        [this](QPainter& p, const QRectF& r) { PaintModulusChart(p, r, Shown, ClassStatistics(Shown.Runs)); },
        lower);
    ModulusChart->setAccessibleName(tr("E_exp of each run against the material's E"));
    charts->addWidget(Scatter);
    charts->addWidget(ModulusChart);
    lowerLayout->addLayout(charts, 1);
    Statistics = new QLabel(lower);
    Statistics->setWordWrap(true);
    Statistics->setTextInteractionFlags(Qt::TextSelectableByMouse);
    Problems = new QLabel(lower);
    Problems->setWordWrap(true);
    Problems->setTextInteractionFlags(Qt::TextSelectableByMouse);
    lowerLayout->addWidget(Statistics);
    lowerLayout->addWidget(Problems);
    split->addWidget(Table);
    split->addWidget(lower);
    split->setStretchFactor(0, 1);
    split->setStretchFactor(1, 1);
    layout->addWidget(split, 1);

    connect(AddFilesButton, &QPushButton::clicked, this, &TCompareWindow::AddFilesClick);
    connect(AddFolderButton, &QPushButton::clicked, this, &TCompareWindow::AddFolderClick);
    connect(ClearButton, &QPushButton::clicked, this, &TCompareWindow::ClearAll);
    connect(ExportButton, &QPushButton::clicked, this, &TCompareWindow::ExportTableClick);
    connect(SummaryButton, &QPushButton::clicked, this, &TCompareWindow::ExportSummaryClick);
    resize(1100, 760);
    Show();
}

void TCompareWindow::AddFiles(const QStringList& paths) {
    for (const QString& path : paths) {
        const QString absolute = QFileInfo(path).absoluteFilePath();
        if (!Paths.contains(absolute)) Paths << absolute;
    }
    Reload();
}

void TCompareWindow::AddFolder(const QString& folder) {
    QString note;
    const QStringList files = ExperimentFilesInFolder(folder, &note);
    FolderNote = note;
    AddFiles(files);
}

void TCompareWindow::ClearAll() {
    Paths.clear();
    FolderNote.clear();
    Reload();
}

void TCompareWindow::Reload() {
    Shown = ReadClassResults(Paths);
    Show();
}

void TCompareWindow::Show() {
    // The table the exports write, shown as it is: one rule for what a row says.
    const TExportTable table = ClassRunsTable(Shown);
    Table->setSortingEnabled(false);
    Model->clear();
    QStringList headers;
    for (TExportColumn c : table.Columns) {
        c.Title = QCoreApplication::translate("ClassResults", c.Title.toUtf8().constData());
        headers << HeaderText(c);
    }
    Model->setHorizontalHeaderLabels(headers);
    for (std::size_t r = 0; r < table.Rows.size(); ++r) {
        QList<QStandardItem*> items;
        for (std::size_t c = 0; c < table.Columns.size(); ++c) {
            auto* item = new QStandardItem;
            const TExportCell& cell = table.Rows[r][c];
            if (const double* v = std::get_if<double>(&cell)) {
                item->setText(FormatFixed(*v, table.Columns[c].Decimals));
                item->setData(*v, SortRole);
                item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            } else if (const QString* s = std::get_if<QString>(&cell)) {
                const QString text = CellShown(table.Columns[c].Title, *s);
                item->setText(text);
                item->setData(text, SortRole);
                item->setToolTip(text); // a long set-up or reason shows whole on hover
            } else {
                item->setData(QVariant(), SortRole);
            }
            item->setData(Shown.Runs[r].Path, PathRole);
            items << item;
        }
        Model->appendRow(items);
    }
    Table->setSortingEnabled(true);
    Table->resizeColumnsToContents();
    for (int c = 0; c < Model->columnCount(); ++c)
        Table->setColumnWidth(c, std::min(Table->columnWidth(c), 260));
    const std::vector<TClassStatistic> statistics = ClassStatistics(Shown.Runs);
    Statistics->setText(Paths.isEmpty() ? tr("Add a class's experiment files, or the folder that holds them.")
                                        : ClassStatisticsText(statistics));
    QStringList problems;
    for (const TClassProblem& p : Shown.Problems)
        problems << tr("%1 was not read: %2").arg(p.File, p.Reason);
    if (!FolderNote.isEmpty()) problems << FolderNote;
    Problems->setText(problems.join(QLatin1Char('\n')));
    Problems->setVisible(!problems.isEmpty());
    const bool any = !Shown.Runs.empty();
    ExportButton->setEnabled(any);
    SummaryButton->setEnabled(any);
    ClearButton->setEnabled(!Paths.isEmpty());
    Scatter->update();
    ModulusChart->update();
}

void TCompareWindow::RunActivated(int row) {
    const QString path = Model->index(row, 0).data(PathRole).toString();
    if (!path.isEmpty() && Context.OpenExperiment) Context.OpenExperiment(path);
}

void TCompareWindow::AddFilesClick() {
    if (!Context.PickFiles) return;
    const QStringList files = Context.PickFiles(this);
    if (!files.isEmpty()) AddFiles(files);
}

void TCompareWindow::AddFolderClick() {
    if (!Context.PickFolder) return;
    const QString folder = Context.PickFolder(this);
    if (!folder.isEmpty()) AddFolder(folder);
}

void TCompareWindow::ExportTableClick() {
    if (!Context.SaveFileName) return;
    const QString csvFilter = QStringLiteral("CSV (*.csv)"), xlsxFilter = tr("Excel workbook (*.xlsx)");
    const QString filter = Context.WriteXlsx ? csvFilter + QStringLiteral(";;") + xlsxFilter : csvFilter;
    const QString path =
        Context.SaveFileName(this, tr("Export class results"), filter, QStringLiteral("class-results.csv"));
    if (path.isEmpty()) return;
    const bool xlsx = Context.WriteXlsx && path.endsWith(QStringLiteral(".xlsx"), Qt::CaseInsensitive);
    const QString why =
        xlsx ? Context.WriteXlsx(path, ClassRunsTable(Shown),
                                 ClassStatisticsTable(ClassStatistics(Shown.Runs), Shown.Problems))
             : WriteCsv(path, ClassRunsTable(Shown), QLocale());
    if (!why.isEmpty())
        ShowMessage(
            TranslatedText("TCompareWindow", CompareCaption),
            tr("The class results could not be written to %1: %2.").arg(QDir::toNativeSeparators(path), why),
            TMsgIcon::Error);
}

void TCompareWindow::ExportSummaryClick() {
    if (!Context.SaveFileName) return;
    const QString path = Context.SaveFileName(this, tr("Class summary as PDF"), QStringLiteral("PDF (*.pdf)"),
                                              QStringLiteral("class-summary.pdf"));
    if (path.isEmpty()) return;
    const QString why = WriteClassSummaryPdf(path, tr("Class summary: deflection of beams"), Shown);
    if (!why.isEmpty())
        ShowMessage(
            TranslatedText("TCompareWindow", CompareCaption),
            tr("The class summary could not be written to %1: %2.").arg(QDir::toNativeSeparators(path), why),
            TMsgIcon::Error);
}
