#pragma once
// File modes do not stop root, and the tests often run as root (CI does). A test that shows what a file mode
// does runs its scope through TOrdinaryUser: as root, the given folders are handed to user "nobody" and the
// process's effective user becomes nobody until the scope ends; as anyone else nothing changes.

#include <QByteArray>
#include <QFile>
#include <QList>
#include <QString>
#include <QtGlobal>
#include <sys/stat.h>
#include <unistd.h>

inline constexpr uid_t NobodyUid = 65534;
inline constexpr gid_t NobodyGid = 65534;

class TOrdinaryUser {
public:
    // Everything listed (folders and files, not following links) is given to nobody first.
    explicit TOrdinaryUser(const QStringList& paths) {
        if (::geteuid() != 0) return;
        for (const QString& path : paths)
            if (::lchown(QFile::encodeName(path).constData(), NobodyUid, NobodyGid) != 0)
                qFatal("cannot give %s to nobody", qPrintable(path));
        if (::setegid(NobodyGid) != 0 || ::seteuid(NobodyUid) != 0) qFatal("cannot become nobody");
        Dropped = true;
    }
    ~TOrdinaryUser() {
        if (Dropped && (::seteuid(0) != 0 || ::setegid(0) != 0)) qFatal("could not become root again");
    }
    TOrdinaryUser(const TOrdinaryUser&) = delete;
    TOrdinaryUser& operator=(const TOrdinaryUser&) = delete;

private:
    bool Dropped = false;
};
