#include "platform/qt/course_text.h"
#include "platform/text/windows1252.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// Every one of the 256 bytes is shown as the character Windows-1252 gives it, the same one
// its UTF-8 form names, including the euro sign, the typographic quotes and the undefined
// bytes kept as C1 controls.
TEST(CourseText, EveryWindows1252ByteBecomesItsOwnCharacter) {
    for (int value = 0; value < 256; ++value) {
        const std::string byte(1, static_cast<char>(value));
        const std::string utf8 = platform::windows1252ToUtf8(byte);
        const QString shown = platform::fromWindows1252(byte);
        ASSERT_EQ(shown.size(), 1) << "byte " << value;
        EXPECT_EQ(shown, QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size())))
            << "byte " << value;
        EXPECT_EQ(platform::toWindows1252(shown), byte) << "byte " << value;
    }
    EXPECT_EQ(platform::fromWindows1252("\x80"), QString(QChar(0x20AC)));
    EXPECT_EQ(platform::fromWindows1252("\x93Hi\x94"), QString::fromUtf8("\u201CHi\u201D"));
}

TEST(CourseText, LongerTextsAndEmbeddedZerosKeepTheirLength) {
    EXPECT_TRUE(platform::fromWindows1252("").isEmpty());
    const std::string withZero("a\0b", 3);
    const QString shown = platform::fromWindows1252(withZero);
    ASSERT_EQ(shown.size(), 3);
    EXPECT_EQ(shown[1], QChar(0));
    const std::string line = "Caf\xE9 \x96 angles add up to 180\xB0";
    EXPECT_EQ(platform::fromWindows1252(line),
              QString::fromUtf8("Caf\u00E9 \u2013 angles add up to 180\u00B0"));
}

} // namespace
