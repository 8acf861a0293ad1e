#pragma once
// What the USB link needs of the HID devices: enumeration with vendor and product IDs, exclusive check-out,
// a plugged-in test, output reports, input reports and plug events delivered on the owner's thread. The
// real layer is THidApiLayer; tests use a scripted double.

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <functional>
#include <vector>

struct THidDeviceInfo {
    int Id = 0; // unique for one appearance of a device; a device plugged in again gets a new one
    QString Path;
    std::uint16_t VendorID = 0;
    std::uint16_t ProductID = 0;
    bool CheckedOut = false;
};

class THidLayer {
public:
    virtual ~THidLayer() = default;

    // Scans the devices now: OnUnplug for each device that has gone, then OnDeviceChange.
    virtual void Rescan() = 0;
    [[nodiscard]] virtual std::vector<THidDeviceInfo> Devices() const = 0;
    // Takes a device for exclusive use and starts reading its input reports.
    virtual bool CheckOut(int id) = 0;
    virtual void CheckIn(int id) = 0;
    [[nodiscard]] virtual bool IsPluggedIn(int id) const = 0;
    // `report` starts with the report ID (0 for a device without numbered reports).
    virtual bool WriteReport(int id, const QByteArray& report) = 0;

    // All three are called on the owner's thread.
    std::function<void()> OnDeviceChange;
    std::function<void(const THidDeviceInfo& device)> OnUnplug;
    std::function<void(int id, std::uint8_t reportId, const QByteArray& data)> OnReport;
};
