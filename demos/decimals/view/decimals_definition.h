#pragma once

#include "kit/view/demo_definition.h"

namespace decimals {

kit::DemoDefinition demoDefinition();

} // namespace decimals
