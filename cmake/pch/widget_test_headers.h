// The headers of the tests that drive real windows, compiled once.
#pragma once
#include "widgets_headers.h"

#include <QTest>
#include <gtest/gtest.h>
