#pragma once

#include "journal/core/diary.h"

#include <string>

namespace journal {

// The entries as comma-separated values, oldest date first: a header line, then
// date, subject, planned minutes, minutes done, note. A field holding a comma, a quote or a
// line end is quoted with its quotes doubled; lines end in CR LF.
std::string diaryCsv(const Diary& diary);

} // namespace journal
