#pragma once

#include "support/recording_host.h"

namespace lesson_tests {
using RecordingHost = test_support::RecordingHost;
}
