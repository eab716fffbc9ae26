#pragma once

#include "kit/view/demo_definition.h"

namespace scaling {

kit::DemoDefinition demoDefinition();

} // namespace scaling
