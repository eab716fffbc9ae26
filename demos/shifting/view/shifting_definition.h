#pragma once

#include "kit/view/demo_definition.h"

namespace shifting {

kit::DemoDefinition demoDefinition();

} // namespace shifting
