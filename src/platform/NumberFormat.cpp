#include "NumberFormat.h"

#include <cmath>
#include <cstdio>
#include <string>

namespace {

// A decimal value as sign, digit string and the position of the decimal point: the value is
// 0.Digits x 10^PointPos, e.g. 20.05 is Digits "2005", PointPos 2.
struct TDecimal {
    bool Negative = false;
    std::string Digits;
    int PointPos = 0;
};

constexpr int SignificantDigits = 15;

TDecimal ToDecimal(double value) {
    TDecimal d;
    d.Negative = std::signbit(value);
    value = std::fabs(value);
    if (value == 0.0) return d;
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.*e", SignificantDigits - 1, value);
    std::string text(buffer);
    const auto ePos = text.find('e');
    const int exponent = std::stoi(text.substr(ePos + 1));
    for (std::size_t i = 0; i < ePos; ++i)
        if (text[i] >= '0' && text[i] <= '9') d.Digits.push_back(text[i]);
    d.PointPos = exponent + 1;
    while (!d.Digits.empty() && d.Digits.back() == '0')
        d.Digits.pop_back();
    return d;
}

// Keep `keep` leading digits, rounding the rest half away from zero.
void RoundToDigits(TDecimal& d, int keep) {
    if (keep < 0) {
        d.Digits.clear();
        return;
    }
    if (static_cast<int>(d.Digits.size()) <= keep) return;
    const bool up = d.Digits[keep] >= '5';
    d.Digits.resize(keep);
    if (up) {
        int i = keep - 1;
        for (; i >= 0; --i) {
            if (d.Digits[i] == '9') {
                d.Digits[i] = '0';
            } else {
                ++d.Digits[i];
                break;
            }
        }
        if (i < 0) {
            d.Digits.insert(d.Digits.begin(), '1');
            ++d.PointPos;
        }
    }
    while (!d.Digits.empty() && d.Digits.back() == '0')
        d.Digits.pop_back();
}

char DigitAt(const TDecimal& d, int index) {
    return index >= 0 && index < static_cast<int>(d.Digits.size()) ? d.Digits[index] : '0';
}

} // namespace

QString FormatFixed(double value, int decimals, const QLocale& locale) {
    if (!std::isfinite(value)) return locale.toString(value);
    TDecimal d = ToDecimal(value);
    if (!d.Digits.empty()) {
        // Fewer kept digits wins: d decimals, or 4 significant digits.
        RoundToDigits(d, std::min(d.PointPos + decimals, 4));
    }
    QString out;
    if (d.Negative && !d.Digits.empty()) out += locale.negativeSign();
    if (d.Digits.empty() || d.PointPos <= 0) {
        out += QChar('0');
    } else {
        for (int i = 0; i < d.PointPos; ++i)
            out += QChar(DigitAt(d, i));
    }
    if (decimals > 0) {
        out += locale.decimalPoint();
        for (int i = 0; i < decimals; ++i)
            out += d.Digits.empty() ? QChar('0') : QChar(DigitAt(d, d.PointPos + i));
    }
    return out;
}

QString FormatGeneral(double value, const QLocale& locale) {
    if (!std::isfinite(value)) return locale.toString(value);
    TDecimal d = ToDecimal(value);
    RoundToDigits(d, 4);
    if (d.Digits.empty()) return QStringLiteral("0");
    QString out;
    if (d.Negative) out += locale.negativeSign();
    const int n = static_cast<int>(d.Digits.size());
    if (d.PointPos > 4 || d.PointPos < -3) {
        // Scientific for the magnitudes that would need padding zeros: 1.235E5, 1E-5.
        out += QChar(d.Digits[0]);
        if (n > 1) {
            out += locale.decimalPoint();
            out += QString::fromStdString(d.Digits.substr(1));
        }
        out += QStringLiteral("E") + QString::number(d.PointPos - 1);
        return out;
    }
    if (d.PointPos <= 0) {
        out += QChar('0');
        out += locale.decimalPoint();
        for (int i = d.PointPos; i < 0; ++i)
            out += QChar('0');
        out += QString::fromStdString(d.Digits);
        return out;
    }
    for (int i = 0; i < d.PointPos; ++i)
        out += QChar(DigitAt(d, i));
    if (n > d.PointPos) {
        out += locale.decimalPoint();
        out += QString::fromStdString(d.Digits.substr(d.PointPos));
    }
    return out;
}

long long RoundHalfEven(double value) {
    const double floor = std::floor(value);
    const double diff = value - floor;
    long long result = static_cast<long long>(floor);
    if (diff > 0.5 || (diff == 0.5 && (result % 2 != 0))) ++result;
    return result;
}
