#include "platform/help/help_sitemap.h"

#include <gtest/gtest.h>

using platform::parseSitemap;

namespace {

QString entry(const QString& name, const QString& local) {
    return QStringLiteral("<LI><OBJECT type=\"text/sitemap\"><param name=\"Name\" value=\"%1\">"
                          "<param name=\"Local\" value=\"%2\"></OBJECT>")
        .arg(name, local);
}

} // namespace

TEST(HelpSitemap, ReadsNestedContentsWithTheirDepth) {
    const QString contents = "<HTML><BODY><OBJECT type=\"text/site properties\">"
                             "<param name=\"Window Styles\" value=\"0x800025\"></OBJECT><UL>" +
                             entry("Introduction", "introduction.html") + "<UL>" +
                             entry("The sections", "introduction.html#sections") + "</UL>" +
                             entry("Geometry", "geometry.html") + "</UL></BODY></HTML>";
    const auto entries = parseSitemap(contents);
    ASSERT_EQ(entries.size(), 3);
    EXPECT_EQ(entries[0].name, "Introduction");
    EXPECT_EQ(entries[0].local, "introduction.html");
    EXPECT_EQ(entries[0].depth, 0);
    EXPECT_EQ(entries[1].name, "The sections");
    EXPECT_EQ(entries[1].local, "introduction.html#sections");
    EXPECT_EQ(entries[1].depth, 1);
    EXPECT_EQ(entries[2].name, "Geometry");
    EXPECT_EQ(entries[2].depth, 0);
}

TEST(HelpSitemap, KeepsHeadingsWithoutATopicAndSkipsNamelessEntries) {
    const QString contents = "<ul><li><object type=\"text/sitemap\">"
                             "<param name=\"Name\" value=\"Subtest I\"></object>"
                             "<li><object type=\"text/sitemap\">"
                             "<param name=\"Local\" value=\"orphan.html\"></object></ul>";
    const auto entries = parseSitemap(contents);
    ASSERT_EQ(entries.size(), 1);
    EXPECT_EQ(entries[0].name, "Subtest I");
    EXPECT_TRUE(entries[0].local.isEmpty());
}

TEST(HelpSitemap, DecodesEntitiesAndAcceptsOtherQuoting) {
    const QString contents = "<UL><LI><OBJECT TYPE='text/sitemap'>"
                             "<PARAM NAME='Name' VALUE='Rings &amp; fields'>"
                             "<PARAM NAME=Local VALUE=rings_matrices.html></OBJECT></UL>";
    const auto entries = parseSitemap(contents);
    ASSERT_EQ(entries.size(), 1);
    EXPECT_EQ(entries[0].name, "Rings & fields");
    EXPECT_EQ(entries[0].local, "rings_matrices.html");
}

TEST(HelpSitemap, StopsQuietlyAtBrokenMarkup) {
    const QString contents = "<UL>" + entry("Vectors", "vectors.html") +
                             "<LI><OBJECT type=\"text/sitemap\"><param name=\"Name\" value=\"Cut";
    const auto entries = parseSitemap(contents);
    ASSERT_EQ(entries.size(), 1);
    EXPECT_EQ(entries[0].name, "Vectors");
    EXPECT_TRUE(parseSitemap("</UL></UL><UL").isEmpty());
    EXPECT_TRUE(parseSitemap(QString()).isEmpty());
}
