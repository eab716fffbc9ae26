// The examination builder: the requested size, the even mix over the subtest's topics, no bank
// item twice, the same examination for the same seed; the menu's Section texts as titles.
#include "extras/core/exam_builder.h"
#include "extras/core/exam_topics.h"
#include "menu/core/section_table.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <map>
#include <set>
#include <sstream>

namespace {

const std::vector<extras::BankItem>& bank() {
    static const std::vector<extras::BankItem> items = [] {
        std::ifstream in(QUESTION_BANK_FILE, std::ios::binary);
        std::stringstream text;
        text << in.rdbuf();
        return extras::readBank(text.str()).items;
    }();
    return items;
}

std::map<std::string, int> countPerTopic(const extras::Exam& exam, bool onlyBank) {
    std::map<std::string, int> counts;
    for (const auto& question : exam.questions)
        if (!onlyBank || question.fromBank)
            ++counts[question.topic];
    return counts;
}

} // namespace

TEST(ExamBuilder, SubtestTitlesAreTheMenusSectionTexts) {
    for (std::size_t k = 0; k < extras::subtestTitles.size(); ++k)
        EXPECT_EQ(extras::subtestTitles[k], menu::sectionTexts[k]);
}

TEST(ExamBuilder, EveryRequestGetsItsSizeAndAnEvenMix) {
    for (int subtest = 0; subtest < extras::subtestCount; ++subtest)
        for (int count : {1, 4, 7, 10, 23, 50})
            for (kit::Seed seed : {1ULL, 2ULL, 99ULL, 123456789ULL}) {
                SCOPED_TRACE(testing::Message() << subtest << " " << count << " " << seed);
                const extras::ExamRequest request{subtest, count, seed};
                const extras::Exam exam = extras::buildExam(request, bank());
                ASSERT_EQ(exam.questions.size(), static_cast<std::size_t>(count));
                const auto topics = extras::topicsOfSubtest(subtest);
                const auto counts = countPerTopic(exam, false);
                const auto inBank = [&](const std::string& topic) {
                    return std::count_if(bank().begin(), bank().end(),
                                         [&](const auto& item) { return item.topic == topic; });
                };
                // Uncapped topics differ by at most one question; a capped one is full.
                int fewest = count, most = 0;
                for (const auto* topic : topics) {
                    const int got = counts.count(topic->id) ? counts.at(topic->id) : 0;
                    if (topic->generators.empty() && got == inBank(topic->id))
                        continue;
                    fewest = std::min(fewest, got);
                    most = std::max(most, got);
                }
                EXPECT_LE(most - fewest, 1);
                for (const auto& [topic, got] : countPerTopic(exam, true))
                    EXPECT_LE(got, inBank(topic));
            }
}

TEST(ExamBuilder, QuotasOfALongThirdSubtestFillTheBankOnlyTopicsFirst) {
    const auto quotas = extras::topicQuotas({2, 50, 7}, bank());
    std::map<std::string, extras::TopicQuota> byTopic;
    for (const auto& quota : quotas)
        byTopic[quota.topic] = quota;
    EXPECT_EQ(byTopic["history"].questions, 9);
    EXPECT_EQ(byTopic["history"].fromBank, 9);
    // The 41 others go evenly to the two topics with generators, half of each from the bank
    // where the bank holds enough.
    const int calculus = byTopic["calculus"].questions;
    const int sequences = byTopic["sequences-series"].questions;
    EXPECT_EQ(calculus + sequences, 41);
    EXPECT_LE(std::abs(calculus - sequences), 1);
    EXPECT_EQ(byTopic["calculus"].fromBank, calculus / 2);
    EXPECT_EQ(byTopic["sequences-series"].fromBank, 2); // half wanted, the bank has 2
}

TEST(ExamBuilder, GeneratorTopicsTakeHalfFromTheBank) {
    const auto quotas = extras::topicQuotas({0, 12, 3}, bank());
    for (const auto& quota : quotas) {
        EXPECT_EQ(quota.questions, 3) << quota.topic;
        EXPECT_EQ(quota.fromBank, 1) << quota.topic;
    }
}

TEST(ExamBuilder, AnExamOfChosenTopicsAsksOnlyThem) {
    extras::ExamRequest request{1, 10, 5, {"probability", "statistics"}};
    const auto exam = extras::buildExam(request, bank());
    ASSERT_EQ(exam.questions.size(), 10u);
    const auto counts = countPerTopic(exam, false);
    EXPECT_EQ(counts.size(), 2u);
    EXPECT_EQ(counts.at("probability"), 5);
    EXPECT_EQ(counts.at("statistics"), 5);
    // History alone holds only its bank's nine items; a name of another subtest asks all.
    EXPECT_EQ(extras::buildExam({2, 30, 5, {"history"}}, bank()).questions.size(), 9u);
    EXPECT_EQ(countPerTopic(extras::buildExam({0, 8, 5, {"history"}}, bank()), false).size(), 4u);
}

TEST(ExamBuilder, SizesOutsideTheRangeAreClamped) {
    EXPECT_EQ(extras::buildExam({1, 0, 5}, bank()).questions.size(), 1u);
    EXPECT_EQ(extras::buildExam({1, 500, 5}, bank()).questions.size(),
              static_cast<std::size_t>(extras::mostQuestions));
}

TEST(ExamBuilder, SameSeedSameExamAndNoBankItemTwice) {
    const auto first = extras::buildExam({1, 20, 77}, bank());
    const auto again = extras::buildExam({1, 20, 77}, bank());
    const auto other = extras::buildExam({1, 20, 78}, bank());
    ASSERT_EQ(first.questions.size(), again.questions.size());
    bool differs = false;
    std::set<std::string> bankKinds;
    for (std::size_t k = 0; k < first.questions.size(); ++k) {
        EXPECT_EQ(first.questions[k].exercise.prompt, again.questions[k].exercise.prompt);
        differs |= first.questions[k].exercise.prompt != other.questions[k].exercise.prompt;
        if (first.questions[k].fromBank) {
            EXPECT_TRUE(bankKinds.insert(first.questions[k].exercise.kind).second);
        }
    }
    EXPECT_TRUE(differs);
}

TEST(ExamBuilder, ABankItemIsAnsweredByItsLetter) {
    const extras::BankItem item{"x", "history", "Which?", {"one", "two", "three"}, 2, {"step"}};
    const kit::Exercise exercise = extras::bankExercise(item);
    EXPECT_EQ(exercise.expectedAnswer, "C");
    EXPECT_TRUE(exercise.check(" c ").correct);
    EXPECT_FALSE(exercise.check("A").correct);
    EXPECT_EQ(exercise.check("A").message, "Not this one: the answer is C.");
    EXPECT_EQ(exercise.check("D").message, "\"D\" is not one of the letters A to C.");
    EXPECT_EQ(exercise.check("AB").message, "Type one letter, A to C.");
    EXPECT_EQ(exercise.solutionSteps.back(), "The answer is C: three.");
}
