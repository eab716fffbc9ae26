// Bytes as a picture file: a Windows bitmap, an icon or a JPEG image, whichever the loader
// takes them for. Whatever it gives back is a null image or one inside the picture limits
// whose every pixel can be read.
#include "platform/pictures/picture_file.h"
#include "platform/pictures/picture_limits.h"
#include "tests/fuzz/fuzz_scratch.h"

#include <QByteArray>
#include <QImage>

// Keeps the pixel reads below from being optimised away.
volatile QRgb lastPixelSeen = 0;

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    fuzz::ensureGuiApplication();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const QImage image = platform::loadPictureBytes(bytes);
    if (image.isNull())
        return 0;
    if (!platform::isAcceptablePictureSize(image.width(), image.height()))
        fuzz::fail("a picture beyond the limits was accepted");
    // Touch the first and last pixel of every row, as painting would.
    for (int y = 0; y < image.height(); ++y)
        lastPixelSeen = image.pixel(0, y) ^ image.pixel(image.width() - 1, y);
    return 0;
}
