#include "tools/picture_renderer/variance_cut.h"

#include <QColor>

#include <algorithm>
#include <array>
#include <cmath>

namespace tools {
namespace {

using Iterator = std::vector<WeightedColour>::iterator;

int channel(QRgb colour, int which) {
    return which == 0 ? qRed(colour) : which == 1 ? qGreen(colour) : qBlue(colour);
}

// Running sums of weights, values and squared values: the spread of any set of colours.
struct Moments {
    double weight = 0;
    std::array<double, 3> sum{};
    std::array<double, 3> squares{};

    void add(const WeightedColour& colour, double sign = 1) {
        const double w = sign * static_cast<double>(colour.weight);
        weight += w;
        for (int c = 0; c < 3; ++c) {
            const double value = channel(colour.colour, c);
            sum[c] += w * value;
            squares[c] += w * value * value;
        }
    }

    double spread() const {
        double total = 0;
        for (int c = 0; c < 3; ++c)
            total += squares[c] - sum[c] * sum[c] / weight;
        return std::max(total, 0.0);
    }

    QRgb mean() const {
        const auto rounded = [this](int c) {
            return static_cast<int>(std::lround(sum[c] / weight));
        };
        return qRgb(rounded(0), rounded(1), rounded(2));
    }
};

struct Box {
    Iterator begin;
    Iterator end;
    Moments moments;
    int widestChannel = 0;

    bool cuttable() const { return end - begin > 1 && moments.spread() > 1e-6; }
};

Box measuredBox(Iterator begin, Iterator end) {
    Box box{begin, end, {}, 0};
    std::array<int, 3> low{255, 255, 255}, high{0, 0, 0};
    for (auto it = begin; it != end; ++it) {
        box.moments.add(*it);
        for (int c = 0; c < 3; ++c) {
            low[c] = std::min(low[c], channel(it->colour, c));
            high[c] = std::max(high[c], channel(it->colour, c));
        }
    }
    for (int c = 1; c < 3; ++c)
        if (high[c] - low[c] > high[box.widestChannel] - low[box.widestChannel])
            box.widestChannel = c;
    return box;
}

double cutPriority(const Box& box) {
    return box.cuttable() ? box.moments.spread() : -1;
}

// Cuts the box across its widest channel where the two halves spread least together; both
// halves keep at least one colour.
std::array<Box, 2> cut(const Box& box) {
    const int c = box.widestChannel;
    std::sort(box.begin, box.end, [c](const WeightedColour& a, const WeightedColour& b) {
        return channel(a.colour, c) < channel(b.colour, c);
    });
    Moments below;
    Moments above = box.moments;
    Iterator best = box.begin + 1;
    double bestSpread = -1;
    for (auto it = box.begin; it + 1 != box.end; ++it) {
        below.add(*it);
        above.add(*it, -1);
        const double spread = below.spread() + above.spread();
        if (bestSpread < 0 || spread < bestSpread) {
            bestSpread = spread;
            best = it + 1;
        }
    }
    return {measuredBox(box.begin, best), measuredBox(best, box.end)};
}

} // namespace

std::vector<QRgb> varianceCutColours(std::vector<WeightedColour> colours, int boxes) {
    if (colours.empty() || boxes < 1)
        return {};
    std::vector<Box> parts{measuredBox(colours.begin(), colours.end())};
    while (static_cast<int>(parts.size()) < boxes) {
        const auto widest = std::max_element(parts.begin(), parts.end(), [](auto& a, auto& b) {
            return cutPriority(a) < cutPriority(b);
        });
        if (!widest->cuttable())
            break;
        const auto halves = cut(*widest);
        *widest = halves[0];
        parts.push_back(halves[1]);
    }
    std::vector<QRgb> means;
    for (const Box& box : parts)
        means.push_back(box.moments.mean());
    return means;
}

} // namespace tools
