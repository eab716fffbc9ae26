// Typed solution sets: every spelling read, touching pieces joined, wrong brackets named, and
// bad text refused with a reason.
#include "equations/core/solution_input.h"

#include <gtest/gtest.h>

using namespace equations;

namespace {

SolutionSet solved(const char* p, const char* q, Relation r) {
    return solve(signChart(factorOverRationals(parsePolynomial(p).value()),
                           factorOverRationals(parsePolynomial(q).value())),
                 r);
}

} // namespace

TEST(TypedSets, EverySpellingOfTheSameSetIsAccepted) {
    const auto check = expectSolutionSet(solved("(x+2)(x-1)(x-3)", "1", Relation::LessEqual));
    for (const char* typed :
         {"(-inf, -2] U [1, 3]", "(-oo,-2]u[1,3]", "[1, 3] U (-infinity, -2]",
          "(-\xe2\x88\x9e, -2] \xe2\x88\xaa [1, 3]", "(-inf, -2] U [1, 2] U [2, 3]",
          "(-inf,-2] U [1,3/1]", "(-inf; -2] U [1; 3]"})
        EXPECT_TRUE(check(typed).correct) << typed << ": " << check(typed).message;
    EXPECT_TRUE(expectSolutionSet(solved("x^2+1", "1", Relation::Greater))("R").correct);
    EXPECT_TRUE(expectSolutionSet(solved("x^2+1", "1", Relation::Greater))("(-inf, inf)").correct);
    EXPECT_TRUE(expectSolutionSet(solved("x^2+1", "1", Relation::Less))("empty").correct);
    EXPECT_TRUE(expectSolutionSet(solved("x^2+1", "1", Relation::Less))("{}").correct);
    EXPECT_TRUE(expectSolutionSet(solved("(x-1/2)^2", "1", Relation::LessEqual))("{1/2}").correct);
    EXPECT_TRUE(expectSolutionSet(solved("(x-1/2)^2", "1", Relation::LessEqual))("{0.5}").correct);
}

TEST(TypedSets, WrongSetsAreRefusedAndOnlyWrongBracketsAreNamed) {
    const auto check = expectSolutionSet(solved("x + 1", "x - 2", Relation::LessEqual));
    EXPECT_TRUE(check("[-1, 2)").correct);
    EXPECT_NE(check("[-1, 2]").message.find("endpoints are right"), std::string::npos);
    EXPECT_NE(check("(-1, 2)").message.find("endpoints are right"), std::string::npos);
    EXPECT_EQ(check("[-1, 3)").message, "that is not the solution set");
    EXPECT_FALSE(check("(-inf, -1] U (2, inf)").correct);
    EXPECT_FALSE(check("R").correct);
}

TEST(TypedSets, BadTextIsRefusedWithAReason) {
    const auto reason = [](const char* text) {
        const auto parsed = parseTypedSet(text);
        EXPECT_FALSE(parsed.ok()) << text;
        return parsed.ok() ? std::string() : parsed.error().message;
    };
    EXPECT_NE(reason("[-inf, 2)").find("infinity is not a number"), std::string::npos);
    EXPECT_NE(reason("(3, 1)").find("left endpoint is larger"), std::string::npos);
    EXPECT_NE(reason("(inf, 2)").find("cannot start"), std::string::npos);
    EXPECT_NE(reason("(1, 2, 3)").find("two endpoints"), std::string::npos);
    EXPECT_NE(reason("(2, 2)").find("no points"), std::string::npos);
    EXPECT_NE(reason("x < 2").find("not an interval"), std::string::npos);
    EXPECT_NE(reason("(1, 2) U").find("missing"), std::string::npos);
    for (const char* garbage : {"", "((", "(a, b)", "{1,,2}", "\xff\xfe", "[1/0, 2]"})
        EXPECT_FALSE(reason(garbage).empty()) << garbage;
    EXPECT_FALSE(parseTypedSet(std::string(300, '(')).ok());
}

TEST(TypedSets, CanonicalFormJoinsTouchingPiecesButNotAMissingPoint) {
    const auto joined = canonical(parseTypedSet("[2, 3) U (-1, 2] U (5, 6)").value());
    ASSERT_EQ(joined.size(), 2u);
    EXPECT_EQ(joined[0].low, -1);
    EXPECT_EQ(joined[0].high, 3);
    EXPECT_EQ(canonical(parseTypedSet("(-1, 2) U (2, 3)").value()).size(), 2u);
    EXPECT_EQ(canonical(parseTypedSet("(-1, 2) U {2} U (2, 3)").value()).size(), 1u);
}
