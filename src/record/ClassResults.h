#pragma once
// A class's results side by side: every run of every experiment file a teacher collects (one folder of the
// groups' .ferx files, or files picked one by one), each run with its fit, and the class's mean and spread of
// the measured modulus for each material. Without widgets: the "Compare experiments" window shows these, and
// the class summary and the exports are made from the same tables.
//
// A file that cannot be read is listed with the reason File > Open would give, and the others load. A folder
// gives its .ferx files in name order, at most MaxClassFiles of them (a larger folder says how many it left).
//
// Class statistics, for each material over the runs that have a fit:
//     mean  = sum(E_exp) / n,     spread s = sqrt( sum((E_exp - mean)^2) / (n - 1) )   (s = 0 when n = 1)
// and the mean's difference from the material's E in %.

#include <QString>
#include <QStringList>
#include <utility>
#include <vector>

#include "record/ReadingsFit.h"
#include "record/io/TableExport.h"

inline constexpr int MaxClassFiles = 500;

struct TClassRun {
    QString File; // the file's name, without its folder
    QString Path;
    QString Group;   // from the experiment's details ("" when the file has none)
    QString Names;   // the students' names
    QString Setup;   // the set-up in words: supports, loads, gauge
    QString Section; // the run's section and material
    QString Material;
    QString Property; // the property varied in the run
    int Run = 1;
    QString RunName;                               // "Run 2", or the name the students gave it
    int Rows = 0;                                  // rows in the run, fitted or not
    TFitResult Fit;                                // Fit.Ok false: Fit.Message says why
    std::vector<std::pair<double, double>> Points; // (theory, measured) mm of the rows the fit counts
};

struct TClassProblem {
    QString File;
    QString Path;
    QString Reason; // the sentence File > Open gives
};

struct TClassResults {
    std::vector<TClassRun> Runs; // in file order, then run order
    std::vector<TClassProblem> Problems;
    int FilesRead = 0;
};

struct TClassStatistic {
    QString Material;
    double ModulusGPa = 0.0; // the material's E
    int N = 0;               // runs with a fit
    double MeanGPa = 0.0;    // mean E_exp
    double SpreadGPa = 0.0;  // sample standard deviation of E_exp
    double DifferencePercent = 0.0;
};

// The .ferx files of a folder in name order, at most MaxClassFiles; `problem` says what was left or why the
// folder could not be read.
[[nodiscard]] QStringList ExperimentFilesInFolder(const QString& folder, QString* problem = nullptr);
// Reads every file, one after another, each within the experiment file's bounds.
[[nodiscard]] TClassResults ReadClassResults(const QStringList& paths);
// For each material with a fitted run, in the order materials first appear.
[[nodiscard]] std::vector<TClassStatistic> ClassStatistics(const std::vector<TClassRun>& runs);

// The tables the window shows and the exports write: one row per run; the class statistics; the problems.
[[nodiscard]] TExportTable ClassRunsTable(const TClassResults& results);
[[nodiscard]] TExportTable ClassStatisticsTable(const std::vector<TClassStatistic>& statistics,
                                                const std::vector<TClassProblem>& problems);
