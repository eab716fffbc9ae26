#pragma once

#include <optional>
#include <string>

namespace engine {

// Which folder keeps the study-time files of the programs in `programFolder`: that folder
// itself when it can be written (the staged folder, a course installed in the user's own
// folders), otherwise `userFolder`, the user's data folder for the course (a system-wide
// install, whose folder only the administrator may change). When there is no user folder
// either, the program folder is named, and writing there fails and leaves every total as it
// was. The choice is made per installation folder, the same way by every program and by the
// study diary: one user's runs from one installation always count in one file, and the total
// shown for an installation is the one in the folder chosen here.
std::string studyTimeFolder(const std::string& programFolder, bool programFolderWritable,
                            const std::string& userFolder);

// The user's data folder for the course (the user's data location, then the package name:
// ~/.local/share/<package> by default), made if it is missing; empty when it cannot be made.
std::string userStudyTimeFolder();

// Where a lesson program's study-time file lives: under its fixed name in the folder that
// studyTimeFolder chooses for the program's own folder. Every reader and writer asks here.
std::string studyTimeFilePath(const std::string& programFolder, const std::string& fileName);

// The total a study-time file holds, read as addStudyMinutes reads it before adding: the first
// line of its first 4096 bytes by parseStudyTotal, a missing or unreadable file counting as 0.
// The study diary shows the totals read here, so they agree with the lesson programs' counts.
int readStudyTotal(const std::string& path);

// How long a closing program waits for another one that is bringing the same file up to
// date. The work under the lock takes milliseconds; this allows for a machine under load.
inline constexpr int studyTimeLockWaitMilliseconds = 20000;

// Adds `minutes` to the total in the study-time file and returns the new total. The file is
// changed only while an exclusive lock on its folder is held, from the read to the atomic
// rename of the new file over the old one, so a crash never leaves it damaged and programs
// closing at once all count. The system frees the lock of a program that dies; a living
// owner is waited for up to `lockWaitMilliseconds`. A missing file counts as "0". When the lock
// cannot be had or the new file cannot be written, the old total stays as it was and nothing is
// returned.
std::optional<long long> addStudyMinutes(const std::string& path, int minutes,
                                         int lockWaitMilliseconds = studyTimeLockWaitMilliseconds);

} // namespace engine
