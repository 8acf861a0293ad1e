// A process that records like the experiment window does: a journal started with a set-up, then three rows,
// each appended and written through before "shown N" is printed (the moment the table would show it), and
// a note edited after the second. Then it waits to be killed.
#include <QCoreApplication>
#include <QJsonArray>
#include <QThread>
#include <cstdio>

#include "record/io/ExperimentFile.h"
#include "record/io/ExperimentJournal.h"
#include "record/io/ReadingJson.h"

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (argc < 2) return 2;
    TExperimentJournal journal(QString::fromLocal8Bit(argv[1]));
    TExperimentSetup setup;
    setup.Layout.LeftClamp = true;
    setup.Layout.HangerSlots[60] = {200, false};
    setup.PropertyVaried = 1;
    if (!journal.Start(SetupToJson(setup)).isEmpty()) return 3;
    TReadingsTable table;
    for (int i = 1; i <= 3; ++i) {
        TReading r;
        r.TheoryMm = -0.1 * i;
        r.Note = QStringLiteral("step %1").arg(i);
        const int index = table.Add(r, 1000 * i);
        if (!journal.Append(TExperimentJournal::RowRecord(ReadingToJson(table.Row(index)))).isEmpty())
            return 4;
        if (i == 2 &&
            !journal.Append(TExperimentJournal::NoteRecord(0, QStringLiteral("first, edited"))).isEmpty())
            return 5;
        std::printf("shown %d\n", i);
        std::fflush(stdout);
    }
    for (;;)
        QThread::sleep(1);
}
