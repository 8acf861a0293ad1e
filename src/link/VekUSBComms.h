#pragma once
// TUSBComms: the data unit on USB, where it is a HID device (vendor 0x1781, product 0x07E8). Keeps the
// first matching device checked out while it is plugged in, switches its stream on and off with a
// two-byte output report (report ID 0, then 0x02 on or 0x00 off), and hands every input report of report
// ID 0 to the link manager. An input report carries an unused byte, then the 56-byte frame payload.

#include <QByteArray>
#include <array>
#include <cstdint>
#include <functional>

class THidLayer;

inline constexpr int VekVendorID = 0x1781;
inline constexpr int VekProductID = 0x07E8;

class TUSBComms {
public:
    static constexpr int InDataSize = 57;

    // Scans at once, so a unit already plugged in is checked out before this returns (the callbacks are
    // not bound yet: the owner asks IsConnected afterwards).
    TUSBComms(THidLayer& hid, int vendorID, int productID);
    ~TUSBComms();
    TUSBComms(const TUSBComms&) = delete;
    TUSBComms& operator=(const TUSBComms&) = delete;

    [[nodiscard]] bool IsConnected() const;
    void Locate();
    void Start();
    void Stop();

    const int VendorID;
    const int ProductID;
    std::function<void()> OnConnect;
    std::function<void()> OnDisconnect;
    std::function<void()> OnData;

    // Data bytes of the last input report; byte 0 is not used, bytes 1..56 are the frame payload.
    std::array<std::uint8_t, InDataSize> InData{};
    // The checked-out device, or 0.
    [[nodiscard]] int Device() const { return DeviceId; }

private:
    void DeviceChange();
    bool WriteCommand(std::uint8_t command);
    THidLayer& Hid;
    int DeviceId = 0;
};
