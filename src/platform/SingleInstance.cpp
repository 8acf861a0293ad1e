#include "SingleInstance.h"

#include <QDir>
#include <QStandardPaths>

#ifdef Q_OS_WIN
#include <windows.h>
#else
#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>
#endif

#ifdef Q_OS_WIN

TSingleInstanceGuard::TSingleInstanceGuard(const QString& name, const QString&) {
    HANDLE handle = CreateMutexW(nullptr, TRUE, reinterpret_cast<LPCWSTR>(name.utf16()));
    if (!handle) return; // no guard: carry on without it
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
    const QByteArray path = QFile::encodeName(QDir(folder).filePath(name + QStringLiteral(".lock")));
    // O_CLOEXEC: a program started from ours (the browser behind a link) must not inherit the lock and keep
    // it alive after we end.
    const int fd = ::open(path.constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (fd < 0) return;
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        const bool held = errno == EWOULDBLOCK;
        ::close(fd);
        if (held) Result = TOutcome::AlreadyRunning;
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
