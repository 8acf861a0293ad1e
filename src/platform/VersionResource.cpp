#include "VersionResource.h"

#include <QFile>
#include <algorithm>
#include <functional>

namespace {

std::uint32_t Word(const unsigned char* p) {
    return std::uint32_t(p[0]) | (std::uint32_t(p[1]) << 8) | (std::uint32_t(p[2]) << 16) |
           (std::uint32_t(p[3]) << 24);
}

} // namespace

TFileVersion ReadFileVersion(const QString& fileName) {
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly) || file.size() < qint64(VersionRecord::Size)) return {};
    // Executables with debug information run to tens of megabytes: map rather than copy when we can.
    QByteArray copy;
    const unsigned char* begin = file.map(0, file.size());
    qint64 size = file.size();
    if (!begin) {
        copy = file.readAll();
        begin = reinterpret_cast<const unsigned char*>(copy.constData());
        size = copy.size();
    }
    const unsigned char* end = begin + size;

    unsigned char marker[VersionRecord::MarkerSize];
    for (std::size_t i = 0; i < VersionRecord::MarkerSize; ++i)
        marker[i] = static_cast<unsigned char>(~VersionRecord::InvertedMarker[i]);
    const std::boyer_moore_horspool_searcher searcher(std::begin(marker), std::end(marker));

    for (const unsigned char* at = begin;;) {
        at = std::search(at, end, searcher);
        if (at == end) return {};
        if (end - at >= std::ptrdiff_t(VersionRecord::Size)) {
            const unsigned char* words = at + VersionRecord::MarkerSize;
            const std::uint32_t ms = Word(words + 4), ls = Word(words + 8);
            if (Word(words) == VersionRecord::Signature && Word(words + 12) == VersionRecord::Check(ms, ls))
                return {std::uint16_t(ms >> 16), std::uint16_t(ms & 0xFFFF), std::uint16_t(ls >> 16),
                        std::uint16_t(ls & 0xFFFF)};
        }
        ++at;
    }
}

QString VersionText(const TFileVersion& version) {
    return QStringLiteral("%1.%2.%3").arg(version.Major).arg(version.Minor).arg(version.Release);
}
