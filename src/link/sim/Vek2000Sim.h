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
#include <cstdint>
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
    ShortFrame,    // every other frame is cut short, then the line is quiet past the packet time-out
    StrayK,        // a stray "K" and two bytes before the next frame and every tenth frame after it
    Garbage        // random bytes, never a "K", before every frame
};

// The reply of one console command ("gauge 1 -2.5 mm", "fault short-frame", ...), as vek2000-sim prints it.
struct TSimReply {
    std::string Text; // empty: nothing to say
    bool Quit = false;
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

    // A new mode starts its own count: the first frame after it is the first one cut or led by a "K".
    void SetFault(TSimFault fault);
    [[nodiscard]] TSimFault Fault() const;
    // Gauge 1 or 2. A reading the gauge cannot show (see GaugeRangeError) is refused: false, nothing changes.
    bool SetGauge(int gauge, TSimGauge reading);
    [[nodiscard]] TSimGauge Gauge(int gauge) const;
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

    // Runs one console command of vek2000-sim (see ConsoleHelp).
    TSimReply RunCommand(const std::string& line);
    static const char* const ConsoleHelp;

    // What the simulated gauges show: two decimals in millimetres, four in inches, six digits in all, so
    // at most 9999.99 mm or 99.9999 in either way. Empty when `gauge` fits; otherwise why not.
    [[nodiscard]] static std::string GaugeRangeError(const TSimGauge& gauge);
    static constexpr double LargestMillimetres = 9999.99;
    static constexpr double LargestInches = 99.9999;

    // short-frame: how much of a cut frame is sent, and the quiet after it. The quiet outlasts the
    // program's packet time-out (6 ticks of 55 ms after the start byte), so the piece is dropped and not
    // joined to the next frame; a cut frame and its quiet together stay within the program's watchdog
    // (8 ticks of 110 ms without a frame), so the link is never given up over them.
    static constexpr int CutFrameBytes = 30;
    static constexpr int CutFrameQuietMs = 450;
    // stray-k: the frames from one stray "K" to the next.
    static constexpr int StrayKEvery = 10;

    // A whole frame, start byte included, in the serial encoding.
    [[nodiscard]] static QByteArray EncodeFrame(const std::array<TSimGauge, 2>& gauges, int sequence);
    [[nodiscard]] static std::array<std::uint16_t, 3> EncodeGauge(const TSimGauge& gauge);

private:
    void Run();
    void Handle(std::uint8_t byte);
    void Write(const QByteArray& bytes);
    // The bytes of the next frame as the fault mode has it; `cut` tells whether it was cut short.
    QByteArray NextFrameBytes(bool* cut = nullptr);
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
    TSimFault Mode = TSimFault::None;
    int ModeFrames = 0; // frames sent since the mode was chosen
    // Command parser: the command byte being collected and the argument bytes still expected.
    std::uint8_t Command = 0;
    int ArgsLeft = 0;
    bool AfterFour = false;
    int OutputCount = 4;
    unsigned Random = 12345;
};
