#pragma once

#include "kit/view/demo_definition.h"

namespace constructions {

// The window of the construction program <name>: its lesson, the player with the construction
// file ":/construction/<name>.construction" and its exercises. A file that cannot be read is
// said in the explore area with its fault.
kit::DemoDefinition constructionDemo(const QString& name);

} // namespace constructions
