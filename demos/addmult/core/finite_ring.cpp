#include "addmult/core/finite_ring.h"

#include <stdexcept>

namespace addmult {

namespace {

FiniteRing emptyTables(std::string name, std::vector<std::string> elements) {
    FiniteRing ring;
    ring.name = std::move(name);
    ring.elements = std::move(elements);
    const auto k = ring.elements.size();
    ring.add.assign(k, std::vector<int>(k, 0));
    ring.mul.assign(k, std::vector<int>(k, 0));
    return ring;
}

// Entries a b / c d of a matrix over Z_2 packed as the bits of a number 0..15 (a highest).
int entry(int matrix, int row, int column) {
    return (matrix >> (3 - (2 * row + column))) & 1;
}

int packed(int a, int b, int c, int d) {
    return (a << 3) | (b << 2) | (c << 1) | d;
}

} // namespace

FiniteRing integersModulo(int n) {
    if (n < smallestModulus || n > largestModulus)
        throw std::invalid_argument("Z_n is shown for n from 2 to 30");
    std::vector<std::string> names;
    for (int a = 0; a < n; ++a)
        names.push_back(std::to_string(a));
    FiniteRing ring = emptyTables("Z_" + std::to_string(n), std::move(names));
    for (int a = 0; a < n; ++a)
        for (int b = 0; b < n; ++b) {
            ring.add[a][b] = (a + b) % n;
            ring.mul[a][b] = (a * b) % n;
        }
    return ring;
}

FiniteRing matricesOverZ2() {
    std::vector<std::string> names;
    for (int m = 0; m < 16; ++m)
        names.push_back(std::to_string(entry(m, 0, 0)) + std::to_string(entry(m, 0, 1)) +
                        std::to_string(entry(m, 1, 0)) + std::to_string(entry(m, 1, 1)));
    FiniteRing ring = emptyTables("M_2(Z_2)", std::move(names));
    for (int x = 0; x < 16; ++x)
        for (int y = 0; y < 16; ++y) {
            ring.add[x][y] = x ^ y;
            int product[2][2];
            for (int r = 0; r < 2; ++r)
                for (int c = 0; c < 2; ++c)
                    product[r][c] =
                        (entry(x, r, 0) * entry(y, 0, c) + entry(x, r, 1) * entry(y, 1, c)) % 2;
            ring.mul[x][y] = packed(product[0][0], product[0][1], product[1][0], product[1][1]);
        }
    return ring;
}

FiniteRing productRing(int n, int m) {
    if (n < smallestModulus || m < smallestModulus || n * m > largestProductSize)
        throw std::invalid_argument("Z_n x Z_m is shown for n, m >= 2 and n * m <= 36");
    std::vector<std::string> names;
    for (int a = 0; a < n; ++a)
        for (int b = 0; b < m; ++b)
            names.push_back("(" + std::to_string(a) + "," + std::to_string(b) + ")");
    FiniteRing ring =
        emptyTables("Z_" + std::to_string(n) + " x Z_" + std::to_string(m), std::move(names));
    const auto index = [m](int a, int b) { return a * m + b; };
    for (int x = 0; x < n * m; ++x)
        for (int y = 0; y < n * m; ++y) {
            const int a1 = x / m, b1 = x % m, a2 = y / m, b2 = y % m;
            ring.add[x][y] = index((a1 + a2) % n, (b1 + b2) % m);
            ring.mul[x][y] = index((a1 * a2) % n, (b1 * b2) % m);
        }
    return ring;
}

} // namespace addmult
