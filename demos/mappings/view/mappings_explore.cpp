#include "mappings/view/mappings_explore.h"

#include "mappings/core/mappings_exercises.h"
#include "mappings/view/function_explorer.h"
#include "mappings/view/operation_explorer.h"
#include "mappings/view/relation_explorer.h"

namespace mappings {

MappingsExplore::MappingsExplore(QWidget* parent)
    : QTabWidget(parent), relations_(new RelationExplorer(this)),
      functions_(new FunctionExplorer(this)), operations_(new OperationExplorer(this)) {
    setObjectName("explore");
    addTab(relations_, tr("&Relations"));
    addTab(functions_, tr("&Functions"));
    addTab(operations_, tr("&Operations"));
}

kit::DemoDefinition demoDefinition() {
    kit::DemoDefinition def;
    def.programName = "mappings";
    def.title = "Relations and Operations";
    def.lessonResource = "qrc:/lesson/lesson.html";
    def.makeExplore = [](QWidget* parent) { return new MappingsExplore(parent); };
    def.exerciseKinds = mappingsExerciseKinds();
    def.aboutText =
        "Relations and Operations draws a relation on up to eight elements as a matrix you "
        "click and as an arrow diagram, tests it for the reflexive, symmetric, antisymmetric "
        "and transitive properties with the pair or triple that breaks each, forms its "
        "closures, its equivalence classes and the Hasse diagram of a partial order, tests "
        "functions for one-to-one and onto with their inverses and compositions, and checks "
        "an operation table for the group laws. Its exercises come with worked solutions.";
    return def;
}

} // namespace mappings
