#pragma once

#include "platform/help/chm_archive.h"

#include <QString>

namespace platform {

// The page the help window shows instead of a topic it cannot show. Each names the help
// file and, where it matters, the topic, so the reader can tell what is missing.
QString helpFileProblemPage(const QString& helpFile, ChmOpenStatus status);
QString topicProblemPage(const QString& helpFile, const QString& topic, ChmReadStatus status);

} // namespace platform
