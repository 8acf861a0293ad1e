#include "VekUSBComms.h"

#include "hid/HidLayer.h"
#include "platform/DebugTrace.h"

#include <algorithm>
#include <cstring>

TUSBComms::TUSBComms(THidLayer& hid, int vendorID, int productID)
    : VendorID(vendorID), ProductID(productID), Hid(hid) {
    Hid.OnDeviceChange = [this] { DeviceChange(); };
    Hid.OnUnplug = [this](const THidDeviceInfo& device) {
        if (device.VendorID == VendorID && device.ProductID == ProductID && OnDisconnect) OnDisconnect();
    };
    Hid.OnReport = [this](int id, std::uint8_t reportId, const QByteArray& data) {
        if (id != DeviceId || reportId != 0) return;
        if (data.size() < InDataSize) {
            // The unit always sends the full report; a short one is damaged and would leave stale bytes
            // in the frame, so it is not passed on.
            DebugTrace(QStringLiteral("USB short report dropped (%1 bytes)").arg(data.size()));
            return;
        }
        std::memcpy(InData.data(), data.constData(), InDataSize);
        if (OnData) OnData();
    };
    Hid.Rescan();
}

TUSBComms::~TUSBComms() {
    Hid.OnDeviceChange = nullptr;
    Hid.OnUnplug = nullptr;
    Hid.OnReport = nullptr;
    if (DeviceId) Hid.CheckIn(DeviceId);
}

bool TUSBComms::IsConnected() const {
    return DeviceId != 0 && Hid.IsPluggedIn(DeviceId);
}

void TUSBComms::DeviceChange() {
    if (DeviceId && !Hid.IsPluggedIn(DeviceId)) {
        Hid.CheckIn(DeviceId);
        DeviceId = 0;
    }
    if (DeviceId) return;
    for (const THidDeviceInfo& device : Hid.Devices()) {
        if (device.CheckedOut || device.VendorID != VendorID || device.ProductID != ProductID) continue;
        if (!Hid.CheckOut(device.Id)) continue;
        DeviceId = device.Id;
        if (OnConnect) OnConnect();
        return;
    }
}

void TUSBComms::Locate() {
    Hid.Rescan();
    if (DeviceId) DebugTrace(QStringLiteral("USB Device Located"));
}

bool TUSBComms::WriteCommand(std::uint8_t command) {
    if (!DeviceId) return false;
    QByteArray report(2, '\0');
    report[1] = static_cast<char>(command);
    return Hid.WriteReport(DeviceId, report);
}

void TUSBComms::Start() {
    if (WriteCommand(0x02)) DebugTrace(QStringLiteral("USB Start Message Sent"));
}

void TUSBComms::Stop() {
    if (WriteCommand(0x00)) DebugTrace(QStringLiteral("USB Stop Message Sent"));
}
