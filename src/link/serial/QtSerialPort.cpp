#include "QtSerialPort.h"

#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QMetaObject>
#include <QSerialPort>
#include <QSerialPortInfo>
#include <cerrno>
#include <optional>

#ifndef Q_OS_WIN
#include <grp.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

QSerialPort::Parity ToQt(TParity parity) {
    switch (parity) {
    case TParity::Odd:
        return QSerialPort::OddParity;
    case TParity::Even:
        return QSerialPort::EvenParity;
    case TParity::None:
        break;
    }
    return QSerialPort::NoParity;
}

TPortOpenResult FromQtError(QSerialPort::SerialPortError error) {
    switch (error) {
    case QSerialPort::NoError:
        return TPortOpenResult::Opened;
    case QSerialPort::DeviceNotFoundError:
        return TPortOpenResult::DoesNotExist;
    case QSerialPort::PermissionError: // also a lock held by another program
        return TPortOpenResult::InUse;
    case QSerialPort::ResourceError:
    case QSerialPort::UnsupportedOperationError:
        return TPortOpenResult::HardwareError;
    default:
        return TPortOpenResult::OtherFailure;
    }
}

#ifndef Q_OS_WIN
// QSerialPort reports a node the user may not open and a port locked by another program alike, as a
// permission error. The node's own permissions tell them apart: when they refuse this user, no other
// program is to blame, and the user is told which group to join.
std::optional<TDeniedAccess> AccessRefused(const QString& path) {
    const QByteArray node = QFile::encodeName(QFileInfo(path).canonicalFilePath());
    if (node.isEmpty() || ::access(node.constData(), R_OK | W_OK) == 0 || errno != EACCES)
        return std::nullopt;
    QString owner, groupName, user;
    bool groupMayReadWrite = false;
    struct stat status {};
    if (::stat(node.constData(), &status) == 0) {
        if (const group* g = ::getgrgid(status.st_gid)) groupName = QString::fromLocal8Bit(g->gr_name);
        if (const passwd* p = ::getpwuid(status.st_uid)) owner = QString::fromLocal8Bit(p->pw_name);
        groupMayReadWrite = (status.st_mode & (S_IRGRP | S_IWGRP)) == (S_IRGRP | S_IWGRP);
    }
    if (const passwd* p = ::getpwuid(::geteuid())) user = QString::fromLocal8Bit(p->pw_name);
    return DescribeDeniedAccess(QString::fromLocal8Bit(node), owner, groupName, groupMayReadWrite, user);
}
#endif

} // namespace

TDeniedAccess DescribeDeniedAccess(const QString& devicePath, const QString& owner, const QString& group,
                                   bool groupMayReadWrite, const QString& user) {
    TDeniedAccess denied;
    denied.DevicePath = devicePath;
    denied.User = user;
    if (groupMayReadWrite)
        denied.Group = group;
    else
        denied.Owner = owner;
    return denied;
}

TQtSerialPort::TQtSerialPort(TComPortMap map)
    : PortMap(std::move(map)), Port(std::make_unique<QSerialPort>()) {
    Port->setReadBufferSize(4096);
    QObject::connect(Port.get(), &QSerialPort::readyRead, Port.get(), [this] {
        // waitForReadyRead inside a blocking wait emits readyRead itself; the wait reads those bytes.
        if (!InBlockingWait && OnDataAvailable) OnDataAvailable();
    });
    QObject::connect(
        Port.get(), &QSerialPort::errorOccurred, Port.get(), [this](QSerialPort::SerialPortError error) {
            // The device went away (a USB adapter pulled out, the far end of a pseudo-terminal
            // closed): reads and writes fail for good and the port would keep signalling.
            // Close it, so that nothing is written into the void and a later open reports
            // what is wrong.
            const bool gone = error == QSerialPort::ResourceError || error == QSerialPort::ReadError ||
                              error == QSerialPort::WriteError;
            if (gone && Port->isOpen())
                QMetaObject::invokeMethod(
                    Port.get(), [this] { Close(); }, Qt::QueuedConnection);
        });
}

TQtSerialPort::~TQtSerialPort() = default;

TPortOpenResult TQtSerialPort::SetPortNumber(int number) {
    if (number == Number) return TPortOpenResult::Opened;
    const bool wasOpen = IsOpen();
    Close();
    Number = number;
    return wasOpen ? Open() : TPortOpenResult::Opened;
}

void TQtSerialPort::SetBaudRate(int baud) {
    Baud = baud;
    if (IsOpen()) Port->setBaudRate(baud);
}

void TQtSerialPort::SetParity(TParity parity) {
    ParityMode = parity;
    if (IsOpen()) Port->setParity(ToQt(parity));
}

TPortOpenResult TQtSerialPort::Open() {
    if (IsOpen()) return TPortOpenResult::Opened;
    const QString path = PortMap.DevicePath(Number);
    if (path.isEmpty()) return TPortOpenResult::DoesNotExist;
#ifndef Q_OS_WIN
    if (!QFileInfo::exists(path)) return TPortOpenResult::DoesNotExist;
#endif
    Port->setPortName(path);
    if (!Port->open(QIODevice::ReadWrite)) {
        const TPortOpenResult result = FromQtError(Port->error());
        Port->clearError();
#ifndef Q_OS_WIN
        if (result == TPortOpenResult::InUse)
            if (const std::optional<TDeniedAccess> denied = AccessRefused(path)) {
                Denied = *denied;
                return TPortOpenResult::AccessDenied;
            }
#endif
        return result == TPortOpenResult::Opened ? TPortOpenResult::OtherFailure : result;
    }
    const bool configured = Port->setBaudRate(Baud) && Port->setDataBits(QSerialPort::Data8) &&
                            Port->setParity(ToQt(ParityMode)) && Port->setStopBits(QSerialPort::OneStop) &&
                            Port->setFlowControl(QSerialPort::NoFlowControl);
    if (!configured) {
        Port->close();
        Port->clearError();
        return TPortOpenResult::HardwareError;
    }
    Pending.clear();
    return TPortOpenResult::Opened;
}

void TQtSerialPort::Close() {
    Pending.clear();
    if (Port->isOpen()) Port->close();
    Port->clearError();
}

bool TQtSerialPort::IsOpen() const {
    return Port->isOpen();
}

void TQtSerialPort::WriteByte(std::uint8_t byte) {
    if (!IsOpen()) return;
    const char c = static_cast<char>(byte);
    Port->write(&c, 1);
    // The handshake writes and then blocks without an event loop: push the byte out now.
    Port->flush();
}

void TQtSerialPort::DiscardReceived() {
    Pending.clear();
    if (!IsOpen()) return;
    Port->clear(QSerialPort::Input);
    Port->readAll();
}

int TQtSerialPort::BytesWaiting() {
    return static_cast<int>(Pending.size() + (IsOpen() ? Port->bytesAvailable() : 0));
}

QByteArray TQtSerialPort::Read(int maxBytes) {
    TakeArrived();
    const qsizetype n = std::min<qsizetype>(std::max(maxBytes, 0), Pending.size());
    QByteArray out = Pending.left(n);
    Pending.remove(0, n);
    return out;
}

void TQtSerialPort::TakeArrived() {
    if (IsOpen() && Port->bytesAvailable() > 0) Pending += Port->readAll();
}

bool TQtSerialPort::WaitForString(const QByteArray& text, int ticks, bool ignoreCase) {
    if (text.isEmpty()) return true;
    if (!IsOpen()) return false;
    const QByteArray wanted = ignoreCase ? text.toLower() : text;
    QElapsedTimer clock;
    clock.start();
    const qint64 limit = qint64(std::max(ticks, 0)) * TickMs;
    InBlockingWait = true;
    bool found = false;
    while (true) {
        TakeArrived();
        const QByteArray haystack = ignoreCase ? Pending.toLower() : Pending;
        if (const qsizetype at = haystack.indexOf(wanted); at >= 0) {
            Pending.remove(0, at + wanted.size());
            found = true;
            break;
        }
        // What was scanned cannot start a match any more, except a tail shorter than the text.
        if (Pending.size() >= wanted.size()) Pending.remove(0, Pending.size() - (wanted.size() - 1));
        const qint64 left = limit - clock.elapsed();
        if (left <= 0 || !IsOpen()) break;
        if (!Port->waitForReadyRead(int(left)) && Port->error() != QSerialPort::TimeoutError &&
            Port->error() != QSerialPort::NoError)
            break;
    }
    InBlockingWait = false;
    return found;
}

QStringList TQtSerialPort::SystemSerialPorts() {
    QStringList paths;
    for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts())
        paths << QFileInfo(info.systemLocation()).canonicalFilePath();
    return paths;
}

bool TQtSerialPort::IsPortAvailable(const TComPortMap& map, int number, const QStringList& systemPorts) {
    if (number <= 0) return false;
#ifndef Q_OS_WIN
    // Device nodes such as /dev/ttyS3 exist whether or not a UART is behind them; the system's port list
    // knows. An override is taken at its word: it may be a pseudo-terminal, which that list leaves out.
    if (map.OverridePath(number).isEmpty() &&
        !systemPorts.contains(QFileInfo(map.DevicePath(number)).canonicalFilePath()))
        return false;
#else
    Q_UNUSED(systemPorts)
#endif
    TQtSerialPort probe(map);
    probe.Number = number;
    const TPortOpenResult result = probe.Open();
    probe.Close();
    // A port the user may not open is listed all the same: choosing it tells them how to get access.
    return result == TPortOpenResult::Opened || result == TPortOpenResult::InUse ||
           result == TPortOpenResult::AccessDenied;
}
