#include "platform/pictures/jpeg_decoder.h"

#include "platform/pictures/jpeg_error_trap.h"
#include "platform/pictures/jpeg_memory_source.h"
#include "platform/pictures/picture_limits.h"

namespace platform {
namespace {

// Everything that must survive a jump back from libjpeg lives outside the armed frame.
struct Decoding {
    jpeg_decompress_struct info;
    JpegErrorTrap trap;
    QImage image;
};

bool chooseOutputColours(jpeg_decompress_struct& info) {
    switch (info.jpeg_color_space) {
    case JCS_GRAYSCALE:
        info.out_color_space = JCS_GRAYSCALE;
        return true;
    case JCS_YCbCr:
    case JCS_RGB:
        info.out_color_space = JCS_RGB;
        return true;
    default: // CMYK and YCCK pictures are not part of the course
        return false;
    }
}

bool hasAcceptableSize(const jpeg_decompress_struct& info) {
    return isAcceptablePictureSize(info.image_width, info.image_height);
}

// libjpeg writes grey as one byte and colour as R, G, B bytes: exactly these formats.
QImage allocateImage(const jpeg_decompress_struct& info) {
    const QImage::Format format =
        info.out_color_space == JCS_GRAYSCALE ? QImage::Format_Grayscale8 : QImage::Format_RGB888;
    return QImage(static_cast<int>(info.output_width), static_cast<int>(info.output_height),
                  format);
}

void readRows(jpeg_decompress_struct& info, QImage& image) {
    while (info.output_scanline < info.output_height) {
        JSAMPROW row = image.scanLine(static_cast<int>(info.output_scanline));
        jpeg_read_scanlines(&info, &row, 1);
    }
}

// Runs libjpeg over the bytes into decoding.image; false when libjpeg gave up or the
// picture is not one we read. `decoding` must start zeroed.
bool decodeArmed(Decoding& decoding, const QByteArray& bytes) {
    jpeg_decompress_struct& info = decoding.info;
    info.err = armJpegErrorTrap(decoding.trap);
    if (setjmp(decoding.trap.jump)) {
        jpeg_destroy_decompress(&info);
        return false;
    }
    jpeg_create_decompress(&info);
    useJpegMemorySource(&info, reinterpret_cast<const unsigned char*>(bytes.constData()),
                        static_cast<std::size_t>(bytes.size()));
    jpeg_read_header(&info, TRUE);
    bool usable = hasAcceptableSize(info) && chooseOutputColours(info);
    if (usable) {
        jpeg_start_decompress(&info);
        decoding.image = allocateImage(info);
        usable = !decoding.image.isNull();
    }
    if (usable) {
        readRows(info, decoding.image);
        jpeg_finish_decompress(&info);
    }
    jpeg_destroy_decompress(&info);
    return usable;
}

} // namespace

QImage decodeJpeg(const QByteArray& bytes) {
    Decoding decoding{};
    if (!decodeArmed(decoding, bytes))
        return {};
    if (decoding.image.format() == QImage::Format_Grayscale8)
        return decoding.image.convertToFormat(QImage::Format_RGB32);
    return decoding.image;
}

} // namespace platform
