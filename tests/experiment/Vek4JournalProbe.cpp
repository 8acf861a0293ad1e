// The experiment window in a process of its own, recording as a student does: the laboratory tools on, a
// cantilever with a weight at its tip, three readings (each "row N" printed once the window has it). Then
// it runs until it is killed. The journal goes to the folder given as the first argument.
#include <QAction>
#include <QApplication>
#include <cstdio>

#include "experiment/VEK4.h"
#include "model/PlacementRules.h"
#include "platform/MessageLayer.h"

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (argc < 2) return 2;
    TRecordingMessages messages; // no box may wait for a click
    TVEK4Environment environment;
    environment.LabFiles.JournalFolder = QString::fromLocal8Bit(argv[1]);
    qint64 now = 5000;
    environment.Clock = [&now] { return now; };
    TVEK4Form form(std::move(environment));
    form.show();
    form.LabToolsAction->trigger();
    if (!form.LabToolsOn()) return 3;
    form.ApplyDrop(
        DragAndDrop(form.Layout, TDragSource::Of(TDragKind::NewClamp), TDropTarget::Screen(86, 150)));
    form.ApplyDrop(
        DragAndDrop(form.Layout, TDragSource::FixedWeight(300), TDropTarget::Screen(StationX[60], 190)));
    for (int i = 1; i <= 3; ++i) {
        now += 2500;
        if (!form.RecordReading()) return 4;
        std::printf("row %d\n", i);
        std::fflush(stdout);
    }
    return app.exec();
}
