#pragma once

#include <string>
#include <string_view>

namespace engine {

// Whole minutes of a run from two readings of the millisecond clock: the nearest integer,
// an exact half going to the even neighbour (29 s: 0, 31 s: 1, 90 s: 2, 150 s: 2). A clock
// that seems to run backwards counts as 0.
int minutesOfRun(double startMilliseconds, double nowMilliseconds);

// The first line of a study-time file: up to the first CR or LF.
std::string_view firstLine(std::string_view text);

// The total in that line: leading blanks skipped, one optional sign, then decimal digits up
// to the first other character; no digits give 0. Totals beyond 32 bits stop at the limit.
int parseStudyTotal(std::string_view line);

// The new file content: the total in decimal, no line end.
std::string formatStudyTotal(long long total);

} // namespace engine
