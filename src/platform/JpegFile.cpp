#include "JpegFile.h"

#include "RegularFile.h"

#include <QDir>
#include <csetjmp>
#include <cstdio>

// jpeglib.h needs size_t and FILE declared first.
extern "C" {
#include <jerror.h>
#include <jpeglib.h>
}

namespace {

// libjpeg's own error handler ends the process. Ours jumps back to Decode(), which releases the decompressor
// and reports the message number. Only libjpeg's C frames lie between the jump and its target, so no C++
// object is skipped.
struct TErrorManager {
    jpeg_error_mgr Public;
    std::jmp_buf Return;
    int Code;
};

void ErrorExit(j_common_ptr info) {
    auto* manager = reinterpret_cast<TErrorManager*>(info->err);
    manager->Code = info->err->msg_code;
    std::longjmp(manager->Return, 1);
}

// Warnings after which libjpeg carries on with made-up data: the end of the file or of a scan reached early
// (padded with grey), or entropy-coded data it could not follow. To us each of them is a broken file. The
// warnings left alone concern metadata only (an unknown JFIF revision or Adobe transform code, a damaged ICC
// profile, which we do not use), so the pixels are still the file's own.
bool DataIsCorrupt(int code) {
    switch (code) {
    case JWRN_JPEG_EOF:
    case JWRN_HIT_MARKER:
    case JWRN_HUFF_BAD_CODE:
    case JWRN_MUST_RESYNC:
    case JWRN_EXTRANEOUS_DATA:
    case JWRN_BOGUS_PROGRESSION:
    case JWRN_NOT_SEQUENTIAL:
        return true;
    default:
        return false;
    }
}

void EmitMessage(j_common_ptr info, int level) {
    if (level >= 0) return; // trace messages
    if (DataIsCorrupt(info->err->msg_code)) ErrorExit(info);
    ++info->err->num_warnings;
}

void OutputMessage(j_common_ptr) {} // never print to the console

// A source manager over bytes in memory: the IJG 6.2 interface has no memory source of its own.
struct TMemorySource {
    jpeg_source_mgr Public;
    const JOCTET* Data;
    size_t Size;
    bool Started;
};

const JOCTET FakeEndOfImage[2] = {0xFF, JPEG_EOI};

void InitSource(j_decompress_ptr) {}

boolean FillInputBuffer(j_decompress_ptr info) {
    auto* source = reinterpret_cast<TMemorySource*>(info->src);
    if (!source->Started && source->Size == 0) ERREXIT(info, JERR_INPUT_EMPTY);
    if (!source->Started) {
        source->Public.next_input_byte = source->Data;
        source->Public.bytes_in_buffer = source->Size;
        source->Started = true;
        return TRUE;
    }
    WARNMS(info, JWRN_JPEG_EOF);
    source->Public.next_input_byte = FakeEndOfImage;
    source->Public.bytes_in_buffer = 2;
    return TRUE;
}

void SkipInputData(j_decompress_ptr info, long count) {
    if (count <= 0) return;
    auto* source = &info->src[0];
    while (count > static_cast<long>(source->bytes_in_buffer)) {
        count -= static_cast<long>(source->bytes_in_buffer);
        source->fill_input_buffer(info);
    }
    source->next_input_byte += count;
    source->bytes_in_buffer -= static_cast<size_t>(count);
}

void TermSource(j_decompress_ptr) {}

// Decodes into *image; returns 0 or the decoder's message number. Every local here is trivially
// destructible, as the jump back requires.
int Decode(const JOCTET* data, size_t size, QImage* image) {
    jpeg_decompress_struct info;
    TErrorManager errors;
    TMemorySource source;

    info.err = jpeg_std_error(&errors.Public);
    errors.Public.error_exit = ErrorExit;
    errors.Public.emit_message = EmitMessage;
    errors.Public.output_message = OutputMessage;
    errors.Code = 0;
    if (setjmp(errors.Return)) {
        jpeg_destroy_decompress(&info);
        *image = QImage();
        return errors.Code;
    }
    jpeg_create_decompress(&info);

    source.Public.init_source = InitSource;
    source.Public.fill_input_buffer = FillInputBuffer;
    source.Public.skip_input_data = SkipInputData;
    source.Public.resync_to_restart = jpeg_resync_to_restart;
    source.Public.term_source = TermSource;
    source.Public.bytes_in_buffer = 0;
    source.Public.next_input_byte = nullptr;
    source.Data = data;
    source.Size = size;
    source.Started = false;
    info.src = &source.Public;

    jpeg_read_header(&info, TRUE);
    // Believe the header's size only within the bound, before anything of that size is allocated.
    if (info.image_width > JDIMENSION(LargestPictureSide) ||
        info.image_height > JDIMENSION(LargestPictureSide)) {
        errors.Code = JERR_IMAGE_TOO_BIG;
        jpeg_destroy_decompress(&info);
        return errors.Code;
    }
    const bool cmyk = info.jpeg_color_space == JCS_CMYK || info.jpeg_color_space == JCS_YCCK;
    info.out_color_space = cmyk ? JCS_CMYK : info.jpeg_color_space == JCS_GRAYSCALE ? JCS_GRAYSCALE : JCS_RGB;
    jpeg_start_decompress(&info);

    *image = QImage(static_cast<int>(info.output_width), static_cast<int>(info.output_height),
                    cmyk                                    ? QImage::Format_RGB32
                    : info.out_color_space == JCS_GRAYSCALE ? QImage::Format_Grayscale8
                                                            : QImage::Format_RGB888);
    if (image->isNull()) {
        // Not even a size within the bound could be had: refused like a picture too large to hold.
        errors.Code = JERR_OUT_OF_MEMORY;
        jpeg_destroy_decompress(&info);
        return errors.Code;
    }
    while (info.output_scanline < info.output_height) {
        JSAMPROW row = image->scanLine(static_cast<int>(info.output_scanline));
        jpeg_read_scanlines(&info, &row, 1);
        if (cmyk) {
            // Expand in place, from the right: C, M, Y, K bytes (stored inverted, as writers do) to RGB32.
            auto* pixels = reinterpret_cast<QRgb*>(row);
            for (int x = static_cast<int>(info.output_width) - 1; x >= 0; --x) {
                const int c = row[4 * x], m = row[4 * x + 1], y = row[4 * x + 2], k = row[4 * x + 3];
                pixels[x] = qRgb(c * k / 255, m * k / 255, y * k / 255);
            }
        }
    }
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    return 0;
}

TJpegResult Refused(int code) {
    TJpegResult result;
    result.DecoderCode = code;
    result.Error = QStringLiteral("JPEG error #%1").arg(code);
    return result;
}

} // namespace

TJpegResult DecodeJpeg(const QByteArray& data) {
    QImage image;
    const int code =
        Decode(reinterpret_cast<const JOCTET*>(data.constData()), static_cast<size_t>(data.size()), &image);
    if (code != 0) return Refused(code);
    TJpegResult result;
    result.Image = image;
    return result;
}

TJpegResult LoadJpegFile(const QString& fileName) {
    const TRegularFile file = ReadRegularFile(fileName, LargestPictureFileSize);
    switch (file.Status) {
    case TRegularFileStatus::Ok:
        return DecodeJpeg(file.Bytes);
    case TRegularFileStatus::CannotOpen: {
        TJpegResult result;
        result.Error = QStringLiteral("Cannot open file \"%1\". %2")
                           .arg(QDir::toNativeSeparators(fileName), file.SystemText);
        return result;
    }
    case TRegularFileStatus::NotRegular:
        return Refused(JERR_FILE_READ);
    case TRegularFileStatus::TooLarge:
        return Refused(JERR_IMAGE_TOO_BIG);
    }
    return Refused(JERR_FILE_READ);
}
