#pragma once

#include "kit/view/demo_definition.h"

namespace arrows {

kit::DemoDefinition demoDefinition();

} // namespace arrows
