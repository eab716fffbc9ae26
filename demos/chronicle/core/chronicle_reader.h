#pragma once

#include "chronicle/core/entry.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace chronicle {

// One file of entries as the program holds it: its name (for messages) and its text.
struct SourceText {
    std::string file;
    std::string text;
};

// What is wrong and where: "greece.txt, line 42: ‘born’ is not a year: ‘3OO BCE’".
struct ReadError {
    std::string file;
    int line = 0;
    std::string message;
    std::string text() const;
};

struct ReadOutcome {
    Chronicle chronicle;
    std::optional<ReadError> error; // the first fault found; the chronicle is empty then
};

// Reads the files of the history. Each file is a run of records separated by blank lines;
// a record is "field: value" lines, and its account runs from "account:" to the record's end.
// Lines starting with '#' are remarks. A file begins with an era record
//   era: greece / title: Greece and Alexandria / from: 600 BCE / to: 500 / account: ...
// and every entry record after it belongs to that era:
//   entry: Euclid / kind: person / flourished: c. 300 BCE / place: Alexandria, Egypt /
//   subjects: geometry, number theory / known-for: wrote the Elements / account: ...
// Works and discoveries have "date:" and may have "by:" (a person of the history) and
// "posthumous: yes".
ReadOutcome readChronicle(const std::vector<SourceText>& files);

} // namespace chronicle
