#pragma once
// The lab session: one experiment as the laboratory tools keep it, without widgets. The readings and their
// runs, the zero in use and the gauge history behind it, the experiment's file and whether it is saved, the
// crash journal and what it offers back after a crash.
//
// The experiment window forwards events and shows the answers: F10 gives Record the set-up and the theory
// at the gauge as the window has them; "&Zero gauges" and "C&lear zero" set the zero; a changed layout is
// LayoutChanged; "&New run", a renamed run, a note, a deletion are the table's changes; the file commands
// call Save, ReadExperiment with Load and Opened, NewExperiment. Everything about readings is decided here,
// so the tests drive a session without a window.
//
// Where a row is made: BuildReading. Where a run begins: TReadingsTable::Add (RunBreak, Readings.h). Where
// a file is parsed: ExperimentFromBytes (io/ExperimentFile.h).

#include <QCoreApplication>
#include <QJsonObject>
#include <QString>
#include <functional>
#include <map>
#include <memory>
#include <vector>

#include "record/GaugeHistory.h"
#include "record/Readings.h"
#include "record/io/ExperimentFile.h"
#include "record/io/ExperimentJournal.h"
#include "record/io/TableExport.h"

// What the window has at F10 besides the session's own state.
struct TRowInputs {
    TExperimentSetup Setup; // layout, section and material, property varied (the zero is the session's)
    double TheoryMm = 0.0;  // the theory at the gauge as the readout shows it, mm, downward negative
    int SelectedGauge = 0;  // the meter's channel: the gauge the difference compares
    bool Connected = false; // false: virtual mode, the measured columns stay blank
};

// A saved experiment read back: the set-up and the rows as readings, with the runs' names.
struct TOpenedExperiment {
    TExperimentSetup Setup;
    std::vector<TReading> Rows;
    std::map<int, QString> RunNames;
    bool Handout = false;
    TExperimentDetails Details;
    std::map<int, TRunSetup> RunSetups;
};

// What a journal left by a killed session gives back.
struct TRestoreOffer {
    bool Offer = false; // something to give back (a journal of only a new window's set-up offers nothing)
    QString Question;   // the question to ask, naming what will not come back
    TExperimentSetup Setup;
    bool SetupLost = false; // the set-up could not be rebuilt: the rows come back on the current set-up
    std::vector<TReading> Rows;
    std::map<int, QString> RunNames;
    QString FilePath;
    TExperimentDetails Details;
    std::map<int, TRunSetup> RunSetups;
};

namespace LabSessionTexts {
// In English here (the tests read them); the session says them in the language in use (context
// "LabSessionTexts").
inline const QString RestoreOffer = QStringLiteral(QT_TRANSLATE_NOOP(
    "LabSessionTexts",
    "The experiment window was not closed normally last time. Restore its layout and its %1 recorded "
    "reading(s)?\n\nNo discards them."));
inline const QString RestoreLeftOut =
    QStringLiteral(QT_TRANSLATE_NOOP("LabSessionTexts", "\n\nThese cannot be restored: %1."));
inline const QString LayoutNotRebuilt = QStringLiteral(QT_TRANSLATE_NOOP(
    "LabSessionTexts",
    "the layout, which could not be rebuilt (%1); the readings come back on an empty beam, and the next "
    "save asks for a file name"));
inline const QString RecordedMeasured =
    QStringLiteral(QT_TRANSLATE_NOOP("LabSessionTexts", "Row %1 recorded: %2 mm (gauge %3)"));
inline const QString RecordedTheory = QStringLiteral(
    QT_TRANSLATE_NOOP("LabSessionTexts", "Row %1 recorded: theory %2 mm at the gauge (virtual mode)"));
inline const QString RunBegins = QStringLiteral(QT_TRANSLATE_NOOP("LabSessionTexts", "; %1 begins: %2"));
inline const QString NotFitted = QStringLiteral(QT_TRANSLATE_NOOP("LabSessionTexts", "; not fitted: %1"));
inline const QString UnreadableRows =
    QStringLiteral(QT_TRANSLATE_NOOP("LabSessionTexts", "%1 reading(s) that could not be read"));
[[nodiscard]] inline QString Said(const QString& english) {
    return QCoreApplication::translate("LabSessionTexts", english.toUtf8().constData());
}
} // namespace LabSessionTexts

// The set-up as the journal and the "unsaved" test compare it: the zeros belong to the live link, not to
// the layout, and do not make an experiment unsaved.
[[nodiscard]] QJsonObject SetupKey(const TExperimentSetup& setup);

class TLabSession {
public:
    TLabSession() = default;
    TLabSession(const TLabSession&) = delete;
    TLabSession& operator=(const TLabSession&) = delete;
    // An ordinary end (a crash destroys nothing): the journal is removed.
    ~TLabSession();

    // The record.
    [[nodiscard]] TReadingsTable& Table() { return Readings; }
    [[nodiscard]] const TReadingsTable& Table() const { return Readings; }
    [[nodiscard]] TGaugeHistory& History() { return Gauges; }
    [[nodiscard]] const TZero& Zero() const { return ZeroInUse; }
    void SetZero(const TZero& zero) { ZeroInUse = zero; }

    // The row F10 makes from the window's inputs, the gauge history and the zero.
    [[nodiscard]] TReading BuildReading(const TRowInputs& in, qint64 nowMs) const;
    // Adds the row (its run decided by the table), journals it before anything shows it; the row's index.
    int Record(const TRowInputs& in, qint64 nowMs);
    // What the status bar says of a row just recorded: its number, its measured value (or the theory in
    // virtual mode), the run it began and why, and why it is not fitted.
    [[nodiscard]] QString RecordedText(int index) const;
    // "&New run": the next row starts a new run; its number.
    int StartNewRun();
    void RenameRun(int run, const QString& name);
    // Each run's layout as its last reading was recorded, for the runs of the table that have one (rows
    // opened from a file written before these were kept, or given back by the journal, have none).
    [[nodiscard]] std::map<int, TRunSetup> RunSetups() const;
    // The table changed outside Record (a note, a deletion, a clear, a run's name): journalled as the
    // difference from what the journal holds.
    void TableChanged();

    // Who did the experiment ("&File" > "Experiment &details..."): saved with it, not in a hand-out.
    [[nodiscard]] const TExperimentDetails& Details() const { return ExperimentDetails; }
    void SetDetails(const TExperimentDetails& details);
    // The report's set-up: each run's recorded set-up, then the layout as it stands (ReadingsExport.h).
    [[nodiscard]] TExportTable ReportSetup(const TExperimentSetup& current) const;

    // The file.
    [[nodiscard]] const QString& Path() const { return FilePath; }
    [[nodiscard]] const QString& HandoutPath() const { return Handout; }
    [[nodiscard]] bool Modified(const TExperimentSetup& current) const;
    // The experiment as it stands counts as saved (after a save, an open, a new experiment).
    void MarkSaved(const TExperimentSetup& current);
    // Saves the set-up and the table; empty when saved, else why (the old file is then untouched). A
    // hand-out is a copy for the class: the session stays what it was.
    [[nodiscard]] QString Save(const QString& path, const TExperimentSetup& setup, bool handout = false);
    // Reads and checks a whole file before anything changes.
    [[nodiscard]] static TFileRead<TOpenedExperiment> ReadExperiment(const QString& path);
    // The rows of an experiment (opened or restored) take the table's place; the next row's time
    // continues from the last one's.
    void Load(const std::vector<TReading>& rows, const std::map<int, QString>& runNames, qint64 nowMs,
              const std::map<int, TRunSetup>& runSetups = {});
    // The window shows the experiment read from path: it is saved as it stands.
    void Opened(const QString& path, bool handout, const TExperimentSetup& shown);
    // "&New": an empty table, no file.
    void NewExperiment(const TExperimentSetup& shown);

    // The journal. Active: the laboratory tools are on (a journal records only then).
    void SetActive(bool active) { Active = active; }
    std::function<void(const QString& why)> JournalWarning; // a failed write, said once
    // Where the journal lives (empty: none is kept). Reads what a killed session left there.
    [[nodiscard]] TRestoreOffer OpenJournal(const QString& folder, const TExperimentSetup& current);
    // The offer was taken: the window has shown Offer.Setup and Load has the rows.
    void Restored(const TRestoreOffer& offer);
    // The offer was answered (or there was none): the journal starts from the experiment as it is.
    void BeginJournal(const TExperimentSetup& current);
    // The journal anew from the experiment as it is (after an open, a new experiment, the tools switched
    // back on); nothing before BeginJournal.
    void StartJournal(const TExperimentSetup& current);
    [[nodiscard]] bool JournalReady() const { return Ready; }
    // While the window rebuilds an experiment its steps are not the student's changes.
    void PauseJournal(bool paused) { Paused = paused; }
    // The layout or the set-up changed: journalled when it differs from what the journal holds.
    void LayoutChanged(const TExperimentSetup& current);
    // The ordinary end of the experiment window: nothing to restore next time.
    void Closed();

private:
    void Journal(const QJsonObject& record);
    [[nodiscard]] bool Journalling() const { return Log && Ready && Active && !Paused; }
    [[nodiscard]] QJsonObject JournalSetup(const TExperimentSetup& setup) const;

    TReadingsTable Readings;
    std::map<int, TRunSetup> KeptRunSetups; // by run; a run's entry is replaced by each of its new rows
    TExperimentDetails ExperimentDetails;
    TGaugeHistory Gauges;
    TZero ZeroInUse;

    QString FilePath;
    QString Handout;
    QJsonObject SavedSetup;
    int TableVersion = 0;
    int SavedTableVersion = 0;

    std::unique_ptr<TExperimentJournal> Log;
    bool Ready = false;
    bool Active = false;
    bool Paused = false;
    bool Warned = false;
    TExperimentSetup LastJournalled;
    QJsonObject JournalKey;
    std::vector<QString> JournalNotes;
    std::map<int, QString> JournalRunNames;
};
