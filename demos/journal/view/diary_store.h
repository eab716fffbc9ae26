#pragma once

#include "journal/core/diary.h"

#include <QString>

namespace journal {

struct DiaryResult {
    bool ok = true;
    QString message; // what went wrong, or a damaged file put aside (then ok may still be true)
};

// The learner's diary in one file, shared by every diary window the learner has open. Each
// change holds a lock (QLockFile "<file>.lock") from reading the file to replacing it: the file
// on disk is read, merged with the window's diary, and the result written whole to a new file
// that replaces the old one only when complete (QSaveFile). So two windows adding at once both
// keep their entries. A damaged file is never written over: it is renamed
// "<file>.damaged" (then "-2", "-3", ...) and the learner told.
class DiaryStore {
  public:
    explicit DiaryStore(QString path);

    // "study-diary.txt" in the course's folder of the user's data.
    static QString defaultPath();
    const QString& path() const { return path_; }

    // Reads the file into `diary` (under the lock, so a damaged file is put aside only once).
    DiaryResult load(Diary& diary) const;

    // Merges `diary` with the file and writes the union; `diary` becomes the union.
    DiaryResult save(Diary& diary) const;

    // The file's bytes as last written or read by this store, to tell another window's save
    // from its own.
    const QByteArray& lastSeen() const { return lastSeen_; }

  private:
    DiaryResult readUnderLock(Diary& onDisk) const;
    QString setAside(const QString& problem) const;

    QString path_;
    mutable QByteArray lastSeen_;
};

} // namespace journal
