#pragma once

#include <string>
#include <vector>

namespace addmult {

// A finite set with two operations given by their tables: element i + element j is
// add[i][j], element i times element j is mul[i][j]. Elements are numbered 0..size-1 and
// shown by their names.
struct FiniteRing {
    std::string name; // "Z_6", "Z_2 x Z_3", "M_2(Z_2)"
    std::vector<std::string> elements;
    std::vector<std::vector<int>> add;
    std::vector<std::vector<int>> mul;

    int size() const { return static_cast<int>(elements.size()); }
    int sum(int a, int b) const { return add[a][b]; }
    int product(int a, int b) const { return mul[a][b]; }
};

inline constexpr int smallestModulus = 2;
inline constexpr int largestModulus = 30;

// Z_n: 0..n-1 with addition and multiplication modulo n (2 <= n <= largestModulus).
FiniteRing integersModulo(int n);
// The sixteen 2 x 2 matrices over Z_2, named by their entries read row by row ("1001" is the
// identity matrix).
FiniteRing matricesOverZ2();
// Z_n x Z_m: pairs (a, b) added and multiplied component by component; n * m <= 36.
FiniteRing productRing(int n, int m);
inline constexpr int largestProductSize = 36;

} // namespace addmult
