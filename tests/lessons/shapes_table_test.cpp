// The geometry program's own totals, as a check on its expected Page table itself; the
// table is checked against lessons/shapes by page_table_test.
#include "shapes_catalogue.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace shapes;

TEST(ShapesCatalogue, ExpectedTableTotals) {
    const PageTable& table = pageTable();
    EXPECT_EQ(table.pages.size(), 208u);
    EXPECT_EQ(table.lessons.size(), 5u);
    std::size_t placements = 0;
    for (const auto& page : table.pages)
        placements += page.pictures.size();
    EXPECT_EQ(placements, 120u);
    const auto count = [&](auto predicate) {
        return std::count_if(table.pages.begin(), table.pages.end(), predicate);
    };
    EXPECT_EQ(count([](auto& p) { return p.kind == PageKind::MultipleChoice; }), 21);
    EXPECT_EQ(count([](auto& p) { return p.kind == PageKind::FillIn; }), 2);
    EXPECT_EQ(count([](auto& p) { return !p.program.empty(); }), 13);
}
