#pragma once

#include "kit/view/demo_definition.h"

namespace progressions {

kit::DemoDefinition demoDefinition();

} // namespace progressions
