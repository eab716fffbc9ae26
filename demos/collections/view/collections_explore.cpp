#include "collections/view/collections_explore.h"

#include "collections/core/collections_exercises.h"
#include "collections/view/notation_tab.h"
#include "collections/view/subsets_tab.h"
#include "collections/view/venn_tab.h"

namespace collections {

CollectionsExplore::CollectionsExplore(QWidget* parent)
    : QTabWidget(parent), venn_(new VennTab(this)), subsets_(new SubsetsTab(this)),
      notation_(new NotationTab(this)) {
    setObjectName("explore");
    addTab(venn_, tr("&Venn diagram"));
    addTab(subsets_, tr("&Subsets and products"));
    addTab(notation_, tr("Set-&builder notation"));
}

kit::DemoDefinition demoDefinition() {
    kit::DemoDefinition def;
    def.programName = "collections";
    def.title = "Sets";
    def.lessonResource = "qrc:/lesson/lesson.html";
    def.makeExplore = [](QWidget* parent) { return new CollectionsExplore(parent); };
    def.exerciseKinds = collectionsExerciseKinds();
    def.aboutText =
        "Sets writes sets in roster and set-builder notation, lists subsets, the power set and "
        "the Cartesian product, and shades the region of any expression in up to three sets "
        "on a Venn diagram with every element in its place, with the cardinalities, "
        "inclusion&ndash;exclusion and De Morgan's laws worked out. Its exercises come with "
        "worked solutions.";
    return def;
}

} // namespace collections
