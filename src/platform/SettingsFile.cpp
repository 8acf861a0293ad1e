#include "SettingsFile.h"

#include "FileWriter.h"

#include "RegularFile.h"

#include <QDir>
#include <QFileInfo>
#include <QStringDecoder>

#ifndef Q_OS_WIN
#include <cerrno>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

bool IsText(const QString& line) {
    for (const QChar c : line)
        if ((c.unicode() < 0x20 && c != QLatin1Char('\t')) || c.unicode() == 0x7F) return false;
    return true;
}

QString Unquoted(const QString& value) {
    if (value.size() >= 2 && value.startsWith(QLatin1Char('"')) && value.endsWith(QLatin1Char('"')))
        return value.mid(1, value.size() - 2);
    return value;
}

} // namespace

TSettingsText TSettingsText::Parse(const QByteArray& bytes) {
    TSettingsText text;
    QString section;
    const QList<QByteArray> raw = bytes.split('\n');
    for (qsizetype i = 0; i < raw.size(); ++i) {
        QByteArray bytesOfLine = raw[i];
        if (i == raw.size() - 1 && bytesOfLine.isEmpty()) break; // after the last LF
        if (bytesOfLine.endsWith('\r')) bytesOfLine.chop(1);
        if (i == 0 && bytesOfLine.startsWith("\xEF\xBB\xBF")) bytesOfLine.remove(0, 3); // a byte-order mark
        QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
        const QString line = decoder.decode(bytesOfLine);
        if (decoder.hasError() || !IsText(line)) {
            ++text.Garbage;
            continue;
        }
        const QString trimmed = line.trimmed();
        TLine entry{TKind::Blank, line, section, {}, {}};
        if (trimmed.isEmpty()) {
            entry.Kind = TKind::Blank;
        } else if (trimmed.startsWith(QLatin1Char(';')) || trimmed.startsWith(QLatin1Char('#'))) {
            entry.Kind = TKind::Comment;
        } else if (trimmed.size() > 2 && trimmed.startsWith(QLatin1Char('[')) &&
                   trimmed.endsWith(QLatin1Char(']'))) {
            section = trimmed.mid(1, trimmed.size() - 2).trimmed();
            entry.Kind = TKind::Section;
            entry.Section = section;
        } else if (const qsizetype equals = trimmed.indexOf(QLatin1Char('='));
                   equals > 0 && !trimmed.left(equals).trimmed().isEmpty()) {
            entry.Kind = TKind::Key;
            entry.Key = trimmed.left(equals).trimmed();
            entry.Value = Unquoted(trimmed.mid(equals + 1).trimmed());
        } else {
            ++text.Garbage;
            continue;
        }
        text.Lines.append(entry);
    }
    return text;
}

std::optional<QString> TSettingsText::Value(const QString& section, const QString& key) const {
    for (auto line = Lines.crbegin(); line != Lines.crend(); ++line)
        if (line->Kind == TKind::Key && line->Section == section && line->Key == key) return line->Value;
    return std::nullopt;
}

void TSettingsText::SetValue(const QString& section, const QString& key, const QString& value) {
    const QString text = key + QLatin1Char('=') + value;
    qsizetype last = -1;
    for (qsizetype i = 0; i < Lines.size(); ++i)
        if (Lines[i].Kind == TKind::Key && Lines[i].Section == section && Lines[i].Key == key) last = i;
    if (last >= 0) {
        Lines[last].Text = text;
        Lines[last].Value = value;
        for (qsizetype i = last - 1; i >= 0; --i)
            if (Lines[i].Kind == TKind::Key && Lines[i].Section == section && Lines[i].Key == key)
                Lines.removeAt(i);
        return;
    }
    // After the last key (or the header) of the section's last block.
    qsizetype end = -1;
    for (qsizetype i = 0; i < Lines.size(); ++i)
        if (Lines[i].Section == section && (Lines[i].Kind == TKind::Key || Lines[i].Kind == TKind::Section))
            end = i;
    if (end >= 0) {
        Lines.insert(end + 1, TLine{TKind::Key, text, section, key, value});
        return;
    }
    if (!Lines.isEmpty() && Lines.last().Kind != TKind::Blank)
        Lines.append(TLine{TKind::Blank, {}, Lines.last().Section, {}, {}});
    Lines.append(TLine{TKind::Section, QLatin1Char('[') + section + QLatin1Char(']'), section, {}, {}});
    Lines.append(TLine{TKind::Key, text, section, key, value});
}

QByteArray TSettingsText::Text() const {
    QByteArray bytes;
    for (const TLine& line : Lines)
        bytes += line.Text.toUtf8() + '\n';
    return bytes;
}

TSettingsText ReadSettingsText(const QString& path) {
    const TRegularFile file = ReadRegularFile(path, LargestSettingsFile);
    return file.Ok() ? TSettingsText::Parse(file.Bytes) : TSettingsText();
}

namespace {

enum class TTarget { New, Existing, Refused, Failed };

#ifdef Q_OS_WIN

TTarget WriteTarget(const QString& path, QString* target) {
    const QFileInfo info(path);
    if (!info.exists() && !info.isSymLink()) {
        *target = path;
        return TTarget::New;
    }
    const QFileInfo file(info.isSymLink() ? info.symLinkTarget() : path);
    if (!file.exists() || !file.isFile() || !file.isWritable()) return TTarget::Refused;
    *target = file.canonicalFilePath();
    return TTarget::Existing;
}

#else

// A file the user means us to write: a regular file of theirs that they have not made read-only. The owner's
// write bit, not access(): root may write anything, and would otherwise overwrite what it was told not to.
bool UsersWritableFile(const struct stat& status) {
    return S_ISREG(status.st_mode) && status.st_uid == ::geteuid() && (status.st_mode & S_IWUSR) != 0;
}

TTarget WriteTarget(const QString& path, QString* target) {
    const QByteArray name = QFile::encodeName(path);
    struct stat status {};
    if (::lstat(name.constData(), &status) != 0) {
        if (errno != ENOENT) return TTarget::Failed; // e.g. a folder we may not search
        *target = path;
        return TTarget::New;
    }
    if (S_ISLNK(status.st_mode)) {
        // stat() follows the whole chain; a dangling link fails here and is left alone.
        if (::stat(name.constData(), &status) != 0 || !UsersWritableFile(status)) return TTarget::Refused;
        *target = QFileInfo(path).canonicalFilePath();
        return target->isEmpty() ? TTarget::Refused : TTarget::Existing;
    }
    if (!UsersWritableFile(status)) return TTarget::Refused;
    *target = path;
    return TTarget::Existing;
}

#endif

} // namespace

TSettingsWrite WriteSettingsValues(const QString& path, const QList<TSettingsValue>& values) {
    QString target;
    TSettingsText text;
    switch (WriteTarget(path, &target)) {
    case TTarget::Refused:
        return TSettingsWrite::Refused;
    case TTarget::Failed:
        return TSettingsWrite::Failed;
    case TTarget::New:
        if (!QDir().mkpath(QFileInfo(target).absolutePath())) return TSettingsWrite::Failed;
        break;
    case TTarget::Existing: {
        // Its other sections are kept, so it must be read whole first; one that cannot be is not rewritten.
        const TRegularFile file = ReadRegularFile(target, LargestSettingsFile);
        if (!file.Ok()) return TSettingsWrite::Refused;
        text = TSettingsText::Parse(file.Bytes);
        break;
    }
    }
    for (const TSettingsValue& value : values)
        text.SetValue(value.Section, value.Key, value.Value);

    // Written beside the target, synced and renamed over it: a failed write leaves the old file whole.
    return WriteFileSafely(target, text.Text()).isEmpty() ? TSettingsWrite::Written : TSettingsWrite::Failed;
}
