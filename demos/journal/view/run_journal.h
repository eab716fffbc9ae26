#pragma once

#include <QString>

namespace journal {

// The diary program: the application in the course's look, the window over the study times
// of the installation the program runs from and the diary in `diaryPath` (empty: the user's
// own), closed by its close box or the session's end; returns 0 then.
int runJournal(int argc, char** argv, const QString& diaryPath = QString());

} // namespace journal
