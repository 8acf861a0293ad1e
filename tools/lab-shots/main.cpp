// lab-shots DIR [LANGUAGE QMDIR]: pictures of the laboratory tools for the documentation (run with
// QT_QPA_PLATFORM=offscreen): the experiment window with the tools on and a series of hanger loads recorded
// in virtual mode, the readings window with the series, the diagrams window and the class comparison with
// the experiment saved into it. With a language ("de", "fr", "es") and the folder of the built .qm files,
// the windows speak that language and each picture's name ends in "-LANGUAGE". The measured values of the
// readings picture are made up for the picture (theory x 1.06 with a little scatter, as a real bar might
// give); the theory is the window's own.

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLibraryInfo>
#include <QMenu>
#include <QMenuBar>
#include <QTemporaryDir>
#include <QTranslator>

#include "experiment/VEK4.h"
#include "experiment/VEK4LabTools.h"
#include "lab/DiagramsForm.h"
#include "lab/ReadingsWindow.h"
#include "lab/compare/CompareWindow.h"
#include "platform/Cursors.h"
#include "platform/DesignFonts.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    InstallDesignFontSubstitutes();
    RegisterProgramCursors();
    const QDir dir(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("."));
    QTranslator own, qt;
    QString suffix;
    if (argc > 3) {
        const QString language = QString::fromLocal8Bit(argv[2]);
        if (!own.load(QStringLiteral("ferrant_") + language, QString::fromLocal8Bit(argv[3]))) return 1;
        QCoreApplication::installTranslator(&own);
        if (qt.load(QStringLiteral("qtbase_") + language, QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
            QCoreApplication::installTranslator(&qt);
        suffix = QLatin1Char('-') + language;
    }
    auto name = [&suffix](const char* base) {
        return QString::fromLatin1(base) + suffix + QStringLiteral(".png");
    };

    qint64 now = 0;
    TVEK4Environment environment;
    environment.Clock = [&] { return now; };
    environment.CreateReadingsView = [](const TReadingsViewContext& c) -> TReadingsView* {
        return new TReadingsWindow(c);
    };
    TVEK4Form window(std::move(environment));
    window.show();
    window.LabToolsActionClick(true);
    window.CaptureCombo->setCurrentIndex(1); // "Variable hanger load"

    TBeamLayout& l = window.Layout;
    l.KnifeEdge1 = l.KnifeEdge2 = true;
    l.KnifeEdge1Station = 5;
    l.KnifeEdge2Station = 55;
    l.UpdateKnifeEdgeOrder();
    // Loading 100 to 500 g, "New run", unloading again; the gauge reads 6 % (loading) and 8 % (unloading)
    // more than the theory, with a little scatter, as a dial gauge on a real bar would.
    const int loads[] = {100, 200, 300, 400, 500, 400, 300, 200, 100};
    const double scatter[] = {0.012, -0.018, 0.006, 0.015, -0.009, 0.01, -0.004, 0.008, -0.012};
    for (int step = 0; step < 9; ++step) {
        if (step == 5) window.NewRunClick();
        l.HangerSlots[30].Mass = loads[step];
        window.DrawHanger(30);
        now += 20000 + 1300 * step;
        window.RecordReading();
    }
    std::vector<TReading> rows = window.Session().Table().Rows();
    for (std::size_t i = 0; i < rows.size(); ++i) {
        TReading& r = rows[i];
        r.Gauges[0] = {
            true, r.TheoryMm * (i < 5 ? 1.06 : 1.08) + scatter[i], 5, 0.004 + 0.001 * (i % 5), {true, 0.37}};
        r.Gauges[1] = {true, 0.01 * double(i), 5, 0.003, {true, 1.12}};
    }
    rows[2].Note =
        QStringLiteral("hanger touched the frame; lifted it clear and waited for the gauge to settle");
    window.Session().Load(rows, {{1, QStringLiteral("Loading")}, {2, QStringLiteral("Unloading")}}, now);
    QApplication::processEvents();
    window.grab().save(dir.filePath(name("lab-experiment-window")));

    window.ShowTableClick();
    auto* readings = window.ReadingsView()->Widget();
    readings->resize(900, 620);
    window.ReadingsView()->RowsChanged();
    QApplication::processEvents();
    readings->grab().save(dir.filePath(name("lab-readings-window")));
    readings->resize(500, 620);
    QApplication::processEvents();
    readings->grab().save(dir.filePath(name("lab-readings-window-500")));

    window.ShowDiagramsClick();
    window.Diagrams->resize(TDiagramsForm::MinimumWindowSize);
    window.Diagrams->UpdateWorkedSolution();
    QApplication::processEvents();
    window.Diagrams->grab().save(dir.filePath(name("lab-diagrams-window")));

    // The experiment saved, then compared as the teacher would.
    QTemporaryDir folder;
    const QString file = folder.filePath(QStringLiteral("group-a.ferx"));
    if (!window.Session().Save(file, window.CurrentSetup()).isEmpty()) return 2;
    window.FileCompareClick();
    window.Compare->AddFiles({file, folder.filePath(QStringLiteral("missing.ferx"))});
    QApplication::processEvents();
    window.Compare->grab().save(dir.filePath(name("lab-compare-window")));
    return 0;
}
