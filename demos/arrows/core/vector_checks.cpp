#include "arrows/core/vector_exercises.h"
#include "kit/core/surd.h"

#include "kit/core/answer_checks.h"

namespace arrows {

namespace {

const char* ordinal(std::size_t i) {
    static const char* names[] = {"first", "second", "third"};
    return i < 3 ? names[i] : "last";
}

} // namespace

std::function<kit::Verdict(std::string_view)> expectVector(ExactVector expected) {
    return [expected = std::move(expected)](std::string_view typed) -> kit::Verdict {
        const auto parsed = parseVector(typed, expected.size());
        if (!parsed.ok())
            return {false, parsed.error().message};
        const ExactVector& v = parsed.value();
        std::size_t wrong = 0, first = 0;
        for (std::size_t i = v.size(); i-- > 0;)
            if (v[i] != expected[i]) {
                ++wrong;
                first = i;
            }
        if (wrong == 0)
            return {true, kit::correctMessage};
        if (wrong == 1)
            return {false,
                    std::string("Not right: the ") + ordinal(first) + " component is wrong."};
        return {false, "Not right: " + std::to_string(wrong) + " components are wrong."};
    };
}

std::function<kit::Verdict(std::string_view)> expectLength(mpq_class square) {
    return kit::expectSquareRoot(std::move(square));
}

} // namespace arrows
