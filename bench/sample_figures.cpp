#include "bench/sample_figures.h"

#include <algorithm>
#include <cmath>

namespace bench {

SampleFigures figuresOf(std::vector<double> samples) {
    if (samples.empty())
        return {};
    std::sort(samples.begin(), samples.end());
    const auto rank = [&samples](double fraction) {
        const auto index =
            static_cast<std::size_t>(std::ceil(fraction * static_cast<double>(samples.size())));
        return samples[std::clamp<std::size_t>(index, 1, samples.size()) - 1];
    };
    return {rank(0.5), rank(0.99), samples.back()};
}

} // namespace bench
