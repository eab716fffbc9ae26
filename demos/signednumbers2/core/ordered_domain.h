#pragma once

#include <string>
#include <vector>

namespace signednumbers2 {

// One law of the ordered integral domain Z, stated and tried on chosen integers.
struct LawInstance {
    std::string name;     // "Cancellation"
    std::string law;      // "if c &ne; 0 and ac = bc then a = b"
    std::string instance; // the law with the chosen numbers put in
    bool holds = false;   // the instance, computed both ways
};

// The laws for a, b, c (each |x| <= 10^6 so that every product fits).
std::vector<LawInstance> orderedDomainLaws(long a, long b, long c);

} // namespace signednumbers2
