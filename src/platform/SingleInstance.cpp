#include "SingleInstance.h"

#include <QDir>
#include <QStandardPaths>

#ifdef Q_OS_WIN
#include <windows.h>
#else
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

#ifdef Q_OS_WIN

TSingleInstanceGuard::TSingleInstanceGuard(const QString& name, const QString&) {
    HANDLE handle = CreateMutexW(nullptr, TRUE, reinterpret_cast<LPCWSTR>(name.utf16()));
    if (!handle) { // no guard: carry on without it
        Reason = QStringLiteral("mutex \"%1\": error %2").arg(name).arg(GetLastError());
        return;
    }
    if (GetLastError() == ERROR_ALREADY_EXISTS) {
        CloseHandle(handle);
        Result = TOutcome::AlreadyRunning;
        return;
    }
    Handle = handle;
    Result = TOutcome::Owned;
}

void TSingleInstanceGuard::Release() {
    if (!Handle) return;
    ReleaseMutex(static_cast<HANDLE>(Handle));
    CloseHandle(static_cast<HANDLE>(Handle));
    Handle = nullptr;
}

#else

TSingleInstanceGuard::TSingleInstanceGuard(const QString& name, const QString& directory) {
    QString folder = directory;
    if (folder.isEmpty()) folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty()) folder = QDir::tempPath();
    const QString lockPath = QDir(folder).filePath(name + QStringLiteral(".lock"));
    const QByteArray path = QFile::encodeName(lockPath);
    auto unguarded = [&](const QString& why) {
        Reason = QStringLiteral("cannot lock \"%1\": %2").arg(lockPath, why);
    };
    auto systemText = [](int error) { return QString::fromLocal8Bit(std::strerror(error)); };
    // Read-only: a lock file made read-only still opens (and a new one is made 0600 as before).
    // O_NOFOLLOW: a link in its place is not followed, so no file is ever made elsewhere. O_NONBLOCK: a pipe
    // in its place does not hold the start. O_CLOEXEC: a program started from ours (the browser behind a
    // link) must not inherit the lock and keep it alive after we end.
    // Anything else is not even opened (opening a device can have effects of its own).
    struct stat status {};
    if (::lstat(path.constData(), &status) == 0 && !(S_ISREG(status.st_mode) || S_ISDIR(status.st_mode))) {
        unguarded(S_ISLNK(status.st_mode) ? QStringLiteral("a symbolic link, not followed")
                                          : QStringLiteral("neither a file nor a folder"));
        return;
    }
    constexpr int flags = O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC;
    int fd = ::open(path.constData(), flags | O_CREAT, 0600);
    if (fd < 0 && errno == EISDIR)
        fd = ::open(path.constData(), flags | O_DIRECTORY); // a folder is locked too
    if (fd < 0) {
        unguarded(systemText(errno));
        return;
    }
    if (::fstat(fd, &status) != 0 || !(S_ISREG(status.st_mode) || S_ISDIR(status.st_mode))) {
        ::close(fd); // swapped since lstat()
        unguarded(QStringLiteral("neither a file nor a folder"));
        return;
    }
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        const int error = errno;
        ::close(fd);
        if (error == EWOULDBLOCK)
            Result = TOutcome::AlreadyRunning;
        else
            unguarded(systemText(error)); // e.g. a file system without locks
        return;
    }
    Descriptor = fd;
    Result = TOutcome::Owned;
}

void TSingleInstanceGuard::Release() {
    if (Descriptor < 0) return;
    // The file stays: unlinking it would let a third process lock a fresh file while a second still holds
    // the old one.
    ::flock(Descriptor, LOCK_UN);
    ::close(Descriptor);
    Descriptor = -1;
}

#endif

TSingleInstanceGuard::~TSingleInstanceGuard() {
    Release();
}
