#pragma once

#include "kit/core/exercise.h"

#include <gmpxx.h>

#include <vector>

namespace divisors {

// The practice exercises of the divisors program, each generated from a seed with its worked
// solution: gcd by Euclid, prime factorisation, number and sum of divisors, all divisors,
// lcm, Bezout coefficients and relatively prime pairs.
std::vector<kit::ExerciseKind> exerciseKinds();

kit::Exercise gcdExercise(kit::Seed seed);
kit::Exercise factorizeExercise(kit::Seed seed);
kit::Exercise divisorCountExercise(kit::Seed seed);
kit::Exercise divisorSumExercise(kit::Seed seed);
kit::Exercise divisorListExercise(kit::Seed seed);
kit::Exercise lcmExercise(kit::Seed seed);
kit::Exercise bezoutExercise(kit::Seed seed);
kit::Exercise coprimeExercise(kit::Seed seed);

// Checker for "find x and y with a x + b y = gcd(a, b)": any correct pair is accepted.
std::function<kit::Verdict(std::string_view)> expectBezoutPair(mpz_class a, mpz_class b);

} // namespace divisors
