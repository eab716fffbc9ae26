#pragma once

#include "kit/view/demo_definition.h"

namespace areas {

kit::DemoDefinition demoDefinition();

} // namespace areas
