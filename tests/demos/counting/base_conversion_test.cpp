#include "counting/core/base_conversion.h"

#include "kit/core/input_limits.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <random>

namespace {

using namespace counting;

// GMP's own conversion is the independent second method.
std::string gmpNumeral(const mpz_class& n, int base) {
    std::string digits = n.get_str(base);
    std::transform(digits.begin(), digits.end(), digits.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return digits;
}

TEST(BaseConversion, AgreesWithGmpForEveryBaseAndManyNumbers) {
    for (int base = smallestBase; base <= largestBase; ++base) {
        for (long n = 0; n <= 3000; ++n)
            ASSERT_EQ(toBase(n, base), gmpNumeral(n, base)) << n << " base " << base;
        std::mt19937_64 random(static_cast<std::uint64_t>(base));
        for (int i = 0; i < 50; ++i) {
            mpz_class big = 1;
            for (int part = 0; part < 6; ++part)
                big = big * mpz_class(std::to_string(random())) +
                      static_cast<unsigned long>(random() % 1000);
            ASSERT_EQ(toBase(big, base), gmpNumeral(big, base));
            const auto back = parseInBase(toBase(big, base).substr(0, kit::maxIntegerDigits), base);
            ASSERT_TRUE(back.ok());
        }
    }
}

TEST(BaseConversion, ReadingGivesBackTheNumberInAnyCase) {
    for (int base = smallestBase; base <= largestBase; ++base) {
        for (long n = 0; n <= 2000; n += 7) {
            std::string numeral = toBase(n, base);
            std::transform(numeral.begin(), numeral.end(), numeral.begin(),
                           [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
            const auto parsed = parseInBase("  " + numeral + " ", base);
            ASSERT_TRUE(parsed.ok()) << numeral;
            EXPECT_EQ(parsed.value(), n);
        }
    }
}

TEST(BaseConversion, RefusesWhatIsNotANumeralOfTheBase) {
    const auto two = parseInBase("1021", 2);
    ASSERT_FALSE(two.ok());
    EXPECT_EQ(two.error().position, 2u);
    EXPECT_NE(two.error().message.find("'2' at 3"), std::string::npos) << two.error().message;
    EXPECT_FALSE(parseInBase("19", 8).ok());
    EXPECT_FALSE(parseInBase("G", 16).ok());
    EXPECT_FALSE(parseInBase("", 10).ok());
    EXPECT_FALSE(parseInBase("   ", 10).ok());
    EXPECT_FALSE(parseInBase("-101", 2).ok());
    EXPECT_FALSE(parseInBase("1 0", 2).ok());
    EXPECT_TRUE(parseInBase("FF", 16).ok());
}

TEST(BaseConversion, DigitLimitIsExact) {
    const std::string longest(kit::maxIntegerDigits, '1');
    ASSERT_TRUE(parseInBase(longest, 2).ok());
    mpz_class expected;
    mpz_ui_pow_ui(expected.get_mpz_t(), 2, kit::maxIntegerDigits);
    EXPECT_EQ(parseInBase(longest, 2).value(), expected - 1);
    EXPECT_FALSE(parseInBase(longest + "1", 2).ok());
    EXPECT_FALSE(parseInBase(std::string(kit::maxInputLength + 1, '1'), 2).ok());
}

TEST(BaseConversion, RepeatedDivisionEndsWithTheNumeral) {
    for (int base : {2, 7, 10, 16}) {
        for (long n : {1L, 45L, 687L, 4095L, 1000000L}) {
            const auto steps = repeatedDivisionSteps(n, base);
            const std::string numeral = toBase(n, base);
            // One division per digit, then the reading.
            ASSERT_EQ(steps.size(), numeral.size() + 1);
            EXPECT_NE(steps.back().find(numeralHtml(numeral, base)), std::string::npos);
            EXPECT_EQ(steps.front().rfind(std::to_string(n) + " = ", 0), 0u);
        }
    }
    EXPECT_EQ(repeatedDivisionSteps(0, 2).size(), 1u);
}

TEST(BaseConversion, PlaceValueAndHornerBothReachTheValue) {
    for (int base = smallestBase; base <= largestBase; ++base) {
        for (long n : {1L, 45L, 687L, 99999L}) {
            const std::string numeral = toBase(n, base);
            const auto placeValues = placeValueSteps(numeral, base);
            ASSERT_EQ(placeValues.size(), numeral.size() + 1);
            EXPECT_TRUE(placeValues.back().ends_with(" = " + std::to_string(n)));
            const auto horner = hornerSteps(numeral, base);
            ASSERT_EQ(horner.size(), numeral.size());
            EXPECT_TRUE(horner.back().ends_with(" = " + std::to_string(n)));
        }
    }
    EXPECT_EQ(placeValueSteps("2af", 16).back(), "2AF<sub>16</sub> = 512 + 160 + 15 = 687");
}

} // namespace
