#pragma once

#include <cstddef>
#include <stdexcept>
#include <string>
#include <utility>
#include <variant>

namespace kit {

// What is wrong with a typed value and where. position counts characters from 1 as the
// learner sees them; 0 means the fault is not at one place (empty or too long input).
// The message already names the place: "unexpected ')' at 7".
struct ParseError {
    std::string message;
    std::size_t position = 0;
};

// Either a value or a ParseError.
template <class T> class Parsed {
  public:
    Parsed(T value) : content_(std::move(value)) {}
    Parsed(ParseError error) : content_(std::move(error)) {}

    bool ok() const { return content_.index() == 0; }
    const T& value() const {
        if (!ok())
            throw std::logic_error("Parsed::value on an error: " + error().message);
        return std::get<0>(content_);
    }
    const ParseError& error() const {
        if (ok())
            throw std::logic_error("Parsed::error on a value");
        return std::get<1>(content_);
    }

  private:
    std::variant<T, ParseError> content_;
};

} // namespace kit
