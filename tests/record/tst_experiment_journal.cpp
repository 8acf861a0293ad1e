// The crash journal: a process killed outright after three rows leaves a journal that gives back the set-up
// and the three rows with the note edited since; an ordinary close leaves nothing; a last line cut short by
// the crash is ignored.
#include <QCoreApplication>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>
#include <csignal>

#include "record/io/ExperimentFile.h"
#include "record/io/ExperimentJournal.h"
#include "record/io/ReadingJson.h"

class TestExperimentJournal : public QObject {
    Q_OBJECT
private slots:
    void killedProcessLosesNoRow();
    void editsReplayInOrder();
    void ordinaryCloseRemovesIt();
};

void TestExperimentJournal::killedProcessLosesNoRow() {
    QTemporaryDir folder;
    const QString path =
        folder.filePath(QStringLiteral("data/journal.jsonl")); // the folder is made on demand
    QProcess probe;
    probe.start(QCoreApplication::applicationDirPath() + QStringLiteral("/journal-probe"), {path});
    QVERIFY(probe.waitForStarted());
    QByteArray out;
    while (!out.contains("shown 3") && probe.waitForReadyRead(10000))
        out += probe.readAllStandardOutput();
    QVERIFY2(out.contains("shown 3"), out.constData());
    ::kill(pid_t(probe.processId()), SIGKILL);
    QVERIFY(probe.waitForFinished());
    QCOMPARE(probe.exitStatus(), QProcess::CrashExit);

    QVERIFY(TExperimentJournal(path).Exists());
    const TJournalState state = TExperimentJournal::ReadBack(path);
    QCOMPARE(int(state.Rows.size()), 3);
    QStringList notes;
    for (int i = 0; i < 3; ++i) {
        const TReadingRead row = ReadingFromJson(state.Rows[std::size_t(i)], QStringLiteral("row"));
        QVERIFY2(row.Problem.isEmpty(), qPrintable(row.Problem));
        QCOMPARE(row.Reading.Number, i + 1);
        QCOMPARE(row.Reading.TheoryMm, -0.1 * (i + 1));
        notes << row.Reading.Note;
    }
    QCOMPARE(notes, (QStringList{QStringLiteral("first, edited"), QStringLiteral("step 2"),
                                 QStringLiteral("step 3")}));
    const TSetupRead setup = SetupFromJson(state.Setup);
    QVERIFY2(setup.Problem.isEmpty(), qPrintable(setup.Problem));
    QVERIFY(setup.Setup.Layout.LeftClamp);
    QCOMPARE(setup.Setup.Layout.HangerSlots[60].Mass, 200);
}

void TestExperimentJournal::editsReplayInOrder() {
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("j.jsonl"));
    auto row = [](const char* note) {
        return QJsonObject{{QStringLiteral("note"), QString::fromLatin1(note)}};
    };
    {
        TExperimentJournal journal(path);
        QCOMPARE(journal.Start(QJsonObject{{QStringLiteral("a"), 1}}, {row("r0"), row("r1")}), QString());
        for (const QJsonObject& record :
             {TExperimentJournal::RowRecord(row("r2")), TExperimentJournal::RowRecord(row("r3")),
              TExperimentJournal::DeleteRecord({1, 3, 1}),
              TExperimentJournal::NoteRecord(1, QStringLiteral("r2*")),
              TExperimentJournal::NoteRecord(7, QStringLiteral("no such row")),
              TExperimentJournal::SetupRecord(QJsonObject{{QStringLiteral("a"), 2}}),
              TExperimentJournal::FileRecord(QStringLiteral("/x/y.ferx"))})
            QCOMPARE(journal.Append(record), QString());
    }
    // The crash came in the middle of writing the next line.
    QFile file(path);
    QVERIFY(file.open(QIODevice::Append));
    file.write(R"({"kind":"clear)");
    file.close();

    const TJournalState state = TExperimentJournal::ReadBack(path);
    QCOMPARE(int(state.Rows.size()), 2);
    QCOMPARE(state.Rows[0].value(QLatin1String("note")).toString(), QStringLiteral("r0"));
    QCOMPARE(state.Rows[1].value(QLatin1String("note")).toString(), QStringLiteral("r2*"));
    QCOMPARE(state.Setup.value(QLatin1String("a")).toInt(), 2);
    QCOMPARE(state.FilePath, QStringLiteral("/x/y.ferx"));

    // A deletion in the readings window journals the rows as they now stand.
    TExperimentJournal again(path);
    QCOMPARE(again.Append(TExperimentJournal::RowsRecord({row("a"), row("b")})), QString());
    const TJournalState after = TExperimentJournal::ReadBack(path);
    QCOMPARE(int(after.Rows.size()), 2);
    QCOMPARE(after.Rows[1].value(QLatin1String("note")).toString(), QStringLiteral("b"));

    // After a clear, nothing of the table is left.
    QCOMPARE(again.Append(TExperimentJournal::ClearRecord()), QString());
    QVERIFY(TExperimentJournal::ReadBack(path).Rows.empty());
}

void TestExperimentJournal::ordinaryCloseRemovesIt() {
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("j.jsonl"));
    TExperimentJournal journal(path);
    QVERIFY(!journal.Exists());
    QCOMPARE(journal.Start(QJsonObject{}), QString());
    QVERIFY(journal.Exists());
    journal.Remove();
    QVERIFY(!QFile::exists(path));
    QVERIFY(!TExperimentJournal(path).Exists());
}

QTEST_GUILESS_MAIN(TestExperimentJournal)
#include "tst_experiment_journal.moc"
