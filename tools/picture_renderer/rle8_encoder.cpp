#include "tools/picture_renderer/rle8_encoder.h"

#include <algorithm>

namespace tools {
namespace {

constexpr int longestRun = 255;
// A run at least this long is cheaper as its own pair than inside an absolute stretch.
constexpr int shortestSeparateRun = 3;

void appendPair(QByteArray& out, int first, int second) {
    out.append(static_cast<char>(first));
    out.append(static_cast<char>(second));
}

int runLength(const uchar* row, int from, int width) {
    int end = from + 1;
    while (end < width && end - from < longestRun && row[end] == row[from])
        ++end;
    return end - from;
}

// The end of a mixed stretch from `from`: up to the next run worth a pair of its own.
int mixedStretchEnd(const uchar* row, int from, int width) {
    int end = from;
    while (end < width && end - from < longestRun) {
        const int run = runLength(row, end, width);
        if (run >= shortestSeparateRun)
            break;
        end += std::min(run, longestRun - (end - from));
    }
    return end;
}

void appendRuns(QByteArray& out, const uchar* row, int from, int to) {
    while (from < to) {
        const int run = runLength(row, from, to);
        appendPair(out, run, row[from]);
        from += run;
    }
}

void appendAbsolute(QByteArray& out, const uchar* row, int from, int to) {
    appendPair(out, 0, to - from);
    out.append(reinterpret_cast<const char*>(row + from), to - from);
    if ((to - from) % 2 == 1)
        out.append('\0'); // absolute stretches end on a 16-bit boundary
}

void appendRow(QByteArray& out, const uchar* row, int width) {
    int x = 0;
    while (x < width) {
        if (const int run = runLength(row, x, width); run >= shortestSeparateRun) {
            appendPair(out, run, row[x]);
            x += run;
            continue;
        }
        const int end = mixedStretchEnd(row, x, width);
        if (end - x >= 3) // absolute mode needs three pixels; 0, 1 and 2 are other codes
            appendAbsolute(out, row, x, end);
        else
            appendRuns(out, row, x, end);
        x = end;
    }
}

} // namespace

QByteArray encodeRle8(const QImage& indexed) {
    QByteArray out;
    for (int y = indexed.height() - 1; y >= 0; --y) {
        appendRow(out, indexed.constScanLine(y), indexed.width());
        appendPair(out, 0, y > 0 ? 0 : 1);
    }
    return out;
}

} // namespace tools
