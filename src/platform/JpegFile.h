#pragma once
// JPEG pictures read with libjpeg (the IJG 6.2 interface). A file that cannot be opened gives
// "Cannot open file "<name>". <system text>"; data the decoder refuses gives "JPEG error #<n>" with the
// decoder's own message number. Truncated data counts as refused: a picture with a grey bottom is not
// shown as if it were whole.

#include <QByteArray>
#include <QImage>
#include <QString>

struct TJpegResult {
    QImage Image;        // null on failure
    QString Error;       // the user-facing text on failure
    int DecoderCode = 0; // the decoder's message number on a decoding failure, else 0
    [[nodiscard]] bool Ok() const { return Error.isEmpty(); }
};

[[nodiscard]] TJpegResult DecodeJpeg(const QByteArray& data);
[[nodiscard]] TJpegResult LoadJpegFile(const QString& fileName);
