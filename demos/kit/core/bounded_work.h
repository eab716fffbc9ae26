#pragma once

#include <cstdint>

namespace kit {

// What the learner reads when a computation runs out of its budget.
inline constexpr const char* tooLargeMessage = "too large for this demonstration";

// A budget for work that can run long (factoring, long division): a counter that says stop.
class WorkBudget {
  public:
    explicit WorkBudget(std::uint64_t steps) : remaining_(steps) {}
    // Takes n steps; false (and exhausted from then on) when fewer than n were left.
    bool spend(std::uint64_t n = 1);
    bool exhausted() const { return exhausted_; }
    std::uint64_t remaining() const { return remaining_; }

  private:
    std::uint64_t remaining_;
    bool exhausted_ = false;
};

} // namespace kit
