#pragma once

#include "kit/view/demo_definition.h"

namespace solids {

kit::DemoDefinition demoDefinition();

} // namespace solids
