#include "engine/catalogue/catalogue_source.h"
#include "menu/core/section_table.h"
#include "menu/core/subtest_windows.h"
#include "menu/core/topic_table.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <sstream>

namespace fs = std::filesystem;

namespace {

std::set<std::string> splitList(const std::string& list) {
    std::set<std::string> names;
    std::istringstream in(list);
    for (std::string name; std::getline(in, name, ';');)
        if (!name.empty())
            names.insert(name);
    return names;
}

std::string withoutExe(std::string_view name) {
    std::string file(name);
    if (file.size() > 4 && file.substr(file.size() - 4) == ".exe")
        file.resize(file.size() - 4);
    return file;
}

// Every program name that a Page, a Topic, a subtest link or a Section starts, with where.
std::vector<std::pair<std::string, std::string>> startedPrograms() {
    std::vector<std::pair<std::string, std::string>> started;
    for (const auto& item : fs::directory_iterator(LESSONS_FOLDER)) {
        if (!fs::exists(item.path() / "program.txt"))
            continue;
        const auto source = engine::readCatalogueFolder(item.path());
        for (const auto& page : source.pages)
            if (!page.entry.program.empty())
                started.emplace_back(page.entry.program, source.settings.name + ", Page " +
                                                             std::to_string(page.number));
    }
    for (const auto& group : menu::topicGroups())
        for (const auto& topic : group.topics)
            started.emplace_back(std::string(topic.program), "Topic " + std::string(topic.text));
    for (int section = 0; section < 3; ++section)
        for (const auto& link : menu::subtestWindowForSection(section).links)
            started.emplace_back(std::string(link.program), "link " + std::string(link.text));
    for (int row = 0; row < menu::sectionCount; ++row) {
        const menu::MenuAction action = menu::sectionAction(row);
        if (const auto* start = std::get_if<menu::StartProgram>(&action))
            started.emplace_back(start->program, "Section row " + std::to_string(row));
    }
    return started;
}

} // namespace

TEST(CoursePrograms, EveryProgramThatIsStartedIsOnTheCourseList) {
    const auto known = splitList(COURSE_PROGRAMS);
    const auto started = startedPrograms();
    EXPECT_GT(started.size(), 40u);
    for (const auto& [name, where] : started)
        EXPECT_TRUE(known.count(withoutExe(name)))
            << where << " starts \"" << name << "\", which is on no list";
}

TEST(CoursePrograms, EveryProgramWeBuildIsStagedAndExecutable) {
    for (const auto& name : splitList(OUR_PROGRAMS)) {
        const fs::path file = fs::path(STAGE_DIR) / name;
        ASSERT_TRUE(fs::exists(file)) << name << " is not in the installation folder";
        EXPECT_NE(fs::status(file).permissions() & fs::perms::owner_exec, fs::perms::none) << name;
    }
}
