#pragma once

#include "kit/view/demo_definition.h"

namespace addmult {

// The rings program: its lesson, explore area and exercises.
kit::DemoDefinition demoDefinition();

} // namespace addmult
