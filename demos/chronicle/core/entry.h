#pragma once

#include "chronicle/core/historical_year.h"
#include "chronicle/core/subject.h"

#include <optional>
#include <string>
#include <vector>

namespace chronicle {

enum class EntryKind { person, work, discovery };

// One period of the history, e.g. "Greece and Alexandria" from 600 BCE to 500 CE.
struct Era {
    std::string key;
    std::string title;
    int from = 0;
    int to = 0;
    std::string account; // the era's story in one paragraph
};

// Where a record was read: the entries' file and the line of its first field.
struct SourcePlace {
    std::string file;
    int line = 0;
};

// A person, a work or a discovery of the history. A person has a birth and a death year, or
// only the years in which the person flourished; a work or a discovery has its date and, when
// one person made it, that person's name in `by` (a `posthumous` work appeared after the
// author's death).
struct Entry {
    std::string name;
    EntryKind kind = EntryKind::person;
    std::optional<HistoricalYear> born, died, flourished, date;
    std::string by;
    bool posthumous = false;
    std::string place;
    std::vector<Subject> subjects;
    std::string knownFor; // persons: "wrote the Elements", finishing "Who ...?"
    std::string account;
    std::size_t era = 0;
    SourcePlace source;
};

struct Chronicle {
    std::vector<Era> eras;
    std::vector<Entry> entries;
};

std::string kindName(EntryKind kind);

// The year that places the entry on the timeline: a person's birth (or the flourishing), a
// work's or a discovery's date.
int placingYear(const Entry& entry);
// The end of what the timeline draws: a person's death, else the placing year.
int endingYear(const Entry& entry);

// "287 BCE – 212 BCE", "fl. c. 250", "c. 1650 BCE".
std::string datesText(const Entry& entry);

// The index of the entry with this name, if any.
std::optional<std::size_t> entryNamed(const Chronicle& chronicle, const std::string& name);

} // namespace chronicle
