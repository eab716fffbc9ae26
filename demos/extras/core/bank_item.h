#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace extras {

// One fixed multiple-choice question of the course's own bank: its topic, the question, two to
// five choices (lettered A, B, ...), the index of the right one and the worked solution.
struct BankItem {
    std::string id;
    std::string topic;
    std::string question;
    std::vector<std::string> choices;
    int answer = 0;
    std::vector<std::string> solution;
};

struct BankReading {
    std::vector<BankItem> items;
    std::vector<std::string> problems; // "line 12: the answer letter E names no choice"
};

// Reads the bank's text: items separated by blank lines, each line "key: value" with the keys
// id, topic, question, choice (repeated), answer (a letter) and solution (repeated, one step
// each); lines starting with '#' are remarks. An item that is incomplete is left out and named
// in the problems, so one mistake never hides the rest of the bank.
BankReading readBank(std::string_view text);

// "A", "B", ... for choice index 0, 1, ...
std::string choiceLetter(int index);

} // namespace extras
