#pragma once

#include "chronicle/core/chronicle_reader.h"

#include <QString>

namespace chronicle {

// Reads every entries file built into the program (qrc:/chronicle/*.txt, in name order), or
// those of `folder` when one is given.
ReadOutcome loadChronicle(const QString& folder = QStringLiteral(":/chronicle"));

} // namespace chronicle
