#include "chronicle/core/contemporaries.h"

#include <algorithm>

namespace chronicle {
namespace {

constexpr int flourishingHalfSpan = 30;

} // namespace

YearSpan spanOf(const Entry& entry) {
    if (entry.flourished)
        return {entry.flourished->value - flourishingHalfSpan,
                entry.flourished->value + flourishingHalfSpan};
    return {placingYear(entry), endingYear(entry)};
}

std::vector<std::size_t> contemporariesOf(const Chronicle& chronicle, std::size_t entry) {
    const YearSpan years = spanOf(chronicle.entries.at(entry));
    std::vector<std::size_t> alive;
    for (std::size_t i = 0; i < chronicle.entries.size(); ++i) {
        const Entry& other = chronicle.entries[i];
        if (i == entry || other.kind != EntryKind::person)
            continue;
        const YearSpan life = spanOf(other);
        if (life.from <= years.to && years.from <= life.to)
            alive.push_back(i);
    }
    std::stable_sort(alive.begin(), alive.end(), [&](std::size_t a, std::size_t b) {
        return spanOf(chronicle.entries[a]).from < spanOf(chronicle.entries[b]).from;
    });
    return alive;
}

} // namespace chronicle
