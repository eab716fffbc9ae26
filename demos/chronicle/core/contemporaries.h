#pragma once

#include "chronicle/core/entry.h"

#include <vector>

namespace chronicle {

// The years an entry stands for: a person's life, thirty years either side of the years a
// person flourished, a work's or a discovery's year.
struct YearSpan {
    int from = 0;
    int to = 0;
};
YearSpan spanOf(const Entry& entry);

// The other persons of the history alive during the entry's years, in order of birth.
std::vector<std::size_t> contemporariesOf(const Chronicle& chronicle, std::size_t entry);

} // namespace chronicle
