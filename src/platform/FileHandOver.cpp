#include "FileHandOver.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSocketNotifier>
#include <QStandardPaths>

#ifndef Q_OS_WIN
#include <cerrno>
#include <cstring>
#include <poll.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>
#endif

QString HandOverSocketPath(const QString& name, const QString& directory) {
    QString folder = directory;
    if (folder.isEmpty()) folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty()) folder = QDir::tempPath();
    return QDir(folder).filePath(name + QStringLiteral(".socket"));
}

#ifdef Q_OS_WIN

bool HandFileToRunningCopy(const QString&, const QString&, int) {
    return false;
}

TFileHandOverListener::TFileHandOverListener(QString socketPath, QObject* parent)
    : QObject(parent), SocketPath(std::move(socketPath)) {}
TFileHandOverListener::~TFileHandOverListener() = default;
void TFileHandOverListener::Accept() {}

#else

namespace {

bool Address(const QString& path, sockaddr_un& address) {
    const QByteArray name = QFile::encodeName(path);
    address = {};
    address.sun_family = AF_UNIX;
    if (name.size() >= qsizetype(sizeof address.sun_path)) return false;
    std::memcpy(address.sun_path, name.constData(), std::size_t(name.size()));
    return true;
}

// Waits for the descriptor to be ready (POLLIN or POLLOUT) for at most `ms`.
bool Ready(int fd, short events, int ms) {
    pollfd p{fd, events, 0};
    for (;;) {
        const int n = ::poll(&p, 1, ms);
        if (n < 0 && errno == EINTR) continue;
        return n > 0 && (p.revents & events);
    }
}

struct TFd {
    int Fd;
    ~TFd() {
        if (Fd >= 0) ::close(Fd);
    }
};

} // namespace

bool HandFileToRunningCopy(const QString& socketPath, const QString& file, int timeoutMs) {
    sockaddr_un address{};
    if (!Address(socketPath, address)) return false;
    TFd socket{::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0)};
    if (socket.Fd < 0) return false;
    if (::connect(socket.Fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0) return false;
    const QByteArray line = QFileInfo(file).absoluteFilePath().toUtf8() + '\n';
    if (line.size() > MaxHandOverBytes) return false;
    if (::send(socket.Fd, line.constData(), std::size_t(line.size()), MSG_NOSIGNAL) != line.size())
        return false;
    char answer[3] = {};
    if (!Ready(socket.Fd, POLLIN, timeoutMs)) return false;
    return ::recv(socket.Fd, answer, sizeof answer, 0) == 3 && std::memcmp(answer, "ok\n", 3) == 0;
}

TFileHandOverListener::TFileHandOverListener(QString socketPath, QObject* parent)
    : QObject(parent), SocketPath(std::move(socketPath)) {
    sockaddr_un address{};
    if (!Address(SocketPath, address)) return;
    // A socket left by a killed copy is ours to replace (we hold the guard); anything else is left alone.
    struct stat status {};
    const QByteArray name = QFile::encodeName(SocketPath);
    if (::lstat(name.constData(), &status) == 0) {
        if (!S_ISSOCK(status.st_mode)) return;
        ::unlink(name.constData());
    }
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    if (fd < 0) return;
    const mode_t mask = ::umask(0077);
    const bool bound = ::bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0;
    ::umask(mask);
    if (!bound || ::listen(fd, 4) != 0) {
        ::close(fd);
        return;
    }
    Descriptor = fd;
    Notifier = new QSocketNotifier(qintptr(fd), QSocketNotifier::Read, this);
    connect(Notifier, &QSocketNotifier::activated, this, &TFileHandOverListener::Accept);
}

TFileHandOverListener::~TFileHandOverListener() {
    if (Descriptor < 0) return;
    delete Notifier;
    ::close(Descriptor);
    ::unlink(QFile::encodeName(SocketPath).constData());
}

void TFileHandOverListener::Accept() {
    TFd client{::accept4(Descriptor, nullptr, nullptr, SOCK_NONBLOCK | SOCK_CLOEXEC)};
    if (client.Fd < 0) return;
    // The line arrives at once from a real second start; a client that sends nothing or too much is dropped
    // after a moment, without holding the window longer.
    QByteArray line;
    char buffer[4096];
    while (!line.contains('\n') && line.size() <= MaxHandOverBytes) {
        if (!Ready(client.Fd, POLLIN, 500)) return;
        const ssize_t got = ::recv(client.Fd, buffer, sizeof buffer, 0);
        if (got <= 0) return;
        line.append(buffer, got);
    }
    const qsizetype end = line.indexOf('\n');
    if (end < 0 || end > MaxHandOverBytes) return;
    const QString path = QString::fromUtf8(line.left(end));
    if (path.isEmpty() || !QFileInfo(path).isAbsolute()) return;
    (void)::send(client.Fd, "ok\n", 3, MSG_NOSIGNAL);
    emit FileHandedOver(path);
}

#endif
