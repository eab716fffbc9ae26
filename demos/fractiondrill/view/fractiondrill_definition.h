#pragma once

#include "kit/view/demo_definition.h"

namespace fractiondrill {

kit::DemoDefinition demoDefinition();

} // namespace fractiondrill
