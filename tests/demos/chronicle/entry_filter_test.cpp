// The search by name and by word, and the subject and era filters, against a second scan of
// the entries with regular expressions.
#include "chronicle/core/entry_filter.h"
#include "entries_on_disk.h"

#include <gtest/gtest.h>

#include <regex>
#include <set>

using namespace chronicle;

namespace {

std::set<std::string> admitted(const EntryFilter& filter) {
    std::set<std::string> names;
    for (const Entry& entry : theHistory().entries)
        if (filter.admits(entry))
            names.insert(entry.name);
    return names;
}

// Entries with a word beginning with `stem` in their name, place, deeds or account.
std::set<std::string> scannedFor(const std::string& stem) {
    const std::regex word("(^|[^A-Za-z0-9])" + stem, std::regex::icase);
    std::set<std::string> names;
    for (const Entry& entry : theHistory().entries)
        if (std::regex_search(
                entry.name + " " + entry.place + " " + entry.knownFor + " " + entry.account, word))
            names.insert(entry.name);
    return names;
}

} // namespace

TEST(EntryFilter, AdmitsEverythingAtFirst) {
    EXPECT_EQ(admitted(EntryFilter{}).size(), theHistory().entries.size());
}

TEST(EntryFilter, ByNameFindsPartsOfNamesInAnyCase) {
    EntryFilter filter;
    filter.search = "fibonacci";
    EXPECT_EQ(admitted(filter), (std::set<std::string>{"Leonardo of Pisa (Fibonacci)"}));
    filter.search = "BERNOULLI";
    EXPECT_EQ(admitted(filter), (std::set<std::string>{"Jakob Bernoulli", "Johann Bernoulli"}));
}

TEST(EntryFilter, ByWordFindsWordsThatBeginWithTheTypedOnes) {
    EntryFilter filter;
    filter.mode = SearchMode::byWord;
    for (const char* stem : {"prime", "quaternion", "rabbit", "normal", "Alexandria", "cubic"}) {
        filter.search = stem;
        const auto found = admitted(filter);
        EXPECT_EQ(found, scannedFor(stem)) << stem;
        EXPECT_FALSE(found.empty()) << stem;
    }
}

TEST(EntryFilter, ByWordNeedsEveryTypedWord) {
    EntryFilter filter;
    filter.mode = SearchMode::byWord;
    filter.search = "cubic Bologna";
    std::set<std::string> both;
    const auto cubic = scannedFor("cubic");
    for (const std::string& name : scannedFor("Bologna"))
        if (cubic.count(name))
            both.insert(name);
    EXPECT_EQ(admitted(filter), both);
    EXPECT_TRUE(both.count("Scipione del Ferro"));
    filter.search = "ram";
    EXPECT_FALSE(admitted(filter).count("Abraham de Moivre")) << "a word's middle is no match";
}

TEST(EntryFilter, SubjectsKeepEntriesWithAtLeastOneChosenSubject) {
    EntryFilter filter;
    filter.subjects = {Subject::statistics, Subject::probability};
    for (const Entry& entry : theHistory().entries) {
        bool expected = false;
        for (Subject s : entry.subjects)
            expected = expected || s == Subject::statistics || s == Subject::probability;
        EXPECT_EQ(filter.admits(entry), expected) << entry.name;
    }
    filter.subjects.clear();
    EXPECT_TRUE(admitted(filter).empty());
}

TEST(EntryFilter, EraAndSearchCombine) {
    EntryFilter filter;
    filter.era = 1; // Greece and Alexandria
    for (const Entry& entry : theHistory().entries)
        EXPECT_EQ(filter.admits(entry), entry.era == 1) << entry.name;
    filter.mode = SearchMode::byWord;
    filter.search = "pi";
    for (const std::string& name : admitted(filter))
        EXPECT_TRUE(scannedFor("pi").count(name));
    EXPECT_TRUE(admitted(filter).count("Archimedes of Syracuse"));
    EXPECT_FALSE(admitted(filter).count("Zu Chongzhi")) << "another era";
}
