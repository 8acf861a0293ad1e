#pragma once
// Scripted doubles of the port layers, for tests and the fuzzer.

#include "link/hid/HidLayer.h"
#include "link/serial/SerialPortLayer.h"

#include <QByteArray>
#include <algorithm>
#include <deque>
#include <map>
#include <utility>
#include <vector>

// A HID bus the test plugs devices into. Reproduces what THidApiLayer does on a rescan: unplug
// notifications for devices that have gone, then the device-change call.
class TScriptedHidLayer final : public THidLayer {
public:
    int Plug(std::uint16_t vendor, std::uint16_t product) {
        THidDeviceInfo info;
        info.Id = NextId++;
        info.Path = QStringLiteral("/dev/hidraw%1").arg(info.Id);
        info.VendorID = vendor;
        info.ProductID = product;
        Present[info.Id] = info;
        if (OnDeviceChange) OnDeviceChange();
        return info.Id;
    }
    // A device pulled out: the unplug handler first, then the rescan that drops it.
    void Unplug(int id) {
        const auto it = Present.find(id);
        if (it == Present.end()) return;
        const THidDeviceInfo info = it->second;
        Present.erase(it);
        if (OnUnplug) OnUnplug(info);
        if (OnDeviceChange) OnDeviceChange();
    }
    void SendReport(int id, std::uint8_t reportId, const QByteArray& data) {
        if (CheckedOut.count(id) && OnReport) OnReport(id, reportId, data);
    }

    void Rescan() override {
        ++Rescans;
        if (OnDeviceChange) OnDeviceChange();
    }
    [[nodiscard]] std::vector<THidDeviceInfo> Devices() const override {
        std::vector<THidDeviceInfo> devices;
        for (const auto& [id, info] : Present) {
            devices.push_back(info);
            devices.back().CheckedOut = CheckedOut.count(id) > 0;
        }
        return devices;
    }
    bool CheckOut(int id) override {
        if (!Present.count(id) || CheckedOut.count(id)) return false;
        CheckedOut[id] = true;
        return true;
    }
    void CheckIn(int id) override { CheckedOut.erase(id); }
    [[nodiscard]] bool IsPluggedIn(int id) const override { return Present.count(id) > 0; }
    bool WriteReport(int id, const QByteArray& report) override {
        // A device that has gone takes nothing.
        if (FailWrites || !CheckedOut.count(id) || !Present.count(id)) return false;
        Written.emplace_back(id, report);
        return true;
    }

    std::map<int, THidDeviceInfo> Present;
    std::map<int, bool> CheckedOut;
    std::vector<std::pair<int, QByteArray>> Written;
    bool FailWrites = false;
    int Rescans = 0;

private:
    int NextId = 1;
};

// A serial port that records what is written and answers waits from a script: each WaitForString takes
// the next entry (true: the text arrived).
class TScriptedSerialPort final : public TSerialPortLayer {
public:
    TPortOpenResult SetPortNumber(int number) override {
        Number = number;
        return TPortOpenResult::Opened;
    }
    [[nodiscard]] int PortNumber() const override { return Number; }
    void SetBaudRate(int baud) override { Baud = baud; }
    [[nodiscard]] int BaudRate() const override { return Baud; }
    void SetParity(TParity parity) override { Parity = parity; }
    TPortOpenResult Open() override {
        if (OpenResult == TPortOpenResult::Opened) IsPortOpen = true;
        return OpenResult;
    }
    [[nodiscard]] TDeniedAccess DeniedAccess() const override { return Denied; }
    void Close() override { IsPortOpen = false; }
    [[nodiscard]] bool IsOpen() const override { return IsPortOpen; }
    void WriteByte(std::uint8_t byte) override {
        if (IsPortOpen) Written.append(char(byte));
    }
    [[nodiscard]] int BytesWaiting() override { return int(Incoming.size()); }
    QByteArray Read(int maxBytes) override {
        const QByteArray out = Incoming.left(std::max(maxBytes, 0));
        Incoming.remove(0, out.size());
        return out;
    }
    [[nodiscard]] bool WaitForString(const QByteArray&, int ticks, bool) override {
        WaitTicks.push_back(ticks);
        if (Replies.empty()) return false;
        const bool arrived = Replies.front();
        Replies.pop_front();
        return arrived;
    }
    // Bytes arriving from the unit.
    void Arrive(const QByteArray& bytes) {
        Incoming += bytes;
        if (OnDataAvailable) OnDataAvailable();
    }

    TPortOpenResult OpenResult = TPortOpenResult::Opened;
    TDeniedAccess Denied; // answered after an AccessDenied open
    QByteArray Written;
    QByteArray Incoming;
    std::deque<bool> Replies;
    std::vector<int> WaitTicks;
    int Discards = 0;
    int Number = 0;
    int Baud = 9600;
    TParity Parity = TParity::None;
    bool IsPortOpen = false;

protected:
    void DiscardReceived() override {
        ++Discards;
        Incoming.clear();
    }
};
