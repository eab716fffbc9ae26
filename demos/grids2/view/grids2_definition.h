#pragma once

#include "kit/view/demo_definition.h"

namespace grids2 {

kit::DemoDefinition demoDefinition();

} // namespace grids2
