#pragma once
// COM port numbers (1 to 50) on systems that have no such numbers. See docs/link.md for the scheme:
//   1. an override in the settings folder: a file or symbolic link named "comN" (com7, COM7) that points
//      at any device, a pseudo-terminal included, makes that device COM N;
//   2. on-board ports /dev/ttyS0 to /dev/ttyS3 are COM1 to COM4;
//   3. USB-serial adapters are COM5 upwards in the order of their stable /dev/serial/by-id names (the name
//      holds the adapter's make and serial number, so the same adapter gets the same number while the same
//      adapters are plugged in), then any other ttyUSB/ttyACM device.
// On Windows COM N is "\\.\COMN".

#include <QString>
#include <QStringList>

inline constexpr int HighestComPort = 50;

class TComPortMap {
public:
    // devRoot is "/dev" in use; tests point it at a folder of their own.
    explicit TComPortMap(QString settingsFolder, QString devRoot = QStringLiteral("/dev"));

    // The device path of COM `number`, or empty when there is none.
    [[nodiscard]] QString DevicePath(int number) const;
    // The override for `number`, if one is set.
    [[nodiscard]] QString OverridePath(int number) const;

    [[nodiscard]] const QString& SettingsFolder() const { return Folder; }

private:
    [[nodiscard]] QStringList AdapterDevices() const;
    QString Folder;
    QString DevRoot;
};
