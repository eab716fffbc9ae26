#pragma once

#include "kit/view/demo_definition.h"

namespace continuity {

// The limits and continuity program: lesson, explore area and practice.
kit::DemoDefinition demoDefinition();

} // namespace continuity
