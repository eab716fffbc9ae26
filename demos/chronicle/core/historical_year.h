#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace chronicle {

// A year of the common calendar: 300 BCE is -300 and 1687 CE is 1687 (there is no year 0).
// Dates handed down only roughly ("c. 300 BCE") are approximate.
struct HistoricalYear {
    int value = 0;
    bool approximate = false;

    friend bool operator==(const HistoricalYear&, const HistoricalYear&) = default;
};

// Reads "1687", "c. 1650 BCE", "287 BCE"; nothing when the text is not such a year.
std::optional<HistoricalYear> parseYear(std::string_view text);

// "1687", "c. 287 BCE".
std::string yearText(HistoricalYear year);

// Years from one date to a later one, leaving out the missing year 0.
int yearsBetween(int from, int to);

// The century as a learner names it: "17th century", "3rd century BCE".
std::string centuryText(int year);

} // namespace chronicle
