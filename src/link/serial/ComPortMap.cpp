#include "ComPortMap.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>

TComPortMap::TComPortMap(QString settingsFolder, QString devRoot)
    : Folder(std::move(settingsFolder)), DevRoot(std::move(devRoot)) {}

QString TComPortMap::OverridePath(int number) const {
    if (Folder.isEmpty() || number < 1 || number > HighestComPort) return {};
    for (const QString& name : {QStringLiteral("com%1"), QStringLiteral("COM%1")}) {
        const QFileInfo link(Folder + name.arg(number));
        if (link.isSymLink()) return link.symLinkTarget();
        if (link.isFile()) {
            // A plain file holding the device path is the override where links are awkward (Windows).
            QFile file(link.filePath());
            if (file.open(QIODevice::ReadOnly)) return QString::fromLocal8Bit(file.readLine(4096)).trimmed();
        }
    }
    return {};
}

QStringList TComPortMap::AdapterDevices() const {
    QStringList devices;
    QStringList seen;
    const QDir byId(DevRoot + QStringLiteral("/serial/by-id"));
    for (const QFileInfo& entry : byId.entryInfoList(QDir::Files | QDir::System, QDir::Name)) {
        devices << entry.absoluteFilePath();
        seen << entry.canonicalFilePath();
    }
    const QDir dev(DevRoot);
    QStringList others = dev.entryList({QStringLiteral("ttyUSB*"), QStringLiteral("ttyACM*")},
                                       QDir::System | QDir::Files | QDir::Readable | QDir::Writable);
    // ttyUSB10 after ttyUSB9.
    std::sort(others.begin(), others.end(), [](const QString& a, const QString& b) {
        return a.size() != b.size() ? a.size() < b.size() : a < b;
    });
    for (const QString& name : others) {
        const QString path = dev.absoluteFilePath(name);
        if (!seen.contains(QFileInfo(path).canonicalFilePath())) devices << path;
    }
    return devices;
}

QString TComPortMap::DevicePath(int number) const {
    if (number < 1 || number > HighestComPort) return {};
    if (QString path = OverridePath(number); !path.isEmpty()) return path;
#ifdef Q_OS_WIN
    return QStringLiteral("\\\\.\\COM%1").arg(number);
#else
    if (number <= 4) return DevRoot + QStringLiteral("/ttyS%1").arg(number - 1);
    const QStringList adapters = AdapterDevices();
    const int index = number - 5;
    return index < adapters.size() ? adapters[index] : QString();
#endif
}
