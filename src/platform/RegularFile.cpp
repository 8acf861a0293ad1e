#include "RegularFile.h"

#include <QFile>
#include <QFileInfo>
#include <algorithm>

#ifndef Q_OS_WIN
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

#ifdef Q_OS_WIN

// Windows has no pipes or devices under ordinary file names; the kind and the size are still checked first.
static TRegularFile ReadBounded(const QString& path, qint64 largest, bool prefix) {
    TRegularFile result;
    const QFileInfo info(path);
    if (info.exists() && !info.isFile()) {
        result.Status = TRegularFileStatus::NotRegular;
        return result;
    }
    if (!prefix && info.exists() && info.size() > largest) {
        result.Status = TRegularFileStatus::TooLarge;
        return result;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        result.SystemText = file.errorString();
        return result;
    }
    result.Bytes = file.read(largest + 1);
    if (prefix && result.Bytes.size() > largest) {
        result.Bytes.truncate(largest);
        result.Cut = true;
    } else if (result.Bytes.size() > largest) {
        result.Bytes.clear();
        result.Status = TRegularFileStatus::TooLarge;
        return result;
    }
    result.Status = TRegularFileStatus::Ok;
    return result;
}

#else

namespace {

TRegularFile Refused(TRegularFileStatus status) {
    TRegularFile result;
    result.Status = status;
    return result;
}

TRegularFile SystemRefused(int error) {
    TRegularFile result;
    result.SystemText = QString::fromLocal8Bit(std::strerror(error));
    return result;
}

// The kind and size of what stat() or fstat() found, judged the same way both times.
TRegularFileStatus Judge(const struct stat& status, qint64 largest, bool prefix) {
    if (!S_ISREG(status.st_mode)) return TRegularFileStatus::NotRegular;
    if (!prefix && status.st_size > largest) return TRegularFileStatus::TooLarge;
    return TRegularFileStatus::Ok;
}

} // namespace

static TRegularFile ReadBounded(const QString& path, qint64 largest, bool prefix) {
    const QByteArray name = QFile::encodeName(path);
    // Before opening: opening a device can have effects of its own (a serial line's control lines move).
    struct stat before {};
    if (::stat(name.constData(), &before) != 0) return SystemRefused(errno);
    if (const TRegularFileStatus judged = Judge(before, largest, prefix); judged != TRegularFileStatus::Ok)
        return Refused(judged);

    // O_NONBLOCK: should a pipe have taken the file's place since, the open returns at once.
    const int fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) return SystemRefused(errno);
    struct TCloser {
        int Fd;
        ~TCloser() { ::close(Fd); }
    } closer{fd};
    struct stat opened {};
    if (::fstat(fd, &opened) != 0) return SystemRefused(errno);
    if (const TRegularFileStatus judged = Judge(opened, largest, prefix); judged != TRegularFileStatus::Ok)
        return Refused(judged);

    // Reading one byte beyond the bound tells a file that grew past it since fstat() from one that did not.
    const qsizetype cap = qsizetype(largest) + 1;
    TRegularFile result;
    result.Bytes.resize(std::min<qsizetype>(qsizetype(opened.st_size) + 1, cap));
    qsizetype filled = 0;
    for (;;) {
        if (filled == result.Bytes.size()) {
            if (filled == cap && prefix) {
                result.Cut = true;
                filled = cap - 1;
                break;
            }
            if (filled == cap) return Refused(TRegularFileStatus::TooLarge);
            result.Bytes.resize(std::min<qsizetype>(cap, filled + 65536));
        }
        const ssize_t got = ::read(fd, result.Bytes.data() + filled, size_t(result.Bytes.size() - filled));
        if (got < 0) {
            if (errno == EINTR) continue;
            return SystemRefused(errno);
        }
        if (got == 0) break;
        filled += got;
    }
    result.Bytes.truncate(filled);
    result.Status = TRegularFileStatus::Ok;
    return result;
}

#endif

TRegularFile ReadRegularFile(const QString& path, qint64 largest) {
    return ReadBounded(path, largest, false);
}

TRegularFile ReadRegularFilePrefix(const QString& path, qint64 largest) {
    return ReadBounded(path, largest, true);
}
