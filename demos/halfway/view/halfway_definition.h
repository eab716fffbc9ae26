#pragma once

#include "kit/view/demo_definition.h"

namespace halfway {

kit::DemoDefinition demoDefinition();

} // namespace halfway
