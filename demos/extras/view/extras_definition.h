#pragma once

#include "kit/view/demo_definition.h"

namespace extras {

// The practice examination: the examination in the explore area, single bank questions of
// each subtest in the practice pane, the advice on sitting the examination in the lesson.
// The history of attempts is kept in `historyPath` (by default the user's data folder).
kit::DemoDefinition demoDefinition(const QString& historyPath = QString());

} // namespace extras
