#pragma once

#include "engine/core/catalogue.h"
#include "support/recording_host.h"

// The sample catalogue that lives with the tests.
const engine::Catalogue& lessonCatalogue();

using FakeHost = test_support::RecordingHost;
