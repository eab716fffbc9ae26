#include "divisors/core/factorization.h"
#include "divisors/core/factorization_input.h"
#include "kit/core/random.h"

#include <gtest/gtest.h>

using namespace divisors;

namespace {

Factorization factorOrFail(const mpz_class& n, std::uint64_t budget = factoringBudget) {
    kit::WorkBudget work(budget);
    const auto f = factorize(n, work);
    EXPECT_TRUE(f.has_value()) << n.get_str();
    return f.value_or(Factorization{});
}

// Trial division, the slow way, as the independent answer.
Factorization bruteForce(long n) {
    Factorization f;
    for (long p = 2; p * p <= n; ++p) {
        unsigned long e = 0;
        while (n % p == 0) {
            n /= p;
            ++e;
        }
        if (e > 0)
            f.push_back({p, e});
    }
    if (n > 1)
        f.push_back({n, 1});
    return f;
}

void expectSame(const Factorization& a, const Factorization& b, const std::string& what) {
    ASSERT_EQ(a.size(), b.size()) << what;
    for (std::size_t k = 0; k < a.size(); ++k) {
        EXPECT_EQ(a[k].prime, b[k].prime) << what;
        EXPECT_EQ(a[k].exponent, b[k].exponent) << what;
    }
}

// A factorisation is right when it multiplies back to n, its primes rise and GMP agrees each
// is prime.
void expectValid(const Factorization& f, const mpz_class& n) {
    EXPECT_EQ(product(f), n);
    for (std::size_t k = 0; k < f.size(); ++k) {
        EXPECT_GT(mpz_probab_prime_p(f[k].prime.get_mpz_t(), 40), 0) << f[k].prime.get_str();
        if (k > 0) {
            EXPECT_LT(f[k - 1].prime, f[k].prime);
        }
    }
}

mpz_class nextPrime(const mpz_class& from) {
    mpz_class p;
    mpz_nextprime(p.get_mpz_t(), from.get_mpz_t());
    return p;
}

} // namespace

TEST(Factorization, AgreesWithTrialDivisionForEveryNumberUpTo20000) {
    EXPECT_TRUE(factorOrFail(1).empty());
    for (long n = 2; n <= 20000; ++n)
        expectSame(factorOrFail(n), bruteForce(n), std::to_string(n));
}

TEST(Factorization, PrimalityAgreesWithGmpAcrossSizes) {
    kit::Random random(17);
    for (int k = 0; k < 3000; ++k) {
        mpz_class n = random.between(0, 2000000);
        if (k % 3 == 0)
            n = n * n + 1;
        if (k % 3 == 1)
            n = mpz_class(random.between(1, INT64_MAX)) * random.between(1, 1000) + 1;
        EXPECT_EQ(isPrime(n), mpz_probab_prime_p(n.get_mpz_t(), 40) > 0) << n.get_str();
    }
    // Strong pseudoprimes to several bases are still found composite.
    EXPECT_FALSE(isPrime(mpz_class("3215031751")));          // 2, 3, 5, 7
    EXPECT_FALSE(isPrime(mpz_class("3825123056546413051"))); // 2 to 23
    EXPECT_FALSE(isPrime(561));                              // Carmichael
    EXPECT_TRUE(isPrime(mpz_class("999999999999999989")));
}

TEST(Factorization, NumbersOfTheSizeOf10To18FactorAtOnce) {
    const mpz_class semiprime = mpz_class(1000000007) * 1000000009;
    const Factorization f = factorOrFail(semiprime);
    ASSERT_EQ(f.size(), 2u);
    EXPECT_EQ(f[0].prime, 1000000007);
    EXPECT_EQ(f[1].prime, 1000000009);

    const mpz_class tenTo18("1000000000000000000");
    const Factorization ten = factorOrFail(tenTo18);
    ASSERT_EQ(ten.size(), 2u);
    EXPECT_EQ(ten[0].exponent, 18u);
    EXPECT_EQ(ten[1].exponent, 18u);
    expectValid(factorOrFail(mpz_class("999999999999999989")), mpz_class("999999999999999989"));
    expectValid(factorOrFail(mpz_class("576460752303423488")), mpz_class("576460752303423488"));

    // Products of two primes near 10^9 (the hardest case below 10^18 for rho), of a square,
    // of three primes near 10^6, and random 18-digit numbers.
    kit::Random random(2026);
    for (int k = 0; k < 40; ++k) {
        const mpz_class p = nextPrime(random.between(100000000, 999999999));
        const mpz_class q = nextPrime(random.between(100000000, 999999999));
        expectValid(factorOrFail(p * q), p * q);
        expectValid(factorOrFail(p * p), p * p);
        const mpz_class r = nextPrime(random.between(1000000, 1100000));
        expectValid(factorOrFail(r * r * nextPrime(r)), r * r * nextPrime(r));
        const mpz_class n = mpz_class(random.between(100000000000000000, INT64_MAX)) * 9 + 7;
        expectValid(factorOrFail(n), n);
    }
}

TEST(Factorization, BudgetStopsHardNumbersInsteadOfRunningOn) {
    // Two 15-digit primes: far beyond the budget of the explore area.
    const mpz_class p = nextPrime(mpz_class("100000000000000"));
    const mpz_class q = nextPrime(mpz_class("300000000000000"));
    kit::WorkBudget budget(factoringBudget);
    EXPECT_FALSE(factorize(p * q, budget).has_value());
    EXPECT_TRUE(budget.exhausted());

    kit::WorkBudget tiny(10);
    EXPECT_FALSE(factorize(mpz_class(1000003) * 1000033, tiny).has_value());
    kit::WorkBudget zero(factoringBudget);
    EXPECT_FALSE(factorize(0, zero).has_value());
}

TEST(FactorizationText, WritesPowersPlainAndHtml) {
    const Factorization f = factorOrFail(360);
    EXPECT_EQ(factorizationText(f, false), "2^3 * 3^2 * 5");
    EXPECT_EQ(factorizationText(f, true), "2<sup>3</sup> &middot; 3<sup>2</sup> &middot; 5");
    EXPECT_EQ(factorizationText({}, false), "1");
}

TEST(FactorizationAnswer, AcceptsAnyCorrectWritingAndSaysWhatIsWrong) {
    const auto check = expectFactorization(360);
    for (const char* typed :
         {"2^3 * 3^2 * 5", "2*2*2*3*3*5", "5 x 3^2 x 2^3", "2^3\u00b73^2\u00b75",
          "2^3 \u00d7 3 \u00d7 3 \u00d7 5", " 2 ^ 3 * 3^2 * 5 "})
        EXPECT_TRUE(check(typed).correct) << typed;
    EXPECT_EQ(check("8 * 9 * 5").message, "8 (at 1) is not a prime: it can be split further");
    EXPECT_EQ(check("1 * 2^3 * 3^2 * 5").message, "1 (at 1) is not a prime");
    EXPECT_EQ(check("2^3 * 3 * 5").message, "those primes multiply to 120, not 360");
    EXPECT_EQ(check("2^9 * 3^2 * 5").message, "those factors multiply to more than 360");
    EXPECT_EQ(check("2^3 * 3^2 *").message, "expected a prime after the times sign at 12");
    EXPECT_EQ(check("2^3 3^2").message, "expected a times sign * at 5");
    EXPECT_EQ(check("2^1001").message, "an exponent larger than 1000 at 3");
    EXPECT_EQ(check("2^ * 3").message, "expected an exponent after '^' at 4");
    EXPECT_EQ(check("2^0 * 360").message, "an exponent 0 (at 1) makes the factor 1: leave it out");
    EXPECT_FALSE(check("").correct);
    EXPECT_FALSE(check(std::string(300, '2')).correct);
}

TEST(ExploredNumber, TakesOneToThirtyDigits) {
    EXPECT_EQ(parseExploredNumber(" 36 ").value(), 36);
    EXPECT_TRUE(parseExploredNumber(std::string(largestExploredDigits, '9')).ok());
    const auto tooLarge = parseExploredNumber("1" + std::string(largestExploredDigits, '0'));
    ASSERT_FALSE(tooLarge.ok());
    EXPECT_NE(tooLarge.error().message.find("too large for this demonstration"), std::string::npos);
    EXPECT_EQ(parseExploredNumber("0").error().message,
              "choose a whole number from 1 up: 0 is divisible by every number");
    EXPECT_FALSE(parseExploredNumber("-4").ok());
    EXPECT_EQ(parseExploredNumber("3a").error().message, "unexpected 'a' at 2");
}
