// The crash journal: a process killed outright after three rows leaves a journal that gives back the set-up
// and the three rows with the note edited since; an ordinary close leaves nothing; a last line cut short by
// the crash is ignored.
#include <QCoreApplication>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>
#include <csignal>

#include "platform/FileWriter.h"
#include "record/io/ExperimentFile.h"
#include "record/io/ExperimentJournal.h"
#include "record/io/ReadingJson.h"

namespace {

// Counts the program's syncs while it lives, and can make them fail.
struct TSyncCounter {
    int Calls = 0;
    bool Fail = false;
    TSyncFunction Previous;
    TSyncCounter() {
        Previous = SetSyncFunction([this](int) {
            ++Calls;
            return !Fail;
        });
    }
    ~TSyncCounter() { SetSyncFunction(Previous); }
};

QJsonObject Row(int number, const QString& note = {}) {
    TReading r;
    r.Number = number;
    r.Note = note;
    return ReadingToJson(r);
}

} // namespace

class TestExperimentJournal : public QObject {
    Q_OBJECT
private slots:
    void killedProcessLosesNoRow();
    void editsReplayInOrder();
    void ordinaryCloseRemovesIt();
    void everyRecordIsSyncedBeforeItCounts();
    void restartNeverLeavesItEmpty();
    void hugeOrForeignJournalsAreBoundedAndNamed();
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

void TestExperimentJournal::everyRecordIsSyncedBeforeItCounts() {
    // A kill cannot show a skipped sync (the page cache survives it; a pulled plug does not), so the syncs
    // are counted: each record is pushed to the disk before Append answers, and a sync that fails is a
    // failed append.
    QTemporaryDir folder;
    TExperimentJournal journal(folder.filePath(QStringLiteral("j.jsonl")));
    TSyncCounter syncs;
    QCOMPARE(journal.Start(QJsonObject{}), QString());
    QVERIFY(syncs.Calls >= 1);
    for (int n = 1; n <= 3; ++n) {
        const int before = syncs.Calls;
        QCOMPARE(journal.Append(TExperimentJournal::RowRecord(Row(n))), QString());
        QCOMPARE(syncs.Calls, before + 1);
    }
    syncs.Fail = true;
    QVERIFY(!journal.Append(TExperimentJournal::RowRecord(Row(4))).isEmpty());
}

void TestExperimentJournal::restartNeverLeavesItEmpty() {
    // Starting the journal anew (after a restore, or to compact it) writes a new file and renames it into
    // place: at every moment the path holds the old journal or the whole new one. The moment checked is the
    // new file's sync, just before the rename: a kill there must still find every row.
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("j.jsonl"));
    TExperimentJournal journal(path);
    std::vector<QJsonObject> rows;
    for (int n = 1; n <= 2000; ++n)
        rows.push_back(Row(n, QStringLiteral("step %1").arg(n)));
    QCOMPARE(journal.Start(QJsonObject{}, rows), QString());
    int seen = -1;
    const TSyncFunction previous = SetSyncFunction([&](int) {
        if (seen < 0) seen = int(TExperimentJournal::ReadBack(path).Rows.size());
        return true;
    });
    rows.push_back(Row(2001));
    const QString why = journal.Start(QJsonObject{}, rows);
    SetSyncFunction(previous);
    QCOMPARE(why, QString());
    QCOMPARE(seen, 2000);
    QCOMPARE(int(TExperimentJournal::ReadBack(path).Rows.size()), 2001);
}

void TestExperimentJournal::hugeOrForeignJournalsAreBoundedAndNamed() {
    QTemporaryDir folder;
    // Beyond the bound: the first part is read, and the rest is named as left out.
    const QString big = folder.filePath(QStringLiteral("big.jsonl"));
    {
        QFile file(big);
        QVERIFY(file.open(QIODevice::WriteOnly));
        const QByteArray row =
            QJsonDocument(TExperimentJournal::RowRecord(Row(1))).toJson(QJsonDocument::Compact) + '\n';
        file.write(row);
        const QByteArray empty(1 << 20, '\n'); // a journal of empty lines
        for (qint64 written = 0; written <= JournalMaxBytes; written += empty.size())
            file.write(empty);
        file.write(row);
    }
    TJournalState state = TExperimentJournal::ReadBack(big);
    QCOMPARE(int(state.Rows.size()), 1);
    QVERIFY2(
        state.LeftOut.join(QLatin1Char('|')).contains(QStringLiteral("everything after the first 72 MB")),
        qPrintable(state.LeftOut.join(QLatin1Char('|'))));

    // A newer program's journal: its records are counted, not silently dropped; damage in the middle is
    // counted, a cut last line is not (the crash made it).
    const QString newer = folder.filePath(QStringLiteral("newer.jsonl"));
    {
        QFile file(newer);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("{\"kind\":\"setup\",\"setup\":{\"a\":1}}\n{garbage\n");
        file.write(QJsonDocument(TExperimentJournal::RowRecord(Row(1))).toJson(QJsonDocument::Compact) +
                   '\n');
        file.write("{\"kind\":\"journal\",\"format\":\"ferrant-journal\",\"version\":7}\n");
        file.write(QJsonDocument(TExperimentJournal::RowRecord(Row(2))).toJson(QJsonDocument::Compact) +
                   '\n');
        file.write("{\"kind\":\"ro");
    }
    state = TExperimentJournal::ReadBack(newer);
    QCOMPARE(int(state.Rows.size()), 1);
    QCOMPARE(state.LeftOut, (QStringList{QStringLiteral("1 record this version of the program does not know"),
                                         QStringLiteral("1 damaged line")}));

    // A link in the journal's place is not followed.
    const QString link = folder.filePath(QStringLiteral("link.jsonl"));
    QVERIFY(QFile::link(newer, link));
    QVERIFY(!TExperimentJournal(link).Exists());
    QVERIFY(TExperimentJournal::ReadBack(link).Rows.empty());
}

QTEST_GUILESS_MAIN(TestExperimentJournal)
#include "tst_experiment_journal.moc"
