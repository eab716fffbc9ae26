#pragma once

#include "engine/core/catalogue.h"

#include <functional>
#include <string>
#include <vector>

namespace engine {

inline const std::string correctVerdict = "Correct";
inline const std::string wrongVerdict = "Wrong";

// An answer button is right when the Page's answer letter is its lower-case letter exactly.
std::string verdictForAnswer(const std::string& answerLetter, char buttonLetter);

// Right only when every field holds one of its accepted answers, compared exactly: case,
// blanks and digits as typed ("5.40" is not "5.4").
std::string checkFillIn(const std::vector<FillInField>& fields,
                        const std::function<std::string(int control)>& textOf);

} // namespace engine
