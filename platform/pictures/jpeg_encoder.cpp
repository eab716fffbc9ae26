#include "platform/pictures/jpeg_encoder.h"

#include "platform/pictures/jpeg_error_trap.h"

#include <cstdio>

namespace platform {
namespace {

// Everything that must survive a jump back from libjpeg lives outside the armed frame.
struct Encoding {
    jpeg_compress_struct info;
    JpegErrorTrap trap;
};

void describeImage(jpeg_compress_struct& info, const QImage& pixels) {
    const bool grey = pixels.format() == QImage::Format_Grayscale8;
    info.image_width = static_cast<JDIMENSION>(pixels.width());
    info.image_height = static_cast<JDIMENSION>(pixels.height());
    info.input_components = grey ? 1 : 3;
    info.in_color_space = grey ? JCS_GRAYSCALE : JCS_RGB;
}

void writeRows(jpeg_compress_struct& info, const QImage& pixels) {
    while (info.next_scanline < info.image_height) {
        // libjpeg only reads the rows it is given.
        auto row = const_cast<JSAMPROW>(pixels.constScanLine(static_cast<int>(info.next_scanline)));
        jpeg_write_scanlines(&info, &row, 1);
    }
}

// Runs libjpeg from `pixels` (grey or RGB888) into the open file; false when it gave up.
// `encoding` must start zeroed.
bool encodeArmed(Encoding& encoding, const QImage& pixels, std::FILE* file, int quality) {
    jpeg_compress_struct& info = encoding.info;
    info.err = armJpegErrorTrap(encoding.trap);
    if (setjmp(encoding.trap.jump)) {
        jpeg_destroy_compress(&info);
        return false;
    }
    jpeg_create_compress(&info);
    jpeg_stdio_dest(&info, file);
    describeImage(info, pixels);
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, quality, TRUE);
    // Huffman tables fitted to the picture: some 8 % smaller, the same pixels once decoded.
    info.optimize_coding = TRUE;
    jpeg_start_compress(&info, TRUE);
    writeRows(info, pixels);
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    return true;
}

QImage encodablePixels(const QImage& image) {
    if (image.format() == QImage::Format_Grayscale8)
        return image;
    return image.convertToFormat(QImage::Format_RGB888);
}

} // namespace

bool writeJpegFile(const QImage& image, const std::string& path, int quality) {
    if (image.isNull())
        return false;
    const QImage pixels = encodablePixels(image);
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr)
        return false;
    Encoding encoding{};
    const bool encoded = encodeArmed(encoding, pixels, file, quality);
    const bool closed = std::fclose(file) == 0;
    if (encoded && closed)
        return true;
    std::remove(path.c_str());
    return false;
}

} // namespace platform
