#include "PacketCollector.h"

#include <algorithm>

void TPacketCollector::SetPacketSize(int size) {
    Size = std::clamp(size, 1, MaxPacketSize);
    // A shorter size completes a packet already longer than it at the next byte.
}

void TPacketCollector::SetEnabled(bool enabled) {
    IsEnabled = enabled;
    if (!enabled) Reset();
}

void TPacketCollector::Reset() {
    ++Generation;
    Packet.clear();
    IsCollecting = false;
    TicksSinceStart = 0;
}

void TPacketCollector::Feed(const char* data, qsizetype size) {
    if (!IsEnabled || data == nullptr) return;
    const unsigned generation = Generation;
    for (qsizetype i = 0; i < size; ++i) {
        const auto byte = static_cast<std::uint8_t>(data[i]);
        if (!IsCollecting) {
            if (byte != StartByte) continue;
            IsCollecting = true;
            TicksSinceStart = 0;
            Packet.clear();
        }
        Packet.append(static_cast<char>(byte));
        if (Packet.size() >= Size) {
            const QByteArray packet = std::exchange(Packet, {});
            IsCollecting = false;
            if (OnPacket) OnPacket(packet);
            // The handler flushed the input, or turned the collector off: the rest of this chunk is gone.
            if (generation != Generation || !IsEnabled) return;
        }
    }
}

void TPacketCollector::Tick() {
    if (!IsCollecting) return;
    ++TicksSinceStart;
    if (TimeOutTicks > 0 && TicksSinceStart >= TimeOutTicks) {
        Reset();
        if (OnTimeout) OnTimeout();
    }
}

TRxData::TRxData(TSerialPortLayer& port, std::unique_ptr<TTimer> tick) : Port(port), Tick(std::move(tick)) {
    Tick->SetInterval(SerialTickMs);
    Tick->SetEnabled(false);
    Tick->OnTimer = [this] {
        Collector.Tick();
        UpdateTimer();
    };
    Port.OnDataAvailable = [this] { ReadPort(); };
    Port.OnInputDiscarded = [this] {
        Collector.Reset();
        UpdateTimer();
    };
}

TRxData::~TRxData() {
    Port.OnDataAvailable = nullptr;
    Port.OnInputDiscarded = nullptr;
}

void TRxData::ReadPort() {
    const QByteArray bytes = Port.Read(Port.BytesWaiting());
    if (Collector.Enabled()) Collector.Feed(bytes);
    UpdateTimer();
}

void TRxData::UpdateTimer() {
    Tick->SetEnabled(Collector.Collecting() && Collector.TimeOut() > 0);
}
