#pragma once

namespace platform {

// The largest picture the course reads. A header that claims more is taken for a broken
// file, so no buffer is allocated for it.
inline constexpr long long maxPictureSide = 16384;
inline constexpr long long maxPicturePixels = 64LL * 1024 * 1024;

inline constexpr bool isAcceptablePictureSize(long long width, long long height) {
    return width > 0 && height > 0 && width <= maxPictureSide && height <= maxPictureSide &&
           width * height <= maxPicturePixels;
}

} // namespace platform
