#include "graphs/view/graphs_definition.h"

#include "graphs/core/exercises.h"
#include "graphs/view/graphs_explore.h"

namespace graphs {

kit::DemoDefinition demoDefinition() {
    kit::DemoDefinition def;
    def.programName = "graphs";
    def.title = "Functions and Graphs";
    def.lessonResource = "qrc:/lesson/lesson.html";
    def.makeExplore = [](QWidget* parent) { return new GraphsExplore(parent); };
    def.exerciseKinds = exerciseKinds();
    def.aboutText = "Functions and Graphs plots up to three typed functions with a trace point "
                    "showing abscissa and ordinate, never joining a graph across a pole or a gap "
                    "of its domain; finds the domain and the range; moves a graph by "
                    "a&middot;f(b(x &minus; c)) + d on sliders; composes functions and reflects "
                    "a graph in y = x for the inverse; works out the line through two points; "
                    "and sets exercises with worked solutions.";
    return def;
}

} // namespace graphs
