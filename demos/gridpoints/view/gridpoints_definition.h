#pragma once

#include "kit/view/demo_definition.h"

namespace gridpoints {

kit::DemoDefinition demoDefinition();

} // namespace gridpoints
