#include "divisors/view/divisors_explore.h"

#include "divisors/view/divisors_tab.h"
#include "divisors/view/euclid_tab.h"
#include "divisors/view/sieve_tab.h"

namespace divisors {

DivisorsExplore::DivisorsExplore(QWidget* parent)
    : QTabWidget(parent), divisors_(new DivisorsTab(this)), sieve_(new SieveTab(this)),
      euclid_(new EuclidTab(this)) {
    setObjectName("explore");
    addTab(divisors_, tr("&Divisors and factors"));
    addTab(sieve_, tr("Sie&ve of Eratosthenes"));
    addTab(euclid_, tr("&gcd, lcm and B\u00e9zout"));
}

} // namespace divisors
