#pragma once

#include "extras/core/bank_item.h"
#include "kit/core/exercise.h"

#include <string>
#include <vector>

namespace extras {

inline constexpr int fewestQuestions = 1;
inline constexpr int mostQuestions = 50;

struct ExamQuestion {
    std::string topic; // an ExamTopic id
    bool fromBank = false;
    kit::Exercise exercise;
};

struct ExamRequest {
    int subtest = 0;
    int questionCount = 10;
    kit::Seed seed = 1;
    std::vector<std::string> onlyTopics = {}; // the subtest's topics to ask; empty: all of them
};

struct Exam {
    int subtest = 0;
    std::vector<ExamQuestion> questions;
};

struct TopicQuota {
    std::string topic;
    int questions = 0;
    int fromBank = 0; // of those, how many are fixed items of the bank
};

// How many questions each topic of the subtest gets: as even a share as the topics allow, the
// odd ones going to topics in an order drawn from the seed; a topic asked from the bank only
// gets no more than its bank holds, and a topic with generators takes half of its share (at
// most its bank's size) from the bank. `questionCount` is first clamped to what can be asked.
std::vector<TopicQuota> topicQuotas(const ExamRequest& request, const std::vector<BankItem>& bank);

// The most questions the request's topics can have without repeating a bank item.
int largestExam(const ExamRequest& request, const std::vector<BankItem>& bank);

// A whole examination: the quotas filled from the topics' generators and from the bank (no
// item twice), in an order shuffled by the seed. The same request and bank give the same
// examination.
Exam buildExam(const ExamRequest& request, const std::vector<BankItem>& bank);

// A bank item as an exercise: the choices listed under the question, answered by letter.
kit::Exercise bankExercise(const BankItem& item);

} // namespace extras
