#pragma once

#include "kit/view/demo_definition.h"

namespace slopes {

// The derivatives program: lesson, explore area and practice.
kit::DemoDefinition demoDefinition();

} // namespace slopes
