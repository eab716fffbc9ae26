#include "dataanalysis/core/exercises.h"

#include "dataanalysis/core/chi_square.h"
#include "dataanalysis/core/least_squares.h"
#include "dataanalysis/core/number_text.h"
#include "dataanalysis/core/statistics.h"
#include "kit/core/number_input.h"

#include <algorithm>
#include <exception>

namespace dataanalysis {

namespace {

using kit::Exercise;
using kit::Random;

std::vector<mpq_class> randomData(Random& random, int count, int low, int high) {
    std::vector<mpq_class> data;
    for (int i = 0; i < count; ++i)
        data.emplace_back(static_cast<long>(random.between(low, high)));
    return data;
}

std::string listText(const std::vector<mpq_class>& data) {
    std::string text;
    for (const auto& v : data)
        text += (text.empty() ? "" : ", ") + v.get_str();
    return text;
}

std::vector<mpq_class> sorted(std::vector<mpq_class> data) {
    std::sort(data.begin(), data.end());
    return data;
}

mpq_class sumOf(const std::vector<mpq_class>& data) {
    mpq_class total = 0;
    for (const auto& v : data)
        total += v;
    return total;
}

const char* const fractionHint = "a number: an integer, a fraction a/b or an exact decimal";

} // namespace

kit::AnswerCheck expectRounded(mpq_class exact, int places) {
    return [exact, places](std::string_view typed) -> kit::Verdict {
        try {
            const auto value = kit::parseRational(typed);
            if (!value.ok())
                return {false, value.error().message};
            mpq_class tolerance(1, 2);
            for (int i = 0; i < places; ++i)
                tolerance /= 10;
            if (abs(value.value() - exact) <= tolerance)
                return {true, kit::correctMessage};
            return {false, "Not correct yet (give the answer to " + std::to_string(places) +
                               " decimal places). Try again, or show the solution."};
        } catch (const std::exception& error) {
            return {false, std::string("That answer could not be checked: ") + error.what()};
        }
    };
}

Exercise meanExercise(kit::Seed seed) {
    Random random(seed);
    const auto data = randomData(random, static_cast<int>(random.between(5, 9)), 1, 40);
    const mpq_class total = sumOf(data);
    const mpq_class mean = total / static_cast<unsigned long>(data.size());
    Exercise e;
    e.kind = "mean";
    e.prompt = "Find the mean of " + listText(data) + ".";
    e.answerHint = fractionHint;
    e.expectedAnswer = mean.get_str();
    e.check = kit::expectRational(mean, kit::FractionForm::AnyEquivalent);
    e.solutionSteps = {
        "The mean is the sum of the values divided by how many there are: x&#772; = &Sigma;x / n.",
        "&Sigma;x = " + listText(data) + " added up = " + total.get_str() +
            ", and n = " + std::to_string(data.size()) + ".",
        "x&#772; = " + total.get_str() + " / " + std::to_string(data.size()) + " = " +
            exactText(mean) + "."};
    return e;
}

Exercise medianExercise(kit::Seed seed) {
    Random random(seed);
    const auto data = randomData(random, static_cast<int>(random.between(6, 11)), 1, 60);
    const auto ordered = sorted(data);
    const auto at = medianPosition(0, ordered.size());
    const mpq_class median = valueAt(ordered, at);
    const std::size_t n = ordered.size();
    Exercise e;
    e.kind = "median";
    e.prompt = "Find the median of " + listText(data) + ".";
    e.answerHint = fractionHint;
    e.expectedAnswer = median.get_str();
    e.check = kit::expectRational(median, kit::FractionForm::AnyEquivalent);
    e.solutionSteps = {"Sort the values: " + listText(ordered) + " (n = " + std::to_string(n) +
                       ")."};
    if (n % 2 == 1)
        e.solutionSteps.push_back("n is odd: the median is the middle value, the " +
                                  std::to_string((n + 1) / 2) + "th, which is " + median.get_str() +
                                  ".");
    else
        e.solutionSteps.push_back("n is even: the median is the mean of the " +
                                  std::to_string(n / 2) + "th and " + std::to_string(n / 2 + 1) +
                                  "th values, (" + ordered[n / 2 - 1].get_str() + " + " +
                                  ordered[n / 2].get_str() + ") / 2 = " + exactText(median) + ".");
    return e;
}

Exercise frequencyMeanExercise(kit::Seed seed) {
    Random random(seed);
    std::vector<WeightedValue> table;
    long value = static_cast<long>(random.between(0, 5));
    const int rows = static_cast<int>(random.between(3, 5));
    for (int i = 0; i < rows; ++i) {
        table.push_back({value, static_cast<long>(random.between(1, 12))});
        value += static_cast<long>(random.between(1, 3));
    }
    const mpq_class mean = weightedMean(table);
    std::string values = "<table border=1 cellpadding=3><tr><th>x</th>",
                frequencies = "<tr><th>f</th>";
    std::string products;
    mpq_class fx = 0, f = 0;
    for (const auto& row : table) {
        values += "<td>" + row.value.get_str() + "</td>";
        frequencies += "<td>" + row.weight.get_str() + "</td>";
        products += (products.empty() ? "" : " + ") + row.value.get_str() + "&middot;" +
                    row.weight.get_str();
        fx += row.value * row.weight;
        f += row.weight;
    }
    Exercise e;
    e.kind = "frequency-mean";
    e.prompt = "Find the mean of the data in this frequency table:" + values + "</tr>" +
               frequencies + "</tr></table>";
    e.answerHint = fractionHint;
    e.expectedAnswer = mean.get_str();
    e.check = kit::expectRational(mean, kit::FractionForm::AnyEquivalent);
    e.solutionSteps = {
        "Each value counts as often as its frequency: x&#772; = &Sigma;f x / &Sigma;f.",
        "&Sigma;f x = " + products + " = " + fx.get_str() + ".",
        "&Sigma;f = " + f.get_str() + ", so x&#772; = " + fx.get_str() + " / " + f.get_str() +
            " = " + exactText(mean) + "."};
    return e;
}

Exercise sampleVarianceExercise(kit::Seed seed) {
    Random random(seed);
    const auto data = randomData(random, static_cast<int>(random.between(4, 6)), 1, 20);
    const auto s = exactSummary(data, QuartileMethod::HalvesWithoutMedian);
    const auto n = data.size();
    std::string deviations;
    mpq_class squares = 0;
    for (const auto& v : data) {
        const mpq_class d = v - s.mean;
        squares += d * d;
        deviations += (deviations.empty() ? "" : " + ") + std::string("(") + v.get_str() +
                      " &minus; " + fractionText(s.mean) + ")&sup2;";
    }
    Exercise e;
    e.kind = "sample-variance";
    e.prompt = "The values " + listText(data) +
               " are a sample. Find the sample variance s&sup2; (divide by n &minus; 1).";
    e.answerHint = fractionHint;
    e.expectedAnswer = s.sampleVariance.get_str();
    e.check = kit::expectRational(s.sampleVariance, kit::FractionForm::AnyEquivalent);
    e.solutionSteps = {
        "The mean: x&#772; = " + s.sum.get_str() + " / " + std::to_string(n) + " = " +
            exactText(s.mean) + ".",
        "The squared deviations from the mean: " + deviations + " = " + exactText(squares) + ".",
        "A sample divides by n &minus; 1 = " + std::to_string(n - 1) +
            " (a population would divide by n): s&sup2; = " + fractionText(squares) + " / " +
            std::to_string(n - 1) + " = " + exactText(s.sampleVariance) + "."};
    return e;
}

Exercise interquartileExercise(kit::Seed seed) {
    Random random(seed);
    const auto data = randomData(random, static_cast<int>(random.between(7, 12)), 1, 50);
    const auto ordered = sorted(data);
    const auto s = exactSummary(data, QuartileMethod::HalvesWithoutMedian);
    const std::size_t n = ordered.size(), half = n / 2;
    const std::vector<mpq_class> lower(ordered.begin(), ordered.begin() + static_cast<long>(half));
    const std::vector<mpq_class> upper(ordered.end() - static_cast<long>(half), ordered.end());
    const mpq_class iqr = s.q3 - s.q1;
    Exercise e;
    e.kind = "iqr";
    e.prompt = "Find the interquartile range of " + listText(data) +
               ". Take Q1 and Q3 as the medians of the lower and upper halves (when n is odd, "
               "the median belongs to neither half).";
    e.answerHint = fractionHint;
    e.expectedAnswer = iqr.get_str();
    e.check = kit::expectRational(iqr, kit::FractionForm::AnyEquivalent);
    e.solutionSteps = {"Sort: " + listText(ordered) + "; the median is " + exactText(s.median) +
                           ".",
                       "Lower half " + listText(lower) + ": Q1 = " + exactText(s.q1) +
                           ". Upper half " + listText(upper) + ": Q3 = " + exactText(s.q3) + ".",
                       "IQR = Q3 &minus; Q1 = " + fractionText(s.q3) + " &minus; " +
                           fractionText(s.q1) + " = " + exactText(iqr) + "."};
    return e;
}

Exercise zScoreExercise(kit::Seed seed) {
    Random random(seed);
    const long mean = 10 * static_cast<long>(random.between(4, 9));
    const long sd = static_cast<long>(random.pick(std::vector<std::int64_t>{4, 5, 8, 10, 12, 15}));
    const long offset = static_cast<long>(random.between(-12, 12)) * sd / 4;
    const long score = mean + (offset == 0 ? sd : offset);
    mpq_class z(score - mean, sd);
    z.canonicalize();
    Exercise e;
    e.kind = "z-score";
    e.prompt = "The marks of an examination have mean " + std::to_string(mean) +
               " and standard deviation " + std::to_string(sd) +
               ". What is the z-score of a mark of " + std::to_string(score) + "?";
    e.answerHint = "a number: a fraction a/b, or a decimal to 2 places";
    e.expectedAnswer = z.get_str();
    e.check = expectRounded(z, 2);
    e.solutionSteps = {
        "A z-score counts standard deviations from the mean: z = (x &minus; &mu;) / &sigma;.",
        "z = (" + std::to_string(score) + " &minus; " + std::to_string(mean) + ") / " +
            std::to_string(sd) + " = " + std::to_string(score - mean) + " / " + std::to_string(sd) +
            " = " + exactText(z) + ".",
        z > 0 ? "The mark lies above the mean." : "The mark lies below the mean (z is negative)."};
    return e;
}

Exercise systematicExercise(kit::Seed seed) {
    Random random(seed);
    const long interval = static_cast<long>(random.between(5, 30));
    const long size = static_cast<long>(random.between(10, 60));
    const long population = interval * size;
    const long start = static_cast<long>(random.between(1, interval));
    const long member = static_cast<long>(random.between(3, 9));
    const long answer = start + (member - 1) * interval;
    Exercise e;
    e.kind = "systematic";
    e.prompt = "A systematic sample of " + std::to_string(size) + " is drawn from a list of " +
               std::to_string(population) + " people. The random start is person " +
               std::to_string(start) + ". Which person on the list is the " +
               std::to_string(member) + "th member of the sample?";
    e.answerHint = "an integer (the place on the list)";
    e.expectedAnswer = std::to_string(answer);
    e.check = kit::expectInteger(answer);
    e.solutionSteps = {
        "The sampling interval is k = N / n = " + std::to_string(population) + " / " +
            std::to_string(size) + " = " + std::to_string(interval) + ".",
        "The members are start, start + k, start + 2k, ...: the m-th is start + (m &minus; 1)k.",
        std::to_string(start) + " + " + std::to_string(member - 1) + " &middot; " +
            std::to_string(interval) + " = " + std::to_string(answer) + "."};
    return e;
}

Exercise slopeExercise(kit::Seed seed) {
    Random random(seed);
    std::vector<mpq_class> xs, ys;
    const int n = static_cast<int>(random.between(4, 6));
    long x = static_cast<long>(random.between(0, 3));
    for (int i = 0; i < n; ++i) {
        xs.emplace_back(x);
        ys.emplace_back(static_cast<long>(random.between(1, 20)));
        x += static_cast<long>(random.between(1, 3));
    }
    const ExactLine line = exactFit(xs, ys);
    const bool askIntercept = random.chance(0.4);
    const mpq_class answer = askIntercept ? line.intercept : line.slope;
    std::string points;
    for (int i = 0; i < n; ++i)
        points += (i ? ", (" : "(") + xs[static_cast<std::size_t>(i)].get_str() + ", " +
                  ys[static_cast<std::size_t>(i)].get_str() + ")";
    const mpq_class mx = sumOf(xs) / static_cast<unsigned long>(n);
    const mpq_class my = sumOf(ys) / static_cast<unsigned long>(n);
    Exercise e;
    e.kind = "least-squares";
    e.prompt = "Fit the least-squares line y = a + bx to the points " + points + ". What is " +
               (askIntercept ? "the intercept a?" : "the slope b?");
    e.answerHint = "a number: an integer, a fraction a/b or a decimal to 4 places";
    e.expectedAnswer = answer.get_str();
    e.check = expectRounded(answer, 4);
    e.solutionSteps = {
        "The means: x&#772; = " + exactText(mx) + ", y&#772; = " + exactText(my) + ".",
        "S<sub>xx</sub> = &Sigma;(x &minus; x&#772;)&sup2; = " + exactText(line.sxx) +
            ", S<sub>xy</sub> = &Sigma;(x &minus; x&#772;)(y &minus; y&#772;) = " +
            exactText(line.sxy) + ".",
        "b = S<sub>xy</sub> / S<sub>xx</sub> = " + exactText(line.slope) + ".",
        "a = y&#772; &minus; b x&#772; = " + exactText(line.intercept) + "; the line is y = " +
            decimalText(line.intercept, 4) + " + " + decimalText(line.slope, 4) + "x."};
    return e;
}

Exercise chiSquareExercise(kit::Seed seed) {
    Random random(seed);
    const int categories = static_cast<int>(random.between(3, 6));
    std::vector<mpq_class> observed, shares(static_cast<std::size_t>(categories), 1);
    for (int i = 0; i < categories; ++i)
        observed.emplace_back(static_cast<long>(random.between(8, 40)));
    const ChiSquareResult result = goodnessOfFit(observed, shares, 0.05);
    std::string table = "<table border=1 cellpadding=3><tr><th>category</th>",
                counts = "<tr><th>observed</th>";
    std::string terms;
    for (int i = 0; i < categories; ++i) {
        const ChiCell& cell = result.cells[0][static_cast<std::size_t>(i)];
        table += "<td>" + std::string(1, static_cast<char>('A' + i)) + "</td>";
        counts += "<td>" + cell.observed.get_str() + "</td>";
        terms += (i ? " + " : "") + std::string("(") + cell.observed.get_str() + " &minus; " +
                 decimalText(cell.expected, 4) + ")&sup2;/" + decimalText(cell.expected, 4);
    }
    const mpq_class total = sumOf(observed);
    Exercise e;
    e.kind = "chi-square";
    e.prompt = "Test whether the " + std::to_string(categories) +
               " categories are equally likely. Find the chi-square statistic." + table + "</tr>" +
               counts + "</tr></table>";
    e.answerHint = "a decimal to 2 places";
    e.expectedAnswer = decimalText(result.statistic, 2);
    e.check = expectRounded(result.statistic, 2);
    e.solutionSteps = {"Equally likely categories: each expected count is E = " + total.get_str() +
                           " / " + std::to_string(categories) + " = " +
                           exactText(result.cells[0][0].expected) + ".",
                       "&chi;&sup2; = &Sigma;(O &minus; E)&sup2;/E = " + terms + ".",
                       "&chi;&sup2; = " + exactText(result.statistic, 4) + " &asymp; " +
                           decimalText(result.statistic, 2) + ", with " +
                           std::to_string(result.degreesOfFreedom) + " degrees of freedom.",
                       result.conclusion};
    return e;
}

std::vector<kit::ExerciseKind> exerciseKinds() {
    return {{"mean", "The mean of a data set", meanExercise},
            {"median", "The median of a data set", medianExercise},
            {"frequency-mean", "The mean of a frequency table", frequencyMeanExercise},
            {"sample-variance", "Sample variance", sampleVarianceExercise},
            {"iqr", "Interquartile range", interquartileExercise},
            {"z-score", "z-scores", zScoreExercise},
            {"systematic", "Systematic sampling", systematicExercise},
            {"least-squares", "The least-squares line", slopeExercise},
            {"chi-square", "The chi-square statistic", chiSquareExercise}};
}

} // namespace dataanalysis
