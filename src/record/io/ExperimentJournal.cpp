#include "ExperimentJournal.h"

#include <QDir>
#include <QFileInfo>
#include <QJsonDocument>
#include <algorithm>
#include <map>

#ifndef Q_OS_WIN
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

#include "platform/FileWriter.h"
#include "platform/RegularFile.h"

namespace {

const QString JournalFormat = QStringLiteral("ferrant-journal");

QByteArray Line(const QJsonObject& record) {
    return QJsonDocument(record).toJson(QJsonDocument::Compact) + '\n';
}

// Pushes what the process wrote past the operating system's cache onto the disk, so a pulled plug keeps it.
bool WriteThrough(QFile& file) {
    return file.flush() && SyncToDisk(file.handle());
}

QString Counted(int n, const char* one, const char* many) {
    return n == 1 ? QString::fromLatin1(one) : QString::fromLatin1(many).arg(n);
}

} // namespace

TExperimentJournal::TExperimentJournal(QString path) : FilePath(std::move(path)) {}

TExperimentJournal::~TExperimentJournal() {
    // Not removed here: only an ordinary close removes the journal, a crash must leave it.
    File.close();
}

bool TExperimentJournal::Exists() const {
    const QFileInfo info(FilePath);
    return !info.isSymLink() && info.isFile() && info.size() > 0;
}

QString TExperimentJournal::Start(const QJsonObject& setup, const std::vector<QJsonObject>& rows,
                                  const QJsonArray& runLayouts) {
    File.close();
    QDir().mkpath(QFileInfo(FilePath).absolutePath());
    QByteArray bytes = Line(HeaderRecord()) + Line(SetupRecord(setup));
    for (const QJsonObject& row : rows)
        bytes += Line(RowRecord(row));
    if (!runLayouts.isEmpty()) {
        QJsonObject withLayouts = setup;
        withLayouts.insert(QStringLiteral("runLayouts"), runLayouts);
        bytes += Line(SetupRecord(withLayouts));
    }
    // A new file renamed into place: the old journal stays whole until the new one is on the disk.
    if (const QString why = WriteFileSafely(FilePath, bytes, TLinkPolicy::Replace); !why.isEmpty())
        return why;
    StartedBytes = Bytes = bytes.size();
    return OpenForAppend();
}

QString TExperimentJournal::OpenForAppend() {
#ifdef Q_OS_WIN
    File.setFileName(FilePath);
    if (!File.open(QIODevice::WriteOnly | QIODevice::Append)) return File.errorString();
#else
    // Never through a link, never waiting on a pipe; only a regular file is written into.
    const int fd = ::open(QFile::encodeName(FilePath).constData(),
                          O_WRONLY | O_APPEND | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0600);
    if (fd < 0) return WriteErrorText(errno);
    struct stat status {};
    if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) {
        ::close(fd);
        return QStringLiteral("its place is taken by something that is not an ordinary file");
    }
    if (!File.open(fd, QIODevice::WriteOnly | QIODevice::Append, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return File.errorString();
    }
    Bytes = status.st_size;
#endif
    return {};
}

QString TExperimentJournal::Append(const QJsonObject& record) {
    QByteArray line;
    if (!File.isOpen()) {
        // No Start succeeded: append to what is there. A journal left by a crash may end inside a line; the
        // next record starts on a line of its own.
        if (const QString why = OpenForAppend(); !why.isEmpty()) return why;
        if (Bytes > 0) {
            const TRegularFile old = ReadRegularFile(FilePath, JournalMaxBytes);
            if (!old.Ok() || !old.Bytes.endsWith('\n')) line = "\n";
        }
        StartedBytes = Bytes;
    }
    line += Line(record);
    if (File.write(line) != line.size() || !WriteThrough(File)) {
        const QString why = File.errorString();
        return why.isEmpty() ? QStringLiteral("the disk refused the write") : why;
    }
    Bytes += line.size();
    return {};
}

bool TExperimentJournal::Oversized() const {
    return Bytes > 2 * StartedBytes + (1 << 20);
}

void TExperimentJournal::Remove() {
    File.close();
    if (Exists() || QFileInfo(FilePath).isSymLink()) QFile::remove(FilePath);
}

TJournalState TExperimentJournal::ReadBack(const QString& path) {
    TJournalState state;
    if (QFileInfo(path).isSymLink()) {
        state.LeftOut << QStringLiteral("the journal's place holds a link, which was not followed");
        return state;
    }
    const TRegularFile file = ReadRegularFilePrefix(path, JournalMaxBytes);
    if (!file.Ok()) return state;
    const QByteArray& bytes = file.Bytes;

    int damaged = 0, newer = 0, beyond = 0;
    int version = 1;
    // The rows are checked as readings by the caller; here only their number is bounded.
    auto addRow = [&](const QJsonObject& json) {
        if (int(state.Rows.size()) >= MaxReadings)
            ++beyond;
        else
            state.Rows.push_back(json);
    };

    // Each run's layout: the set-up in force when its latest row came, unless a set-up record lists them.
    std::map<int, QJsonObject> runLayouts;

    // Line by line over the bytes read, without splitting them into copies: a journal of millions of short
    // lines costs no more memory than its bytes.
    const char* data = bytes.constData();
    const qsizetype size = bytes.size();
    qsizetype at = 0;
    while (at < size) {
        // Blank lines between records are passed over a byte at a time, without a line each.
        while (at < size && (data[at] == '\n' || data[at] == '\r' || data[at] == ' ' || data[at] == '\t'))
            ++at;
        if (at >= size) break;
        qsizetype end = bytes.indexOf('\n', at);
        const bool last = end < 0;
        if (last) end = size;
        const QByteArray line = QByteArray::fromRawData(data + at, end - at);
        at = end + 1;
        const QJsonDocument document = QJsonDocument::fromJson(line);
        if (!document.isObject()) {
            if (!last) ++damaged; // the last line is the one the crash cut short
            continue;
        }
        const QJsonObject record = document.object();
        const QString kind = record.value(QLatin1String("kind")).toString();
        if (kind == QLatin1String("journal")) {
            if (record.value(QLatin1String("format")).toString() == JournalFormat)
                version = record.value(QLatin1String("version")).toInt(JournalVersion + 1);
            continue;
        }
        if (version > JournalVersion) {
            ++newer;
            continue;
        }
        ++state.Records;
        if (kind == QLatin1String("setup")) {
            state.Setup = record.value(QLatin1String("setup")).toObject();
            if (const QJsonValue listed = state.Setup.take(QStringLiteral("runLayouts")); listed.isArray()) {
                runLayouts.clear();
                for (const QJsonValue entry : listed.toArray())
                    runLayouts[entry.toObject().value(QLatin1String("run")).toInt(-1)] = entry.toObject();
            }
        } else if (kind == QLatin1String("row")) {
            const QJsonObject row = record.value(QLatin1String("row")).toObject();
            addRow(row);
            const int run = row.value(QLatin1String("run")).toInt(1);
            runLayouts[run] = QJsonObject{{QStringLiteral("run"), run},
                                          {QStringLiteral("reading"), row.value(QLatin1String("number"))},
                                          {QStringLiteral("setup"), state.Setup}};
        } else if (kind == QLatin1String("note")) {
            const int index = record.value(QLatin1String("index")).toInt(-1);
            if (index >= 0 && index < int(state.Rows.size()))
                state.Rows[std::size_t(index)].insert(
                    QStringLiteral("note"), CleanNote(record.value(QLatin1String("note")).toString()));
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
                addRow(row.toObject());
        } else if (kind == QLatin1String("file")) {
            state.FilePath = record.value(QLatin1String("path")).toString();
        } else {
            --state.Records;
            ++newer; // a kind this version does not know
        }
    }
    for (const auto& [run, entry] : runLayouts)
        state.RunLayouts.append(entry);
    if (newer > 0)
        state.LeftOut << Counted(newer, "1 record this version of the program does not know",
                                 "%1 records this version of the program does not know");
    if (damaged > 0) state.LeftOut << Counted(damaged, "1 damaged line", "%1 damaged lines");
    if (beyond > 0)
        state.LeftOut << QStringLiteral("%1 reading(s) beyond the table's %2").arg(beyond).arg(MaxReadings);
    if (file.Cut)
        state.LeftOut << QStringLiteral("everything after the first %1 MB of the journal")
                             .arg(JournalMaxBytes / (1024 * 1024));
    return state;
}

QJsonObject TExperimentJournal::HeaderRecord() {
    return {{QStringLiteral("kind"), QStringLiteral("journal")},
            {QStringLiteral("format"), JournalFormat},
            {QStringLiteral("version"), JournalVersion}};
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
