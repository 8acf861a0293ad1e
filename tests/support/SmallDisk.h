#pragma once
// A disk that really fills, for tests of writes at the sizes real files have (a few KB). As root (CI runs
// as root) a 64 KiB tmpfs is mounted in a temporary folder; Fill() then writes a filler file until the
// system answers ENOSPC, so the next write of even a few bytes fails the way a full USB stick does.
// Elsewhere the process's file-size limit stands in for it: Fill() lowers RLIMIT_FSIZE to the size of the
// files already there, so any write past that fails with EFBIG (SIGXFSZ ignored).
//
// Kind() says which one the test got, for its failure messages.

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <QTemporaryDir>
#include <csignal>
#include <sys/mount.h>
#include <sys/resource.h>
#include <unistd.h>

class TSmallDisk {
public:
    TSmallDisk() {
        if (::geteuid() == 0 &&
            ::mount("tmpfs", QFile::encodeName(Folder.path()).constData(), "tmpfs", 0, "size=64k") == 0)
            Mounted = true;
    }
    ~TSmallDisk() {
        Unfill();
        if (Mounted) ::umount2(QFile::encodeName(Folder.path()).constData(), MNT_DETACH);
    }
    TSmallDisk(const TSmallDisk&) = delete;
    TSmallDisk& operator=(const TSmallDisk&) = delete;

    [[nodiscard]] bool Valid() const { return Folder.isValid(); }
    [[nodiscard]] QString Path(const QString& name) const { return Folder.filePath(name); }
    [[nodiscard]] const char* Kind() const { return Mounted ? "a full 64 KiB tmpfs" : "a file-size limit"; }

    // From now on the disk has no room for anything more.
    void Fill() {
        if (Mounted) {
            QFile filler(Path(QStringLiteral("filler")));
            if (!filler.open(QIODevice::WriteOnly)) return;
            const QByteArray block(512, 'f');
            while (filler.write(block) == block.size() && filler.flush()) {
            }
            // The last partial block: byte by byte until the system refuses.
            while (filler.write("f", 1) == 1 && filler.flush()) {
            }
            filler.close();
            return;
        }
        qint64 largest = 0;
        for (const QFileInfo& f : QDir(Folder.path()).entryInfoList(QDir::Files | QDir::Hidden))
            largest = std::max(largest, f.size());
        std::signal(SIGXFSZ, SIG_IGN);
        ::getrlimit(RLIMIT_FSIZE, &Saved);
        rlimit tiny = Saved;
        tiny.rlim_cur = rlim_t(largest);
        ::setrlimit(RLIMIT_FSIZE, &tiny);
        Limited = true;
    }
    // Room again (the filler removed, the limit put back).
    void Unfill() {
        if (Limited) {
            ::setrlimit(RLIMIT_FSIZE, &Saved);
            std::signal(SIGXFSZ, SIG_DFL);
            Limited = false;
        }
        QFile::remove(Path(QStringLiteral("filler")));
    }

private:
    QTemporaryDir Folder;
    bool Mounted = false;
    bool Limited = false;
    rlimit Saved{};
};
