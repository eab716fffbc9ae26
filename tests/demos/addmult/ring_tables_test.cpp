// The rings program's mathematics against independent computations: the tables of Z_n against
// remainders, the matrix ring against matrix products written out, the special elements
// against gcd and their definitions, and the axiom checker against hand-made tables.
#include "addmult/core/finite_ring.h"
#include "addmult/core/ring_axioms.h"
#include "addmult/core/special_elements.h"
#include "addmult/core/table_input.h"

#include <gtest/gtest.h>

#include <array>
#include <numeric>
#include <set>

using namespace addmult;

namespace {

std::vector<int> where(int n, const std::function<bool(int)>& keep) {
    std::vector<int> out;
    for (int a = 0; a < n; ++a)
        if (keep(a))
            out.push_back(a);
    return out;
}

using Matrix = std::array<std::array<int, 2>, 2>;

Matrix matrixFromName(const std::string& name) {
    return {{{name[0] - '0', name[1] - '0'}, {name[2] - '0', name[3] - '0'}}};
}

Matrix times(const Matrix& x, const Matrix& y) {
    Matrix p{};
    for (int r = 0; r < 2; ++r)
        for (int c = 0; c < 2; ++c)
            p[r][c] = (x[r][0] * y[0][c] + x[r][1] * y[1][c]) % 2;
    return p;
}

std::vector<std::vector<std::string>> cells(const std::vector<std::vector<int>>& table) {
    std::vector<std::vector<std::string>> out;
    for (const auto& row : table) {
        out.emplace_back();
        for (int v : row)
            out.back().push_back(std::to_string(v));
    }
    return out;
}

const AxiomCheck& named(const std::vector<AxiomCheck>& checks, const std::string& name) {
    for (const auto& c : checks)
        if (c.name == name)
            return c;
    throw std::logic_error("no check named " + name);
}

} // namespace

TEST(IntegersModulo, TablesAreRemaindersAndEveryAxiomHoldsForEveryModulus) {
    for (int n = smallestModulus; n <= largestModulus; ++n) {
        const FiniteRing ring = integersModulo(n);
        ASSERT_EQ(ring.size(), n);
        for (int a = 0; a < n; ++a)
            for (int b = 0; b < n; ++b) {
                ASSERT_EQ(ring.sum(a, b), (a + b) % n);
                ASSERT_EQ(ring.product(a, b), (a * b) % n);
            }
        for (const auto& check : checkRingAxioms(ring))
            EXPECT_TRUE(check.holds)
                << ring.name << ": " << check.name << " " << check.counterexample;
        for (const auto& check : checkExtraProperties(ring))
            EXPECT_TRUE(check.holds) << ring.name << ": " << check.name;
    }
    EXPECT_THROW(integersModulo(1), std::invalid_argument);
    EXPECT_THROW(integersModulo(31), std::invalid_argument);
}

TEST(IntegersModulo, SpecialElementsMatchGcdAndTheirDefinitions) {
    for (int n = smallestModulus; n <= largestModulus; ++n) {
        const SpecialElements s = findSpecialElements(integersModulo(n));
        ASSERT_EQ(s.zero, 0);
        ASSERT_EQ(s.unity, 1);
        EXPECT_TRUE(s.commutative);
        EXPECT_EQ(s.units, where(n, [n](int a) { return std::gcd(a, n) == 1; })) << n;
        EXPECT_EQ(s.zeroDivisors, where(n, [n](int a) { return a != 0 && std::gcd(a, n) > 1; }))
            << n;
        EXPECT_EQ(s.idempotents, where(n, [n](int a) { return a * a % n == a; })) << n;
        for (int a : s.units) {
            const auto inverse = inverseOf(integersModulo(n), a, 1);
            ASSERT_TRUE(inverse);
            EXPECT_EQ(a * *inverse % n, 1) << a << " in Z_" << n;
        }
    }
    EXPECT_EQ(findSpecialElements(integersModulo(12)).idempotents, (std::vector<int>{0, 1, 4, 9}));
    EXPECT_EQ(findSpecialElements(integersModulo(30)).idempotents.size(), 8u); // 2^3 prime factors
}

TEST(MatricesOverZ2, ProductsAreMatrixProductsAndTheRingIsNotCommutative) {
    const FiniteRing ring = matricesOverZ2();
    ASSERT_EQ(ring.size(), 16);
    std::set<std::string> names(ring.elements.begin(), ring.elements.end());
    EXPECT_EQ(names.size(), 16u);
    for (int x = 0; x < 16; ++x)
        for (int y = 0; y < 16; ++y) {
            const Matrix product =
                times(matrixFromName(ring.elements[x]), matrixFromName(ring.elements[y]));
            ASSERT_EQ(matrixFromName(ring.elements[ring.product(x, y)]), product);
            const Matrix a = matrixFromName(ring.elements[x]), b = matrixFromName(ring.elements[y]);
            const Matrix sum = matrixFromName(ring.elements[ring.sum(x, y)]);
            for (int r = 0; r < 2; ++r)
                for (int c = 0; c < 2; ++c)
                    ASSERT_EQ(sum[r][c], (a[r][c] + b[r][c]) % 2);
        }
    EXPECT_TRUE(isRing(ring));
    const SpecialElements s = findSpecialElements(ring);
    EXPECT_EQ(ring.elements[*s.zero], "0000");
    EXPECT_EQ(ring.elements[*s.unity], "1001");
    EXPECT_FALSE(s.commutative);
    EXPECT_EQ(s.units.size(), 6u);        // the invertible matrices: (4 - 1)(4 - 2)
    EXPECT_EQ(s.zeroDivisors.size(), 9u); // every other non-zero matrix
    EXPECT_EQ(s.idempotents.size(), 8u);  // 0, I and the six projections of rank 1
    const auto extras = checkExtraProperties(ring);
    EXPECT_FALSE(extras[0].holds);
    EXPECT_FALSE(extras[0].counterexample.empty());
}

TEST(ProductRing, ComponentwiseTablesWithUnitsFromBothFactors) {
    for (int n = 2; n <= 6; ++n)
        for (int m = 2; n * m <= largestProductSize; ++m) {
            const FiniteRing ring = productRing(n, m);
            ASSERT_EQ(ring.size(), n * m);
            EXPECT_TRUE(isRing(ring)) << ring.name;
            const SpecialElements s = findSpecialElements(ring);
            const auto phi = [](int k) {
                return static_cast<int>(
                    where(k, [k](int a) { return std::gcd(a, k) == 1; }).size());
            };
            EXPECT_EQ(static_cast<int>(s.units.size()), phi(n) * phi(m)) << ring.name;
            EXPECT_EQ(static_cast<int>(s.zeroDivisors.size()), n * m - 1 - phi(n) * phi(m))
                << ring.name;
            EXPECT_EQ(ring.elements[*s.unity], "(1,1)");
        }
    EXPECT_THROW(productRing(6, 7), std::invalid_argument);
}

TEST(AxiomChecker, FindsTheFirstCounterexampleOfEachBrokenLaw) {
    FiniteRing left = integersModulo(3);
    for (int a = 0; a < 3; ++a)
        for (int b = 0; b < 3; ++b)
            left.mul[a][b] = a; // a · b = a
    auto checks = checkRingAxioms(left);
    EXPECT_TRUE(named(checks, "Multiplication is associative").holds);
    EXPECT_TRUE(named(checks, "Right distributive law").holds);
    EXPECT_EQ(named(checks, "Left distributive law").counterexample,
              "1 \u00b7 (0 + 0) = 1 but 1 \u00b7 0 + 1 \u00b7 0 = 2");
    EXPECT_FALSE(isRing(left));

    FiniteRing maximum = integersModulo(3);
    for (int a = 0; a < 3; ++a)
        for (int b = 0; b < 3; ++b)
            maximum.add[a][b] = std::max(a, b);
    checks = checkRingAxioms(maximum);
    EXPECT_TRUE(named(checks, "There is a zero").holds);
    EXPECT_EQ(named(checks, "Every element has a negative").counterexample,
              "1 has no negative: no b gives 1 + b = b + 1 = 0");

    FiniteRing noZero = integersModulo(2);
    noZero.add = {{1, 0}, {0, 0}};
    checks = checkRingAxioms(noZero);
    EXPECT_FALSE(named(checks, "There is a zero").holds);
    EXPECT_EQ(named(checks, "There is a zero").counterexample,
              "no element works as the zero: 0 + 0 = 1; 1 + 1 = 0");
    EXPECT_FALSE(named(checks, "Every element has a negative").holds);

    FiniteRing skew = integersModulo(3);
    skew.add[0][1] = 2; // 0 + 1 = 2 but 1 + 0 = 1
    checks = checkRingAxioms(skew);
    EXPECT_EQ(named(checks, "Addition is commutative").counterexample, "0 + 1 = 2 but 1 + 0 = 1");
    EXPECT_FALSE(named(checks, "Addition is associative").holds);
}

TEST(AxiomChecker, EveryCounterexampleReallyBreaksItsLaw) {
    // Tables of two elements: all 2^4 additions with Z_2's multiplication, checked by brute force.
    for (int code = 0; code < 16; ++code) {
        FiniteRing ring = integersModulo(2);
        for (int k = 0; k < 4; ++k)
            ring.add[k / 2][k % 2] = (code >> k) & 1;
        bool associative = true, commutative = true;
        for (int a = 0; a < 2; ++a)
            for (int b = 0; b < 2; ++b) {
                commutative = commutative && ring.sum(a, b) == ring.sum(b, a);
                for (int c = 0; c < 2; ++c)
                    associative =
                        associative && ring.sum(ring.sum(a, b), c) == ring.sum(a, ring.sum(b, c));
            }
        const auto checks = checkRingAxioms(ring);
        EXPECT_EQ(named(checks, "Addition is associative").holds, associative) << code;
        EXPECT_EQ(named(checks, "Addition is commutative").holds, commutative) << code;
        for (const auto& c : checks)
            EXPECT_EQ(c.holds, c.counterexample.empty()) << code << " " << c.name;
    }
}

TEST(OwnTables, TypedCellsAreReadOrTheFirstBadCellIsNamed) {
    const FiniteRing z4 = integersModulo(4);
    const auto parsed = parseOwnTables(cells(z4.add), cells(z4.mul));
    ASSERT_TRUE(parsed.ok());
    EXPECT_EQ(parsed.value().add, z4.add);
    EXPECT_TRUE(isRing(parsed.value()));

    auto mul = cells(z4.mul);
    mul[1][2] = "7";
    EXPECT_EQ(parseOwnTables(cells(z4.add), mul).error().message,
              "multiplication table, row 2, column 3: \"7\" is not an element (use 0 to 3)");
    mul[1][2] = "x";
    EXPECT_EQ(parseOwnTables(cells(z4.add), mul).error().message,
              "multiplication table, row 2, column 3: unexpected 'x' at 1");
    auto add = cells(z4.add);
    add[0][0] = "";
    EXPECT_NE(parseOwnTables(add, cells(z4.mul))
                  .error()
                  .message.find("addition table, row 1, "
                                "column 1"),
              std::string::npos);
    add[0][0] = "-1";
    EXPECT_NE(parseOwnTables(add, cells(z4.mul)).error().message.find("is not an element"),
              std::string::npos);
    EXPECT_FALSE(parseOwnTables({{"0"}}, {{"0"}}).ok());
    add = cells(z4.add);
    add[3].pop_back();
    EXPECT_EQ(parseOwnTables(add, cells(z4.mul)).error().message,
              "addition table must have 4 columns");
}
