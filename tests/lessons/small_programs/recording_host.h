#pragma once

#include "support/recording_host.h"

namespace small_programs {
using RecordingHost = test_support::RecordingHost;
}
