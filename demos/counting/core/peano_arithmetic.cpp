#include "counting/core/peano_arithmetic.h"

namespace counting {
namespace {

std::string wrapped(int layers, const std::string& inner) {
    std::string text = inner;
    for (int i = 0; i < layers; ++i)
        text = "S(" + text + ")";
    return text;
}

} // namespace

std::string successorForm(int n) {
    return wrapped(n - 1, "1");
}

std::vector<std::string> peanoAdditionSteps(int a, int b) {
    const std::string left = std::to_string(a);
    std::vector<std::string> steps;
    int layers = 0;
    int rest = b;
    std::string line = left + " + " + std::to_string(b);
    while (rest > 1) {
        steps.push_back(line + " = " +
                        wrapped(layers, left + " + S(" + std::to_string(rest - 1) + ")") +
                        " &nbsp; (" + std::to_string(rest) + " is the successor of " +
                        std::to_string(rest - 1) + ")");
        ++layers;
        --rest;
        line = "&nbsp;&nbsp;&nbsp;";
        steps.push_back(line + " = " + wrapped(layers, left + " + " + std::to_string(rest)) +
                        " &nbsp; (a + S(b) = S(a + b))");
    }
    ++layers;
    steps.push_back(line + " = " + wrapped(layers, left) + " &nbsp; (a + 1 = S(a))");
    int value = a;
    while (layers > 0) {
        ++value;
        --layers;
        steps.push_back("&nbsp;&nbsp;&nbsp; = " + wrapped(layers, std::to_string(value)) +
                        " &nbsp; (the successor of " + std::to_string(value - 1) + " is " +
                        std::to_string(value) + ")");
    }
    return steps;
}

std::vector<std::string> peanoMultiplicationSteps(int a, int b) {
    const std::string left = std::to_string(a);
    std::vector<std::string> steps;
    std::string sum;
    for (int rest = b; rest > 1; --rest) {
        sum = " + " + left + sum;
        steps.push_back(left + " &middot; " + std::to_string(rest) + " = " + left + " &middot; " +
                        std::to_string(rest - 1) + " + " + left +
                        " &nbsp; (a &middot; S(b) = a &middot; b + a)");
    }
    steps.push_back(left + " &middot; 1 = " + left + " &nbsp; (a &middot; 1 = a)");
    steps.push_back("so " + left + " &middot; " + std::to_string(b) + " = " + left + sum + " = " +
                    std::to_string(a * b));
    return steps;
}

} // namespace counting
