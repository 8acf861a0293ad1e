#pragma once
// The executable's fixed file version. The build puts a 32-byte record into the executable (see
// VersionRecord.cpp.in): a 16-byte marker, the signature 0xFEEF04BD, the two 32-bit file-version words and a
// check word, all little-endian. The reader finds the first valid record in the file named, so the version
// comes from the file itself, as a version resource would.

#include <QString>
#include <array>
#include <cstdint>

struct TFileVersion {
    std::uint16_t Major = 0;
    std::uint16_t Minor = 0;
    std::uint16_t Release = 0;
    std::uint16_t Build = 0;
    friend bool operator==(const TFileVersion&, const TFileVersion&) = default;
};

namespace VersionRecord {

inline constexpr std::size_t Size = 32;
inline constexpr std::size_t MarkerSize = 16;
inline constexpr std::uint32_t Signature = 0xFEEF04BDu;

// The marker is kept here with every byte inverted, so that the reader's own copy of it never looks like a
// record when the reader searches the file it is part of.
inline constexpr std::array<unsigned char, MarkerSize> InvertedMarker = {
    0xb9, 0xba, 0xad, 0xad, 0xbe, 0xb1, 0xab, 0xd1, 0xb9, 0xb6, 0xb3, 0xba, 0xa9, 0xba, 0xad, 0xff};

// The check word ties the marker to the numbers: a stray marker without it is not a record.
[[nodiscard]] constexpr std::uint32_t Check(std::uint32_t ms, std::uint32_t ls) {
    return ~(Signature ^ ms ^ ((ls << 7) | (ls >> 25)));
}

// The record's bytes for a version, as the build embeds them.
[[nodiscard]] constexpr std::array<unsigned char, Size> Make(unsigned major, unsigned minor, unsigned release,
                                                             unsigned build) {
    std::array<unsigned char, Size> bytes{};
    for (std::size_t i = 0; i < MarkerSize; ++i)
        bytes[i] = static_cast<unsigned char>(~InvertedMarker[i]);
    const std::uint32_t ms = (std::uint32_t(major & 0xFFFF) << 16) | (minor & 0xFFFF);
    const std::uint32_t ls = (std::uint32_t(release & 0xFFFF) << 16) | (build & 0xFFFF);
    const std::uint32_t words[4] = {Signature, ms, ls, Check(ms, ls)};
    for (std::size_t w = 0; w < 4; ++w)
        for (std::size_t b = 0; b < 4; ++b)
            bytes[MarkerSize + 4 * w + b] = static_cast<unsigned char>(words[w] >> (8 * b));
    return bytes;
}

} // namespace VersionRecord

// The fixed file version of the file named; all parts 0 when the file cannot be read or holds no record.
[[nodiscard]] TFileVersion ReadFileVersion(const QString& fileName);

// "major.minor.release" in decimal, as the launcher's caption shows it.
[[nodiscard]] QString VersionText(const TFileVersion& version);
