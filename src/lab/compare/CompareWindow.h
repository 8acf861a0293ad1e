#pragma once
// "Compare experiments": a class's experiment files side by side (laboratory tools, "&File" > "&Compare
// experiments..."). One row per run of every file, sortable by any column; every run's measured against
// theory and each run's E_exp against the material's E; the class's mean and spread; the files that could not
// be read with their reasons. The table exports as CSV or XLSX and the class summary as a PDF; a double click
// opens that experiment in the experiment window.

#include <QStringList>
#include <QWidget>
#include <functional>

#include "record/ClassResults.h"

class QLabel;
class QPushButton;
class QStandardItemModel;
class QTableView;
class TMessageLayer;

struct TCompareContext {
    // The file dialogs (tests script them): files to add, a folder to add, a file to write.
    std::function<QStringList(QWidget* owner)> PickFiles;
    std::function<QString(QWidget* owner)> PickFolder;
    std::function<QString(QWidget* owner, const QString& caption, const QString& filter,
                          const QString& suggested)>
        SaveFileName;
    // The XLSX writer (the laboratory tools' module); empty: XLSX is not offered.
    std::function<QString(const QString& path, const TExportTable& sheet1, const TExportTable& sheet2)>
        WriteXlsx;
    // A double click on a run.
    std::function<void(const QString& path)> OpenExperiment;
};

class TCompareWindow final : public QWidget {
    Q_OBJECT
public:
    explicit TCompareWindow(TCompareContext context, QWidget* owner = nullptr);

    // Adds files (a file already in the comparison is read again) and shows the result.
    void AddFiles(const QStringList& paths);
    void AddFolder(const QString& folder);
    void ClearAll();
    [[nodiscard]] const TClassResults& Results() const { return Shown; }

    // The commands, as the buttons run them.
    void AddFilesClick();
    void AddFolderClick();
    void ExportTableClick();
    void ExportSummaryClick();

    QTableView* Table;
    QStandardItemModel* Model;
    QWidget* Scatter;
    QWidget* ModulusChart;
    QLabel* Statistics;
    QLabel* Problems;
    QPushButton* AddFilesButton;
    QPushButton* AddFolderButton;
    QPushButton* ClearButton;
    QPushButton* ExportButton;
    QPushButton* SummaryButton;

private:
    void Reload();
    void Show();
    void RunActivated(int row);

    TCompareContext Context;
    QStringList Paths;
    QString FolderNote; // what a large folder left out
    TClassResults Shown;
};

inline const QString CompareCaption =
    QStringLiteral(QT_TRANSLATE_NOOP("TCompareWindow", "Compare experiments")); // shown translated
