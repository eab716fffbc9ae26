#pragma once

#include "kit/view/demo_definition.h"

namespace dataanalysis {

kit::DemoDefinition demoDefinition();

} // namespace dataanalysis
