#pragma once
// The experiment file: one JSON document holding the whole experiment, the set-up (layout, section,
// material, the property varied, the zeros) and every reading with its note. docs/EXPERIMENT_FILE.md
// describes the format field by field.
//
// Writing goes through WriteFileSafely (platform/FileWriter.h): the document is written beside the target,
// synced and renamed over it only when complete, so a failed write (a full disk) leaves the old file whole
// and says why. Reading refuses a file larger
// than ExperimentFileMaxBytes before reading it, a document that is not JSON or is cut short, a format
// version newer than this program's, and a layout the placement rules would not let the mouse build; the
// answer then names the problem and the caller changes nothing.

#include <QByteArray>
#include <QJsonArray>
#include <QJsonObject>
#include <QString>
#include <map>
#include <optional>
#include <vector>

#include "model/BeamLayout.h"
#include "record/GaugeHistory.h"
#include "theory/Sections.h"

inline const QString ExperimentFileExtension = QStringLiteral("ferx");
inline const QString ExperimentFileFilter = QStringLiteral("Beam experiments (*.ferx)");
inline const QString ExperimentFileFormat = QStringLiteral("ferrant-experiment");
// Version 2 adds the runs: each row's "run" and the runs' names. A version 1 file opens as one run.
inline constexpr int ExperimentFileVersion = 2;
// A reading takes about 1,300 bytes of JSON with an empty note and at most 1,500 more with the longest note
// (MaxNoteLength characters of 3 UTF-8 bytes), so the largest table the window records (MaxReadings) fits
// in 28 MB. One bound for opening and saving: anything larger is not an experiment, is refused before it
// is read whole, and is never written.
inline constexpr qint64 ExperimentFileMaxBytes = 32 * 1024 * 1024;

struct TExperimentSetup {
    TBeamLayout Layout;
    TSectionChoice Section;
    int PropertyVaried = -1; // index of the property in the capture list (0..9), -1 when none is chosen
    TZero Zero;              // the zero of each gauge, mm
};

// The JSON of a set-up, and back. Reading rebuilds the layout through the placement rules; Problem names
// the first thing wrong.
[[nodiscard]] QJsonObject SetupToJson(const TExperimentSetup& setup);
struct TSetupRead {
    TExperimentSetup Setup;
    QString Problem;
};
[[nodiscard]] TSetupRead SetupFromJson(const QJsonObject& json);

// One file's answer when read.
template <typename T> struct TFileRead {
    T Value{};
    QString Problem; // empty: read; else a sentence naming the problem
    [[nodiscard]] bool Ok() const { return Problem.isEmpty(); }
};

// The whole file: the set-up and the rows (each row an object of the readings' own JSON, see
// ReadingJson.h), with the format's name and version and the time it was saved. Opening checks every row
// as a reading.
// A hand-out ("handout": true, written by "Save as hand-out") is a teacher's file that opens as an untitled
// copy, so that a student's save never writes over it.
// Who did the experiment, for the report's title block and a class's comparison ("details" in the file, all
// texts; a file without them reads as empty). Each is cleaned like a note and cut at its length.
struct TExperimentDetails {
    QString Names; // the students' names
    QString Group;
    QString Bench;
    QString Date;
    QString Note;
    [[nodiscard]] bool Empty() const {
        return Names.isEmpty() && Group.isEmpty() && Bench.isEmpty() && Date.isEmpty() && Note.isEmpty();
    }
    bool operator==(const TExperimentDetails&) const = default;
};
// The details as they are kept: each text cleaned and cut (names 200 characters, group, bench and date 60,
// note 500).
[[nodiscard]] TExperimentDetails CleanDetails(const TExperimentDetails& details);
[[nodiscard]] QJsonObject DetailsToJson(const TExperimentDetails& details);
// Reading skips anything that is not a text.
[[nodiscard]] TExperimentDetails DetailsFromJson(const QJsonObject& root);

// Each run's layout as its last reading was recorded (the report draws the run's diagrams from it):
// "runLayouts": [{"run": 2, "reading": 12, "setup": {...}}]. A file without them (written before they were
// kept) reads as none; an entry that cannot be rebuilt is left out, never the file refused.
struct TRunSetup {
    int Reading = 0; // the number of the reading recorded on it
    TExperimentSetup Setup;
};
[[nodiscard]] QJsonArray RunSetupsToJson(const std::map<int, TRunSetup>& setups);
[[nodiscard]] std::map<int, TRunSetup> RunSetupsFromJson(const QJsonObject& root);

struct TExperimentDocument {
    TExperimentSetup Setup;
    std::vector<QJsonObject> Rows;
    bool Handout = false;
    int Version = ExperimentFileVersion;
    std::map<int, QString> RunNames; // the runs the student named ("Loading"); the others are "Run n"
    TExperimentDetails Details;
    std::map<int, TRunSetup> RunSetups;
};
[[nodiscard]] QByteArray ExperimentBytes(const TExperimentSetup& setup, const std::vector<QJsonObject>& rows,
                                         bool handout = false, const std::map<int, QString>& runNames = {},
                                         const TExperimentDetails& details = {},
                                         const std::map<int, TRunSetup>& runSetups = {});
// The runs' names as the file keeps them: [{"run": 2, "name": "Unloading"}]; reading skips anything else.
[[nodiscard]] QJsonArray RunNamesToJson(const std::map<int, QString>& names);
[[nodiscard]] std::map<int, QString> RunNamesFromJson(const QJsonObject& root);
[[nodiscard]] TFileRead<TExperimentDocument> ExperimentFromBytes(const QByteArray& bytes);
// Empty when saved, else the reason (the old file is then untouched).
[[nodiscard]] QString SaveExperiment(const QString& path, const TExperimentSetup& setup,
                                     const std::vector<QJsonObject>& rows, bool handout = false,
                                     const std::map<int, QString>& runNames = {},
                                     const TExperimentDetails& details = {},
                                     const std::map<int, TRunSetup>& runSetups = {});
[[nodiscard]] TFileRead<TExperimentDocument> OpenExperiment(const QString& path);

// Reads a regular file of at most maxBytes without blocking (RegularFile.h); a larger file is refused by its
// size alone, a pipe or a folder by its kind.
[[nodiscard]] TFileRead<QByteArray> ReadBoundedFile(const QString& path, qint64 maxBytes);
// The document's root object, its format name and version checked; Problem otherwise.
[[nodiscard]] TFileRead<QJsonObject> ParseExperimentDocument(const QByteArray& bytes);
