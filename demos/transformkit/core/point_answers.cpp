#include "transformkit/core/point_answers.h"

#include "kit/core/number_input.h"

#include <algorithm>

namespace transformkit {

kit::AnswerCheck expectPoint(ExactPoint expected, std::vector<KnownMistake> mistakes) {
    return [expected = std::move(expected),
            mistakes = std::move(mistakes)](std::string_view typed) -> kit::Verdict {
        const auto point = parsePoint(typed);
        if (!point.ok())
            return {false, point.error().message};
        const ExactPoint& p = point.value();
        if (p == expected)
            return {true, kit::correctMessage};
        for (const KnownMistake& mistake : mistakes)
            if (p == mistake.answer)
                return {false, mistake.message};
        if (p.x == expected.x)
            return {false, "the x-coordinate is right, the y-coordinate is not"};
        if (p.y == expected.y)
            return {false, "the y-coordinate is right, the x-coordinate is not"};
        if (p.x == expected.y && p.y == expected.x)
            return {false, "the coordinates are the wrong way round"};
        return {false, "both coordinates are wrong"};
    };
}

kit::AnswerCheck expectDegrees(int expected, std::vector<std::pair<int, std::string>> mistakes) {
    return [expected, mistakes = std::move(mistakes)](std::string_view typed) -> kit::Verdict {
        std::string text(typed);
        for (const std::string degree : {"\u00b0", "degrees", "deg"}) {
            const auto at = text.find(degree);
            if (at != std::string::npos)
                text.erase(at, degree.size());
        }
        const auto value = kit::parseInteger(text);
        if (!value.ok())
            return {false, "type the angle in whole degrees, such as 90: " + value.error().message};
        if (abs(value.value()) > 720)
            return {false, "give the angle within one turn, between \u2212360 and 360"};
        const long angle = value.value().get_si();
        auto sameTurn = [](long a, long b) { return ((a - b) % 360 + 360) % 360 == 0; };
        if (sameTurn(angle, expected) && angle > -360 && angle <= 360)
            return {true, kit::correctMessage};
        for (const auto& [wrong, message] : mistakes)
            if (sameTurn(angle, wrong))
                return {false, message};
        return {false, "not that angle"};
    };
}

ExactPoint randomPoint(kit::Random& random, int range) {
    return {mpq_class(static_cast<long>(random.between(-range, range))),
            mpq_class(static_cast<long>(random.between(-range, range)))};
}

ExactPoint randomPointAvoiding(kit::Random& random, int range,
                               const std::vector<ExactPoint>& avoid) {
    for (;;) {
        ExactPoint p = randomPoint(random, range);
        if (std::find(avoid.begin(), avoid.end(), p) == avoid.end())
            return p;
    }
}

std::string namedPoint(const std::string& name, const ExactPoint& p) {
    return "<b>" + name + "</b>" + displayPoint(p);
}

} // namespace transformkit
