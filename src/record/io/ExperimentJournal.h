#pragma once
// The crash journal: while the laboratory tools record, every recorded row, every edit of a note, every
// deletion and every change of the set-up is appended to a file in the user's data folder as one JSON
// line, and written through to the disk before the table shows it. An ordinary close removes the file; if
// it is still there when the experiment window next opens, the program was killed or crashed and the
// journal gives back the set-up and the rows.
//
// Records ("kind" says which):
//   {"kind":"setup", "setup":{...}}                    the whole set-up (as in the experiment file)
//   {"kind":"row", "row":{...}}                        a recorded row, appended to the table
//   {"kind":"note", "index":n, "note":"..."}           the note of row n changed
//   {"kind":"delete", "indices":[...]}                 rows removed (indices before the removal)
//   {"kind":"clear"}                                   the table emptied
//   {"kind":"rows", "rows":[...]}                      the table as it now stands (after a deletion)
//   {"kind":"file", "path":"..."}                      the experiment now belongs to this file (saved or
//   opened)
// A line cut short by the crash itself is ignored; everything before it counts.

#include <QFile>
#include <QJsonArray>
#include <QJsonObject>
#include <QString>
#include <vector>

struct TJournalState {
    QJsonObject Setup;             // the last set-up recorded, empty when none was
    std::vector<QJsonObject> Rows; // the rows as they stood
    QString FilePath;              // the experiment's file, empty when never saved
    int Records = 0;               // whole records read
};

class TExperimentJournal {
public:
    // The journal's file in the user's data folder.
    [[nodiscard]] static QString DefaultPath();

    explicit TExperimentJournal(QString path = DefaultPath());
    ~TExperimentJournal();
    TExperimentJournal(const TExperimentJournal&) = delete;
    TExperimentJournal& operator=(const TExperimentJournal&) = delete;

    [[nodiscard]] const QString& Path() const { return FilePath; }
    // A journal left behind by a session that did not end normally.
    [[nodiscard]] bool Exists() const;

    // Begins a fresh journal (any old one is replaced) with the set-up and the rows as they are now.
    // Empty when done, else the reason.
    QString Start(const QJsonObject& setup, const std::vector<QJsonObject>& rows = {});
    // Appends one record and writes it through to the disk. Empty when done, else the reason.
    QString Append(const QJsonObject& record);
    // The ordinary end: the journal is closed and removed.
    void Remove();

    // What a left-behind journal holds.
    [[nodiscard]] static TJournalState ReadBack(const QString& path);

    // The records.
    [[nodiscard]] static QJsonObject SetupRecord(const QJsonObject& setup);
    [[nodiscard]] static QJsonObject RowRecord(const QJsonObject& row);
    [[nodiscard]] static QJsonObject NoteRecord(int index, const QString& note);
    [[nodiscard]] static QJsonObject DeleteRecord(const std::vector<int>& indices);
    [[nodiscard]] static QJsonObject ClearRecord();
    [[nodiscard]] static QJsonObject RowsRecord(const std::vector<QJsonObject>& rows);
    [[nodiscard]] static QJsonObject FileRecord(const QString& path);

private:
    QString FilePath;
    QFile File;
};
