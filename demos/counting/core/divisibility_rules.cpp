#include "counting/core/divisibility_rules.h"

#include <stdexcept>

namespace counting {
namespace {

int lastDigits(const std::string& digits, std::size_t count) {
    const std::size_t start = digits.size() > count ? digits.size() - count : 0;
    return std::stoi(digits.substr(start));
}

std::string yesNo(bool divides, int divisor) {
    return divides ? "so the number is divisible by " + std::to_string(divisor) + "."
                   : "so the number is not divisible by " + std::to_string(divisor) + ".";
}

long digitSum(const std::string& digits) {
    long sum = 0;
    for (char c : digits)
        sum += c - '0';
    return sum;
}

std::string digitSumText(const std::string& digits) {
    std::string text;
    for (std::size_t i = 0; i < digits.size(); ++i)
        text += (i == 0 ? "" : " + ") + std::string(1, digits[i]);
    return text;
}

// Digit sums repeated until one digit is left; the digit decides.
bool digitSumRule(const std::string& digits, int divisor, std::vector<std::string>& work) {
    std::string current = digits;
    while (current.size() > 1) {
        const long sum = digitSum(current);
        work.push_back("digit sum of " + current + ": " + digitSumText(current) + " = " +
                       std::to_string(sum));
        current = std::to_string(sum);
    }
    const int digit = current[0] - '0';
    const bool divides = digit % divisor == 0;
    work.push_back("the single digit " + current + (divides ? " is " : " is not ") +
                   "a multiple of " + std::to_string(divisor) + ", " + yesNo(divides, divisor));
    return divides;
}

// Alternating sum of the digits from the right, repeated while it has more than two digits.
bool elevenRule(const std::string& digits, std::vector<std::string>& work) {
    std::string current = digits;
    while (current.size() > 2) {
        long sum = 0;
        std::string text;
        for (std::size_t i = 0; i < current.size(); ++i) {
            const std::size_t fromRight = current.size() - 1 - i;
            const int digit = current[i] - '0';
            const bool plus = fromRight % 2 == 0;
            sum += plus ? digit : -digit;
            text += (i == 0 ? (plus ? "" : "&minus;") : (plus ? " + " : " &minus; ")) +
                    std::to_string(digit);
        }
        work.push_back("alternating sum of " + current + " from the right: " + text + " = " +
                       (sum < 0 ? "&minus;" + std::to_string(-sum) : std::to_string(sum)));
        current = std::to_string(sum < 0 ? -sum : sum);
    }
    const int value = std::stoi(current);
    const bool divides = value % 11 == 0;
    work.push_back(current + (divides ? " is " : " is not ") + "a multiple of 11 (0, 11, 22, " +
                   "&hellip;, 99), " + yesNo(divides, 11));
    return divides;
}

bool lastDigitsRule(const std::string& digits, std::size_t count, int divisor,
                    std::vector<std::string>& work) {
    const int tail = lastDigits(digits, count);
    const bool divides = tail % divisor == 0;
    const std::string tailDigits = digits.substr(digits.size() > count ? digits.size() - count : 0);
    const std::string shown = tailDigits == std::to_string(tail)
                                  ? tailDigits
                                  : tailDigits + ", that is " + std::to_string(tail);
    work.push_back("the last " + std::to_string(count) + " digits form " + shown + " = " +
                   std::to_string(divisor) + " &middot; " + std::to_string(tail / divisor) +
                   (tail % divisor == 0 ? "" : " + " + std::to_string(tail % divisor)) + ", " +
                   yesNo(divides, divisor));
    return divides;
}

std::string allowedList(const std::string& digits) {
    std::string text;
    for (std::size_t i = 0; i < digits.size(); ++i)
        text += (i == 0 ? "" : ", ") + std::string(1, digits[i]);
    return text;
}

bool lastDigitRule(const std::string& digits, const std::string& allowed, int divisor,
                   std::vector<std::string>& work) {
    const char last = digits.back();
    const bool divides = allowed.find(last) != std::string::npos;
    const std::string which =
        allowed.size() == 1 ? (divides ? "" : ", not " + allowed)
                            : (divides ? ", one of " : ", not one of ") + allowedList(allowed);
    work.push_back(std::string("the last digit is ") + last + which + ", " +
                   yesNo(divides, divisor));
    return divides;
}

} // namespace

const std::vector<int>& ruleDivisors() {
    static const std::vector<int> divisors{2, 3, 4, 5, 6, 8, 9, 10, 11};
    return divisors;
}

RuleCheck applyDivisibilityRule(const mpz_class& n, int divisor) {
    const std::string digits = n.get_str();
    RuleCheck check;
    check.divisor = divisor;
    switch (divisor) {
    case 2:
        check.rule = "the last digit is even";
        check.reason =
            "n = 10 &middot; (the number without its last digit) + last digit, and 10 is "
            "a multiple of 2, so n and its last digit leave the same remainder on "
            "division by 2.";
        check.divides = lastDigitRule(digits, "02468", 2, check.work);
        break;
    case 5:
        check.rule = "the last digit is 0 or 5";
        check.reason = "10 = 5 &middot; 2 is a multiple of 5, so only the last digit matters, and "
                       "the one-digit multiples of 5 are 0 and 5.";
        check.divides = lastDigitRule(digits, "05", 5, check.work);
        break;
    case 10:
        check.rule = "the last digit is 0";
        check.reason =
            "n = 10 &middot; (the number without its last digit) + last digit; the first "
            "part is a multiple of 10, so n is one exactly when the last digit is 0.";
        check.divides = lastDigitRule(digits, "0", 10, check.work);
        break;
    case 4:
        check.rule = "the number formed by the last two digits is a multiple of 4";
        check.reason = "100 = 4 &middot; 25, so every hundred is a multiple of 4 and only the last "
                       "two digits decide.";
        check.divides = lastDigitsRule(digits, 2, 4, check.work);
        break;
    case 8:
        check.rule = "the number formed by the last three digits is a multiple of 8";
        check.reason = "1000 = 8 &middot; 125, so every thousand is a multiple of 8 and only the "
                       "last three digits decide.";
        check.divides = lastDigitsRule(digits, 3, 8, check.work);
        break;
    case 3:
    case 9:
        check.rule = "the sum of the digits is a multiple of " + std::to_string(divisor);
        check.reason = "10 = 9 + 1, so 10, 100 = 99 + 1, 1000 = 999 + 1, &hellip; each leave "
                       "remainder 1 on division by 9 (and by 3): a number and its digit sum leave "
                       "the same remainder.";
        check.divides = digitSumRule(digits, divisor, check.work);
        break;
    case 6: {
        check.rule = "the number is divisible by 2 and by 3";
        check.reason = "6 = 2 &middot; 3 and 2 and 3 have no common factor, so a number is a "
                       "multiple of 6 exactly when it is a multiple of both.";
        std::vector<std::string> byTwo;
        std::vector<std::string> byThree;
        const bool two = lastDigitRule(digits, "02468", 2, byTwo);
        const bool three = digitSumRule(digits, 3, byThree);
        check.work.push_back("by 2: " + byTwo.back());
        for (const auto& line : byThree)
            check.work.push_back("by 3: " + line);
        check.divides = two && three;
        check.work.push_back(
            std::string(two && three ? "both tests pass, " : "not both tests pass, ") +
            yesNo(check.divides, 6));
        break;
    }
    case 11:
        check.rule = "the alternating sum of the digits (from the right: +, &minus;, +, &hellip;) "
                     "is a multiple of 11";
        check.reason = "10 = 11 &minus; 1 leaves remainder &minus;1 on division by 11, so 100 "
                       "leaves +1, 1000 leaves &minus;1, and so on: the place values alternate in "
                       "sign.";
        check.divides = elevenRule(digits, check.work);
        break;
    default:
        throw std::invalid_argument("no digit rule for this divisor");
    }
    return check;
}

} // namespace counting
