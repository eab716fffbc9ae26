// The headers of the tests that drive real windows, compiled once. QTest stays out: Qt's test
// library defines a macro with each target's own folder, which no shared header may depend on.
#pragma once
#include "widgets_headers.h"

#include <gtest/gtest.h>
