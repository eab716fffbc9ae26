#include "kit/core/answer_checks.h"

#include "kit/core/number_input.h"

#include <algorithm>
#include <cctype>
#include <exception>

namespace kit {

namespace {

const char* const notYet = "Not correct yet. Try again, or show the solution step by step.";

std::string trimmed(std::string_view text) {
    const auto space = [](char c) { return std::isspace(static_cast<unsigned char>(c)) != 0; };
    while (!text.empty() && space(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && space(text.back()))
        text.remove_suffix(1);
    return std::string(text);
}

std::string lowered(std::string text) {
    for (char& c : text)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

// Runs a checker body so that nothing escapes to the caller (a Qt slot).
template <class Body> Verdict guarded(Body body) {
    try {
        return body();
    } catch (const std::exception& error) {
        return {false, std::string("That answer could not be checked: ") + error.what()};
    } catch (...) {
        return {false, "That answer could not be checked."};
    }
}

Verdict checkInteger(const mpz_class& expected, std::string_view typed) {
    const auto value = parseInteger(typed);
    if (value.ok())
        return value.value() == expected ? Verdict{true, correctMessage} : Verdict{false, notYet};
    const auto rational = parseTypedRational(typed);
    if (rational.ok())
        return {false, "expected an integer, got \"" + trimmed(typed) + "\""};
    return {false, value.error().message};
}

Verdict checkRational(const mpq_class& expected, FractionForm form, std::string_view typed) {
    const auto parsed = parseTypedRational(typed);
    if (!parsed.ok())
        return {false, parsed.error().message};
    const TypedRational& r = parsed.value();
    if (r.value != expected)
        return {false, notYet};
    if (form == FractionForm::AnyEquivalent || isLowestTerms(typed))
        return {true, correctMessage};
    if (r.form == WrittenForm::Decimal)
        return {false, trimmed(typed) + " is right, but write it as a fraction in lowest terms"};
    if (r.form == WrittenForm::Mixed && r.numerator >= r.denominator)
        return {false, trimmed(typed) + " is right, but the fraction part should be less than 1"};
    return {false, trimmed(typed) + " is right but not in lowest terms"};
}

Verdict checkList(std::vector<mpz_class> expected, bool ordered, std::string_view typed) {
    const auto parsed = parseIntegerList(typed);
    if (!parsed.ok())
        return {false, parsed.error().message};
    std::vector<mpz_class> values = parsed.value();
    if (values.size() != expected.size())
        return {false, "expected " + std::to_string(expected.size()) + " numbers, got " +
                           std::to_string(values.size())};
    if (!ordered) {
        std::sort(values.begin(), values.end());
        std::sort(expected.begin(), expected.end());
    }
    if (values == expected)
        return {true, correctMessage};
    if (ordered) {
        auto sortedValues = values;
        auto sortedExpected = expected;
        std::sort(sortedValues.begin(), sortedValues.end());
        std::sort(sortedExpected.begin(), sortedExpected.end());
        if (sortedValues == sortedExpected)
            return {false, "The right numbers, but not in the right order."};
    }
    return {false, notYet};
}

} // namespace

AnswerCheck expectInteger(mpz_class expected) {
    return [expected](std::string_view typed) {
        return guarded([&] { return checkInteger(expected, typed); });
    };
}

AnswerCheck expectRational(mpq_class expected, FractionForm form) {
    expected.canonicalize();
    return [expected, form](std::string_view typed) {
        return guarded([&] { return checkRational(expected, form, typed); });
    };
}

AnswerCheck expectIntegerList(std::vector<mpz_class> expected, bool ordered) {
    return [expected = std::move(expected), ordered](std::string_view typed) {
        return guarded([&] { return checkList(expected, ordered, typed); });
    };
}

AnswerCheck expectChoice(std::vector<std::string> accepted) {
    for (auto& word : accepted)
        word = lowered(trimmed(word));
    return [accepted = std::move(accepted)](std::string_view typed) {
        return guarded([&] {
            const std::string answer = lowered(trimmed(typed));
            if (answer.empty())
                return Verdict{false, "Nothing was typed."};
            const bool found =
                std::find(accepted.begin(), accepted.end(), answer) != accepted.end();
            return found ? Verdict{true, correctMessage} : Verdict{false, notYet};
        });
    };
}

} // namespace kit
