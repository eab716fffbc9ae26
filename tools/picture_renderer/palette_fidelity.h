#pragma once

#include <QImage>
#include <QString>

namespace tools {

// How closely a picture reduced to a palette keeps the picture it was made from.
struct PaletteFidelity {
    double psnr = 0;        // peak signal-to-noise ratio over all channels, in dB; inf when equal
    int worstFlatError = 0; // largest channel difference on a pixel of a flat area
    int worstError = 0;     // largest channel difference anywhere
};

// The least a reduced picture must keep: antialiased edges may lose a little, but the flat
// areas (backgrounds, fills, the colours other pictures and the page must match) barely any.
inline constexpr double leastFaithfulPsnr = 40.0;
inline constexpr int mostFaithfulFlatError = 2;

// Compares the reduction (any format) with the original picture of the same size.
PaletteFidelity measureFidelity(const QImage& original, const QImage& reduced);

bool isFaithful(const PaletteFidelity& fidelity);

// "PSNR 47.3 dB, worst error 12 (flat areas 0)".
QString describeFidelity(const PaletteFidelity& fidelity);

} // namespace tools
