#pragma once
// The cross-process single-instance guard. On Windows it is the named mutex itself; elsewhere it is an
// exclusive flock() on a file named after the guard in the user's runtime directory. Both belong to the
// process, so the operating system drops them when the process ends in any way: a crashed copy never blocks
// the next start.
//
// The file is opened for reading only: flock() does not care how a descriptor was opened, so a lock file
// made read-only (chmod 400) still guards. A folder in the file's place is locked the same way. What cannot
// be opened for reading, or is neither (a link, a pipe), or a folder that cannot hold the file, leaves the
// program unguarded, and UnguardedReason() says why, for start-up to report.

#include <QString>

class TSingleInstanceGuard final {
public:
    enum class TOutcome {
        Owned,          // this process holds the guard
        AlreadyRunning, // another process holds it
        Unguarded,      // the guard could not be created; the program runs without it
    };

    // directory: where the lock file lives (non-Windows); empty means the user's runtime directory.
    explicit TSingleInstanceGuard(const QString& name, const QString& directory = {});
    ~TSingleInstanceGuard();
    TSingleInstanceGuard(const TSingleInstanceGuard&) = delete;
    TSingleInstanceGuard& operator=(const TSingleInstanceGuard&) = delete;

    [[nodiscard]] TOutcome Outcome() const { return Result; }
    // Why the outcome is Unguarded: the lock's path and the system's words.
    [[nodiscard]] const QString& UnguardedReason() const { return Reason; }
    // Gives the guard up now (also done by the destructor).
    void Release();

private:
    TOutcome Result = TOutcome::Unguarded;
    QString Reason;
#ifdef Q_OS_WIN
    void* Handle = nullptr;
#else
    int Descriptor = -1;
#endif
};
