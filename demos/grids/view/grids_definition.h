#pragma once

#include "kit/view/demo_definition.h"

namespace grids {

kit::DemoDefinition demoDefinition();

} // namespace grids
