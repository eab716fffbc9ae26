#include "fractiondrill/core/drill_session.h"

#include <algorithm>
#include <cstdio>
#include <stdexcept>

namespace fractiondrill {

DrillSession::DrillSession(std::vector<kit::ExerciseKind> kinds, int count, kit::Seed seed)
    : kinds_(std::move(kinds)), count_(std::clamp(count, minimumCount, maximumCount)), seed_(seed) {
    if (kinds_.empty())
        throw std::invalid_argument("a drill needs at least one kind of exercise");
}

void DrillSession::start(std::int64_t nowMilliseconds) {
    results_.clear();
    showNext(nowMilliseconds);
}

bool DrillSession::finished() const {
    return static_cast<int>(results_.size()) >= count_;
}

int DrillSession::position() const {
    return static_cast<int>(results_.size());
}

int DrillSession::count() const {
    return count_;
}

const kit::Exercise& DrillSession::current() const {
    return current_;
}

kit::Verdict DrillSession::answer(std::string_view typed, std::int64_t nowMilliseconds) {
    if (finished())
        return {false, "The drill is over."};
    const kit::Verdict verdict = current_.check(typed);
    record(std::string(typed), verdict.correct, nowMilliseconds);
    return verdict;
}

void DrillSession::skip(std::int64_t nowMilliseconds) {
    if (!finished())
        record({}, false, nowMilliseconds);
}

void DrillSession::record(std::string typed, bool correct, std::int64_t nowMilliseconds) {
    const auto& kind = kinds_[static_cast<std::size_t>(position()) % kinds_.size()];
    results_.push_back({kind.title, current_.prompt, std::move(typed), current_.expectedAnswer,
                        correct, std::max<std::int64_t>(0, nowMilliseconds - shownAt_)});
    if (!finished())
        showNext(nowMilliseconds);
}

void DrillSession::showNext(std::int64_t nowMilliseconds) {
    // The kinds take turns, so a drill over several kinds mixes them evenly; each exercise has
    // its own seed derived from the drill's.
    const auto index = static_cast<std::size_t>(position());
    const kit::ExerciseKind& kind = kinds_[index % kinds_.size()];
    current_ = kind.generate(seed_ * 1000003u + index);
    shownAt_ = nowMilliseconds;
}

DrillSummary DrillSession::summary() const {
    DrillSummary summary;
    summary.total = count_;
    summary.results = results_;
    for (const DrillResult& result : results_) {
        summary.correct += result.correct ? 1 : 0;
        summary.totalMilliseconds += result.milliseconds;
    }
    return summary;
}

std::string durationText(std::int64_t milliseconds) {
    const std::int64_t seconds = std::max<std::int64_t>(0, milliseconds) / 1000;
    if (seconds < 60)
        return std::to_string(seconds) + " s";
    char buffer[48];
    std::snprintf(buffer, sizeof buffer, "%lld min %02lld s", static_cast<long long>(seconds / 60),
                  static_cast<long long>(seconds % 60));
    return buffer;
}

std::string summaryText(const DrillSummary& summary) {
    const int answered = static_cast<int>(summary.results.size());
    const int percent = answered == 0 ? 0 : (100 * summary.correct + answered / 2) / answered;
    char perExercise[32];
    std::snprintf(
        perExercise, sizeof perExercise, "%.1f s",
        answered == 0 ? 0.0 : static_cast<double>(summary.totalMilliseconds) / 1000.0 / answered);
    return std::to_string(summary.correct) + " of " + std::to_string(answered) + " correct (" +
           std::to_string(percent) + "%) in " + durationText(summary.totalMilliseconds) + ", " +
           perExercise + " per exercise";
}

} // namespace fractiondrill
