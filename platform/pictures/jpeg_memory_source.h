#pragma once

#include <cstdio>

#include <jpeglib.h>

namespace platform {

// Lets libjpeg read a JPEG held in memory. Running out of data is a fatal error, so a
// cut-off file fails instead of being padded. The bytes must outlive the decompression.
void useJpegMemorySource(j_decompress_ptr info, const unsigned char* bytes, std::size_t size);

} // namespace platform
