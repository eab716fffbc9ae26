#pragma once

#include <string>
#include <vector>

namespace signednumbers {

// Addition and subtraction as moves on the number line: start at a, then walk.
struct NumberLineWalk {
    long start = 0;
    long move = 0; // signed: positive is to the right
    long end = 0;
    std::vector<std::string> explanation;
};

NumberLineWalk additionWalk(long a, long b);    // a + b
NumberLineWalk subtractionWalk(long a, long b); // a - b, walked as a + (-b)

} // namespace signednumbers
