#include "extras/core/exam_builder.h"

#include "extras/core/exam_topics.h"

#include <algorithm>
#include <cctype>
#include <limits>

namespace extras {
namespace {

std::vector<const BankItem*> bankItemsOf(const std::string& topic,
                                         const std::vector<BankItem>& bank) {
    std::vector<const BankItem*> found;
    for (const BankItem& item : bank)
        if (item.topic == topic)
            found.push_back(&item);
    return found;
}

int capacityOf(const ExamTopic& topic, const std::vector<BankItem>& bank) {
    if (!topic.generators.empty())
        return std::numeric_limits<int>::max();
    return static_cast<int>(bankItemsOf(topic.id, bank).size());
}

template <class T> void shuffle(std::vector<T>& items, kit::Random& random) {
    for (std::size_t k = items.size(); k > 1; --k) {
        const auto other = static_cast<std::size_t>(random.between(0, static_cast<int>(k) - 1));
        std::swap(items[k - 1], items[other]);
    }
}

std::string letterRange(std::size_t choices) {
    return "A to " + choiceLetter(static_cast<int>(choices) - 1);
}

kit::Verdict checkLetter(std::string_view typed, int answer, std::size_t choices) {
    const auto first = typed.find_first_not_of(" \t");
    const auto last = typed.find_last_not_of(" \t");
    if (first == std::string_view::npos || first != last)
        return {false, "Type one letter, " + letterRange(choices) + "."};
    const int index = std::toupper(static_cast<unsigned char>(typed[first])) - 'A';
    if (index < 0 || index >= static_cast<int>(choices))
        return {false, "\"" + std::string(typed.substr(first, 1)) +
                           "\" is not one of the letters " + letterRange(choices) + "."};
    if (index != answer)
        return {false, "Not this one: the answer is " + choiceLetter(answer) + "."};
    return {true, "Correct."};
}

// The subtest's topics the request asks, in report order; all of them when it names none of
// them.
std::vector<const ExamTopic*> askedTopics(const ExamRequest& request) {
    std::vector<const ExamTopic*> asked;
    for (const ExamTopic* topic : topicsOfSubtest(request.subtest))
        if (std::find(request.onlyTopics.begin(), request.onlyTopics.end(), topic->id) !=
            request.onlyTopics.end())
            asked.push_back(topic);
    return asked.empty() ? topicsOfSubtest(request.subtest) : asked;
}

} // namespace

int largestExam(const ExamRequest& request, const std::vector<BankItem>& bank) {
    long long total = 0;
    for (const ExamTopic* topic : askedTopics(request))
        total += capacityOf(*topic, bank);
    return static_cast<int>(std::min<long long>(total, mostQuestions));
}

std::vector<TopicQuota> topicQuotas(const ExamRequest& request, const std::vector<BankItem>& bank) {
    const auto topics = askedTopics(request);
    std::vector<TopicQuota> quotas;
    std::vector<int> capacity;
    for (const ExamTopic* topic : topics) {
        quotas.push_back({topic->id, 0, 0});
        capacity.push_back(capacityOf(*topic, bank));
    }
    const int wanted =
        std::clamp(request.questionCount, fewestQuestions, largestExam(request, bank));
    std::vector<std::size_t> order(quotas.size());
    for (std::size_t k = 0; k < order.size(); ++k)
        order[k] = k;
    kit::Random random(request.seed);
    shuffle(order, random);
    for (int given = 0; given < wanted;) // every round gives at least one: capacity suffices
        for (std::size_t k : order)
            if (given < wanted && quotas[k].questions < capacity[k]) {
                ++quotas[k].questions;
                ++given;
            }
    for (std::size_t k = 0; k < quotas.size(); ++k) {
        const int inBank = static_cast<int>(bankItemsOf(quotas[k].topic, bank).size());
        quotas[k].fromBank = topics[k]->generators.empty()
                                 ? quotas[k].questions
                                 : std::min(inBank, quotas[k].questions / 2);
    }
    return quotas;
}

Exam buildExam(const ExamRequest& request, const std::vector<BankItem>& bank) {
    Exam exam{request.subtest, {}};
    kit::Random random(request.seed ^ 0x9e3779b97f4a7c15ULL);
    for (const TopicQuota& quota : topicQuotas(request, bank)) {
        const ExamTopic& topic = *findTopic(quota.topic);
        auto items = bankItemsOf(topic.id, bank);
        shuffle(items, random);
        for (int k = 0; k < quota.fromBank; ++k)
            exam.questions.push_back(
                {topic.id, true, bankExercise(*items[static_cast<std::size_t>(k)])});
        for (int k = quota.fromBank; k < quota.questions; ++k) {
            const kit::ExerciseKind& kind = random.pick(topic.generators);
            exam.questions.push_back({topic.id, false, kind.generate(random.next())});
        }
    }
    shuffle(exam.questions, random);
    return exam;
}

kit::Exercise bankExercise(const BankItem& item) {
    kit::Exercise exercise;
    exercise.kind = "bank:" + item.id;
    exercise.prompt = item.question;
    for (std::size_t k = 0; k < item.choices.size(); ++k)
        exercise.prompt +=
            "<br>&nbsp;&nbsp;<b>" + choiceLetter(static_cast<int>(k)) + ".</b> " + item.choices[k];
    exercise.answerHint = "a letter, " + letterRange(item.choices.size());
    exercise.expectedAnswer = choiceLetter(item.answer);
    const int answer = item.answer;
    const std::size_t choices = item.choices.size();
    exercise.check = [answer, choices](std::string_view typed) {
        return checkLetter(typed, answer, choices);
    };
    exercise.solutionSteps = item.solution;
    exercise.solutionSteps.push_back("The answer is " + choiceLetter(item.answer) + ": " +
                                     item.choices[static_cast<std::size_t>(item.answer)] + ".");
    return exercise;
}

} // namespace extras
