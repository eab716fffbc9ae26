#pragma once

#include "kit/view/demo_definition.h"

namespace equations {

// The equations program: its title, lesson, explore area and exercises.
kit::DemoDefinition demoDefinition();

} // namespace equations
