#pragma once

#include "kit/core/answer_checks.h"
#include "kit/core/exercise.h"

#include <gmpxx.h>

#include <vector>

namespace dataanalysis {

// The practice exercises, one or more for each of the five parts, each with its worked
// solution: mean, median, weighted mean of a frequency table, sample variance, interquartile
// range, z-score, systematic sampling, least-squares slope and intercept, chi-square statistic.
std::vector<kit::ExerciseKind> exerciseKinds();

kit::Exercise meanExercise(kit::Seed seed);
kit::Exercise medianExercise(kit::Seed seed);
kit::Exercise frequencyMeanExercise(kit::Seed seed);
kit::Exercise sampleVarianceExercise(kit::Seed seed);
kit::Exercise interquartileExercise(kit::Seed seed);
kit::Exercise zScoreExercise(kit::Seed seed);
kit::Exercise systematicExercise(kit::Seed seed);
kit::Exercise slopeExercise(kit::Seed seed);
kit::Exercise chiSquareExercise(kit::Seed seed);

// A decimal answer is right when it rounds to the exact value at `places` decimals (or is the
// exact value, as a fraction or decimal); the message says how many places are wanted.
kit::AnswerCheck expectRounded(mpq_class exact, int places);

} // namespace dataanalysis
