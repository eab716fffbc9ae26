#include "extras/core/exam_score.h"

#include "extras/core/exam_topics.h"

namespace extras {

ExamScore scoreExam(const Exam& exam, const std::vector<std::string>& answers) {
    ExamScore score;
    for (const ExamTopic* topic : topicsOfSubtest(exam.subtest))
        score.topics.push_back({topic->id, 0, 0});
    for (std::size_t k = 0; k < exam.questions.size(); ++k) {
        const ExamQuestion& question = exam.questions[k];
        const bool answered =
            k < answers.size() && answers[k].find_first_not_of(" \t") != std::string::npos;
        kit::Verdict verdict =
            answered ? question.exercise.check(answers[k]) : kit::Verdict{false, "Not answered."};
        for (TopicScore& topic : score.topics)
            if (topic.topic == question.topic) {
                ++topic.total;
                topic.correct += verdict.correct ? 1 : 0;
            }
        ++score.total;
        score.correct += verdict.correct ? 1 : 0;
        score.verdicts.push_back(std::move(verdict));
    }
    std::erase_if(score.topics, [](const TopicScore& topic) { return topic.total == 0; });
    return score;
}

bool isWeak(const TopicScore& score) {
    return 5 * score.correct < 3 * score.total;
}

std::string percentText(int correct, int total) {
    if (total <= 0)
        return "0%";
    const long long rounded = (200LL * correct + total) / (2LL * total);
    return std::to_string(rounded) + "%";
}

} // namespace extras
