#include "construction_files.h"

#include "constructionkit/core/try_it.h"

#include <gtest/gtest.h>

using namespace constructions;

namespace {

// The use of the tools that draws a step exactly as the file writes it.
ToolUse useOf(const Construction& c, int step) {
    const ConstructionObject& o =
        c.objects[static_cast<std::size_t>(c.steps[static_cast<std::size_t>(step)].drawn)];
    ToolUse use;
    if (o.kind == ObjectKind::Line) {
        use.first = o.first;
        use.second = o.second;
        return use;
    }
    use.tool = ToolUse::Tool::Compass;
    use.first = o.centre;
    use.second = o.through;
    use.radiusFrom = o.radiusFrom;
    use.radiusTo = o.radiusTo;
    return use;
}

ToolUse typed(const std::string& text) {
    const auto parsed = parseToolUse(text);
    if (!parsed.ok())
        throw std::runtime_error(parsed.error().message);
    return parsed.value();
}

} // namespace

TEST(TryIt, EveryConstructionDoneAsWrittenIsAcceptedToTheEnd) {
    for (const std::string& name : constructionNames()) {
        SCOPED_TRACE(name);
        const Construction c = shippedConstruction(name);
        TryIt run(c, placeAtStart(c));
        for (std::size_t s = 0; s < c.steps.size(); ++s) {
            EXPECT_FALSE(run.finished());
            const kit::Verdict v = run.use(useOf(c, static_cast<int>(s)));
            EXPECT_TRUE(v.correct) << "step " << s + 1 << ": " << v.message;
        }
        EXPECT_TRUE(run.finished());
    }
}

TEST(TryIt, IndependentStepsComeInEitherOrderAndEqualCirclesCount) {
    const Construction c = shippedConstruction("rightangle");
    TryIt run(c, placeAtStart(c));
    EXPECT_TRUE(run.use(typed("circle B A")).correct);          // the second circle first
    EXPECT_TRUE(run.use(typed("circle A radius A B")).correct); // the same circle as "circle A B"
    EXPECT_TRUE(run.known("C"));
    EXPECT_TRUE(run.use(typed("line D C")).correct); // the same line either way round
    EXPECT_TRUE(run.finished());
}

TEST(TryIt, AWrongStepIsRefusedWithItsReason) {
    const Construction c = shippedConstruction("threesides");
    TryIt run(c, placeAtStart(c));
    kit::Verdict v = run.use(typed("line A B"));
    EXPECT_FALSE(v.correct);
    EXPECT_NE(v.message.find("compass"), std::string::npos) << v.message;
    v = run.use(typed("circle A C"));
    EXPECT_FALSE(v.correct);
    EXPECT_NE(v.message.find("There is no point C"), std::string::npos) << v.message;
    EXPECT_TRUE(run.use(typed("circle A B")).correct);
    v = run.use(typed("circle A B"));
    EXPECT_FALSE(v.correct);
    EXPECT_NE(v.message.find("already drawn"), std::string::npos);
    EXPECT_TRUE(run.use(typed("circle B A")).correct);
    v = run.use(typed("circle C A"));
    EXPECT_FALSE(v.correct);
    EXPECT_NE(v.message.find("straight edge"), std::string::npos) << v.message;
    EXPECT_FALSE(run.use(typed("line A A")).correct);

    const Construction hexagon = shippedConstruction("sixsides");
    TryIt ring(hexagon, placeAtStart(hexagon));
    EXPECT_TRUE(ring.use(typed("circle O A")).correct);
    v = ring.use(typed("circle A radius A O")); // right centre and radius: accepted
    EXPECT_TRUE(v.correct) << v.message;
    v = ring.use(typed("circle B radius B A")); // right centre, radius the side: also OA
    EXPECT_TRUE(v.correct) << v.message;
    v = ring.use(typed("circle C radius O B"));
    EXPECT_TRUE(v.correct) << v.message;
    v = ring.use(typed("circle D radius A C"));
    EXPECT_FALSE(v.correct);
    EXPECT_NE(v.message.find("centre D is right, but the radius"), std::string::npos) << v.message;
    v = ring.use(typed("circle O D"));
    EXPECT_FALSE(v.correct);
    EXPECT_NE(v.message.find("already drawn"), std::string::npos) << v.message;
}

TEST(TryIt, DraggingKeepsWhatIsDoneAndChecksAgainstTheNewPlaces) {
    const Construction c = shippedConstruction("threesides");
    TryIt run(c, placeAtStart(c));
    ASSERT_TRUE(run.use(typed("circle A B")).correct);
    run.moveGivens(placeFigure(c, {{0, 0}, {1, 7}}));
    EXPECT_TRUE(run.isDone(0));
    EXPECT_TRUE(run.use(typed("circle B A")).correct);
    EXPECT_TRUE(run.known("C"));
}

TEST(TryIt, TypedToolUsesAreReadOrExplained) {
    EXPECT_TRUE(parseToolUse("line A B").ok());
    EXPECT_TRUE(parseToolUse("  circle  O   A ").ok());
    EXPECT_TRUE(parseToolUse("circle A' radius O A").ok());
    for (const std::string& bad :
         std::vector<std::string>{"", "line A", "circle", "draw A B", "circle A radius B",
                                  std::string(1000, 'x'), std::string("\xff\xfe")}) {
        const auto parsed = parseToolUse(bad);
        ASSERT_FALSE(parsed.ok()) << bad;
        EXPECT_NE(parsed.error().message.find("line A B"), std::string::npos);
    }
}
