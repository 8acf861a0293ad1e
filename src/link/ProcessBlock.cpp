#include "ProcessBlock.h"

#include "CeInterface.h"
#include "serial/PacketCollector.h"
#include "serial/SerialPortLayer.h"

#include <algorithm>

void TFilter::SetLength(int length) {
    Len = std::clamp(length, 1, MaxLength);
    if (WriteIndex > Len) WriteIndex = 0;
}

void TFilter::Reset(double v) {
    std::fill(Slots.begin(), Slots.begin() + Len, v);
    Mean = v;
    WriteIndex = 0;
}

double TFilter::Add(double v) {
    if (++WriteIndex > Len) WriteIndex = 1;
    Slots[WriteIndex - 1] = v;
    double sum = 0;
    for (int i = 0; i < Len; ++i)
        sum += Slots[i];
    Mean = sum / Len;
    return Mean;
}

TProcessBlock::TProcessBlock() {
    for (int c = 1; c <= ChannelCount; ++c)
        Filters[c - 1].SetLength(c <= 20 ? 3 : 1);
}

void TProcessBlock::SetChannelTable() {
    for (int c = 1; c <= 20; ++c) {
        ChannelOffset[c - 1] = 0;
        ChannelGain[c - 1] = 100;
    }
    ChannelOffset[20] = 2.481445f;
    ChannelGain[20] = 66.14987f;
    for (int c = Gauge1Channel; c <= Gauge2Channel; ++c) {
        ChannelOffset[c - 1] = 0;
        ChannelGain[c - 1] = 1;
    }
}

void TProcessBlock::StartAcquisition() {
    if (Driver) {
        Driver->SetInterval(SampleInterval / 100);
        Driver->SetInputCount(WordsPerFrame);
        Driver->SetOutputCount(OutputWords);
        Driver->ResetReceive();
    }
    if (Collector) {
        const int packetSize = 2 * WordsPerFrame + 1;
        Collector->SetPacketSize(packetSize);
        // Transmission time of a packet plus a tenth, in ticks: 57 x 1.1 / 9.6 = 6.53, so 6 at 9600 baud.
        const int baud = Port ? Port->BaudRate() : 9600;
        const double ticks = baud > 0 ? packetSize * 1.1 / (baud / 1000.0) : 1.0;
        Collector->SetTimeOut(std::max(1, static_cast<int>(ticks)));
        Collector->SetEnabled(true);
    }
    Primed = false;
}

void TProcessBlock::DecodeFrame() {
    TFrameWordArray words{};
    if (Driver)
        for (int k = 0; k < FrameWords; ++k)
            words[k] = Driver->FrameWord(k);
    const bool usb = IsUSBConnected && IsUSBConnected();
    DecodeFrame(words, usb ? TFrameEncoding::USB : TFrameEncoding::Serial);
}

void TProcessBlock::DecodeFrame(const TFrameWordArray& words, TFrameEncoding encoding) {
    const bool usb = encoding == TFrameEncoding::USB;
    for (int i = 1; i <= FrameWords; ++i) {
        const std::uint16_t w = words[FrameWords - i];
        int raw = usb ? static_cast<int>(static_cast<std::int16_t>(w)) : static_cast<int>(w);
        if (!usb && i <= AnalogChannels) raw &= 0x0FFF;
        RawWords[i - 1] = raw;
    }

    const int level = usb ? RawWords[21] : 4095 - (RawWords[21] & 0x0FFF);
    if (const auto code = RangeCodeFromLevel(level, encoding)) {
        RangeValid = true;
        for (int k = 1; k <= 4; ++k) {
            RangeBits[k - 1] = ((*code >> (k - 1)) & 1) == 0;
            ChannelGain[16 + k - 1] = RangeBits[k - 1] ? 10.0f : 100.0f;
        }
    } else {
        RangeValid = false;
        RangeBits.fill(false);
    }

    const int analog = std::clamp(WordsPerFrame - 7, 0, AnalogChannels);
    for (int c = 1; c <= analog; ++c) {
        const long double raw = RawWords[c - 1];
        const long double volts =
            usb ? raw / 32767.0L * 20.0L / 3.0L : (4095.0L - raw) / 4096.0L * 12.0L - 6.0L;
        const double value = static_cast<double>((volts - ChannelOffset[c - 1]) * ChannelGain[c - 1]);
        if (Primed)
            Filters[c - 1].Add(value);
        else
            Filters[c - 1].Reset(value);
    }

    auto gauge = [&](int firstRaw, int channel, bool& inMillimetres) {
        const TGaugeWords g{static_cast<std::uint16_t>(RawWords[firstRaw - 1]),
                            static_cast<std::uint16_t>(RawWords[firstRaw]),
                            static_cast<std::uint16_t>(RawWords[firstRaw + 1])};
        const TGaugeReading reading = DecodeGauge(g);
        double value = NoReading;
        if (reading.Valid) {
            inMillimetres = reading.InMillimetres;
            value = reading.Value;
        }
        if (Primed)
            Filters[channel - 1].Add(value);
        else
            Filters[channel - 1].Reset(value);
    };
    gauge(23, Gauge1Channel, Gauge1InMillimetres);
    gauge(26, Gauge2Channel, Gauge2InMillimetres);
    Primed = true;
}
