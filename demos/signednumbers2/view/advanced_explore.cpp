#include "signednumbers2/view/advanced_explore.h"

#include "signednumbers2/core/advanced_exercises.h"
#include "signednumbers2/view/absolute_value_explorer.h"
#include "signednumbers2/view/clock_explorer.h"
#include "signednumbers2/view/division_explorer.h"
#include "signednumbers2/view/domain_explorer.h"

namespace signednumbers2 {

AdvancedExplore::AdvancedExplore(QWidget* parent)
    : QTabWidget(parent), division_(new DivisionExplorer(this)), clock_(new ClockExplorer(this)),
      domain_(new DomainExplorer(this)), absolute_(new AbsoluteValueExplorer(this)) {
    setObjectName("explore");
    addTab(division_, tr("&Division algorithm"));
    addTab(clock_, tr("&Clock"));
    addTab(domain_, tr("Ordered &domain"));
    addTab(absolute_, tr("&Absolute value"));
}

kit::DemoDefinition demoDefinition() {
    kit::DemoDefinition def;
    def.programName = "signednumbers2";
    def.title = "Advanced Integers";
    def.lessonResource = "qrc:/lesson/lesson.html";
    def.makeExplore = [](QWidget* parent) { return new AdvancedExplore(parent); };
    def.exerciseKinds = advancedExerciseKinds();
    def.aboutText =
        "Advanced Integers shows the division algorithm a = qb + r with 0 \u2264 r < |b| "
        "on the number line for negative numbers too, congruence modulo n on a clock, "
        "the laws that make the integers an ordered integral domain, even and odd "
        "numbers, and absolute-value equations and inequalities with their solution "
        "sets drawn. Its exercises come with worked solutions.";
    return def;
}

} // namespace signednumbers2
