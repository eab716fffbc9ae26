#include "kit/core/input_limits.h"
#include "kit/core/number_input.h"

#include <gtest/gtest.h>
#include <string>

using namespace kit;

TEST(IntegerInput, ReadsSignsAndSurroundingSpaces) {
    EXPECT_EQ(parseInteger("-12").value(), -12);
    EXPECT_EQ(parseInteger("  42 ").value(), 42);
    EXPECT_EQ(parseInteger("+7").value(), 7);
    EXPECT_EQ(parseInteger("007").value(), 7);
    EXPECT_EQ(parseInteger("123456789012345678901234567890").value(),
              mpz_class("123456789012345678901234567890"));
}

TEST(IntegerInput, SaysWhatIsWrongAndWhere) {
    const auto letter = parseInteger("12x4");
    ASSERT_FALSE(letter.ok());
    EXPECT_EQ(letter.error().message, "unexpected 'x' at 3");
    EXPECT_EQ(letter.error().position, 3u);

    const auto inner = parseInteger("12 3");
    ASSERT_FALSE(inner.ok());
    EXPECT_EQ(inner.error().position, 4u);

    EXPECT_FALSE(parseInteger("").ok());
    EXPECT_FALSE(parseInteger("   ").ok());
    EXPECT_EQ(parseInteger("-").error().message, "expected digits at 2");
    EXPECT_FALSE(parseInteger("3.5").ok());
    EXPECT_FALSE(parseInteger("--3").ok());
    const auto control = parseInteger("1\x01");
    ASSERT_FALSE(control.ok());
    EXPECT_EQ(control.error().message, "unexpected character 0x01 at 2");
}

TEST(IntegerInput, DigitAndLengthLimitsHoldAtTheirBoundaries) {
    const std::string longest(maxIntegerDigits, '9');
    EXPECT_TRUE(parseInteger(longest).ok());
    EXPECT_TRUE(parseInteger("-" + longest).ok());
    EXPECT_TRUE(parseInteger("000" + longest).ok()) << "leading zeros are not digits of the value";
    const auto tooMany = parseInteger(longest + "9");
    ASSERT_FALSE(tooMany.ok());
    EXPECT_NE(tooMany.error().message.find("more than 60 digits"), std::string::npos);

    const std::string padded = std::string(maxInputLength - 1, ' ') + "5";
    EXPECT_TRUE(parseInteger(padded).ok());
    const auto tooLong = parseInteger(padded + " ");
    ASSERT_FALSE(tooLong.ok());
    EXPECT_NE(tooLong.error().message.find("too long"), std::string::npos);
}

TEST(RationalInput, AcceptsFractionsDecimalsAndMixedNumbersCanonically) {
    EXPECT_EQ(parseRational("3/4").value(), mpq_class(3, 4));
    EXPECT_EQ(parseRational("-6/8").value(), mpq_class(-3, 4));
    EXPECT_EQ(parseRational("0.75").value(), mpq_class(3, 4));
    EXPECT_EQ(parseRational(".5").value(), mpq_class(1, 2));
    EXPECT_EQ(parseRational("1 3/4").value(), mpq_class(7, 4));
    EXPECT_EQ(parseRational("-1 3/4").value(), mpq_class(-7, 4));
    EXPECT_EQ(parseRational(" 6 / 8 ").value(), mpq_class(3, 4));
    EXPECT_EQ(parseRational("2").value(), mpq_class(2));
    EXPECT_EQ(parseRational("-0.125").value(), mpq_class(-1, 8));
    const auto canonical = parseRational("10/4").value();
    EXPECT_EQ(canonical.get_num(), 5);
    EXPECT_EQ(canonical.get_den(), 2);
}

TEST(RationalInput, RefusesMalformedFractionsWithThePlace) {
    const auto zero = parseRational("3/0");
    ASSERT_FALSE(zero.ok());
    EXPECT_EQ(zero.error().position, 3u);
    EXPECT_NE(zero.error().message.find("is 0"), std::string::npos);

    const auto innerSign = parseRational("3/-4");
    ASSERT_FALSE(innerSign.ok());
    EXPECT_EQ(innerSign.error().message, "unexpected '-' at 3: a sign goes only in front");

    EXPECT_EQ(parseRational("3/").error().message, "expected a denominator after '/' at 2");
    EXPECT_EQ(parseRational("/4").error().message, "unexpected '/' at 1");
    EXPECT_EQ(parseRational("1.5/2").error().message, "a decimal point in the numerator at 1");
    EXPECT_EQ(parseRational("1.2.3").error().message, "a second decimal point at 4");
    EXPECT_FALSE(parseRational("1 2").ok());
    EXPECT_FALSE(parseRational("1/2/3").ok());
    EXPECT_FALSE(parseRational("3/4x").ok());
    EXPECT_FALSE(parseRational(std::string(maxIntegerDigits + 1, '1') + "/2").ok());
}

TEST(RationalInput, LowestTermsDependsOnTheWrittenForm) {
    EXPECT_TRUE(isLowestTerms("3/4"));
    EXPECT_TRUE(isLowestTerms("-3/4"));
    EXPECT_TRUE(isLowestTerms("5"));
    EXPECT_TRUE(isLowestTerms("1 3/4"));
    EXPECT_FALSE(isLowestTerms("6/8"));
    EXPECT_FALSE(isLowestTerms("0.75"));
    EXPECT_FALSE(isLowestTerms("1 6/8"));
    EXPECT_FALSE(isLowestTerms("1 5/4"));
    EXPECT_FALSE(isLowestTerms("garbage"));
}

TEST(IntegerListInput, SplitsOnCommasSemicolonsAndSpaces) {
    const auto list = parseIntegerList("1, 2;3  -4");
    ASSERT_TRUE(list.ok());
    EXPECT_EQ(list.value(), (std::vector<mpz_class>{1, 2, 3, -4}));
    const auto bad = parseIntegerList("1, 2x, 3");
    ASSERT_FALSE(bad.ok());
    EXPECT_EQ(bad.error().message, "\"2x\" at 4 is not a whole number");
    EXPECT_FALSE(parseIntegerList(" , ").ok());
    const auto gap = parseIntegerList("1, , 2");
    ASSERT_FALSE(gap.ok());
    EXPECT_EQ(gap.error().message, "an empty place in the list at 4");
    EXPECT_EQ(gap.error().position, 4u);
    EXPECT_FALSE(parseIntegerList(",1").ok());
    EXPECT_FALSE(parseIntegerList("1;;2").ok());

    std::string longest;
    for (std::size_t k = 0; k < maxListLength; ++k)
        longest += "1,";
    EXPECT_TRUE(parseIntegerList(longest).ok());
    EXPECT_FALSE(parseIntegerList(longest + "1").ok());
}
