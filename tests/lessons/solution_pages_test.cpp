// What the help topic on questions says the solution Pages do, checked against the
// geometry and probability catalogues: which solution Pages explain their answer.

#include "chances_catalogue.h"
#include "shapes_catalogue.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <regex>
#include <set>
#include <sstream>

using engine::PageSource;

namespace {

std::string helpTopic(const std::string& name) {
    std::ifstream in(std::string(HELP_SOURCES) + "/" + name, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    // Line breaks in the HTML source are spaces to the reader.
    std::string flat = text.str();
    std::replace(flat.begin(), flat.end(), '\n', ' ');
    return flat;
}

bool isQuestion(const PageSource& page) {
    return page.entry.layout == engine::RecordLayout::Question;
}

// A line that states the answer: the right choice repeated, or a value a field accepts.
bool statesTheAnswer(const std::string& line, const PageSource& question) {
    const std::string choice =
        question.answer.empty() ? "" : std::string(1, char(question.answer[0] - 'a' + 'A')) + ".";
    if (!choice.empty() && line.find(choice) != std::string::npos && line.find(choice) <= 2)
        return true;
    for (const engine::FillInField& field : question.entry.fields)
        for (const std::string& accepted : field.accepted)
            if (line.find(accepted) != std::string::npos)
                return true;
    return false;
}

// A solution Page explains when it has more to show than the verdict and the answer: the
// tutor speaking, a picture of its own, or text lines besides those stating the answer.
bool explains(const PageSource& solution, const PageSource& question) {
    if (solution.entry.tutorShown && std::any_of(solution.speech.begin(), solution.speech.end(),
                                                 [](auto& s) { return !s.empty(); }))
        return true;
    for (const engine::PicturePlacement& picture : solution.entry.pictures) {
        const auto& shown = question.entry.pictures;
        if (std::none_of(shown.begin(), shown.end(),
                         [&](auto& p) { return p.file == picture.file; }))
            return true;
    }
    for (int n = 1; n <= 17; ++n) {
        const std::string& line = solution.lines[static_cast<std::size_t>(n)];
        if (!line.empty() && !statesTheAnswer(line, question))
            return true;
    }
    return false;
}

struct SolutionPages {
    std::set<int> explaining;
    std::set<int> all;
};

SolutionPages solutionPages(const engine::CatalogueSource& catalogue) {
    SolutionPages result;
    const auto& pages = catalogue.pages;
    for (std::size_t i = 0; i + 1 < pages.size(); ++i) {
        if (!isQuestion(pages[i]))
            continue;
        result.all.insert(pages[i + 1].number);
        if (explains(pages[i + 1], pages[i]))
            result.explaining.insert(pages[i + 1].number);
    }
    return result;
}

// The Page numbers of "solution pages 44, 48, 86 and 90 to 98" as the help writes them.
std::set<int> pagesNamedIn(const std::string& list) {
    std::set<int> pages;
    static const std::regex item(R"((\d+)(?: to (\d+))?)");
    for (auto it = std::sregex_iterator(list.begin(), list.end(), item);
         it != std::sregex_iterator(); ++it) {
        const int first = std::stoi((*it)[1]);
        const int last = (*it)[2].matched ? std::stoi((*it)[2]) : first;
        for (int page = first; page <= last; ++page)
            pages.insert(page);
    }
    return pages;
}

} // namespace

TEST(SolutionPages, HelpNamesTheGeometrySolutionPagesThatExplain) {
    const SolutionPages geometry = solutionPages(shapes::program().source());
    ASSERT_FALSE(geometry.all.empty());
    const std::string help = helpTopic("questions.html");
    std::smatch named;
    const std::regex claim(R"(geometry solution pages ((?:\d+|, | and | to )+) explain)");
    ASSERT_TRUE(std::regex_search(help, named, claim))
        << "questions.html does not say which geometry solution pages explain";
    std::set<int> claimed = pagesNamedIn(named[1]);
    // "90 to 98" names the tutor's solution Pages among the questions between them.
    std::erase_if(claimed, [&](int page) { return !geometry.all.contains(page); });
    EXPECT_EQ(claimed, geometry.explaining);
}

TEST(SolutionPages, HelpSaysEveryProbabilitySolutionPageExplains) {
    const SolutionPages probability = solutionPages(chances::program().source());
    ASSERT_FALSE(probability.all.empty());
    EXPECT_EQ(probability.explaining, probability.all);
    EXPECT_NE(helpTopic("questions.html").find("every probability solution page"),
              std::string::npos);
}
