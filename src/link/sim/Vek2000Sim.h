#pragma once
// A simulated VEK2000 data unit on a pseudo-terminal. The program opens the terminal's slave side as its
// COM port; the unit reads commands and writes frames on the master side, on a thread of its own. It
// answers the handshake, obeys "4a".."4e" and "1", and streams 57-byte frames at the commanded interval
// with two dial-gauge readings that can be changed while it runs. Fault modes reproduce what goes wrong
// with real units and cables.

#include <QByteArray>
#include <array>
#include <atomic>
#include <condition_variable>
#include <mutex>
#include <string>
#include <thread>

struct TSimGauge {
    double Value = 0;
    bool Inches = false;
    bool Error = false;
};

enum class TSimFault {
    None,
    NeverAnswer,   // switched off: reads everything, answers nothing
    ColonNoM,      // answers "3" with ":" but never answers "4" "g"
    StopStreaming, // accepts "4" "c" and sends nothing
    ShortFrame,    // every frame is cut short
    StrayK,        // a stray "K" and two bytes before every frame
    Garbage        // random bytes between frames
};

class TVek2000Sim {
public:
    TVek2000Sim();
    ~TVek2000Sim();
    TVek2000Sim(const TVek2000Sim&) = delete;
    TVek2000Sim& operator=(const TVek2000Sim&) = delete;

    // Opens the pseudo-terminal and starts the unit; false with a reason when that fails.
    bool Start(std::string* error = nullptr);
    [[nodiscard]] std::string SlavePath() const { return Slave; }

    void SetFault(TSimFault fault);
    void SetGauge(int gauge, TSimGauge reading); // gauge 1 or 2
    // Off: frames are sent only by EmitFrame, so a test decides when each arrives.
    void SetAutoStream(bool automatic);
    void EmitFrame();
    void EmitPartialFrame(int bytes);
    void EmitBytes(const QByteArray& bytes);
    // The unit disappears: both sides of the terminal are closed.
    void Vanish();

    [[nodiscard]] QByteArray Received() const;
    void ClearReceived();
    // Waits until at least `count` bytes have been received; false after `timeoutMs`.
    bool WaitForReceived(qsizetype count, int timeoutMs) const;
    [[nodiscard]] bool Streaming() const { return IsStreaming.load(); }
    [[nodiscard]] int IntervalTenths() const { return Interval.load(); }
    [[nodiscard]] int FramesSent() const { return Frames.load(); }

    // A whole frame, start byte included, in the serial encoding.
    [[nodiscard]] static QByteArray EncodeFrame(const std::array<TSimGauge, 2>& gauges, int sequence);
    [[nodiscard]] static std::array<std::uint16_t, 3> EncodeGauge(const TSimGauge& gauge);

private:
    void Run();
    void Handle(std::uint8_t byte);
    void Write(const QByteArray& bytes);
    QByteArray NextFrameBytes();
    void CloseTerminal();

    int Master = -1;
    int SlaveKeeper = -1; // keeps the terminal alive while the program has it closed
    std::string Slave;
    std::thread Thread;
    std::atomic<bool> StopFlag{false};
    std::atomic<bool> IsStreaming{false};
    std::atomic<bool> AutoStream{true};
    std::atomic<int> Interval{2};
    std::atomic<int> Frames{0};

    mutable std::mutex Lock; // guards everything below and the writes to Master
    mutable std::condition_variable ReceivedChanged;
    QByteArray Log;
    std::array<TSimGauge, 2> Gauges{};
    TSimFault Fault = TSimFault::None;
    // Command parser: the command byte being collected and the argument bytes still expected.
    std::uint8_t Command = 0;
    int ArgsLeft = 0;
    bool AfterFour = false;
    int OutputCount = 4;
    unsigned Random = 12345;
};
