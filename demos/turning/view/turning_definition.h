#pragma once

#include "kit/view/demo_definition.h"

namespace turning {

kit::DemoDefinition demoDefinition();

} // namespace turning
