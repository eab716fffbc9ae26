#include "decimals/core/repeating_decimal.h"

#include "kit/core/input_limits.h"

#include <cctype>

namespace decimals {
namespace {

mpz_class powerOfTen(std::size_t exponent) {
    mpz_class power;
    mpz_ui_pow_ui(power.get_mpz_t(), 10, exponent);
    return power;
}

mpz_class digitsValue(const std::string& digits) {
    return digits.empty() ? mpz_class(0) : mpz_class(digits, 10);
}

class Reader {
  public:
    explicit Reader(std::string_view text) : text_(text) {}
    bool atEnd() const { return position_ >= text_.size(); }
    char peek() const { return atEnd() ? '\0' : text_[position_]; }
    std::size_t position() const { return position_; }
    void skipSpaces() {
        while (!atEnd() && std::isspace(static_cast<unsigned char>(peek())))
            ++position_;
    }
    bool accept(char c) {
        if (peek() != c)
            return false;
        ++position_;
        return true;
    }
    std::string digits() {
        std::string found;
        while (!atEnd() && std::isdigit(static_cast<unsigned char>(peek())))
            found.push_back(text_[position_++]);
        return found;
    }

  private:
    std::string_view text_;
    std::size_t position_ = 0;
};

kit::ParseError errorAt(const Reader& reader, const std::string& what) {
    return {what + " at " + std::to_string(reader.position() + 1), reader.position() + 1};
}

} // namespace

kit::Parsed<RepeatingDecimal> parseRepeatingDecimal(std::string_view text) {
    if (text.size() > kit::maxInputLength)
        return kit::ParseError{"the input is longer than " + std::to_string(kit::maxInputLength) +
                                   " characters",
                               kit::maxInputLength};
    Reader reader(text);
    RepeatingDecimal decimal;
    reader.skipSpaces();
    if (reader.accept('-'))
        decimal.negative = true;
    else
        reader.accept('+');
    decimal.integerDigits = reader.digits();
    if (reader.accept('.')) {
        decimal.preperiod = reader.digits();
        if (reader.accept('(')) {
            decimal.period = reader.digits();
            if (decimal.period.empty())
                return errorAt(reader, "expected the repeating digits");
            if (!reader.accept(')'))
                return errorAt(reader, "expected ')'");
        }
    }
    if (decimal.integerDigits.empty() && decimal.preperiod.empty() && decimal.period.empty())
        return errorAt(reader, "expected a decimal number");
    reader.skipSpaces();
    if (!reader.atEnd())
        return errorAt(reader, std::string("unexpected '") + reader.peek() + "'");
    if (decimal.integerDigits.empty())
        decimal.integerDigits = "0";
    return decimal;
}

mpq_class toFraction(const RepeatingDecimal& decimal) {
    const std::string withPreperiod = decimal.integerDigits + decimal.preperiod;
    const std::string withPeriod = withPreperiod + decimal.period;
    const mpz_class shiftA = powerOfTen(decimal.preperiod.size());
    mpq_class value;
    if (decimal.period.empty()) {
        value = mpq_class(digitsValue(withPreperiod), shiftA);
    } else {
        const mpz_class numerator = digitsValue(withPeriod) - digitsValue(withPreperiod);
        value = mpq_class(numerator, shiftA * (powerOfTen(decimal.period.size()) - 1));
    }
    value.canonicalize();
    return decimal.negative ? mpq_class(-value) : value;
}

std::string repeatingText(const RepeatingDecimal& decimal) {
    std::string text = (decimal.negative ? "-" : "") + decimal.integerDigits;
    if (decimal.preperiod.empty() && decimal.period.empty())
        return text;
    text += "." + decimal.preperiod;
    if (!decimal.period.empty())
        text += "(" + decimal.period + ")";
    return text;
}

std::vector<std::string> toFractionSteps(const RepeatingDecimal& decimal) {
    const std::size_t a = decimal.preperiod.size();
    const std::size_t b = decimal.period.size();
    const std::string x = repeatingText(
        RepeatingDecimal{false, decimal.integerDigits, decimal.preperiod, decimal.period});
    const mpq_class value = toFraction(decimal);
    std::vector<std::string> steps;
    if (b == 0) {
        steps.push_back("A finite decimal with " + std::to_string(a) + " decimal places is " +
                        "that many tenths: x = " + x + " = " +
                        digitsValue(decimal.integerDigits + decimal.preperiod).get_str() + "/" +
                        powerOfTen(a).get_str() + ".");
    } else {
        const std::string withPreperiod = decimal.integerDigits + decimal.preperiod;
        const mpz_class high = digitsValue(withPreperiod + decimal.period);
        const mpz_class low = digitsValue(withPreperiod);
        const mpz_class denominator = powerOfTen(a) * (powerOfTen(b) - 1);
        steps.push_back("Let x = " + x + ". The repeating block has " + std::to_string(b) +
                        " digit" + (b == 1 ? "" : "s") + " and starts after " + std::to_string(a) +
                        " decimal place" + (a == 1 ? "" : "s") + ".");
        steps.push_back("Multiply by 10<sup>" + std::to_string(a + b) + "</sup> and by 10<sup>" +
                        std::to_string(a) + "</sup>: the results " +
                        "have the same digits after the point, so they cancel in the "
                        "difference.");
        steps.push_back("10<sup>" + std::to_string(a + b) + "</sup>x &minus; 10<sup>" +
                        std::to_string(a) + "</sup>x = " + high.get_str() + " &minus; " +
                        low.get_str() + " = " + mpz_class(high - low).get_str() + ".");
        steps.push_back("So " + denominator.get_str() + " x = " + mpz_class(high - low).get_str() +
                        " and x = " + mpz_class(high - low).get_str() + "/" +
                        denominator.get_str() + ".");
    }
    steps.push_back("In lowest terms: <b>" + std::string(decimal.negative ? "-" : "") +
                    mpq_class(abs(value)).get_str() + "</b>.");
    return steps;
}

} // namespace decimals
