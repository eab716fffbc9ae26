#pragma once

#include "kit/view/demo_definition.h"

namespace planesurface {

kit::DemoDefinition demoDefinition();

} // namespace planesurface
