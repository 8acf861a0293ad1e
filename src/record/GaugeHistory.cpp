#include "GaugeHistory.h"

#include <cmath>

std::optional<double> GaugeMillimetres(double raw, bool inMillimetres) {
    const double mm = inMillimetres ? raw : raw * 25.4;
    if (!std::isfinite(mm) || std::abs(mm) > GaugeLimitMm) return std::nullopt;
    return mm;
}

void TGaugeHistory::Add(qint64 timeMs, const TGaugeValues& values) {
    Samples.push_back({timeMs, values});
    while (!Samples.empty() && (Samples.front().TimeMs <= timeMs - KeepMs || Samples.size() > MaxSamples))
        Samples.pop_front();
}

TGaugeStatistics TGaugeHistory::Statistics(int gauge, qint64 nowMs) const {
    TGaugeStatistics stats;
    if (gauge < 0 || gauge >= GaugeCount) return stats;
    const qint64 from = nowMs - StatisticsWindowMs;
    bool newestSeen = false;
    double sum = 0.0;
    int n = 0;
    // Newest first: the newest sample in the window decides whether the gauge is in error now.
    for (auto it = Samples.rbegin(); it != Samples.rend(); ++it) {
        if (it->TimeMs > nowMs) continue;
        if (it->TimeMs <= from) break;
        const std::optional<double>& v = it->Values[gauge];
        if (!newestSeen) {
            newestSeen = true;
            if (!v) return stats;
        }
        if (v) {
            sum += *v;
            ++n;
        }
    }
    if (n == 0) return stats;
    const double mean = sum / n;
    double squares = 0.0;
    for (auto it = Samples.rbegin(); it != Samples.rend(); ++it) {
        if (it->TimeMs > nowMs) continue;
        if (it->TimeMs <= from) break;
        if (const auto& v = it->Values[gauge]) squares += (*v - mean) * (*v - mean);
    }
    stats.Valid = true;
    stats.Mean = mean;
    stats.Count = n;
    stats.StdDev = n > 1 ? std::sqrt(squares / (n - 1)) : 0.0;
    return stats;
}

int TGaugeHistory::SamplesWithin(qint64 nowMs) const {
    int n = 0;
    for (auto it = Samples.rbegin(); it != Samples.rend() && it->TimeMs > nowMs - StatisticsWindowMs; ++it)
        if (it->TimeMs <= nowMs) ++n;
    return n;
}

TZero TGaugeHistory::ZeroNow(qint64 nowMs) const {
    TZero zero;
    for (int g = 0; g < GaugeCount; ++g) {
        const TGaugeStatistics stats = Statistics(g, nowMs);
        zero[g] = {stats.Valid, stats.Valid ? stats.Mean : 0.0};
    }
    return zero;
}
