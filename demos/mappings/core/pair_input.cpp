#include "mappings/core/pair_input.h"

#include "kit/core/text_scan.h"

#include <cctype>
#include <string>

namespace mappings {

namespace {

class PairScanner {
  public:
    PairScanner(std::string_view text, int size) : text_(text), size_(size), relation_(size) {}

    kit::Parsed<Relation> scan() {
        skipSpaces();
        const bool braced = accept('{');
        skipSpaces();
        bool first = true;
        while (pos_ < text_.size() && text_[pos_] != '}') {
            if (!first && !accept(','))
                return error("expected ',' between pairs");
            skipSpaces();
            if (auto failure = scanPair())
                return *failure;
            skipSpaces();
            first = false;
        }
        if (braced && !accept('}'))
            return error("missing '}' at the end");
        if (!braced && pos_ < text_.size())
            return error("a '}' without its '{'");
        skipSpaces();
        if (pos_ < text_.size())
            return error(kit::unexpectedAt(text_[pos_], pos_ + 1));
        return relation_;
    }

  private:
    std::optional<kit::ParseError> scanPair() {
        if (!accept('('))
            return error(pos_ < text_.size() ? "expected '(' to start a pair, found " +
                                                   kit::unexpectedAt(text_[pos_], pos_ + 1)
                                             : std::string("expected '(' to start a pair"));
        const auto a = scanElement();
        if (!a)
            return lastError_;
        skipSpaces();
        if (!accept(','))
            return error("expected ',' inside the pair");
        const auto b = scanElement();
        if (!b)
            return lastError_;
        skipSpaces();
        if (!accept(')'))
            return error("expected ')' to close the pair");
        relation_.set(*a, *b, true);
        return std::nullopt;
    }

    std::optional<int> scanElement() {
        skipSpaces();
        const std::size_t start = pos_;
        while (pos_ < text_.size() && std::isdigit(static_cast<unsigned char>(text_[pos_])) &&
               pos_ - start < 3)
            ++pos_;
        if (pos_ == start) {
            lastError_ =
                error("expected an element (a number from 1 to " + std::to_string(size_) + ")");
            return std::nullopt;
        }
        const int value = std::stoi(std::string(text_.substr(start, pos_ - start)));
        if (value < 1 || value > size_ ||
            (pos_ < text_.size() && std::isdigit(static_cast<unsigned char>(text_[pos_])))) {
            lastError_ =
                kit::ParseError{std::string(text_.substr(start, pos_ - start)) +
                                    " is not an element of {1, ..., " + std::to_string(size_) + "}",
                                start + 1};
            return std::nullopt;
        }
        return value;
    }

    bool accept(char c) {
        if (pos_ < text_.size() && text_[pos_] == c) {
            ++pos_;
            return true;
        }
        return false;
    }
    void skipSpaces() {
        while (pos_ < text_.size() && std::isspace(static_cast<unsigned char>(text_[pos_])))
            ++pos_;
    }
    kit::ParseError error(std::string message) const { return {std::move(message), pos_ + 1}; }

    std::string_view text_;
    int size_;
    Relation relation_;
    std::size_t pos_ = 0;
    kit::ParseError lastError_;
};

std::string trimmedLower(std::string_view text) {
    std::string out;
    for (char c : text)
        if (!std::isspace(static_cast<unsigned char>(c)))
            out += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return out;
}

} // namespace

kit::Parsed<Relation> parsePairs(std::string_view text, int size) {
    if (auto tooLong = kit::checkLength(text, "the pairs"))
        return *tooLong;
    if (trimmedLower(text) == "none")
        return Relation(size);
    return PairScanner(text, size).scan();
}

} // namespace mappings
