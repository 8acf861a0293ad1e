#include "ExperimentJournal.h"

#include <QDir>
#include <QFileInfo>
#include <QJsonDocument>
#include <QStandardPaths>
#include <algorithm>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif
#ifdef Q_OS_WIN
#include <io.h>
#endif

#include "record/io/ExperimentFile.h"

namespace {

// Pushes what the process wrote past the operating system's cache onto the disk, so a pulled plug keeps it.
bool WriteThrough(QFile& file) {
    if (!file.flush()) return false;
#ifdef Q_OS_UNIX
    return ::fsync(file.handle()) == 0;
#elif defined(Q_OS_WIN)
    return ::_commit(file.handle()) == 0;
#else
    return true;
#endif
}

} // namespace

QString TExperimentJournal::DefaultPath() {
    QString folder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    if (folder.isEmpty()) folder = QDir::homePath();
    return QDir(folder).filePath(QStringLiteral("experiment-journal.jsonl"));
}

TExperimentJournal::TExperimentJournal(QString path) : FilePath(std::move(path)) {}

TExperimentJournal::~TExperimentJournal() {
    // Not removed here: only an ordinary close removes the journal, a crash must leave it.
    File.close();
}

bool TExperimentJournal::Exists() const {
    return QFileInfo(FilePath).isFile() && QFileInfo(FilePath).size() > 0;
}

QString TExperimentJournal::Start(const QJsonObject& setup, const std::vector<QJsonObject>& rows) {
    File.close();
    QDir().mkpath(QFileInfo(FilePath).absolutePath());
    File.setFileName(FilePath);
    if (!File.open(QIODevice::WriteOnly | QIODevice::Truncate)) return File.errorString();
    QByteArray bytes = QJsonDocument(SetupRecord(setup)).toJson(QJsonDocument::Compact) + '\n';
    for (const QJsonObject& row : rows)
        bytes += QJsonDocument(RowRecord(row)).toJson(QJsonDocument::Compact) + '\n';
    if (File.write(bytes) != bytes.size() || !WriteThrough(File)) return File.errorString();
    return {};
}

QString TExperimentJournal::Append(const QJsonObject& record) {
    QByteArray line;
    if (!File.isOpen()) {
        // A journal left by a crash may end inside a line; the next record starts on a line of its own.
        QFile old(FilePath);
        if (old.size() > 0 && old.open(QIODevice::ReadOnly) && old.seek(old.size() - 1) &&
            old.read(1) != "\n")
            line = "\n";
        File.setFileName(FilePath);
        if (!File.open(QIODevice::WriteOnly | QIODevice::Append)) return File.errorString();
    }
    line += QJsonDocument(record).toJson(QJsonDocument::Compact) + '\n';
    if (File.write(line) != line.size() || !WriteThrough(File)) return File.errorString();
    return {};
}

void TExperimentJournal::Remove() {
    File.close();
    QFile::remove(FilePath);
}

TJournalState TExperimentJournal::ReadBack(const QString& path) {
    TJournalState state;
    const TFileRead<QByteArray> read = ReadBoundedFile(path, 4 * ExperimentFileMaxBytes);
    if (!read.Ok()) return state;
    for (const QByteArray& line : read.Value.split('\n')) {
        const QJsonDocument document = QJsonDocument::fromJson(line);
        if (!document.isObject()) continue; // the last line, cut short by the crash
        const QJsonObject record = document.object();
        const QString kind = record.value(QLatin1String("kind")).toString();
        ++state.Records;
        if (kind == QLatin1String("setup")) {
            state.Setup = record.value(QLatin1String("setup")).toObject();
        } else if (kind == QLatin1String("row")) {
            state.Rows.push_back(record.value(QLatin1String("row")).toObject());
        } else if (kind == QLatin1String("note")) {
            const int index = record.value(QLatin1String("index")).toInt(-1);
            if (index >= 0 && index < int(state.Rows.size()))
                state.Rows[std::size_t(index)].insert(QStringLiteral("note"),
                                                      record.value(QLatin1String("note")));
        } else if (kind == QLatin1String("delete")) {
            std::vector<int> indices;
            for (const QJsonValue v : record.value(QLatin1String("indices")).toArray())
                indices.push_back(v.toInt(-1));
            std::sort(indices.rbegin(), indices.rend());
            indices.erase(std::unique(indices.begin(), indices.end()), indices.end());
            for (const int i : indices)
                if (i >= 0 && i < int(state.Rows.size())) state.Rows.erase(state.Rows.begin() + i);
        } else if (kind == QLatin1String("clear")) {
            state.Rows.clear();
        } else if (kind == QLatin1String("rows")) {
            state.Rows.clear();
            for (const QJsonValue row : record.value(QLatin1String("rows")).toArray())
                state.Rows.push_back(row.toObject());
        } else if (kind == QLatin1String("file")) {
            state.FilePath = record.value(QLatin1String("path")).toString();
        } else {
            --state.Records;
        }
    }
    return state;
}

QJsonObject TExperimentJournal::SetupRecord(const QJsonObject& setup) {
    return {{QStringLiteral("kind"), QStringLiteral("setup")}, {QStringLiteral("setup"), setup}};
}
QJsonObject TExperimentJournal::RowRecord(const QJsonObject& row) {
    return {{QStringLiteral("kind"), QStringLiteral("row")}, {QStringLiteral("row"), row}};
}
QJsonObject TExperimentJournal::NoteRecord(int index, const QString& note) {
    return {{QStringLiteral("kind"), QStringLiteral("note")},
            {QStringLiteral("index"), index},
            {QStringLiteral("note"), note}};
}
QJsonObject TExperimentJournal::DeleteRecord(const std::vector<int>& indices) {
    QJsonArray list;
    for (const int i : indices)
        list.append(i);
    return {{QStringLiteral("kind"), QStringLiteral("delete")}, {QStringLiteral("indices"), list}};
}
QJsonObject TExperimentJournal::ClearRecord() {
    return {{QStringLiteral("kind"), QStringLiteral("clear")}};
}
QJsonObject TExperimentJournal::RowsRecord(const std::vector<QJsonObject>& rows) {
    QJsonArray list;
    for (const QJsonObject& row : rows)
        list.append(row);
    return {{QStringLiteral("kind"), QStringLiteral("rows")}, {QStringLiteral("rows"), list}};
}
QJsonObject TExperimentJournal::FileRecord(const QString& path) {
    return {{QStringLiteral("kind"), QStringLiteral("file")}, {QStringLiteral("path"), path}};
}
