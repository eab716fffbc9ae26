#include "construction_files.h"

#include <gtest/gtest.h>

using namespace constructions;

namespace {

std::string faultOf(const std::string& text) {
    const auto parsed = parseConstruction(text);
    return parsed.ok() ? std::string("read without fault") : parsed.error().message;
}

const std::string header = "title T\ngoal G\npoint A given 0 0 a\npoint B given 4 0 b\n";

} // namespace

TEST(ConstructionReader, EveryShippedFileReadsWithStepsReasonsAndMeasures) {
    for (const std::string& name : constructionNames()) {
        SCOPED_TRACE(name);
        const auto parsed = parseConstruction(constructionText(name));
        ASSERT_TRUE(parsed.ok()) << parsed.error().message;
        const Construction& c = parsed.value();
        EXPECT_GE(c.steps.size(), 3u);
        EXPECT_GE(c.measures.size(), 2u);
        EXPECT_FALSE(c.conclusion.empty());
        for (const ConstructionStep& s : c.steps) {
            EXPECT_FALSE(s.reason.empty());
            EXPECT_NE(c.objects[static_cast<std::size_t>(s.drawn)].kind, ObjectKind::Point);
        }
    }
}

TEST(ConstructionReader, FaultsNameTheirLineAndWhatIsWrong) {
    EXPECT_EQ(faultOf(header + "step s\nwhy w\ncircle k centre A through C\n"),
              "line 7: \"C\" is not named before");
    EXPECT_EQ(faultOf(header + "step s\ncircle k centre A through B\n"),
              "the step on line 5 has no \"why\"");
    EXPECT_EQ(faultOf(header + "step s\nwhy w\npoint C meet k j left A B\n"),
              "line 7: \"k\" is not named before");
    EXPECT_EQ(faultOf(header + "step s\nwhy w\ncircle k centre A through B\ncircle j centre B "
                               "through A\n"),
              "line 8: a step draws one line or circle; begin a new step");
    EXPECT_EQ(faultOf(header + "step s\nwhy w\ncircle k centre A through B\nstep t\nwhy v\n"
                               "circle j centre B through A\npoint C meet k j\n"),
              "line 11: say which crossing: nearer, farther, other, left or right");
    EXPECT_EQ(faultOf(header + "frobnicate\n"), "line 5: unknown word \"frobnicate\"");
    EXPECT_EQ(faultOf("title T\npoint A given 1e999 0\n"),
              "line 2: \"1e999\" is not a coordinate between -1000 and 1000");
    EXPECT_EQ(faultOf(header), "the construction has no steps");
    EXPECT_EQ(faultOf(header + "point A given 1 1\n"), "line 5: \"A\" is named twice");
    EXPECT_EQ(faultOf(header + "step s\nwhy w\nsegment s A A\n"),
              "line 7: a line needs two different points");
    EXPECT_EQ(faultOf(header + "step s\nwhy w\nsegment s A B\nmeasure angle A B\n"),
              "line 8: the measure \"angle\" takes 3 points");
}

TEST(ConstructionReader, GarbledTextIsRefusedWithoutThrowing) {
    for (const std::string& text :
         {std::string(), std::string("\xff\xfe\x00\x01", 4), std::string(5000, '{'),
          std::string("title\n\n\nstep\n"), header + "step " + std::string(100000, 'x') + "\n"}) {
        EXPECT_NO_THROW({
            const auto parsed = parseConstruction(text);
            EXPECT_FALSE(parsed.ok());
        });
    }
}
