#pragma once
// TProcessBlock turns each received frame into 23 channel values (21 analog inputs, then the two dial
// gauges "Deflection 1" and "Deflection 2") and smooths each with its own TFilter. It also sends the
// serial acquisition set-up and arms the packet collector.

#include "FramePayload.h"

#include <array>
#include <cstdint>
#include <functional>

class TCeInterface;
class TPacketCollector;
class TSerialPortLayer;

// Running mean of the last Length values (1 to 10).
class TFilter {
public:
    static constexpr int MaxLength = 10;
    explicit TFilter(int length = MaxLength) { SetLength(length); }
    void SetLength(int length);
    [[nodiscard]] int Length() const { return Len; }
    // Every slot in use takes v: the history starts again at v.
    void Reset(double v);
    double Add(double v);
    [[nodiscard]] double Average() const { return Mean; }

private:
    std::array<double, MaxLength> Slots{};
    double Mean = 0;
    int WriteIndex = 0; // slot written last, 1-based; 0 after Reset
    int Len = MaxLength;
};

inline constexpr int ChannelCount = 23;
inline constexpr int AnalogChannels = 21;
inline constexpr int Gauge1Channel = 22;
inline constexpr int Gauge2Channel = 23;
// What a gauge in error contributes to its filter.
inline constexpr double NoReading = -9999999.0;

using TFrameWordArray = std::array<std::uint16_t, FrameWords>; // W0..W27

class TProcessBlock {
public:
    TProcessBlock();

    int WordsPerFrame = FrameWords;
    int OutputWords = 0;
    int SampleInterval = 200; // ms; also the base of the link watchdog
    int FramesPerPacket = 1;

    // Set by the link manager.
    TCeInterface* Driver = nullptr;
    TPacketCollector* Collector = nullptr;
    TSerialPortLayer* Port = nullptr;
    std::function<bool()> IsUSBConnected;

    bool Primed = false;
    // Raw words 1..28 of the last frame (index 0 is raw word 1, which is W27).
    std::array<int, FrameWords> RawWords{};
    bool RangeValid = false;
    // RangeBits[k - 1] is entry k: true when range bit k - 1 of the last valid code is 0.
    std::array<bool, 4> RangeBits{};
    // Index c - 1 for channel c.
    std::array<float, ChannelCount> ChannelOffset{};
    std::array<float, ChannelCount> ChannelGain{};
    std::array<TFilter, ChannelCount> Filters;
    bool Gauge1InMillimetres = false;
    bool Gauge2InMillimetres = false;

    // Channel c, 1..23.
    [[nodiscard]] const TFilter& Filter(int channel) const { return Filters.at(channel - 1); }

    // The offsets and gains the link manager gives the channels at creation.
    void SetChannelTable();

    // Serial only: interval, words per frame and output count to the unit, then arms the collector for
    // 57-byte frames. The stream itself is switched on later by the link manager.
    void StartAcquisition();

    // Decodes the driver's latest frame, in the USB encoding while the USB link is connected.
    void DecodeFrame();
    void DecodeFrame(const TFrameWordArray& words, TFrameEncoding encoding);
};
