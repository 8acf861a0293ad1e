#include "ClassResults.h"

#include <QCoreApplication>

#include <QDir>
#include <QFileInfo>
#include <algorithm>
#include <cmath>
#include <map>

#include "record/LabSession.h"
#include "record/VariedProperty.h"
#include "record/io/ExperimentFile.h"
#include "theory/SetupDescription.h"

QStringList ExperimentFilesInFolder(const QString& folder, QString* problem) {
    const QDir dir(folder);
    if (!dir.exists() || !QFileInfo(folder).isDir()) {
        if (problem) *problem = QStringLiteral("%1 is not a folder that can be read").arg(folder);
        return {};
    }
    QStringList names = dir.entryList({QStringLiteral("*.") + ExperimentFileExtension},
                                      QDir::Files | QDir::System | QDir::Hidden | QDir::NoDotAndDotDot,
                                      QDir::Name | QDir::IgnoreCase);
    if (names.size() > MaxClassFiles) {
        if (problem)
            *problem = QStringLiteral("the folder holds %1 experiment files: the first %2 are compared")
                           .arg(names.size())
                           .arg(MaxClassFiles);
        names = names.mid(0, MaxClassFiles);
    }
    QStringList paths;
    for (const QString& name : names)
        paths << dir.filePath(name);
    return paths;
}

TClassResults ReadClassResults(const QStringList& paths) {
    TClassResults results;
    for (const QString& path : paths) {
        const QString file = QFileInfo(path).fileName();
        const TFileRead<TOpenedExperiment> read = TLabSession::ReadExperiment(path);
        if (!read.Ok()) {
            results.Problems.push_back({file, path, read.Problem});
            continue;
        }
        ++results.FilesRead;
        const TOpenedExperiment& e = read.Value;
        TReadingsTable table;
        table.Restore(e.Rows, 0, 0, e.RunNames);
        const QString setup = DescribeLayout(e.Setup.Layout);
        for (const int run : table.Runs()) {
            TClassRun r;
            r.File = file;
            r.Path = path;
            r.Group = e.Details.Group;
            r.Names = e.Details.Names;
            r.Setup = setup;
            r.Run = run;
            r.RunName = table.RunName(run);
            r.Fit = FitRun(table, run);
            bool first = true;
            for (const TReading& row : table.Rows()) {
                if (row.Run != run) continue;
                ++r.Rows;
                if (first) {
                    r.Section = row.Stiffness.SectionName;
                    r.Material = row.Stiffness.MaterialName;
                    r.Property = VariedPropertyName(row.Property);
                    first = false;
                }
                const std::optional<double> measured = row.MeasuredMm();
                if (measured && row.TheoryMm != 0.0 && row.NotFittedReason().isEmpty())
                    r.Points.emplace_back(row.TheoryMm, *measured);
            }
            results.Runs.push_back(std::move(r));
        }
    }
    return results;
}

std::vector<TClassStatistic> ClassStatistics(const std::vector<TClassRun>& runs) {
    std::vector<TClassStatistic> statistics;
    std::map<QString, std::vector<double>> values;
    for (const TClassRun& r : runs) {
        if (!r.Fit.Ok) continue;
        auto it = std::find_if(statistics.begin(), statistics.end(),
                               [&](const TClassStatistic& s) { return s.Material == r.Material; });
        if (it == statistics.end()) {
            statistics.push_back({r.Material, r.Fit.ModulusGPa});
            it = statistics.end() - 1;
        }
        values[r.Material].push_back(r.Fit.ModulusExpGPa);
    }
    for (TClassStatistic& s : statistics) {
        const std::vector<double>& v = values[s.Material];
        s.N = int(v.size());
        double sum = 0.0;
        for (const double x : v)
            sum += x;
        s.MeanGPa = sum / s.N;
        double squares = 0.0;
        for (const double x : v)
            squares += (x - s.MeanGPa) * (x - s.MeanGPa);
        s.SpreadGPa = s.N > 1 ? std::sqrt(squares / (s.N - 1)) : 0.0;
        s.DifferencePercent = s.ModulusGPa != 0.0 ? 100.0 * (s.MeanGPa - s.ModulusGPa) / s.ModulusGPa : 0.0;
    }
    return statistics;
}

TExportTable ClassRunsTable(const TClassResults& results) {
    TExportTable t;
    t.Name = QStringLiteral("Class results");
    // The names stay English in the files; the window shows them in the language in use.
    t.Columns = {
        {QStringLiteral(QT_TRANSLATE_NOOP("ClassResults", "File")), {}, 0},
        {QStringLiteral(QT_TRANSLATE_NOOP("ClassResults", "Group")), {}, 0},
        {QStringLiteral(QT_TRANSLATE_NOOP("ClassResults", "Names")), {}, 0},
        {QStringLiteral(QT_TRANSLATE_NOOP("ClassResults", "Set-up")), {}, 0},
        {QStringLiteral(QT_TRANSLATE_NOOP("ClassResults", "Section")), {}, 0},
        {QStringLiteral(QT_TRANSLATE_NOOP("ClassResults", "Material")), {}, 0},
        {QStringLiteral(QT_TRANSLATE_NOOP("ClassResults", "Property varied")), {}, 0},
        {QStringLiteral(QT_TRANSLATE_NOOP("ClassResults", "Run")), {}, 0},
        {QStringLiteral(QT_TRANSLATE_NOOP("ClassResults", "n")), {}, 0},
        {QStringLiteral(QT_TRANSLATE_NOOP("ClassResults", "k")), {}, 4},
        {QStringLiteral(QT_TRANSLATE_NOOP("ClassResults", "s(k)")), {}, 4},
        {QStringLiteral(QT_TRANSLATE_NOOP("ClassResults", "E_exp")), QStringLiteral("GPa"), 1},
        {QStringLiteral(QT_TRANSLATE_NOOP("ClassResults", "s(E_exp)")), QStringLiteral("GPa"), 1},
        {QStringLiteral(QT_TRANSLATE_NOOP("ClassResults", "E")), QStringLiteral("GPa"), 1},
        {QStringLiteral(QT_TRANSLATE_NOOP("ClassResults", "Difference from E")), QStringLiteral("%"), 1},
        {QStringLiteral(QT_TRANSLATE_NOOP("ClassResults", "R²")), {}, 4},
        {QStringLiteral(QT_TRANSLATE_NOOP("ClassResults", "Fit")), {}, 0}};
    for (const TClassRun& r : results.Runs) {
        std::vector<TExportCell> row{r.File,    r.Group,    r.Names,    r.Setup,
                                     r.Section, r.Material, r.Property, r.RunName};
        if (r.Fit.Ok) {
            row.insert(row.end(),
                       {double(r.Fit.N), r.Fit.K, r.Fit.KError, r.Fit.ModulusExpGPa, r.Fit.ModulusExpErrorGPa,
                        r.Fit.ModulusGPa, r.Fit.DifferencePercent, r.Fit.RSquared, QString()});
        } else {
            row.insert(row.end(), {double(r.Fit.N), {}, {}, {}, {}, {}, {}, {}, r.Fit.Message});
        }
        t.Rows.push_back(std::move(row));
    }
    return t;
}

TExportTable ClassStatisticsTable(const std::vector<TClassStatistic>& statistics,
                                  const std::vector<TClassProblem>& problems) {
    TExportTable t;
    t.Name = QStringLiteral("Class statistics");
    t.Columns = {{QStringLiteral("Material"), {}, 0},
                 {QStringLiteral("E"), QStringLiteral("GPa"), 1},
                 {QStringLiteral("Runs fitted"), {}, 0},
                 {QStringLiteral("Mean E_exp"), QStringLiteral("GPa"), 2},
                 {QStringLiteral("Spread of E_exp"), QStringLiteral("GPa"), 2},
                 {QStringLiteral("Mean from E"), QStringLiteral("%"), 1},
                 {QStringLiteral("Note"), {}, 0}};
    for (const TClassStatistic& s : statistics)
        t.Rows.push_back(
            {s.Material, s.ModulusGPa, double(s.N), s.MeanGPa, s.SpreadGPa, s.DifferencePercent, QString()});
    // The files that could not be read, with their reasons, under the statistics.
    for (const TClassProblem& p : problems)
        t.Rows.push_back({p.File, {}, {}, {}, {}, {}, QStringLiteral("not read: ") + p.Reason});
    return t;
}
