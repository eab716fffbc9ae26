// Marking: every answer by its own question's check, counted per topic exactly; weak topics
// and percentages on their boundaries; the history file's format and its damage.
#include "extras/core/attempt_history.h"
#include "extras/core/exam_score.h"

#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <sstream>

namespace {

std::vector<extras::BankItem> bank() {
    std::ifstream in(QUESTION_BANK_FILE, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return extras::readBank(text.str()).items;
}

} // namespace

TEST(ExamScore, CountsRightAnswersPerTopicExactly) {
    for (int subtest = 0; subtest < 3; ++subtest) {
        const auto exam = extras::buildExam({subtest, 30, 2024}, bank());
        std::vector<std::string> answers;
        std::map<std::string, std::pair<int, int>> expected; // topic: right, asked
        for (std::size_t k = 0; k < exam.questions.size(); ++k) {
            const auto& question = exam.questions[k];
            const bool answerRight = k % 3 == 0;
            answers.push_back(answerRight ? question.exercise.expectedAnswer
                                          : (k % 3 == 1 ? "" : "#"));
            expected[question.topic].first += answerRight;
            ++expected[question.topic].second;
        }
        const auto score = extras::scoreExam(exam, answers);
        EXPECT_EQ(score.total, 30);
        EXPECT_EQ(score.correct, 10);
        ASSERT_EQ(score.topics.size(), expected.size());
        for (const auto& topic : score.topics) {
            EXPECT_EQ(topic.correct, expected[topic.topic].first) << topic.topic;
            EXPECT_EQ(topic.total, expected[topic.topic].second) << topic.topic;
        }
        EXPECT_EQ(score.verdicts[1].message, "Not answered.");
    }
}

TEST(ExamScore, MissingAnswersAtTheEndCountAsWrong) {
    const auto exam = extras::buildExam({0, 5, 9}, bank());
    const auto score = extras::scoreExam(exam, {exam.questions[0].exercise.expectedAnswer});
    EXPECT_EQ(score.correct, 1);
    EXPECT_EQ(score.total, 5);
}

TEST(ExamScore, WeakMeansFewerThanThreeInFive) {
    EXPECT_FALSE(extras::isWeak({"t", 3, 5}));
    EXPECT_TRUE(extras::isWeak({"t", 1, 2}));
    EXPECT_TRUE(extras::isWeak({"t", 5, 9}));
    EXPECT_FALSE(extras::isWeak({"t", 6, 10}));
    EXPECT_EQ(extras::percentText(2, 3), "67%");
    EXPECT_EQ(extras::percentText(1, 8), "13%"); // 12.5 rounds up
    EXPECT_EQ(extras::percentText(1, 3), "33%");
    EXPECT_EQ(extras::percentText(0, 4), "0%");
    EXPECT_EQ(extras::percentText(7, 7), "100%");
}

TEST(AttemptHistory, WritesAndReadsBack) {
    const std::vector<extras::Attempt> attempts{
        {"2026-12-01T09:30:00", 0, {{"number-theory", 2, 3}, {"fractions", 0, 2}}},
        {"2026-12-07T18:05:59", 2, {{"history", 4, 4}}},
    };
    const std::string text = extras::formatHistory(attempts);
    EXPECT_EQ(text, "practice-examination-history 1\n"
                    "2026-12-01T09:30:00 | 1 | number-theory 2/3 ; fractions 0/2\n"
                    "2026-12-07T18:05:59 | 3 | history 4/4\n");
    const auto reading = extras::readHistory(text);
    EXPECT_TRUE(reading.problem.empty());
    ASSERT_EQ(reading.attempts.size(), 2u);
    EXPECT_EQ(reading.attempts[0].topics[1].topic, "fractions");
    EXPECT_EQ(extras::attemptCorrect(reading.attempts[0]), 2);
    EXPECT_EQ(extras::attemptTotal(reading.attempts[0]), 5);
}

TEST(AttemptHistory, DamageIsFoundAndNamedByLine) {
    const std::string head = "practice-examination-history 1\n"
                             "2026-12-01T09:30:00 | 1 | number-theory 2/3\n";
    const std::map<std::string, std::string> damaged{
        {head + "2026-12-01T09:3", "line 3"},
        {head + "2026-12-01T09:30:00 | 1 | comets 1/2\n", "line 3"},
        {head + "2026-12-01T09:30:00 | 1 | fractions 3/2\n", "line 3"},
        {head + "2026-12-01T09:30:00 | 1 | history 1/2\n", "line 3"}, // not a Subtest I topic
        {head + "2026-12-01T09:30:00 | 4 | history 1/2\n", "line 3"},
        {"practice 1\n", "line 1"},
        {"", "empty"},
    };
    for (const auto& [text, where] : damaged) {
        const auto reading = extras::readHistory(text);
        EXPECT_TRUE(reading.attempts.empty()) << text;
        EXPECT_NE(reading.problem.find(where), std::string::npos) << reading.problem;
    }
}
