#pragma once

#include <functional>
#include <string>
#include <vector>

namespace angles {

// A basic identity with both sides as functions of the angle x in radians.
struct Identity {
    std::string html; // "sin&sup2;x + cos&sup2;x = 1"
    std::string reason;
    std::function<double(double)> left;
    std::function<double(double)> right;
};

const std::vector<Identity>& basicIdentities();

} // namespace angles
