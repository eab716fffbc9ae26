#include "engine/catalogue/catalogue_validator.h"

#include "engine/catalogue/source_faults.h"
#include "engine/core/window_layout.h"

#include <algorithm>

namespace engine {
namespace {

using layout::clientHeight;
using layout::clientWidth;

bool insideWindow(int x, int y) {
    return x >= 0 && x < clientWidth && y >= 0 && y < clientHeight;
}

bool insideWindow(const Rect& r) {
    return insideWindow(r.x, r.y) && r.width > 0 && r.height > 0 && r.x + r.width <= clientWidth &&
           r.y + r.height <= clientHeight;
}

std::string point(int x, int y) {
    return std::to_string(x) + ", " + std::to_string(y);
}

std::string withoutExe(std::string name) {
    if (name.size() > 4 && name.ends_with(".exe"))
        name.resize(name.size() - 4);
    return name;
}

class CatalogueValidator {
  public:
    CatalogueValidator(CatalogueSource& source,
                       const std::optional<std::vector<std::string>>& startable)
        : source_(source), startable_(startable) {}

    void run() {
        checkCounts();
        for (std::size_t i = 0; i < source_.lessons.size(); ++i)
            checkLesson(static_cast<int>(i) + 1, source_.lessons[i]);
        for (const auto& page : source_.pages)
            checkPage(page);
    }

  private:
    int pageCount() const { return static_cast<int>(source_.pages.size()); }
    const PageSource* page(int number) const {
        return number >= 1 && number <= pageCount()
                   ? &source_.pages[static_cast<std::size_t>(number - 1)]
                   : nullptr;
    }
    void fault(const std::string& message) {
        source_.errors.push_back(catalogueName(source_) + ": " + message);
    }
    void checkCounts();
    void checkLesson(int number, const LessonEntry& lesson);
    void checkPage(const PageSource& page);
    void checkPlaces(const PageSource& page);
    void checkProgram(const PageSource& page);

    CatalogueSource& source_;
    const std::optional<std::vector<std::string>>& startable_;
};

void CatalogueValidator::checkCounts() {
    if (source_.declaredPageCount != pageCount())
        fault("program.txt declares " + std::to_string(source_.declaredPageCount) +
              " Pages, the files hold " + std::to_string(pageCount()));
    const int lessons = static_cast<int>(source_.lessons.size());
    if (source_.settings.lessonCount > lessons)
        fault("lessons.txt has fewer lessons than program.txt");
    if (source_.settings.lessonCount > layout::maxLessons || lessons > layout::maxLessons)
        fault("there are lesson buttons for " + std::to_string(layout::maxLessons) +
              " lessons only");
}

void CatalogueValidator::checkLesson(int number, const LessonEntry& lesson) {
    const std::string name = catalogueName(source_) + ", lesson " + std::to_string(number);
    const auto fail = [&](const std::string& message) {
        source_.errors.push_back(name + ": " + message);
    };
    const PageSource* first = page(lesson.firstPage);
    if (!first)
        fail("first Page " + std::to_string(lesson.firstPage) + " does not exist");
    else if (first->entry.lesson != number)
        fail("its first Page belongs to another lesson");
    if (lesson.stepFirstPages.empty() || lesson.stepFirstPages.front() != lesson.firstPage)
        fail("Step 1 must start at the lesson's first Page");
    if (static_cast<int>(lesson.stepFirstPages.size()) > layout::maxSteps)
        fail(std::to_string(lesson.stepFirstPages.size()) +
             " Steps, but there are step buttons for " + std::to_string(layout::maxSteps) +
             " only");
    for (std::size_t k = 1; k < lesson.stepFirstPages.size(); ++k) {
        const int target = lesson.stepFirstPages[k];
        const PageSource* stepPage = page(target);
        const std::string step =
            "Step " + std::to_string(k + 1) + " starts at Page " + std::to_string(target);
        if (!stepPage)
            fail(step + ", which does not exist");
        else if (stepPage->entry.lesson != number)
            fail(step + ", which belongs to lesson " + std::to_string(stepPage->entry.lesson));
    }
}

void CatalogueValidator::checkPage(const PageSource& page) {
    const auto fault = [&](const std::string& message) {
        addPageFault(source_, page, page.origin, message);
    };
    const PageEntry& e = page.entry;
    const bool question = e.layout == RecordLayout::Question;
    if (question && e.tutorShown)
        fault("a Page that shows the tutor is a text Page");
    if (question &&
        std::any_of(page.speech.begin(), page.speech.end(), [](auto& s) { return !s.empty(); }))
        fault("a question Page has no speech lines");
    if (!question && !page.answer.empty())
        fault("only question Pages have an answer letter");
    if (!page.answer.empty() && page.answer != "a" && page.answer != "b" && page.answer != "c" &&
        page.answer != "d")
        fault("the answer letter is a, b, c or d");
    if (e.lesson < 1 || e.lesson > static_cast<int>(source_.lessons.size()))
        fault("lesson " + std::to_string(e.lesson) + " is not in lessons.txt");
    for (const auto& f : e.fields)
        if (f.accepted.empty())
            fault("field " + std::to_string(f.control) + " accepts no answer");
    if (!e.fields.empty() && !e.doneButton)
        fault("a fill-in Page needs a done button");
    if (page.number == pageCount() && question)
        fault("a question Page cannot be the last Page");
    checkPlaces(page);
    checkProgram(page);
}

void CatalogueValidator::checkPlaces(const PageSource& page) {
    const auto fault = [&](const std::string& message) {
        addPageFault(source_, page, page.origin, message);
    };
    const std::string window = " lies outside the " + std::to_string(clientWidth) + " x " +
                               std::to_string(clientHeight) + " window";
    // A picture may run past the right or bottom edge and is cut there, like text; its
    // corner must lie in the window.
    for (const auto& p : page.entry.pictures)
        if (!insideWindow(p.x, p.y))
            fault("picture " + p.file + " at " + point(p.x, p.y) + window);
    for (const auto& l : page.entry.labels)
        if (!insideWindow(l.x, l.y))
            fault("label at " + point(l.x, l.y) + window);
    for (const auto& f : page.entry.fields)
        if (!insideWindow(f.rect))
            fault("field " + std::to_string(f.control) + " at " + point(f.rect.x, f.rect.y) +
                  window);
    if (page.entry.doneButton && !insideWindow(*page.entry.doneButton))
        fault("the done button at " + point(page.entry.doneButton->x, page.entry.doneButton->y) +
              window);
}

void CatalogueValidator::checkProgram(const PageSource& page) {
    const std::string& program = page.entry.program;
    if (program.empty() || !startable_)
        return;
    const std::string name = withoutExe(program);
    if (std::find(startable_->begin(), startable_->end(), name) == startable_->end())
        addPageFault(source_, page, page.origin,
                     "program " + program + " is not on the course's program list");
}

} // namespace

void validateCatalogue(CatalogueSource& source,
                       const std::optional<std::vector<std::string>>& startablePrograms) {
    CatalogueValidator(source, startablePrograms).run();
}

} // namespace engine
