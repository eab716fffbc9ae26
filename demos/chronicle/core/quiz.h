#pragma once

#include "chronicle/core/entry.h"
#include "kit/core/random.h"

#include <optional>
#include <string>
#include <vector>

namespace chronicle {

enum class QuestionKind { who, when, whichFirst };

// A question with four choices, exactly one of them right; afterwards the quiz shows the entry
// the answer rests on.
struct Question {
    QuestionKind kind = QuestionKind::who;
    std::string prompt;
    std::vector<std::string> choices;
    std::vector<std::size_t> choiceEntries; // who and which-first: the entry behind each choice
    std::size_t rightChoice = 0;
    std::size_t answerEntry = 0;
};

inline constexpr std::size_t choicesPerQuestion = 4;

// Who: "Who wrote the Elements?" among four persons of the same or a neighbouring era.
// When: "In which century was Leonhard Euler born?" among four nearby centuries (roughly known
// years within ten years of a century's turn are not asked).
// Which first: four works and discoveries, or four persons by birth, the earliest at least
// a year (twenty years when a date is rough) before the others.
// With `asked` (one flag per entry) the question is about a flagged entry when there is one
// that fits: the answer of who and when, and all four choices of which-first (wrong choices of
// who may come from anywhere). The same chronicle, kind, seed and flags give the same question.
Question makeQuestion(const Chronicle& chronicle, QuestionKind kind, kit::Seed seed,
                      const std::vector<bool>& asked = {});
// The kind drawn from the seed as well.
Question makeQuestion(const Chronicle& chronicle, kit::Seed seed,
                      const std::vector<bool>& asked = {});

// Signed century: 17 for the 17th century, -3 for the 3rd century BCE.
int centuryOf(int year);

} // namespace chronicle
