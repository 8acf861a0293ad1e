#pragma once
// JPEG pictures read with libjpeg (the IJG 6.2 interface). A file that cannot be opened gives
// "Cannot open file "<name>". <system text>"; data the decoder refuses gives "JPEG error #<n>" with the
// decoder's own message number. Truncated or corrupt data counts as refused: a picture with a grey bottom
// is not shown as if it were whole.

#include <QByteArray>
#include <QImage>
#include <QString>

// The largest width and height a picture may claim. The viewer shows a picture at its natural size, never
// scaled, so no module picture can sensibly be wider or taller than a large screen (ours are 751 x 540). The
// header is checked before anything of the picture's size is allocated: a header claiming 65500 x 65500
// pixels would otherwise cost some 13 GB. Refused with libjpeg's JERR_IMAGE_TOO_BIG.
inline constexpr int LargestPictureSide = 4096;

struct TJpegResult {
    QImage Image;        // null on failure
    QString Error;       // the user-facing text on failure
    int DecoderCode = 0; // the decoder's message number on a decoding failure, else 0
    [[nodiscard]] bool Ok() const { return Error.isEmpty(); }
};

[[nodiscard]] TJpegResult DecodeJpeg(const QByteArray& data);
[[nodiscard]] TJpegResult LoadJpegFile(const QString& fileName);
