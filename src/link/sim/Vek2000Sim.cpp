#include "Vek2000Sim.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <sstream>
#include <termios.h>
#include <unistd.h>

namespace {

using Clock = std::chrono::steady_clock;

// Serial range level of code 0: every range bit 0, the sensitive range on channels 17 to 20.
constexpr int RangeLevelCode0 = 2050;

} // namespace

TVek2000Sim::TVek2000Sim() = default;

TVek2000Sim::~TVek2000Sim() {
    StopFlag = true;
    if (Thread.joinable()) Thread.join();
    CloseTerminal();
}

bool TVek2000Sim::Start(std::string* error) {
    int master = -1;
    int slave = -1;
    char name[256] = {};
    if (openpty(&master, &slave, name, nullptr, nullptr) != 0) {
        if (error) *error = std::string("openpty failed: ") + std::strerror(errno);
        return false;
    }
    // Raw from the start: no echo, no line editing, 8 bits, until the program sets its own modes.
    termios modes{};
    tcgetattr(slave, &modes);
    cfmakeraw(&modes);
    tcsetattr(slave, TCSANOW, &modes);
    fcntl(master, F_SETFL, fcntl(master, F_GETFL) | O_NONBLOCK);
    Master = master;
    SlaveKeeper = slave;
    Slave = name;
    Thread = std::thread([this] { Run(); });
    return true;
}

void TVek2000Sim::CloseTerminal() {
    std::lock_guard guard(Lock);
    if (Master >= 0) ::close(Master);
    if (SlaveKeeper >= 0) ::close(SlaveKeeper);
    Master = SlaveKeeper = -1;
}

void TVek2000Sim::Vanish() {
    StopFlag = true;
    if (Thread.joinable() && Thread.get_id() != std::this_thread::get_id()) Thread.join();
    CloseTerminal();
    IsStreaming = false;
}

void TVek2000Sim::SetFault(TSimFault fault) {
    std::lock_guard guard(Lock);
    Mode = fault;
    ModeFrames = 0;
}

TSimFault TVek2000Sim::Fault() const {
    std::lock_guard guard(Lock);
    return Mode;
}

bool TVek2000Sim::SetGauge(int gauge, TSimGauge reading) {
    if ((gauge != 1 && gauge != 2) || !GaugeRangeError(reading).empty()) return false;
    std::lock_guard guard(Lock);
    Gauges[gauge - 1] = reading;
    return true;
}

TSimGauge TVek2000Sim::Gauge(int gauge) const {
    std::lock_guard guard(Lock);
    return Gauges.at(gauge == 2 ? 1 : 0);
}

std::string TVek2000Sim::GaugeRangeError(const TSimGauge& gauge) {
    if (gauge.Error) return {};
    if (!std::isfinite(gauge.Value)) return "not a number";
    // The test is on the rounded reading, the digits the frame would carry: 9999.994 mm shows as 9999.99,
    // 9999.995 would need a seventh digit.
    const double scale = gauge.Inches ? 1e4 : 1e2;
    if (std::llround(std::fabs(gauge.Value) * scale) <= 999999) return {};
    char text[160];
    std::snprintf(text, sizeof text,
                  "out of range (at most %.2f mm or %.4f in either way: a frame carries six digits)",
                  LargestMillimetres, LargestInches);
    return text;
}

void TVek2000Sim::SetAutoStream(bool automatic) {
    AutoStream = automatic;
}

QByteArray TVek2000Sim::Received() const {
    std::lock_guard guard(Lock);
    return Log;
}

void TVek2000Sim::ClearReceived() {
    std::lock_guard guard(Lock);
    Log.clear();
}

bool TVek2000Sim::WaitForReceived(qsizetype count, int timeoutMs) const {
    std::unique_lock guard(Lock);
    return ReceivedChanged.wait_for(guard, std::chrono::milliseconds(timeoutMs),
                                    [&] { return Log.size() >= count; });
}

void TVek2000Sim::Write(const QByteArray& bytes) {
    // Caller holds Lock. A full terminal buffer (nobody reading) drops what does not fit, as a unit
    // streaming into a disconnected cable would.
    if (Master < 0) return;
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(Master, bytes.constData() + done, size_t(bytes.size() - done));
        if (n <= 0) return;
        done += n;
    }
}

void TVek2000Sim::EmitBytes(const QByteArray& bytes) {
    std::lock_guard guard(Lock);
    Write(bytes);
}

void TVek2000Sim::EmitFrame() {
    std::lock_guard guard(Lock);
    Write(NextFrameBytes());
}

void TVek2000Sim::EmitPartialFrame(int bytes) {
    std::lock_guard guard(Lock);
    Write(EncodeFrame(Gauges, Frames++).left(bytes));
}

std::array<std::uint16_t, 3> TVek2000Sim::EncodeGauge(const TSimGauge& gauge) {
    if (gauge.Error) return {0x0200, 0, 0};
    // Two decimals in millimetres, four in inches, as the gauges show them.
    const int places = gauge.Inches ? 4 : 2;
    long long n = std::llround(std::fabs(gauge.Value) * std::pow(10.0, places));
    n = std::clamp(n, 0LL, 999999LL); // SetGauge refuses what does not fit; this keeps the digits whole
    int d[6];
    for (int k = 5; k >= 0; --k, n /= 10)
        d[k] = int(n % 10);
    const bool negative = gauge.Value < 0 && (d[0] | d[1] | d[2] | d[3] | d[4] | d[5]);
    const auto a = std::uint16_t(d[0] << 12 | (negative ? 0x0800 : 0) | d[2] << 4 | d[1]);
    const auto b = std::uint16_t(d[4] << 12 | d[3] << 8 | places << 4 | d[5]);
    const auto c = std::uint16_t(gauge.Inches ? 0x0100 : 0);
    return {a, b, c};
}

QByteArray TVek2000Sim::EncodeFrame(const std::array<TSimGauge, 2>& gauges, int sequence) {
    std::array<std::uint16_t, 28> w{};
    for (int c = 1; c <= 21; ++c) {
        // Mid-scale (0 V) with a slow ramp on channel 1 so that a watcher sees the stream move.
        int raw = 2048;
        if (c == 1) raw = 2048 - (sequence % 50) * 8;
        w[28 - c] = std::uint16_t(raw);
    }
    w[6] = std::uint16_t(4095 - RangeLevelCode0);
    const auto g1 = EncodeGauge(gauges[0]);
    const auto g2 = EncodeGauge(gauges[1]);
    w[5] = g1[0], w[4] = g1[1], w[3] = g1[2];
    w[2] = g2[0], w[1] = g2[1], w[0] = g2[2];
    QByteArray frame(1, 'K');
    for (std::uint16_t word : w) {
        frame.append(char(word & 0xFF));
        frame.append(char(word >> 8));
    }
    return frame;
}

QByteArray TVek2000Sim::NextFrameBytes(bool* cut) {
    // Caller holds Lock.
    QByteArray frame = EncodeFrame(Gauges, Frames++);
    const int inMode = ModeFrames++;
    if (cut) *cut = false;
    switch (Mode) {
    case TSimFault::ShortFrame:
        // Every other frame, so that whole frames keep the link alive between the cut ones.
        if (inMode % 2 != 0) return frame;
        if (cut) *cut = true;
        return frame.left(CutFrameBytes);
    case TSimFault::StrayK:
        // The program reads a frame from the stray "K", which ends three bytes short of the real frame's
        // end. Those three bytes (channels 1 and 2, near mid-scale) hold no "K", so the next frame is
        // found from its own start byte: one frame misread, then the stream is read rightly again.
        if (inMode % StrayKEvery != 0) return frame;
        return QByteArray("K\x01\x02", 3) + frame;
    case TSimFault::Garbage: {
        // Noise the collector skips: a "K" in it would start a frame of its own (that is stray-k).
        QByteArray noise;
        while (noise.size() < 20) {
            Random = Random * 1103515245u + 12345u;
            const char byte = char(Random >> 16);
            if (byte != 'K') noise.append(byte);
        }
        return noise + frame;
    }
    default:
        return frame;
    }
}

void TVek2000Sim::Handle(std::uint8_t byte) {
    // Caller holds Lock.
    if (Mode == TSimFault::NeverAnswer) return;
    if (ArgsLeft > 0) {
        --ArgsLeft; // Run() collects the argument bytes
        return;
    }
    if (AfterFour) {
        AfterFour = false;
        Command = byte;
        switch (byte) {
        case 'g':
            if (Mode != TSimFault::ColonNoM) Write(QByteArray("m") + QByteArray("ROM5500 V1.0", 12));
            break;
        case 'a':
        case 'b':
            ArgsLeft = 1;
            break;
        case 'e':
            ArgsLeft = 2;
            break;
        case 'c':
            IsStreaming = true;
            break;
        case 'd':
            IsStreaming = false;
            break;
        default:
            break;
        }
        return;
    }
    switch (byte) {
    case '3':
        Write(QByteArray(":"));
        break;
    case '4':
        AfterFour = true;
        break;
    case '1':
        Command = '1';
        ArgsLeft = 2 * OutputCount;
        break;
    default:
        break;
    }
}

void TVek2000Sim::Run() {
    auto nextFrame = Clock::now();
    QByteArray args; // argument bytes of "4a", "4b", "4e"
    while (!StopFlag.load()) {
        pollfd p{Master, POLLIN, 0};
        const int ready = ::poll(&p, 1, 5);
        if (ready > 0 && (p.revents & POLLIN)) {
            char buffer[256];
            const ssize_t n = ::read(Master, buffer, sizeof buffer);
            if (n > 0) {
                std::lock_guard guard(Lock);
                for (ssize_t i = 0; i < n; ++i) {
                    const auto byte = std::uint8_t(buffer[i]);
                    Log.append(char(byte));
                    const bool wasArgument = ArgsLeft > 0;
                    Handle(byte);
                    if (wasArgument) {
                        args.append(char(byte));
                        if (ArgsLeft == 0) {
                            if (Command == 'e' && args.size() == 2)
                                Interval = std::uint8_t(args[0]) | std::uint8_t(args[1]) << 8;
                            else if (Command == 'a' && args.size() == 1)
                                OutputCount = std::uint8_t(args[0]);
                            args.clear();
                        }
                    }
                }
                ReceivedChanged.notify_all();
            }
        }
        const auto now = Clock::now();
        if (IsStreaming && AutoStream && now >= nextFrame) {
            std::lock_guard guard(Lock);
            bool cut = false;
            if (Mode != TSimFault::StopStreaming && Mode != TSimFault::NeverAnswer)
                Write(NextFrameBytes(&cut));
            const int pause = cut ? CutFrameQuietMs : 100 * std::max(1, Interval.load());
            nextFrame = now + std::chrono::milliseconds(pause);
        } else if (!IsStreaming) {
            nextFrame = now;
        }
    }
}

const char* const TVek2000Sim::ConsoleHelp = R"(commands:
  gauge <1|2> <value> [mm|in]   set a gauge reading, e.g. "gauge 1 -1.23 mm" (mm if no unit); the gauges
                                show 0.01 mm or 0.0001 in, at most 9999.99 mm or 99.9999 in
  gauge <1|2> error             the gauge shows no valid reading
  fault <mode>                  none, never-answer, colon-no-m, stop-streaming, short-frame,
                                stray-k, garbage (see docs/link.md)
  vanish                        close the terminal, as a unit switched off with its cable pulled
  status                        what the program has asked for
  help
  quit
)";

namespace {

bool ParseFault(const std::string& name, TSimFault& fault) {
    static const std::pair<const char*, TSimFault> Names[] = {{"none", TSimFault::None},
                                                              {"never-answer", TSimFault::NeverAnswer},
                                                              {"colon-no-m", TSimFault::ColonNoM},
                                                              {"stop-streaming", TSimFault::StopStreaming},
                                                              {"short-frame", TSimFault::ShortFrame},
                                                              {"stray-k", TSimFault::StrayK},
                                                              {"garbage", TSimFault::Garbage}};
    for (const auto& [text, value] : Names)
        if (name == text) {
            fault = value;
            return true;
        }
    return false;
}

// A decimal number and nothing else ("1.5x" and "nan" are not readings).
bool ParseNumber(const std::string& text, double& value) {
    if (text.empty()) return false;
    char* end = nullptr;
    value = std::strtod(text.c_str(), &end);
    return end == text.c_str() + text.size() && std::isfinite(value);
}

} // namespace

TSimReply TVek2000Sim::RunCommand(const std::string& line) {
    std::istringstream in(line);
    std::string command;
    in >> command;
    std::string rest;
    std::getline(in >> std::ws, rest);
    std::istringstream args(rest);
    if (command.empty()) return {};
    if (command == "quit" || command == "exit") return {{}, true};
    if (command == "help") return {ConsoleHelp};
    if (command == "gauge") {
        std::string number, value, unit, extra;
        args >> number >> value >> unit >> extra;
        if ((number != "1" && number != "2") || value.empty() || !extra.empty())
            return {"usage: gauge <1|2> <value> [mm|in], or gauge <1|2> error"};
        TSimGauge reading;
        if (value == "error") {
            if (!unit.empty()) return {"usage: gauge <1|2> error"};
            reading.Error = true;
        } else {
            if (!ParseNumber(value, reading.Value)) return {"not a number: " + value};
            if (unit == "in" || unit == "inch" || unit == "inches")
                reading.Inches = true;
            else if (!unit.empty() && unit != "mm")
                return {"unit mm or in, not " + unit};
        }
        if (const std::string why = GaugeRangeError(reading); !why.empty())
            return {"gauge " + number + ": " + value + (reading.Inches ? " in" : " mm") + " refused: " + why +
                    "; the gauge keeps its reading"};
        SetGauge(number == "1" ? 1 : 2, reading);
        return {};
    }
    if (command == "fault") {
        std::string name;
        args >> name;
        TSimFault fault;
        if (!ParseFault(name, fault)) return {"unknown fault mode: " + name + "; try help"};
        SetFault(fault);
        return {};
    }
    if (command == "vanish") {
        Vanish();
        return {"terminal closed"};
    }
    if (command == "status") {
        char text[160];
        std::snprintf(text, sizeof text, "streaming: %s, interval: %d00 ms, frames sent: %d",
                      Streaming() ? "yes" : "no", IntervalTenths(), FramesSent());
        return {text};
    }
    return {"unknown command; try help"};
}
