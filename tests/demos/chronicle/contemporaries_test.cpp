// Who lived at the same time, against a second reckoning of every pair of lives.
#include "chronicle/core/contemporaries.h"
#include "entries_on_disk.h"

#include <gtest/gtest.h>

#include <set>

using namespace chronicle;

namespace {

std::set<std::string> namesOf(const std::vector<std::size_t>& indices) {
    std::set<std::string> names;
    for (std::size_t i : indices)
        names.insert(theHistory().entries[i].name);
    return names;
}

std::size_t indexNamed(const std::string& name) {
    return *entryNamed(theHistory(), name);
}

// The first and last year an entry stands for, reckoned again from its fields.
std::pair<int, int> yearsAgain(const Entry& e) {
    if (e.born)
        return {e.born->value, e.died->value};
    if (e.flourished)
        return {e.flourished->value - 30, e.flourished->value + 30};
    return {e.date->value, e.date->value};
}

} // namespace

TEST(Contemporaries, NewtonLivedWithLeibnizAndHuygensButNotWithGauss) {
    const auto names = namesOf(contemporariesOf(theHistory(), indexNamed("Isaac Newton")));
    for (const char* with : {"Gottfried Wilhelm Leibniz", "Christiaan Huygens", "Edmond Halley",
                             "John Wallis", "Isaac Barrow", "Jakob Bernoulli"})
        EXPECT_TRUE(names.count(with)) << with;
    for (const char* without : {"Isaac Newton", "Carl Friedrich Gauss", "Archimedes of Syracuse",
                                "Galileo Galilei", "Philosophiae Naturalis Principia Mathematica"})
        EXPECT_FALSE(names.count(without)) << without;
}

TEST(Contemporaries, AWorkHasThePersonsAliveInItsYear) {
    const auto names = namesOf(contemporariesOf(theHistory(), indexNamed("Ars Magna")));
    for (const char* with : {"Gerolamo Cardano", "Niccolò Tartaglia", "Lodovico Ferrari"})
        EXPECT_TRUE(names.count(with)) << with;
    EXPECT_FALSE(names.count("Scipione del Ferro")) << "he died in 1526";
}

TEST(Contemporaries, EveryListedPairOverlapsAndNoOtherDoes) {
    const Chronicle& history = theHistory();
    for (std::size_t i = 0; i < history.entries.size(); ++i) {
        const auto listed = contemporariesOf(history, i);
        const std::set<std::size_t> chosen(listed.begin(), listed.end());
        const auto [from, to] = yearsAgain(history.entries[i]);
        for (std::size_t j = 0; j < history.entries.size(); ++j) {
            const Entry& other = history.entries[j];
            const auto [otherFrom, otherTo] = yearsAgain(other);
            const bool overlaps = j != i && other.kind == EntryKind::person &&
                                  std::max(from, otherFrom) <= std::min(to, otherTo);
            EXPECT_EQ(chosen.count(j) > 0, overlaps)
                << history.entries[i].name << " / " << other.name;
        }
        for (std::size_t k = 1; k < listed.size(); ++k)
            EXPECT_LE(yearsAgain(history.entries[listed[k - 1]]).first,
                      yearsAgain(history.entries[listed[k]]).first);
    }
}
