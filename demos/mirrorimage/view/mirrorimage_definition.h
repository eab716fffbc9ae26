#pragma once

#include "kit/view/demo_definition.h"

namespace mirrorimage {

kit::DemoDefinition demoDefinition();

} // namespace mirrorimage
