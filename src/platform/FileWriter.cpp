#include "FileWriter.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <cerrno>
#include <cstring>
#include <mutex>
#include <utility>

#ifdef Q_OS_WIN
#include <io.h>
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

std::mutex SyncMutex;
TSyncFunction& SyncOverride() {
    static TSyncFunction sync;
    return sync;
}

bool RealSync(int fd) {
#ifdef Q_OS_WIN
    return ::_commit(fd) == 0;
#else
    return ::fsync(fd) == 0;
#endif
}

} // namespace

bool SyncToDisk(int fd) {
    TSyncFunction sync;
    {
        std::lock_guard lock(SyncMutex);
        sync = SyncOverride();
    }
    return sync ? sync(fd) : RealSync(fd);
}

TSyncFunction SetSyncFunction(TSyncFunction sync) {
    std::lock_guard lock(SyncMutex);
    return std::exchange(SyncOverride(), std::move(sync));
}

QString WriteErrorText(int error) {
    switch (error) {
    case ENOSPC:
#ifdef EDQUOT
    case EDQUOT:
#endif
        return QStringLiteral("the disk is full");
    case EFBIG:
        return QStringLiteral("the file would be larger than this disk or account allows");
    case EACCES:
    case EPERM:
        return QStringLiteral("you are not allowed to write there");
    case EROFS:
        return QStringLiteral("the disk is read-only");
    case EIO:
        return QStringLiteral("the disk reported an error");
    case ENOENT:
        return QStringLiteral("the folder does not exist");
    default:
        return QString::fromLocal8Bit(std::strerror(error));
    }
}

#ifdef Q_OS_WIN

// Windows has no pipes or links under ordinary names; QSaveFile renames atomically there. The flush is made
// before the commit and checked on its own, so a full disk is never reported as written.
QString WriteFileSafely(const QString& path, const QByteArray& bytes, TLinkPolicy) {
    const QFileInfo info(path);
    if (info.exists() && !info.isFile()) return QStringLiteral("it is not an ordinary file");
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return file.errorString();
    if (file.write(bytes) != bytes.size() || !file.flush() || !SyncToDisk(file.handle())) {
        const QString why = file.errorString();
        file.cancelWriting();
        return why.isEmpty() ? QStringLiteral("the disk refused the write") : why;
    }
    if (!file.commit()) return file.errorString();
    return {};
}

#else

namespace {

struct TDescriptor {
    int Fd = -1;
    ~TDescriptor() {
        if (Fd >= 0) ::close(Fd);
    }
    int Release() { return std::exchange(Fd, -1); }
};

QString NotAFile() {
    return QStringLiteral("it is not an ordinary file (a folder, a pipe or a device stands there)");
}

// Where the bytes go for `path`, and the mode the new file takes: the old file's, or what the user's umask
// gives a new file.
QString ResolveTarget(const QString& path, TLinkPolicy links, QByteArray& target, mode_t& mode,
                      bool& existed) {
    target = QFile::encodeName(path);
    const mode_t mask = ::umask(0);
    ::umask(mask);
    mode = 0666 & ~mask;
    existed = false;
    struct stat status {};
    if (::lstat(target.constData(), &status) != 0) {
        if (errno != ENOENT) return WriteErrorText(errno);
        return {};
    }
    if (S_ISLNK(status.st_mode)) {
        if (links == TLinkPolicy::Replace) return {};
        if (::stat(target.constData(), &status) != 0)
            return QStringLiteral("it is a link to a file that does not exist");
        if (!S_ISREG(status.st_mode)) return NotAFile();
        const QString canonical = QFileInfo(path).canonicalFilePath();
        if (canonical.isEmpty()) return QStringLiteral("it is a link to a file that does not exist");
        target = QFile::encodeName(canonical);
    } else if (S_ISDIR(status.st_mode) || (links == TLinkPolicy::Follow && !S_ISREG(status.st_mode))) {
        return NotAFile();
    } else if (!S_ISREG(status.st_mode)) {
        return {}; // Replace: a pipe or a socket where our own file belongs is replaced, never opened
    }
    // A file its owner made read-only (a teacher's hand-out) is not replaced behind their back: the rename
    // below needs only the folder's permission, so the file's own is checked here.
    if (links == TLinkPolicy::Follow &&
        (status.st_uid == ::geteuid() ? (status.st_mode & S_IWUSR) == 0
                                      : ::access(target.constData(), W_OK) != 0))
        return QStringLiteral("the file is read-only");
    mode = status.st_mode & 07777;
    existed = true;
    return {};
}

bool WriteAll(int fd, const QByteArray& bytes, int& error) {
    const char* data = bytes.constData();
    qsizetype left = bytes.size();
    while (left > 0) {
        const ssize_t wrote = ::write(fd, data, size_t(left));
        if (wrote < 0) {
            if (errno == EINTR) continue;
            error = errno;
            return false;
        }
        if (wrote == 0) {
            error = ENOSPC;
            return false;
        }
        data += wrote;
        left -= wrote;
    }
    return true;
}

} // namespace

QString WriteFileSafely(const QString& path, const QByteArray& bytes, TLinkPolicy links) {
    QByteArray target;
    mode_t mode = 0;
    bool existed = false;
    if (const QString why = ResolveTarget(path, links, target, mode, existed); !why.isEmpty()) return why;

    const QByteArray folder = QFile::encodeName(QFileInfo(QFile::decodeName(target)).absolutePath());
    QByteArray temporary =
        folder + "/." + QFile::encodeName(QFileInfo(QFile::decodeName(target)).fileName()) + ".XXXXXX";
    TDescriptor file{::mkostemp(temporary.data(), O_CLOEXEC)};
    if (file.Fd < 0) return WriteErrorText(errno);
    auto fail = [&](int error) {
        ::close(file.Release());
        ::unlink(temporary.constData());
        return WriteErrorText(error);
    };
    int error = 0;
    if (::fchmod(file.Fd, mode) != 0 && existed) return fail(errno);
    if (!WriteAll(file.Fd, bytes, error)) return fail(error);
    if (!SyncToDisk(file.Fd)) return fail(errno ? errno : EIO);
    if (::close(file.Release()) != 0) {
        const int closed = errno;
        ::unlink(temporary.constData());
        return WriteErrorText(closed);
    }
    if (::rename(temporary.constData(), target.constData()) != 0) {
        const int renamed = errno;
        ::unlink(temporary.constData());
        return WriteErrorText(renamed);
    }
    // The rename itself is on the disk only once the folder is; a failure here no longer loses the old file.
    TDescriptor directory{::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC)};
    if (directory.Fd >= 0) (void)SyncToDisk(directory.Fd);
    return {};
}

#endif
