#pragma once
// The raw gauge readings of the last moments, their statistics and the zero taken from them.
//
// The experiment window adds one sample per new-readings message of the link manager: both gauges in mm
// (after the inch conversion), or no value for a gauge in error. A reading that is recorded, and a zero that
// is taken, are the statistics of the samples of the last second (StatisticsWindowMs) before "now": the mean,
// the number of samples and the sample standard deviation
//     mean = sum(x) / n,   s = sqrt(sum((x - mean)^2) / (n - 1))   (s = 0 for n = 1)
// A gauge is in error when its newest sample in the window is in error, or the window holds no good sample
// of it; it then has no statistics and keeps no zero. Times are milliseconds of a monotonic clock that the
// caller supplies, so tests set them.

#include <QtGlobal>
#include <array>
#include <deque>
#include <optional>

inline constexpr int GaugeCount = 2;
inline constexpr qint64 StatisticsWindowMs = 1000;
// A gauge reading beyond this magnitude (mm) is shown as dashes and counts as a gauge in error.
inline constexpr double GaugeLimitMm = 100.0;

using TGaugeValues = std::array<std::optional<double>, GaugeCount>; // mm; none = gauge in error

// A gauge's raw value as the link reports it, in mm: inches are multiplied by 25.4; a magnitude beyond
// 100 mm (the "no reading" code of a gauge in error among them) gives none.
[[nodiscard]] std::optional<double> GaugeMillimetres(double raw, bool inMillimetres);

struct TGaugeStatistics {
    bool Valid = false; // false: the gauge is in error (or has no samples); the numbers are 0
    double Mean = 0.0;  // mm, raw (not zeroed)
    int Count = 0;
    double StdDev = 0.0; // mm
};

// One gauge's zero. Unset: readings are shown raw.
struct TGaugeZero {
    bool Set = false;
    double Value = 0.0; // mm subtracted from every reading of the gauge
};
using TZero = std::array<TGaugeZero, GaugeCount>;

[[nodiscard]] inline double ApplyZero(double readingMm, const TGaugeZero& zero) {
    return zero.Set ? readingMm - zero.Value : readingMm;
}
[[nodiscard]] inline bool AnyZeroSet(const TZero& zero) {
    return zero[0].Set || zero[1].Set;
}

class TGaugeHistory {
public:
    // Samples older than this, and beyond MaxSamples, are dropped on each Add, so the buffer stays small
    // however fast the unit sends.
    static constexpr qint64 KeepMs = 2 * StatisticsWindowMs;
    static constexpr std::size_t MaxSamples = 1024;

    void Add(qint64 timeMs, const TGaugeValues& values);
    void Clear() { Samples.clear(); }
    [[nodiscard]] std::size_t Size() const { return Samples.size(); }

    // How many samples (good or in error) fall in (nowMs - StatisticsWindowMs, nowMs].
    [[nodiscard]] int SamplesWithin(qint64 nowMs) const;
    // The statistics of one gauge over (nowMs - StatisticsWindowMs, nowMs].
    [[nodiscard]] TGaugeStatistics Statistics(int gauge, qint64 nowMs) const;
    // The zero of both gauges from the last second: each gauge's mean, or unset for a gauge in error.
    [[nodiscard]] TZero ZeroNow(qint64 nowMs) const;

private:
    struct TSample {
        qint64 TimeMs;
        TGaugeValues Values;
    };
    std::deque<TSample> Samples;
};
