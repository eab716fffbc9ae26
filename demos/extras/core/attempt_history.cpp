#include "extras/core/attempt_history.h"

#include "extras/core/exam_topics.h"

#include <charconv>

namespace extras {
namespace {

constexpr std::string_view historyHeader = "practice-examination-history 1";

std::string_view trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(" \t\r");
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(" \t\r") - first + 1);
}

std::vector<std::string_view> split(std::string_view text, char separator) {
    std::vector<std::string_view> parts;
    std::size_t at = 0;
    for (;;) {
        const auto end = text.find(separator, at);
        parts.push_back(trimmed(text.substr(at, end - at)));
        if (end == std::string_view::npos)
            return parts;
        at = end + 1;
    }
}

std::optional<int> smallNumber(std::string_view text) {
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || value < 0 || value > 10000)
        return std::nullopt;
    return value;
}

bool isDateTime(std::string_view when) {
    constexpr std::string_view shape = "dddd-dd-ddTdd:dd:dd";
    if (when.size() != shape.size())
        return false;
    for (std::size_t k = 0; k < shape.size(); ++k)
        if (shape[k] == 'd' ? (when[k] < '0' || when[k] > '9') : when[k] != shape[k])
            return false;
    return true;
}

std::optional<TopicScore> readTopicScore(std::string_view text, int subtest) {
    const auto space = text.find(' ');
    const auto slash = text.find('/');
    if (space == std::string_view::npos || slash == std::string_view::npos || slash < space)
        return std::nullopt;
    const ExamTopic* topic = findTopic(text.substr(0, space));
    const auto correct = smallNumber(trimmed(text.substr(space + 1, slash - space - 1)));
    const auto total = smallNumber(trimmed(text.substr(slash + 1)));
    if (!topic || topic->subtest != subtest || !correct || !total || *correct > *total ||
        *total == 0)
        return std::nullopt;
    return TopicScore{topic->id, *correct, *total};
}

std::optional<Attempt> readAttempt(std::string_view line) {
    const auto fields = split(line, '|');
    if (fields.size() != 3 || !isDateTime(fields[0]))
        return std::nullopt;
    const auto subtest = smallNumber(fields[1]);
    if (!subtest || *subtest < 1 || *subtest > subtestCount)
        return std::nullopt;
    Attempt attempt{std::string(fields[0]), *subtest - 1, {}};
    for (std::string_view part : split(fields[2], ';')) {
        const auto score = readTopicScore(part, attempt.subtest);
        if (!score)
            return std::nullopt;
        attempt.topics.push_back(*score);
    }
    return attempt;
}

} // namespace

std::string formatHistory(const std::vector<Attempt>& attempts) {
    std::string text = std::string(historyHeader) + "\n";
    for (const Attempt& attempt : attempts) {
        text += attempt.when + " | " + std::to_string(attempt.subtest + 1) + " | ";
        for (std::size_t k = 0; k < attempt.topics.size(); ++k) {
            const TopicScore& score = attempt.topics[k];
            text += (k ? " ; " : "") + score.topic + " " + std::to_string(score.correct) + "/" +
                    std::to_string(score.total);
        }
        text += "\n";
    }
    return text;
}

HistoryReading readHistory(std::string_view text) {
    HistoryReading reading;
    int lineNumber = 0;
    std::size_t at = 0;
    while (at < text.size()) {
        const auto end = std::min(text.find('\n', at), text.size());
        const std::string_view line = trimmed(text.substr(at, end - at));
        at = end + 1;
        ++lineNumber;
        if (lineNumber == 1) {
            if (line != historyHeader)
                return {{}, "line 1: this is not a history of practice examinations"};
            continue;
        }
        if (line.empty())
            continue;
        const auto attempt = readAttempt(line);
        if (!attempt)
            return {{},
                    "line " + std::to_string(lineNumber) + ": not an attempt (\"" +
                        std::string(line.substr(0, 60)) + "\")"};
        reading.attempts.push_back(*attempt);
    }
    if (lineNumber == 0)
        reading.problem = "the history file is empty";
    return reading;
}

int attemptCorrect(const Attempt& attempt) {
    int sum = 0;
    for (const TopicScore& score : attempt.topics)
        sum += score.correct;
    return sum;
}

int attemptTotal(const Attempt& attempt) {
    int sum = 0;
    for (const TopicScore& score : attempt.topics)
        sum += score.total;
    return sum;
}

} // namespace extras
