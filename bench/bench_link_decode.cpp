// Cost of the link's per-frame work: decoding and filtering one frame (both encodings), the packet
// collector's throughput, and the whole serial path from bytes to filtered readings.

#include "LinkDoubles.h"
#include "link/CeInterface.h"
#include "link/ProcessBlock.h"
#include "link/serial/PacketCollector.h"
#include "platform/Timer.h"

#include <benchmark/benchmark.h>

namespace {

QByteArray SerialFrame(int sequence) {
    QByteArray frame(1, 'K');
    for (int k = 0; k < 28; ++k) {
        int w = 0x0800 + (sequence + k) % 64;
        if (k == 6) w = 4095 - 2050;
        if (k == 5) w = 0x0800;
        if (k == 4) w = 0x2123;
        frame.append(char(w & 0xFF));
        frame.append(char(w >> 8));
    }
    return frame;
}

void DecodeOneFrame(benchmark::State& state, bool usb) {
    TScriptedSerialPort port;
    TCeInterface driver(port);
    TProcessBlock p;
    p.SetChannelTable();
    p.Driver = &driver;
    p.IsUSBConnected = [usb] { return usb; };
    const QByteArray a = SerialFrame(0), b = SerialFrame(1);
    int n = 0;
    for (auto _ : state) {
        const QByteArray& f = (++n & 1) ? a : b;
        driver.StoreFrame(f.constData() + 1, 56);
        p.DecodeFrame();
        benchmark::DoNotOptimize(p.Filter(Gauge1Channel).Average());
    }
}

void BM_DecodeSerialFrame(benchmark::State& state) {
    DecodeOneFrame(state, false);
}
void BM_DecodeUSBFrame(benchmark::State& state) {
    DecodeOneFrame(state, true);
}

void BM_CollectorThroughput(benchmark::State& state) {
    QByteArray stream;
    for (int i = 0; i < 64; ++i)
        stream += QByteArray("\x01\x02", 2) + SerialFrame(i); // two bytes of noise between frames
    TPacketCollector c;
    c.SetPacketSize(57);
    std::int64_t packets = 0;
    c.OnPacket = [&](const QByteArray& packet) { packets += packet.size(); };
    for (auto _ : state)
        c.Feed(stream);
    benchmark::DoNotOptimize(packets);
    state.SetBytesProcessed(state.iterations() * stream.size());
}

// Bytes arriving at the port in 57-byte chunks, through the collector, the frame store and the decoder.
void BM_SerialPathPerFrame(benchmark::State& state) {
    TScriptedSerialPort port;
    port.IsPortOpen = true;
    TCeInterface driver(port);
    TRxData rx(port, std::make_unique<TManualTimer>());
    TProcessBlock p;
    p.SetChannelTable();
    p.Driver = &driver;
    p.Collector = &rx.Collector;
    p.Port = &port;
    p.StartAcquisition();
    rx.Collector.OnPacket = [&](const QByteArray& packet) {
        driver.StoreFrame(packet.constData() + 1, packet.size() - 1);
        p.DecodeFrame();
    };
    const QByteArray frame = SerialFrame(3);
    for (auto _ : state)
        port.Arrive(frame);
    benchmark::DoNotOptimize(p.Filter(1).Average());
}

} // namespace

BENCHMARK(BM_DecodeSerialFrame);
BENCHMARK(BM_DecodeUSBFrame);
BENCHMARK(BM_CollectorThroughput);
BENCHMARK(BM_SerialPathPerFrame);
BENCHMARK_MAIN();
