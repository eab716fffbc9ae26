#pragma once

#include "kit/view/demo_definition.h"

namespace fieldsplus {

// The fields program: its lesson, explore area and exercises.
kit::DemoDefinition demoDefinition();

} // namespace fieldsplus
