#pragma once
// JPEG pictures read with libjpeg (the IJG 6.2 interface). A file that cannot be opened gives
// "Cannot open file "<name>". <system text>"; data the decoder refuses gives "JPEG error #<n>" with the
// decoder's own message number. Truncated or corrupt data counts as refused: a picture with a grey bottom
// is not shown as if it were whole. A file that is no picture file at all is refused before it is read,
// with a decoder number too: something other than a regular file (a folder, a pipe, a device) with
// JERR_FILE_READ, a file larger than LargestPictureFileSize with JERR_IMAGE_TOO_BIG.

#include <QByteArray>
#include <QImage>
#include <QString>

// The largest width and height a picture may claim. The viewer shows a picture at its natural size, never
// scaled, so no module picture can sensibly be wider or taller than a large screen (ours are 751 x 540). The
// header is checked before anything of the picture's size is allocated: a header claiming 65500 x 65500
// pixels would otherwise cost some 13 GB. Refused with libjpeg's JERR_IMAGE_TOO_BIG.
inline constexpr int LargestPictureSide = 4096;

// The largest picture file read: the largest picture's pixels uncompressed at four bytes each (CMYK, the
// widest colour the decoder takes), 64 MiB, and 1 MiB more for the header's segments (comments, colour
// profile, thumbnail). JPEG data is never larger than its pixels: even noise at the highest quality
// compresses to a little under them. Our module pictures are under 100 KB. The bound is checked before a
// byte is read, so a 1 GB file costs no more than a missing one.
inline constexpr qint64 LargestPictureFileSize =
    qint64(4) * LargestPictureSide * LargestPictureSide + (qint64(1) << 20);

struct TJpegResult {
    QImage Image;        // null on failure
    QString Error;       // the user-facing text on failure
    int DecoderCode = 0; // the decoder's message number on a decoding failure, else 0
    [[nodiscard]] bool Ok() const { return Error.isEmpty(); }
};

[[nodiscard]] TJpegResult DecodeJpeg(const QByteArray& data);
[[nodiscard]] TJpegResult LoadJpegFile(const QString& fileName);
