#pragma once
// TCeInterface: the serial driver of the data unit. Opens the port, makes sure a "VEK ADA" unit answers
// the handshake, sends the acquisition set-up and the stream on/off commands, and keeps the latest frame.
//
// Commands (each byte written singly, 16-bit values low byte first):
//   "3"                attention; the unit answers ":"
//   "4" "g"            identify; the unit answers "m" and up to 12 bytes
//   "4" "a" n          output words        "4" "b" n   input words per frame
//   "4" "c" / "4" "d"  stream on / off     "4" "e" lo hi  sample interval in tenths of a second
//   "1" w1..wn         output values

#include "FramePayload.h"

#include <QByteArray>
#include <QString>
#include <array>
#include <cstdint>

class TSerialPortLayer;

// The one device kind this program talks to.
struct TDeviceKind {
    const char* Name;
    int LowestVersion;
    int HighestVersion;
};
inline constexpr TDeviceKind VekAda{"VEK ADA", 5500, 5599};

// Results of OpenAndIdentify.
enum class TIdentifyResult : std::uint8_t { Accepted = 0, PortFailed = 1, NoUnit = 2 };

class TCeInterface {
public:
    static constexpr int RxBufferSize = 121;
    static constexpr int AttentionTicks = 5;
    static constexpr int IdentifyTicks = 10;
    static constexpr int Attempts = 3;

    explicit TCeInterface(TSerialPortLayer& port);

    [[nodiscard]] TIdentifyResult OpenAndIdentify();
    // The ROM version of the unit: 5500 for any unit that answers "m", 0 for one that does not.
    int Identify();
    void SetOutputCount(int n);
    void SetInputCount(int n);
    void Start();
    void Stop();
    void SetInterval(int tenths);
    void WriteOutputs(const std::array<std::uint16_t, 4>& values);
    void Restart();
    // Leaves the unit quiet: stream off and every output at zero.
    void Park();
    void ResetReceive();

    // Word Wk (0..27) of the latest frame.
    [[nodiscard]] std::uint16_t FrameWord(int k) const;
    // Stores a frame's payload (without the start byte) in the other receive buffer, which becomes the
    // latest; at most RxBufferSize bytes are taken.
    void StoreFrame(const char* payload, qsizetype size);

    [[nodiscard]] TSerialPortLayer& Port() const { return SerialPort; }
    [[nodiscard]] int OutputCount() const { return Outputs; }
    [[nodiscard]] int CurrentBuffer() const { return Current; }
    [[nodiscard]] int AttemptCounter() const { return AttemptCount; }
    TDeviceKind Device = VekAda;

private:
    void Send(std::uint8_t byte);
    TSerialPortLayer& SerialPort;
    std::array<std::array<std::uint8_t, RxBufferSize>, 2> RxBuffers{};
    int Current = 0;
    int AttemptCount = 0;
    int Outputs = 4;
};
