#pragma once
// The 56-byte frame the unit sends over either link: 28 little-endian 16-bit words W0..W27.
//   W27..W7  analog channels 1..21 (channel c is W(28 - c))
//   W6       range code of channels 17..20, as a level
//   W5..W3   dial gauge 1 (words A, B, C);  W2..W0  dial gauge 2
// Serial and USB differ only in how the analog words and the range level are encoded.

#include <array>
#include <cstdint>
#include <optional>

inline constexpr int FrameWords = 28;
inline constexpr int FramePayloadBytes = 2 * FrameWords;

enum class TFrameEncoding {
    Serial, // analog: low 12 bits r, volts = (4095 - r) / 4096 x 12 - 6; range level = 4095 - low 12 bits
    USB     // analog: signed word w, volts = w / 32767 x 20 / 3; range level = the signed word
};

// The range code 0..15 of a range level, or nothing when the level lies outside every window.
[[nodiscard]] std::optional<int> RangeCodeFromLevel(int level, TFrameEncoding encoding);

// A dial gauge's three words.
//   A: 15-12 digit 1 (most significant), 11 sign (1 = negative), 10-8 error (any bit: no reading),
//      7-4 digit 3, 3-0 digit 2
//   B: 15-12 digit 5, 11-8 digit 4, 6-4 decimal places p (0..7), 3-0 digit 6
//   C: 8 unit (1 = inches, 0 = millimetres)
// Reading = sum of digit k x 10^(6 - k - p), k = 1..6, negated when the sign bit is set. Digits above 9
// are taken as they come.
struct TGaugeWords {
    std::uint16_t A = 0, B = 0, C = 0;
};

struct TGaugeReading {
    bool Valid = false; // the error bits were all clear
    double Value = 0;   // in the gauge's own unit
    bool InMillimetres = true;
};

[[nodiscard]] TGaugeReading DecodeGauge(TGaugeWords words);
