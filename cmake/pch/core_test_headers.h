// The headers of the plain C++ tests, compiled once.
#pragma once
#include "core_headers.h"

#include <gtest/gtest.h>
