#pragma once

#include <string>

namespace kit {

// The outcome of checking one typed answer. The message is shown to the learner: "Correct."
// or what is wrong ("6/8 is right but not in lowest terms", "expected an integer, got \"3.5\"").
struct Verdict {
    bool correct = false;
    std::string message;
};

} // namespace kit
