#pragma once

#include "kit/view/demo_definition.h"

namespace angles {

kit::DemoDefinition demoDefinition();

} // namespace angles
