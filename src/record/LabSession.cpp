#include "LabSession.h"

#include <QDir>
#include <QFileInfo>

#include "platform/NumberFormat.h"
#include "record/io/ReadingJson.h"
#include "record/io/ReadingsExport.h"

namespace {

const QString JournalFileName = QStringLiteral("experiment-journal.jsonl");

std::vector<QJsonObject> RowsJson(const TReadingsTable& table) {
    std::vector<QJsonObject> rows;
    rows.reserve(table.Rows().size());
    for (const TReading& r : table.Rows())
        rows.push_back(ReadingToJson(r));
    return rows;
}

std::vector<QString> Notes(const TReadingsTable& table) {
    std::vector<QString> notes;
    notes.reserve(table.Rows().size());
    for (const TReading& r : table.Rows())
        notes.push_back(r.Note);
    return notes;
}

} // namespace

QJsonObject SetupKey(const TExperimentSetup& setup) {
    QJsonObject json = SetupToJson(setup);
    json.remove(QStringLiteral("zeros"));
    return json;
}

TLabSession::~TLabSession() {
    if (Log && Ready) Log->Remove();
}

TReading TLabSession::BuildReading(const TRowInputs& in, qint64 nowMs) const {
    const TExperimentSetup& s = in.Setup;
    TReading r;
    r.Property = VariedPropertyFromIndex(s.PropertyVaried);
    r.Stiffness = StiffnessOf(s.Section);
    r.Varied = VariedValue(r.Property, s.Layout, r.Stiffness);
    r.GaugeStation = s.Layout.GaugeStation;
    r.TheoryMm = in.TheoryMm;
    r.SelectedGauge = std::clamp(in.SelectedGauge, 0, GaugeCount - 1);
    r.Gauges = GaugeReadings(Gauges, nowMs, ZeroInUse, in.Connected);
    return r;
}

int TLabSession::Record(const TRowInputs& in, qint64 nowMs) {
    // Everything is gathered first and the row added in one step: nothing half-recorded is ever kept.
    TReading row = BuildReading(in, nowMs);
    const int index = Readings.Add(std::move(row), nowMs);
    KeptRunSetups[Readings.Row(index).Run] = {Readings.Row(index).Number, in.Setup};
    ++TableVersion;
    if (Journalling()) {
        LayoutChanged(in.Setup); // a gauge moved since the last drop
        Journal(TExperimentJournal::RowRecord(ReadingToJson(Readings.Row(index))));
        JournalNotes.push_back(Readings.Row(index).Note);
    }
    return index;
}

QString TLabSession::RecordedText(int index) const {
    const TReading& row = Readings.Row(index);
    QString text;
    if (const std::optional<double> measured = row.MeasuredMm())
        text = LabSessionTexts::Said(LabSessionTexts::RecordedMeasured)
                   .arg(row.Number)
                   .arg(FormatFixed(*measured, 2))
                   .arg(row.SelectedGauge + 1);
    else
        text = LabSessionTexts::Said(LabSessionTexts::RecordedTheory)
                   .arg(row.Number)
                   .arg(FormatFixed(row.TheoryMm, 2));
    if (index == Readings.Count() - 1 && !Readings.RunStartReason().isEmpty() && index > 0)
        text += LabSessionTexts::Said(LabSessionTexts::RunBegins)
                    .arg(Readings.RunName(row.Run), Readings.RunStartReason());
    if (!row.NotFittedReason().isEmpty())
        text += LabSessionTexts::Said(LabSessionTexts::NotFitted).arg(row.NotFittedReason());
    return text;
}

std::map<int, TRunSetup> TLabSession::RunSetups() const {
    std::map<int, TRunSetup> setups;
    for (const int run : Readings.Runs())
        if (const auto kept = KeptRunSetups.find(run); kept != KeptRunSetups.end()) setups.insert(*kept);
    return setups;
}

int TLabSession::StartNewRun() {
    return Readings.StartNewRun();
}

void TLabSession::RenameRun(int run, const QString& name) {
    Readings.RenameRun(run, name);
    TableChanged();
}

void TLabSession::TableChanged() {
    ++TableVersion;
    if (!Journalling()) return;
    const std::vector<QString> notes = Notes(Readings);
    if (notes.size() == JournalNotes.size()) {
        for (std::size_t i = 0; i < notes.size(); ++i)
            if (notes[i] != JournalNotes[i]) Journal(TExperimentJournal::NoteRecord(int(i), notes[i]));
    } else if (notes.empty()) {
        Journal(TExperimentJournal::ClearRecord());
    } else {
        Journal(TExperimentJournal::RowsRecord(RowsJson(Readings)));
    }
    JournalNotes = notes;
    if (Readings.RunNames() != JournalRunNames) {
        JournalRunNames = Readings.RunNames();
        Journal(TExperimentJournal::SetupRecord(JournalSetup(LastJournalled)));
    }
}

TExportTable TLabSession::ReportSetup(const TExperimentSetup& current) const {
    return ReportSetupTable(current, Readings);
}

bool TLabSession::Modified(const TExperimentSetup& current) const {
    return TableVersion != SavedTableVersion || SetupKey(current) != SavedSetup;
}

void TLabSession::MarkSaved(const TExperimentSetup& current) {
    SavedSetup = SetupKey(current);
    SavedTableVersion = TableVersion;
}

void TLabSession::SetDetails(const TExperimentDetails& details) {
    const TExperimentDetails clean = CleanDetails(details);
    if (clean == ExperimentDetails) return;
    ExperimentDetails = clean;
    ++TableVersion; // unsaved until saved
    if (Journalling()) Journal(TExperimentJournal::SetupRecord(JournalSetup(LastJournalled)));
}

QString TLabSession::Save(const QString& path, const TExperimentSetup& setup, bool handout) {
    // A hand-out goes to the whole class: it carries no one's names.
    const QString why = SaveExperiment(path, setup, RowsJson(Readings), handout, Readings.RunNames(),
                                       handout ? TExperimentDetails{} : ExperimentDetails, RunSetups());
    if (!why.isEmpty() || handout) return why;
    FilePath = path;
    Handout.clear();
    MarkSaved(setup);
    if (Journalling()) Journal(TExperimentJournal::FileRecord(path));
    return {};
}

TFileRead<TOpenedExperiment> TLabSession::ReadExperiment(const QString& path) {
    const TFileRead<TExperimentDocument> read = OpenExperiment(path);
    if (!read.Ok()) return {{}, read.Problem};
    TFileRead<TOpenedExperiment> opened;
    opened.Value.Setup = read.Value.Setup;
    opened.Value.Handout = read.Value.Handout;
    opened.Value.RunNames = read.Value.RunNames;
    opened.Value.Details = read.Value.Details;
    opened.Value.RunSetups = read.Value.RunSetups;
    for (const QJsonObject& row : read.Value.Rows)
        opened.Value.Rows.push_back(ReadingFromJson(row, QString()).Reading);
    return opened;
}

void TLabSession::Load(const std::vector<TReading>& rows, const std::map<int, QString>& runNames,
                       qint64 nowMs, const std::map<int, TRunSetup>& runSetups) {
    KeptRunSetups = runSetups;
    const qint64 lastMs = rows.empty() ? 0 : qint64(rows.back().ElapsedS * 1000.0);
    if (rows.empty())
        Readings.Clear();
    else
        Readings.Restore(rows, nowMs - lastMs, 0, runNames);
    ++TableVersion;
}

void TLabSession::Opened(const QString& path, bool handout, const TExperimentSetup& shown) {
    // A hand-out opens as an untitled copy: the student's first save asks for a name of their own, and the
    // teacher's file is never written over.
    FilePath = handout ? QString() : path;
    Handout = handout ? path : QString();
    MarkSaved(shown);
    StartJournal(shown);
}

void TLabSession::NewExperiment(const TExperimentSetup& shown) {
    Readings.Clear();
    KeptRunSetups.clear();
    ExperimentDetails = {};
    FilePath.clear();
    Handout.clear();
    ++TableVersion;
    MarkSaved(shown);
    StartJournal(shown);
}

TRestoreOffer TLabSession::OpenJournal(const QString& folder, const TExperimentSetup& current) {
    TRestoreOffer offer;
    MarkSaved(current);
    if (folder.isEmpty()) return offer; // nowhere to keep a journal
    Log = std::make_unique<TExperimentJournal>(QDir(folder).filePath(JournalFileName));
    if (!Log->Exists()) return offer;
    const TJournalState left = TExperimentJournal::ReadBack(Log->Path());
    const TSetupRead setup = SetupFromJson(left.Setup);
    int unreadable = 0;
    for (const QJsonObject& row : left.Rows) {
        const TReadingRead read = ReadingFromJson(row, QStringLiteral("row"));
        if (read.Problem.isEmpty())
            offer.Rows.push_back(read.Reading);
        else
            ++unreadable;
    }
    offer.RunNames = RunNamesFromJson(left.Setup);
    offer.Details = DetailsFromJson(left.Setup);
    offer.RunSetups = RunSetupsFromJson(QJsonObject{{QStringLiteral("runLayouts"), left.RunLayouts}});
    QStringList leftOut = left.LeftOut;
    if (unreadable > 0) leftOut << LabSessionTexts::Said(LabSessionTexts::UnreadableRows).arg(unreadable);
    offer.SetupLost = !left.Setup.isEmpty() && !setup.Problem.isEmpty();
    if (offer.SetupLost) {
        QString why = setup.Problem;
        why.remove(QStringLiteral("its layout cannot be built: "));
        leftOut << LabSessionTexts::Said(LabSessionTexts::LayoutNotRebuilt).arg(why);
    }
    // A window killed before anything was built or recorded left only the set-up a new window has: there
    // is nothing to offer back.
    offer.Offer = !offer.Rows.empty() || offer.SetupLost || !leftOut.isEmpty() || !offer.Details.Empty() ||
                  (setup.Problem.isEmpty() && SetupKey(setup.Setup) != SetupKey(current));
    offer.Question = LabSessionTexts::Said(LabSessionTexts::RestoreOffer).arg(offer.Rows.size());
    // What will not come back is said before the answer that discards the rest.
    if (!leftOut.isEmpty())
        offer.Question.insert(
            offer.Question.lastIndexOf(QStringLiteral("\n\n")),
            LabSessionTexts::Said(LabSessionTexts::RestoreLeftOut).arg(leftOut.join(QStringLiteral("; "))));
    offer.Setup = setup.Problem.isEmpty() ? setup.Setup : current;
    // A set-up that could not be rebuilt is not the file's: a save must ask for a name rather than put less
    // over the file than it had.
    offer.FilePath = offer.SetupLost ? QString() : left.FilePath;
    return offer;
}

void TLabSession::Restored(const TRestoreOffer& offer) {
    FilePath = offer.FilePath;
    ExperimentDetails = offer.Details;
    Handout.clear();
    // What came back is not in any file yet: it counts as unsaved.
    SavedTableVersion = TableVersion - 1;
}

void TLabSession::BeginJournal(const TExperimentSetup& current) {
    Ready = true;
    StartJournal(current);
}

void TLabSession::StartJournal(const TExperimentSetup& current) {
    if (!Log || !Ready || !Active) return;
    LastJournalled = current;
    JournalKey = SetupKey(current);
    JournalNotes = Notes(Readings);
    JournalRunNames = Readings.RunNames();
    const QString why = Log->Start(JournalSetup(current), RowsJson(Readings), RunSetupsToJson(RunSetups()));
    if (!why.isEmpty() && !Warned) {
        Warned = true;
        if (JournalWarning) JournalWarning(why);
    }
    if (!FilePath.isEmpty()) Journal(TExperimentJournal::FileRecord(FilePath));
}

void TLabSession::LayoutChanged(const TExperimentSetup& current) {
    if (!Journalling()) return;
    QJsonObject key = SetupKey(current);
    if (key == JournalKey) return;
    JournalKey = std::move(key);
    LastJournalled = current;
    Journal(TExperimentJournal::SetupRecord(JournalSetup(current)));
}

void TLabSession::Closed() {
    if (Log && Ready) Log->Remove();
    Log.reset();
}

void TLabSession::Journal(const QJsonObject& record) {
    if (!Journalling()) return;
    const QString why = Log->Append(record);
    if (!why.isEmpty() && !Warned) {
        Warned = true;
        if (JournalWarning) JournalWarning(why);
    }
    // Many edits since the journal began: write it anew, as short as the experiment it holds.
    if (why.isEmpty() && Log->Oversized()) StartJournal(LastJournalled);
}

QJsonObject TLabSession::JournalSetup(const TExperimentSetup& setup) const {
    QJsonObject json = SetupToJson(setup);
    if (!Readings.RunNames().empty())
        json.insert(QStringLiteral("runNames"), RunNamesToJson(Readings.RunNames()));
    // The details ride with the set-up, so a crash gives back what the students typed in them.
    if (!ExperimentDetails.Empty()) json.insert(QStringLiteral("details"), DetailsToJson(ExperimentDetails));
    return json;
}
