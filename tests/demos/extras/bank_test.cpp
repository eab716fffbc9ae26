// The question bank as shipped: it reads without a problem, covers the subtests' topics, and
// the answers of items that can be computed agree with a computation made here.
#include "extras/core/bank_item.h"
#include "extras/core/exam_topics.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <map>
#include <numeric>
#include <set>
#include <sstream>
#include <string>

namespace {

std::string bankText() {
    std::ifstream in(QUESTION_BANK_FILE, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

const extras::BankReading& shippedBank() {
    static const extras::BankReading reading = extras::readBank(bankText());
    return reading;
}

const extras::BankItem& item(const std::string& id) {
    for (const auto& candidate : shippedBank().items)
        if (candidate.id == id)
            return candidate;
    throw std::runtime_error("no bank item " + id);
}

std::string rightChoice(const std::string& id) {
    const auto& found = item(id);
    return found.choices.at(static_cast<std::size_t>(found.answer));
}

} // namespace

TEST(QuestionBank, ReadsWholeWithAtLeastFortyItemsOnKnownTopics) {
    EXPECT_TRUE(shippedBank().problems.empty()) << shippedBank().problems.front();
    EXPECT_GE(shippedBank().items.size(), 40u);
    std::map<std::string, int> perTopic;
    for (const auto& item : shippedBank().items) {
        EXPECT_NE(extras::findTopic(item.topic), nullptr) << item.id;
        ++perTopic[item.topic];
        std::set<std::string> distinct(item.choices.begin(), item.choices.end());
        EXPECT_EQ(distinct.size(), item.choices.size()) << item.id << " repeats a choice";
    }
    EXPECT_GE(perTopic["probability"], 5);
    EXPECT_GE(perTopic["calculus"], 8);
    EXPECT_GE(perTopic["history"], 5);
}

TEST(QuestionBank, ComputableAnswersAgreeWithAComputation) {
    long long power = 1;
    for (int k = 0; k < 10; ++k)
        power = power * 2 % 7;
    EXPECT_EQ(rightChoice("nt-1"), std::to_string(power));

    int divisors = 0;
    for (int d = 1; d <= 360; ++d)
        divisors += 360 % d == 0;
    EXPECT_EQ(rightChoice("nt-2"), std::to_string(divisors));

    int last = 1;
    for (int k = 0; k < 2026; ++k)
        last = last * 3 % 10;
    EXPECT_EQ(rightChoice("nt-4"), std::to_string(last));

    for (int x = 0; x < 7; ++x) {
        if (3 * x % 7 == 4) {
            EXPECT_EQ(rightChoice("nt-5"), "x &equiv; " + std::to_string(x));
        }
    }

    int sevens = 0;
    for (int a = 1; a <= 6; ++a)
        for (int b = 1; b <= 6; ++b)
            sevens += a + b == 7;
    EXPECT_EQ(sevens * 6, 36); // 1/6
    EXPECT_EQ(rightChoice("pr-1"), "1/6");

    int committees = 0;
    for (int mask = 0; mask < 128; ++mask)
        committees += __builtin_popcount(static_cast<unsigned>(mask)) == 3;
    EXPECT_EQ(rightChoice("pr-3"), std::to_string(committees));

    std::string word = "EELLV";
    int arrangements = 0;
    do
        ++arrangements;
    while (std::next_permutation(word.begin(), word.end()));
    EXPECT_EQ(rightChoice("pr-9"), std::to_string(arrangements));

    int ways = 0; // X = 2 for four tosses of a fair coin: count of 16 outcomes
    for (int mask = 0; mask < 16; ++mask)
        ways += __builtin_popcount(static_cast<unsigned>(mask)) == 2;
    EXPECT_EQ(ways, 6);
    EXPECT_EQ(rightChoice("pr-6"), "3/8");

    std::vector<int> data{7, 2, 9, 4, 4, 10};
    std::sort(data.begin(), data.end());
    EXPECT_EQ((data[2] + data[3]) * 5, 55); // the median times ten
    EXPECT_EQ(rightChoice("st-1"), "5.5");
    EXPECT_EQ(rightChoice("st-4"), std::to_string(5 * 12 - (10 + 11 + 14 + 15)));
    EXPECT_EQ(rightChoice("rm-1"), std::to_string(2 * 3 - 1 * 5));
    EXPECT_EQ(rightChoice("pg-2"), "15");
    EXPECT_EQ(15 * 15, 9 * 9 + 12 * 12);
}

TEST(QuestionBank, MistakesAreNamedByLineAndTheRestIsRead) {
    const auto reading = extras::readBank("id: a\n"
                                          "topic: history\n"
                                          "question: Q?\n"
                                          "choice: one\n"
                                          "choice: two\n"
                                          "answer: C\n"
                                          "solution: s\n"
                                          "\n"
                                          "id: b\n"
                                          "topic: history\n"
                                          "question: Q2?\n"
                                          "choice: one\n"
                                          "choice: two\n"
                                          "answer: B\n"
                                          "solution: because\n"
                                          "colour: red\n"
                                          "\n"
                                          "id: b\n"
                                          "topic: history\n"
                                          "question: again\n"
                                          "choice: x\n"
                                          "choice: y\n"
                                          "answer: A\n"
                                          "solution: z\n");
    ASSERT_EQ(reading.items.size(), 1u);
    EXPECT_EQ(reading.items[0].id, "b");
    EXPECT_EQ(reading.items[0].answer, 1);
    ASSERT_EQ(reading.problems.size(), 3u);
    EXPECT_EQ(reading.problems[0], "line 1: item a: the answer letter C names no choice");
    EXPECT_EQ(reading.problems[1], "line 16: unknown key \"colour\"");
    EXPECT_EQ(reading.problems[2], "line 18: the id b is used twice");
}
