#include "FramePayload.h"

namespace {

struct TWindow {
    int Low, High;
};

// Level windows of the range codes 0..15, as the unit's firmware draws them.
constexpr std::array<TWindow, 16> SerialWindows{{{2010, 2085},
                                                 {2118, 2192},
                                                 {2225, 2299},
                                                 {2332, 2406},
                                                 {2439, 2513},
                                                 {2546, 2620},
                                                 {2654, 2728},
                                                 {2761, 2835},
                                                 {2868, 2942},
                                                 {2975, 3049},
                                                 {3082, 3156},
                                                 {3189, 3264},
                                                 {3297, 3371},
                                                 {3404, 3478},
                                                 {3511, 3585},
                                                 {3618, 3692}}};
constexpr std::array<TWindow, 16> USBWindows{{{-32760, 791},
                                              {792, 2309},
                                              {2310, 3827},
                                              {3828, 5345},
                                              {5346, 6863},
                                              {6864, 8381},
                                              {8382, 9899},
                                              {9900, 11417},
                                              {11418, 12935},
                                              {12936, 14453},
                                              {14454, 15971},
                                              {15972, 17489},
                                              {17490, 19007},
                                              {19008, 20525},
                                              {20526, 22043},
                                              {22044, 32767}}};

// Powers of ten for exponents -7..5, the range the six digits and the decimal places can reach.
constexpr std::array<double, 13> PowersOfTen{1e-7, 1e-6, 1e-5, 1e-4, 1e-3, 1e-2, 1e-1,
                                             1e0,  1e1,  1e2,  1e3,  1e4,  1e5};

} // namespace

std::optional<int> RangeCodeFromLevel(int level, TFrameEncoding encoding) {
    const auto& windows = encoding == TFrameEncoding::Serial ? SerialWindows : USBWindows;
    for (int code = 0; code < 16; ++code)
        if (level >= windows[code].Low && level <= windows[code].High) return code;
    return std::nullopt;
}

TGaugeReading DecodeGauge(TGaugeWords w) {
    TGaugeReading reading;
    if (w.A & 0x0700) return reading;
    reading.Valid = true;
    reading.InMillimetres = (w.C & 0x0100) == 0;
    const int digits[6] = {(w.A >> 12) & 0xF, w.A & 0xF,         (w.A >> 4) & 0xF,
                           (w.B >> 8) & 0xF,  (w.B >> 12) & 0xF, w.B & 0xF};
    const int places = (w.B >> 4) & 0x7;
    double value = 0;
    for (int k = 0; k < 6; ++k)
        value += digits[k] * PowersOfTen[(5 - k - places) + 7];
    reading.Value = (w.A & 0x0800) ? -value : value;
    return reading;
}
