#include "engine/core/answer_check.h"

#include <algorithm>

namespace engine {

std::string verdictForAnswer(const std::string& answerLetter, char buttonLetter) {
    const char lower = static_cast<char>(buttonLetter - 'A' + 'a');
    return answerLetter == std::string(1, lower) ? correctVerdict : wrongVerdict;
}

std::string checkFillIn(const std::vector<FillInField>& fields,
                        const std::function<std::string(int control)>& textOf) {
    const bool allRight = std::all_of(fields.begin(), fields.end(), [&](const FillInField& f) {
        const std::string typed = textOf(f.control);
        return std::find(f.accepted.begin(), f.accepted.end(), typed) != f.accepted.end();
    });
    return allRight ? correctVerdict : wrongVerdict;
}

} // namespace engine
