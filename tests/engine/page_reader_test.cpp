#include "engine/core/page_reader.h"

#include <gtest/gtest.h>

using namespace std::string_literals;
using engine::LessonState;

namespace {

std::string record(int texts, const std::string& marker) {
    std::string content;
    for (int i = 1; i <= texts; ++i)
        content += marker + std::to_string(i) + '\0';
    return content;
}

} // namespace

TEST(PageReader, TextPageFillsLinesAndSpeechButKeepsTheAnswerLetter) {
    std::string content = record(17, "t");
    content += "first"s + '\0' + '\0' + "third"s + '\0';
    for (int i = 4; i <= 10; ++i)
        content += '\0';
    LessonState state;
    state.pageLines[18] = "b";
    engine::readTextPage(content, state);
    EXPECT_EQ(state.pageLines[1], "t1");
    EXPECT_EQ(state.pageLines[17], "t17");
    EXPECT_EQ(state.pageLines[18], "b");
    EXPECT_EQ(state.speechLines[1], "first");
    EXPECT_EQ(state.speechLines[2], "");
    EXPECT_EQ(state.speechLines[3], "third");
    EXPECT_EQ(state.speechLineCount, 2) << "only non-empty speech lines count";
    EXPECT_EQ(state.contentCursor, content.size());
}

TEST(PageReader, QuestionPageReadsTheAnswerLetterAndKeepsTheSpeech) {
    std::string content = record(17, "q") + "c"s + '\0';
    LessonState state;
    state.speechLines[1] = "kept";
    state.speechLineCount = 1;
    engine::readQuestionPage(content, state);
    EXPECT_EQ(state.pageLines[17], "q17");
    EXPECT_EQ(state.pageLines[18], "c");
    EXPECT_EQ(state.speechLines[1], "kept");
    EXPECT_EQ(state.speechLineCount, 1);
}

TEST(PageReader, ReadingPastTheEndGivesEmptyTextsWithoutMovingFurther) {
    const std::string content = "only"s + '\0' + "unterminated";
    LessonState state;
    engine::readQuestionPage(content, state);
    EXPECT_EQ(state.pageLines[1], "only");
    EXPECT_EQ(state.pageLines[2], "unterminated");
    EXPECT_EQ(state.pageLines[3], "");
    EXPECT_EQ(state.contentCursor, content.size());
}
