#pragma once
// The crash journal: while the laboratory tools record, every recorded row, every edit of a note, every
// deletion and every change of the set-up is appended to a file in the user's settings folder as one JSON
// line, and written through to the disk before the table shows it. An ordinary close removes the file; if
// it is still there when the experiment window next opens, the program was killed or crashed and the
// journal gives back the set-up and the rows.
//
// Records ("kind" says which):
//   {"kind":"journal", "format":"ferrant-journal", "version":1}   the first line: what wrote the journal
//   {"kind":"setup", "setup":{...}}                    the whole set-up (as in the experiment file)
//   {"kind":"row", "row":{...}}                        a recorded row, appended to the table
//   {"kind":"note", "index":n, "note":"..."}           the note of row n changed
//   {"kind":"delete", "indices":[...]}                 rows removed (indices before the removal)
//   {"kind":"clear"}                                   the table emptied
//   {"kind":"rows", "rows":[...]}                      the table as it now stands (after a deletion)
//   {"kind":"file", "path":"..."}                      the experiment now belongs to this file (saved or
//                                                      opened)
// A journal without the first line was written before journals had versions, and reads as version 1.
//
// Safety, since anyone with access to the folder may have put something at the journal's path:
// - Start writes a whole new journal beside the old one and renames it into place (WriteFileSafely with
//   TLinkPolicy::Replace): the journal is never empty in between, and a link or a pipe at the path is
//   replaced, never written through or waited on. Appends open the file without following a link and
//   without blocking, and write only into a regular file.
// - ReadBack reads at most JournalMaxBytes, never follows a link, and goes line by line without copying;
//   a line cut short by the crash itself is ignored. What it cannot use (lines of a newer version, damaged
//   lines, rows beyond MaxReadings, the part beyond the bound) is counted and
//   named in LeftOut, so the offer to restore can say what will not come back.

#include <QFile>
#include <QJsonArray>
#include <QJsonObject>
#include <QString>
#include <QStringList>
#include <vector>

#include "record/Readings.h"

inline constexpr int JournalVersion = 1;
// Twice the largest experiment and some room for edits: the window rewrites (compacts) the journal long
// before it grows to this (TExperimentJournal::Oversized).
inline constexpr qint64 JournalMaxBytes = 72 * 1024 * 1024;

struct TJournalState {
    QJsonObject Setup;             // the last set-up recorded, empty when none was
    std::vector<QJsonObject> Rows; // the rows as they stood (at most MaxReadings), to be read as readings
    QString FilePath;              // the experiment's file, empty when never saved
    // Each run's layout as its last reading was recorded, in the file's "runLayouts" form: the set-up in
    // force when the run's latest row was journalled, or the list a fresh journal starts from.
    QJsonArray RunLayouts;
    int Records = 0;     // records read and used
    QStringList LeftOut; // what could not be read back, one phrase each ("2 damaged lines")
};

class TExperimentJournal {
public:
    explicit TExperimentJournal(QString path);
    ~TExperimentJournal();
    TExperimentJournal(const TExperimentJournal&) = delete;
    TExperimentJournal& operator=(const TExperimentJournal&) = delete;

    [[nodiscard]] const QString& Path() const { return FilePath; }
    // A journal left behind by a session that did not end normally: a regular, non-empty file (not a link).
    [[nodiscard]] bool Exists() const;

    // Replaces the journal (whatever stood at its path) with a fresh one holding the set-up and the rows as
    // they are now. Empty when done, else the reason.
    // runLayouts (the file's form) follows the rows as a set-up record of its own, so the rows written
    // here do not take the set-up of the moment as their runs' layouts.
    QString Start(const QJsonObject& setup, const std::vector<QJsonObject>& rows = {},
                  const QJsonArray& runLayouts = {});
    // Appends one record and writes it through to the disk. Empty when done, else the reason.
    QString Append(const QJsonObject& record);
    // The journal has grown well past what a fresh Start would write (many edits): time to Start again.
    [[nodiscard]] bool Oversized() const;
    // The ordinary end: the journal is closed and removed.
    void Remove();

    // What a left-behind journal holds.
    [[nodiscard]] static TJournalState ReadBack(const QString& path);

    // The records.
    [[nodiscard]] static QJsonObject HeaderRecord();
    [[nodiscard]] static QJsonObject SetupRecord(const QJsonObject& setup);
    [[nodiscard]] static QJsonObject RowRecord(const QJsonObject& row);
    [[nodiscard]] static QJsonObject NoteRecord(int index, const QString& note);
    [[nodiscard]] static QJsonObject DeleteRecord(const std::vector<int>& indices);
    [[nodiscard]] static QJsonObject ClearRecord();
    [[nodiscard]] static QJsonObject RowsRecord(const std::vector<QJsonObject>& rows);
    [[nodiscard]] static QJsonObject FileRecord(const QString& path);

private:
    QString OpenForAppend();

    QString FilePath;
    QFile File;
    qint64 StartedBytes = 0; // the size a Start wrote
    qint64 Bytes = 0;        // the size now
};
