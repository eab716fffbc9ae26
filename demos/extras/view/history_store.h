#pragma once

#include "extras/core/attempt_history.h"

#include <QString>

#include <vector>

namespace extras {

struct HistoryLoad {
    std::vector<Attempt> attempts;
    QString warning; // empty, or what was found damaged and where it was put aside
};

// The learner's past attempts in one file of the user's data folder. A damaged file is never
// emptied: it is renamed beside itself ("<file>.damaged", then "<file>.damaged-2", ...), the
// learner is told, and a new history starts. Every change is written whole to a new file that
// replaces the old one only when it is complete (QSaveFile).
class HistoryStore {
  public:
    explicit HistoryStore(QString path);

    // The file in the course's folder of the user's data: "practice-examinations.txt".
    static QString defaultPath();

    const QString& path() const { return path_; }

    HistoryLoad load() const;

    // Under a lock ("<file>.lock"), reads the file again (another examination window may have
    // added to it), adds the attempt and writes the whole history. Returns what went wrong, or
    // an empty text.
    QString append(const Attempt& attempt, QString* warning = nullptr) const;

  private:
    QString setAside(const QString& problem) const;

    QString path_;
};

} // namespace extras
