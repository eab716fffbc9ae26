// Bytes as a study-time file. Its total is read from the first line; the total written back
// reads as the same number, so a file the course wrote never changes by being read.
#include "engine/core/study_time.h"
#include "tests/fuzz/fuzz_scratch.h"

#include <limits>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text = fuzz::asText(data, size);
    const std::string_view line = engine::firstLine(text);
    if (line.size() > text.size() || line.find_first_of("\r\n") != std::string_view::npos)
        fuzz::fail("the first line runs past a line end");
    const int total = engine::parseStudyTotal(line);
    const std::string written = engine::formatStudyTotal(total);
    if (engine::parseStudyTotal(written) != total)
        fuzz::fail("a written total reads back differently");
    // The file is updated by adding a run's minutes to what it holds.
    const long long next = static_cast<long long>(total) + std::numeric_limits<int>::max();
    if (engine::parseStudyTotal(engine::formatStudyTotal(next)) < total)
        fuzz::fail("adding minutes made the total smaller");
    return 0;
}
