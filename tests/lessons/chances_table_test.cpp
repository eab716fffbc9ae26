// The probability program's own totals, as a check on its expected Page table itself; the
// table is checked against lessons/chances by page_table_test.
#include "chances_catalogue.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

using namespace chances;

TEST(ChancesCatalogue, ExpectedTableTotals) {
    // Eleven pictures, one of them drawn twice, 34 questions and one demonstration program.
    const PageTable& table = program().table();
    EXPECT_EQ(table.pages.size(), 104u);
    EXPECT_EQ(table.lessons.size(), 5u);
    std::size_t placements = 0;
    std::set<std::string> files;
    for (const auto& page : table.pages)
        for (const auto& p : page.pictures) {
            ++placements;
            files.insert(p.file);
        }
    EXPECT_EQ(placements, 12u);
    EXPECT_EQ(files.size(), 11u);
    const auto count = [&](auto predicate) {
        return std::count_if(table.pages.begin(), table.pages.end(), predicate);
    };
    EXPECT_EQ(count([](auto& p) { return p.kind == PageKind::MultipleChoice; }), 34);
    EXPECT_EQ(count([](auto& p) { return p.kind == PageKind::FillIn; }), 0);
    EXPECT_EQ(count([](auto& p) { return p.choices.size() == 4 && p.answer.size() == 1; }), 34);
    EXPECT_EQ(count([](auto& p) { return !p.program.empty(); }), 1);
    EXPECT_EQ(count([](auto& p) { return p.tutorShown != (p.kind == PageKind::Text); }), 0)
        << "the tutor is shown on every text Page and on no question";
}
