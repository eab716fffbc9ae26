// Checks of the compiled help file as a reader meets it: every link, picture, contents and
// index entry leads somewhere, and the pages name the course's screens as they are.

#include "help_test_support.h"

#include "platform/help/chm_archive.h"
#include "platform/help/help_sitemap.h"

#include <QImage>
#include <QRegularExpression>
#include <QSet>
#include <QUrl>

#include <gtest/gtest.h>

using platform::ChmArchive;
using platform::ChmReadStatus;

namespace {

class HelpContent : public ::testing::Test {
  protected:
    static void SetUpTestSuite() { archive_ = new ChmArchive(help_test::compiledHelpFile()); }
    static void TearDownTestSuite() {
        delete archive_;
        archive_ = nullptr;
    }

    static const ChmArchive& archive() { return *archive_; }

    static QString text(const QString& path) {
        const auto object = archive_->read(path.toStdString());
        return QString::fromUtf8(object.bytes.data(), static_cast<qsizetype>(object.bytes.size()));
    }

    static QStringList pagesEndingWith(const QString& suffix) {
        QStringList pages;
        for (const std::string& path : archive_->filePaths()) {
            const QString name = QString::fromStdString(path);
            if (name.endsWith(suffix)) {
                pages.append(name);
            }
        }
        return pages;
    }

    static QStringList topics() { return pagesEndingWith(".html"); }

    // "" when `target` (relative to `fromPage`) leads to an existing page and anchor,
    // otherwise what is wrong with it.
    static QString problemWith(const QString& fromPage, const QString& target) {
        const QUrl resolved = QUrl("chm:" + fromPage).resolved(QUrl(target));
        const QString path = resolved.path();
        if (resolved.scheme() != "chm" || !archive_->contains(path.toStdString())) {
            return target + " (no such file)";
        }
        if (resolved.hasFragment() &&
            !text(path).contains("name=\"" + resolved.fragment() + "\"")) {
            return target + " (no such anchor)";
        }
        return {};
    }

  private:
    static inline ChmArchive* archive_ = nullptr;
};

QStringList attributeValues(const QString& html, const QString& attribute) {
    QStringList values;
    const QRegularExpression pattern("\\b" + attribute + "=\"([^\"]*)\"");
    for (auto match = pattern.globalMatch(html); match.hasNext();) {
        values.append(match.next().captured(1));
    }
    return values;
}

// The page's text with tags removed and line breaks as blanks, as a reader sees it.
QString visibleText(const QString& html) {
    QString plain = html;
    plain.remove(QRegularExpression("<[^>]*>"));
    plain.replace(QRegularExpression("\\s+"), " ");
    return plain;
}

} // namespace

TEST_F(HelpContent, OpensAtTheIntroductionWithTheCourseTitle) {
    ASSERT_TRUE(archive().isOpen());
    const QString introduction = text("/introduction.html");
    EXPECT_TRUE(introduction.contains("<h1>Orvo the Tamlex Vuvudu Rodezav Iruv</h1>"));
    EXPECT_GE(topics().size(), 15);
}

TEST_F(HelpContent, EveryLinkAndPictureOfEveryTopicLeadsSomewhere) {
    for (const QString& page : topics()) {
        const QString html = text(page);
        for (const QString& target : attributeValues(html, "href") + attributeValues(html, "src")) {
            EXPECT_EQ(problemWith(page, target), QString()) << page.toStdString();
        }
    }
}

TEST_F(HelpContent, EveryContentsAndIndexEntryOpensATopic) {
    for (const QString& sitemap : {QStringLiteral("/toc.hhc"), QStringLiteral("/index.hhk")}) {
        const auto entries = platform::parseSitemap(text(sitemap));
        EXPECT_GT(entries.size(), 10) << sitemap.toStdString();
        for (const auto& entry : entries) {
            if (!entry.local.isEmpty()) {
                EXPECT_EQ(problemWith("/", entry.local), QString()) << entry.name.toStdString();
            }
        }
    }
}

TEST_F(HelpContent, EveryTopicIsReachableFromTheContentsAndTheIntroduction) {
    QSet<QString> listed;
    for (const auto& entry : platform::parseSitemap(text("/toc.hhc"))) {
        listed.insert("/" + QUrl(entry.local).path());
    }
    const QStringList linked = attributeValues(text("/introduction.html"), "href");
    for (const QString& page : topics()) {
        EXPECT_TRUE(listed.contains(page)) << page.toStdString();
        if (page != "/introduction.html") {
            EXPECT_TRUE(linked.contains(page.mid(1))) << page.toStdString();
        }
    }
}

TEST_F(HelpContent, EveryTopicHasATitleAndTheSharedStylesheet) {
    const QRegularExpression title("<title>Orvo the Tamlex Help - [^<]+</title>");
    for (const QString& page : topics()) {
        const QString html = text(page);
        EXPECT_TRUE(title.match(html).hasMatch()) << page.toStdString();
        EXPECT_TRUE(html.contains("<link rel=\"stylesheet\" type=\"text/css\" href=\"style.css\">"))
            << page.toStdString();
    }
}

TEST_F(HelpContent, EveryPictureDecodesAndIsShownSomewhere) {
    QString allPages;
    for (const QString& page : topics()) {
        allPages += text(page);
    }
    const QStringList pictures = pagesEndingWith(".png");
    EXPECT_GE(pictures.size(), 3);
    for (const QString& picture : pictures) {
        const auto bytes = archive().read(picture.toStdString()).bytes;
        QImage image;
        EXPECT_TRUE(image.loadFromData(reinterpret_cast<const uchar*>(bytes.data()),
                                       static_cast<int>(bytes.size())))
            << picture.toStdString();
        EXPECT_TRUE(allPages.contains("src=\"" + picture.mid(1) + "\"")) << picture.toStdString();
    }
}

TEST_F(HelpContent, NamesTheMenuAsTheReaderSeesIt) {
    const QString introduction = visibleText(text("/introduction.html"));
    const QStringList screenTexts = {
        "Welcome to Orvo the Tamlex",
        "Orvo the Tamlex Main Menu",
        "Subtest I: Algebra; Number Theory",
        "Subtest II: Geometry; Probability and Statistics",
        "Subtest III: Calculus; History of Mathematics",
        "Bonus Material",
        "My Study Diary",
        "Orvo the Tamlex Subtest I",
        "Algebraic Structures",
        "Rings, Fields, and Matrices",
        "Regular Polyhedrons",
        "Distributions and Probability Trees",
    };
    for (const QString& screenText : screenTexts) {
        EXPECT_TRUE(introduction.contains("\"" + screenText + "\"")) << screenText.toStdString();
    }
}

TEST_F(HelpContent, NamesTheStudyTimeAndSavedPlaceFilesOfEveryProgram) {
    const QString studyTime = visibleText(text("/study_time.html"));
    for (const char* file : {"geo.ti", "pro.ti", "number.ti", "algebra.ti"}) {
        EXPECT_TRUE(studyTime.contains(file)) << file;
    }
    const QString keyboard = visibleText(text("/keyboard.html"));
    for (const char* pattern : {"*.num", "*.mat", "*.algb", "*.vec", "*.alga"}) {
        EXPECT_TRUE(keyboard.contains(pattern)) << pattern;
    }
}
