#pragma once

#include "kit/view/demo_definition.h"

namespace divisors {

// The divisors program: its title, lesson, explore area and exercises.
kit::DemoDefinition demoDefinition();

} // namespace divisors
