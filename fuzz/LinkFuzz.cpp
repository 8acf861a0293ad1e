// Fuzz target: arbitrary byte streams through the packet collector, the serial frame store and the
// decoder; arbitrary HID reports through the USB link and the decoder.
//
// Input: byte 0 chooses the path (0, 3: serial; 1, 4: USB; 2: the link manager); the rest is a script.
//   serial: 0xFE = one collector tick, 0xFD = the next byte is a new packet size, 0xFC = flush the port,
//           anything else c = the next (c % 64) bytes arrive from the unit as one chunk
//   USB:    0xFF = unplug the unit and plug it in again, else c = a report of length (c % 80) follows,
//           with report ID 1 when c is a multiple of 7 (the unit's reports have ID 0)
//   link manager, with the serial port and HID bus scripted: 0xFE = a 110 ms tick, 0xFD = a 55 ms tick,
//           0xFC r = Connect, the bits of r saying which handshake waits are answered, 0xFB = Disconnect,
//           0xFA = plug in or pull out the USB unit, 0xF9 n = a USB report of n % 80 bytes,
//           anything else c = the next (c % 64) bytes arrive at the serial port

#include "LinkDoubles.h"
#include "link/CeInterface.h"
#include "link/CommsModuleDM.h"
#include "link/ProcessBlock.h"
#include "link/VekUSBComms.h"
#include "link/serial/PacketCollector.h"
#include "platform/DebugTrace.h"
#include "platform/MessageLayer.h"
#include "platform/Timer.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace {

class TNullTrace final : public TDebugTraceSink {
public:
    void Write(const QString&) override {}
};

void CheckInvariants(const TProcessBlock& p) {
    for (int c = 1; c <= ChannelCount; ++c)
        if (!std::isfinite(p.Filter(c).Average())) __builtin_trap();
    if (!p.RangeValid && (p.RangeBits[0] || p.RangeBits[1] || p.RangeBits[2] || p.RangeBits[3]))
        __builtin_trap();
    for (int k = 0; k < 4; ++k)
        if (p.ChannelGain[16 + k] != 10.0f && p.ChannelGain[16 + k] != 100.0f) __builtin_trap();
}

void FuzzSerial(const std::uint8_t* data, std::size_t size, bool usbEncoding) {
    TScriptedSerialPort port;
    port.IsPortOpen = true;
    TCeInterface driver(port);
    auto timer = std::make_unique<TManualTimer>();
    TManualTimer& tick = *timer;
    TRxData rx(port, std::move(timer));
    TProcessBlock p;
    p.SetChannelTable();
    p.Driver = &driver;
    p.Collector = &rx.Collector;
    p.Port = &port;
    p.IsUSBConnected = [usbEncoding] { return usbEncoding; };
    p.StartAcquisition();
    rx.Collector.OnPacket = [&](const QByteArray& packet) {
        const qsizetype used = std::min<qsizetype>(packet.size(), rx.Collector.PacketSize());
        driver.StoreFrame(packet.constData() + 1, used - 1);
        p.DecodeFrame();
        CheckInvariants(p);
    };
    rx.Collector.OnTimeout = [&] { port.DiscardInput(); };

    std::size_t i = 0;
    while (i < size) {
        const std::uint8_t c = data[i++];
        if (c == 0xFE) {
            tick.SetEnabled(true);
            tick.Fire();
        } else if (c == 0xFD && i < size) {
            rx.Collector.SetPacketSize(data[i++]);
        } else if (c == 0xFC) {
            port.DiscardInput();
        } else {
            const std::size_t n = std::min<std::size_t>(c % 64, size - i);
            port.Arrive(QByteArray(reinterpret_cast<const char*>(data + i), qsizetype(n)));
            i += n;
        }
    }
}

void FuzzUSB(const std::uint8_t* data, std::size_t size) {
    TScriptedHidLayer hid;
    int unit = hid.Plug(VekVendorID, VekProductID);
    TUSBComms usb(hid, VekVendorID, VekProductID);
    TScriptedSerialPort port;
    TCeInterface driver(port);
    TProcessBlock p;
    p.SetChannelTable();
    p.Driver = &driver;
    p.IsUSBConnected = [&] { return usb.IsConnected(); };
    usb.OnData = [&] {
        driver.StoreFrame(reinterpret_cast<const char*>(usb.InData.data()) + 1, FramePayloadBytes);
        p.DecodeFrame();
        CheckInvariants(p);
    };
    usb.Start();
    std::size_t i = 0;
    while (i < size) {
        const std::uint8_t c = data[i++];
        if (c == 0xFF) {
            hid.Unplug(unit);
            unit = hid.Plug(VekVendorID, VekProductID);
            continue;
        }
        const std::size_t n = std::min<std::size_t>(c % 80, size - i);
        hid.SendReport(unit, c % 7 == 0 ? 1 : 0,
                       QByteArray(reinterpret_cast<const char*>(data + i), qsizetype(n)));
        i += n;
    }
    usb.Stop();
}

void FuzzLinkManager(const std::uint8_t* data, std::size_t size) {
    TRecordingMessages messages;
    TCommsPlatform platform;
    auto port = std::make_unique<TScriptedSerialPort>();
    TScriptedSerialPort& serial = *port;
    platform.Port = std::move(port);
    auto bus = std::make_unique<TScriptedHidLayer>();
    TScriptedHidLayer& hid = *bus;
    platform.Hid = std::move(bus);
    std::vector<TManualTimer*> timers;
    platform.Timers = [&timers] {
        auto timer = std::make_unique<TManualTimer>();
        timers.push_back(timer.get());
        return timer;
    };
    TCommsModule module(std::move(platform));
    TManualTimer& timer1 = *timers.at(0);
    TManualTimer& rxTick = *timers.at(1);
    int unit = 0;

    std::size_t i = 0;
    while (i < size) {
        const std::uint8_t c = data[i++];
        if (c == 0xFE) {
            timer1.Fire();
        } else if (c == 0xFD) {
            rxTick.Fire();
        } else if (c == 0xFC && i < size) {
            const std::uint8_t r = data[i++];
            serial.Replies.clear();
            for (int bit = 0; bit < 8; ++bit)
                serial.Replies.push_back((r >> bit) & 1);
            messages.Answers = {(r & 0x80) ? TMsgResult::Cancel : TMsgResult::Ok};
            module.Connect();
        } else if (c == 0xFB) {
            module.Disconnect();
        } else if (c == 0xFA) {
            if (unit) {
                hid.Unplug(unit);
                unit = 0;
            } else {
                unit = hid.Plug(VekVendorID, VekProductID);
            }
        } else if (c == 0xF9 && i < size) {
            const std::size_t length = data[i++] % 80;
            const std::size_t n = std::min<std::size_t>(length, size - i);
            hid.SendReport(unit, 0, QByteArray(reinterpret_cast<const char*>(data + i), qsizetype(n)));
            i += n;
        } else {
            const std::size_t n = std::min<std::size_t>(c % 64, size - i);
            serial.Arrive(QByteArray(reinterpret_cast<const char*>(data + i), qsizetype(n)));
            i += n;
        }
        // Only a connection can be OK or unstable; the watchdog never runs past its limit by more than
        // the tick that acts on it.
        if (!module.Connected() && module.LinkState() != TLinkState::LinkOff) __builtin_trap();
        if (module.WatchdogCount() > module.WatchdogLimit() + 1) __builtin_trap();
        CheckInvariants(module.Processor());
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static TNullTrace quiet;
    SetDebugTraceSink(&quiet);
    if (size < 1) return 0;
    switch (data[0] % 5) {
    case 0:
    case 3:
        FuzzSerial(data + 1, size - 1, (data[0] & 8) != 0);
        break;
    case 1:
    case 4:
        FuzzUSB(data + 1, size - 1);
        break;
    default:
        FuzzLinkManager(data + 1, size - 1);
        break;
    }
    return 0;
}
