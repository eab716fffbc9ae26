#include "signednumbers/view/signed_explore.h"

#include "signednumbers/core/signed_exercises.h"
#include "signednumbers/view/expression_explorer.h"
#include "signednumbers/view/number_line_explorer.h"
#include "signednumbers/view/sign_rules_explorer.h"

namespace signednumbers {

SignedExplore::SignedExplore(QWidget* parent)
    : QTabWidget(parent), numberLine_(new NumberLineExplorer(this)),
      signRules_(new SignRulesExplorer(this)), expressions_(new ExpressionExplorer(this)) {
    setObjectName("explore");
    addTab(numberLine_, tr("&Number line"));
    addTab(signRules_, tr("&Sign rules"));
    addTab(expressions_, tr("&Order of operations"));
}

kit::DemoDefinition demoDefinition() {
    kit::DemoDefinition def;
    def.programName = "signednumbers";
    def.title = "Integers";
    def.lessonResource = "qrc:/lesson/lesson.html";
    def.makeExplore = [](QWidget* parent) { return new SignedExplore(parent); };
    def.exerciseKinds = signedExerciseKinds();
    def.aboutText = "Integers shows addition and subtraction as moves on the number line, the sign "
                    "rules of multiplication and division with the reasons behind them, absolute "
                    "value and order, and works any typed integer expression one operation at a "
                    "time in the order of operations. Its exercises come with worked solutions.";
    return def;
}

} // namespace signednumbers
