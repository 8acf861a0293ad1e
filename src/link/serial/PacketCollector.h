#pragma once
// The packet collector: skips bytes until the start byte, collects until the packet (start byte included)
// is PacketSize bytes long and hands it over; a packet not complete within TimeOut ticks of its start byte
// is dropped and reported as a time-out. Plain logic fed with bytes and ticks, so that it can be tested
// and fuzzed without a port; TRxData binds it to a port and a tick timer.

#include "SerialPortLayer.h"
#include "platform/Timer.h"

#include <QByteArray>
#include <cstdint>
#include <functional>
#include <memory>

class TPacketCollector {
public:
    // Longest packet accepted; keeps a bad size from growing the buffer without bound.
    static constexpr int MaxPacketSize = 4096;

    void SetPacketSize(int size);
    [[nodiscard]] int PacketSize() const { return Size; }
    // Ticks allowed from the start byte to the last byte; 0 means no time-out.
    void SetTimeOut(int ticks) { TimeOutTicks = ticks < 0 ? 0 : ticks; }
    [[nodiscard]] int TimeOut() const { return TimeOutTicks; }
    void SetEnabled(bool enabled);
    [[nodiscard]] bool Enabled() const { return IsEnabled; }
    std::uint8_t StartByte = 'K';

    void Feed(const char* data, qsizetype size);
    void Feed(const QByteArray& bytes) { Feed(bytes.constData(), bytes.size()); }
    // One serial tick.
    void Tick();
    // Drops a partial packet; the rest of a chunk being fed is dropped too.
    void Reset();
    [[nodiscard]] bool Collecting() const { return IsCollecting; }

    std::function<void(const QByteArray& packet)> OnPacket;
    std::function<void()> OnTimeout;

private:
    QByteArray Packet;
    int Size = 56;
    int TimeOutTicks = 0;
    int TicksSinceStart = 0;
    unsigned Generation = 0;
    bool IsEnabled = true;
    bool IsCollecting = false;
};

// `RxData`: a collector bound to a port and to a 55 ms tick timer that runs only while a packet is being
// collected. Packet and time-out handlers run on the port's thread.
class TRxData {
public:
    TRxData(TSerialPortLayer& port, std::unique_ptr<TTimer> tick);
    ~TRxData();
    TRxData(const TRxData&) = delete;
    TRxData& operator=(const TRxData&) = delete;

    TPacketCollector Collector;
    [[nodiscard]] TTimer& TickTimer() { return *Tick; }
    // Reads what the port has waiting and feeds it (the port calls this when bytes arrive).
    void ReadPort();

private:
    void UpdateTimer();
    TSerialPortLayer& Port;
    std::unique_ptr<TTimer> Tick;
};
