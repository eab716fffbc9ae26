#pragma once

#include "kit/view/demo_definition.h"

namespace imaginaries {

kit::DemoDefinition demoDefinition();

} // namespace imaginaries
