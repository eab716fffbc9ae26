// The reader of the entries files: a good file read field by field, and every kind of fault
// reported with its file and line.
#include "chronicle/core/chronicle_reader.h"

#include <gtest/gtest.h>

using namespace chronicle;

namespace {

const std::string eraHeader = "era: greece\n"            // 1
                              "title: Greece\n"          // 2
                              "from: 650 BCE\n"          // 3
                              "to: 500\n"                // 4
                              "account: Proofs began.\n" // 5
                              "\n";                      // 6

const std::string euclid = "entry: Euclid\n"                     // 7
                           "kind: person\n"                      // 8
                           "flourished: c. 300 BCE\n"            // 9
                           "place: Alexandria\n"                 // 10
                           "subjects: geometry, number theory\n" // 11
                           "known-for: wrote the Elements\n"     // 12
                           "account: He taught in\n"             // 13
                           "  Alexandria.\n"                     // 14
                           "\n";                                 // 15

const std::string elements = "# the book\n"                // 16
                             "entry: Elements\n"           // 17
                             "kind: work\n"                // 18
                             "date: c. 300 BCE\n"          // 19
                             "by: Euclid\n"                // 20
                             "place: Alexandria\n"         // 21
                             "subjects: geometry\n"        // 22
                             "account: Thirteen books.\n"; // 23

ReadOutcome readOne(const std::string& text) {
    return readChronicle({{"test.txt", text}});
}

void expectFault(const std::string& text, int line, const std::string& part) {
    const ReadOutcome outcome = readOne(text);
    ASSERT_TRUE(outcome.error.has_value()) << text;
    EXPECT_EQ(outcome.error->file, "test.txt");
    EXPECT_EQ(outcome.error->line, line) << outcome.error->text();
    EXPECT_NE(outcome.error->message.find(part), std::string::npos) << outcome.error->text();
    EXPECT_TRUE(outcome.chronicle.entries.empty());
}

// The good text with line `line` (counted from 1) replaced.
std::string withLine(int line, const std::string& replacement) {
    const std::string text = eraHeader + euclid + elements;
    std::string result;
    int number = 0;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = text.find('\n', start);
        ++number;
        const std::string current = text.substr(start, end - start);
        result += (number == line ? replacement : current) + "\n";
        start = end + 1;
    }
    return result;
}

} // namespace

TEST(ChronicleReader, ReadsEraEntriesFieldsAndLines) {
    const ReadOutcome outcome = readOne(eraHeader + euclid + elements);
    ASSERT_FALSE(outcome.error.has_value()) << outcome.error->text();
    const Chronicle& c = outcome.chronicle;
    ASSERT_EQ(c.eras.size(), 1u);
    EXPECT_EQ(c.eras[0].key, "greece");
    EXPECT_EQ(c.eras[0].from, -650);
    EXPECT_EQ(c.eras[0].to, 500);
    EXPECT_EQ(c.eras[0].account, "Proofs began.");
    ASSERT_EQ(c.entries.size(), 2u);
    const Entry& e = c.entries[0];
    EXPECT_EQ(e.name, "Euclid");
    EXPECT_EQ(e.kind, EntryKind::person);
    EXPECT_EQ(e.flourished, (HistoricalYear{-300, true}));
    EXPECT_FALSE(e.born.has_value());
    EXPECT_EQ(e.subjects, (std::vector<Subject>{Subject::geometry, Subject::numberTheory}));
    EXPECT_EQ(e.knownFor, "wrote the Elements");
    EXPECT_EQ(e.account, "He taught in Alexandria.");
    EXPECT_EQ(e.source.line, 7);
    const Entry& w = c.entries[1];
    EXPECT_EQ(w.kind, EntryKind::work);
    EXPECT_EQ(w.by, "Euclid");
    EXPECT_EQ(w.date, (HistoricalYear{-300, true}));
    EXPECT_EQ(w.source.line, 17);
    EXPECT_EQ(w.era, 0u);
}

TEST(ChronicleReader, ReportsAnUnknownField) {
    expectFault(withLine(10, "city: Alexandria"), 10, "unknown field");
}

TEST(ChronicleReader, ReportsALineThatIsNoField) {
    expectFault(withLine(10, "Alexandria in Egypt"), 10, "field: value");
}

TEST(ChronicleReader, ReportsAYearThatCannotBeRead) {
    expectFault(withLine(9, "flourished: 3OO BCE"), 9, "not a year");
}

TEST(ChronicleReader, ReportsAnUnknownSubject) {
    expectFault(withLine(11, "subjects: geometry, astrology"), 11, "astrology");
}

TEST(ChronicleReader, ReportsASubjectNamedTwice) {
    expectFault(withLine(22, "subjects: geometry, geometry"), 22, "twice");
}

TEST(ChronicleReader, ReportsAFieldGivenTwice) {
    expectFault(withLine(10, "kind: person"), 10, "given twice");
}

TEST(ChronicleReader, ReportsAnUnknownKind) {
    expectFault(withLine(18, "kind: poem"), 18, "person, work or discovery");
}

TEST(ChronicleReader, ReportsAMissingAccountAtTheRecordsFirstLine) {
    expectFault(eraHeader + euclid.substr(0, euclid.find("account:")) + "\n", 7, "account");
}

TEST(ChronicleReader, ReportsABirthWithoutADeath) {
    expectFault(withLine(9, "born: 1643"), 7, "both");
}

TEST(ChronicleReader, ReportsADateOnAPerson) {
    expectFault(withLine(10, "date: 1687"), 10, "a person has no");
}

TEST(ChronicleReader, ReportsAWorkWithoutADate) {
    expectFault(withLine(19, "# no date"), 17, "date");
}

TEST(ChronicleReader, ReportsAnAuthorWhoIsNotAPersonOfTheHistory) {
    expectFault(withLine(20, "by: Euclide"), 17, "not a person");
}

TEST(ChronicleReader, ReportsAnEntryBeforeTheEra) {
    expectFault(euclid + eraHeader, 1, "before the file's era");
}

TEST(ChronicleReader, ReportsAnEraThatEndsBeforeItBegins) {
    expectFault(withLine(4, "to: 700 BCE"), 4, "ends before");
}

TEST(ChronicleReader, ReportsAnEraWithoutItsStory) {
    expectFault(withLine(5, "# no story"), 1, "account");
}

TEST(ChronicleReader, ReportsARecordOfNoKnownSort) {
    expectFault(eraHeader + "title: stray\n", 7, "begins with");
}

TEST(ChronicleReader, ReportsAPosthumousWorkWithoutAnAuthor) {
    expectFault(withLine(20, "posthumous: yes"), 20, "needs");
}

TEST(ChronicleReader, ReportsTheSameEntryInTwoFilesAtTheSecond) {
    const ReadOutcome outcome =
        readChronicle({{"one.txt", eraHeader + euclid}, {"two.txt", "\n\n" + eraHeader + euclid}});
    ASSERT_TRUE(outcome.error.has_value());
    EXPECT_EQ(outcome.error->file, "two.txt");
    EXPECT_EQ(outcome.error->line, 9);
    EXPECT_EQ(outcome.error->text(),
              "two.txt, line 9: the entry \u2018Euclid\u2019 is given twice");
}
