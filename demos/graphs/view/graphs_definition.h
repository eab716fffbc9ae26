#pragma once

#include "kit/view/demo_definition.h"

namespace graphs {

// The graphs program: its title, lesson, explore area and exercises.
kit::DemoDefinition demoDefinition();

} // namespace graphs
