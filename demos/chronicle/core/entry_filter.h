#pragma once

#include "chronicle/core/entry.h"

#include <optional>
#include <set>
#include <string>

namespace chronicle {

enum class SearchMode { byName, byWord };

// Which entries the timeline shows: those of at least one chosen subject, of the chosen era
// (or of every era), that the search finds. By name, the search finds names that contain the
// typed text; by word, entries whose name, place, deeds or account have, for every typed word,
// a word beginning with it ("prime" finds "primes"). Letter case never matters.
struct EntryFilter {
    std::set<Subject> subjects{allSubjects().begin(), allSubjects().end()};
    std::optional<std::size_t> era;
    std::string search;
    SearchMode mode = SearchMode::byName;

    bool admits(const Entry& entry) const;
};

// The words of a text, in lower case, split at every character that is not a letter or digit.
std::vector<std::string> wordsOf(const std::string& text);

} // namespace chronicle
