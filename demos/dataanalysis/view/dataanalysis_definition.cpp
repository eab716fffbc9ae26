#include "dataanalysis/view/dataanalysis_definition.h"

#include "dataanalysis/core/exercises.h"
#include "dataanalysis/view/dataanalysis_explore.h"

namespace dataanalysis {

kit::DemoDefinition demoDefinition() {
    kit::DemoDefinition def;
    def.programName = "dataanalysis";
    def.title = "Data Analysis and Statistics";
    def.lessonResource = "qrc:/lesson/lesson.html";
    def.makeExplore = [](QWidget* parent) { return new DataAnalysisExplore(parent); };
    def.exerciseKinds = exerciseKinds();
    def.aboutText =
        "Data Analysis and Statistics teaches the mean, median and mode, the measures of "
        "variability and the quartiles, the methods of sampling, the method of least squares "
        "and the chi-square test, on data the learner types, pastes or opens, with charts that "
        "follow every change, and sets exercises with worked solutions.";
    return def;
}

} // namespace dataanalysis
