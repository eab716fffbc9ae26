// Years as the entries write them, and centuries as a learner names them.
#include "chronicle/core/historical_year.h"

#include <gtest/gtest.h>

using chronicle::HistoricalYear;
using chronicle::parseYear;

TEST(HistoricalYear, ReadsPlainRoughAndBeforeCommonEraYears) {
    EXPECT_EQ(parseYear("1687"), (HistoricalYear{1687, false}));
    EXPECT_EQ(parseYear(" c. 1650 BCE "), (HistoricalYear{-1650, true}));
    EXPECT_EQ(parseYear("287 BCE"), (HistoricalYear{-287, false}));
    EXPECT_EQ(parseYear("62 CE"), (HistoricalYear{62, false}));
    EXPECT_EQ(parseYear("c.263"), (HistoricalYear{263, true}));
}

TEST(HistoricalYear, RefusesWhatIsNotAYear) {
    for (const char* text : {"", "c.", "BCE", "3OO BCE", "0", "-300", "12345", "1687.5",
                             "about 300", "300 BC", "1687 1688"})
        EXPECT_FALSE(parseYear(text).has_value()) << text;
}

TEST(HistoricalYear, WritesYearsBack) {
    for (const char* text : {"1687", "c. 1650 BCE", "287 BCE", "c. 263"})
        EXPECT_EQ(chronicle::yearText(*parseYear(text)), text);
}

TEST(HistoricalYear, CountsYearsAcrossTheMissingYearZero) {
    EXPECT_EQ(chronicle::yearsBetween(1643, 1727), 84);
    EXPECT_EQ(chronicle::yearsBetween(-287, -212), 75);
    // From 10 BCE to 10 CE: 10 BCE ... 1 BCE, 1 CE ... 10 CE is 19 steps.
    EXPECT_EQ(chronicle::yearsBetween(-10, 10), 19);
}

TEST(HistoricalYear, NamesCenturiesWithTheirOrdinals) {
    const std::pair<int, const char*> cases[] = {
        {1, "1st century"},          {100, "1st century"},       {101, "2nd century"},
        {263, "3rd century"},        {1001, "11th century"},     {1150, "12th century"},
        {1250, "13th century"},      {1687, "17th century"},     {1900, "19th century"},
        {1901, "20th century"},      {2000, "20th century"},     {-1, "1st century BCE"},
        {-100, "1st century BCE"},   {-101, "2nd century BCE"},  {-287, "3rd century BCE"},
        {-1650, "17th century BCE"}, {-2122, "22nd century BCE"}};
    for (const auto& [year, text] : cases)
        EXPECT_EQ(chronicle::centuryText(year), text) << year;
}
