#pragma once

#include <vector>

namespace bench {

// The figures a benchmark prints for a run of timings, in milliseconds.
struct SampleFigures {
    double median = 0;
    double percentile99 = 0;
    double maximum = 0;
};

// Median, 99th percentile (nearest rank) and maximum; all zero for no samples.
SampleFigures figuresOf(std::vector<double> samples);

} // namespace bench
