#pragma once

#include "engine/core/catalogue.h"
#include "engine/core/lesson_engine.h"

#include <QWidget>

#include <functional>
#include <string>

namespace engine {

// Dialogs and boxes the saved-place commands use; tests replace them.
struct SavedPlaceDialogs {
    // Returns the chosen file name or empty for cancel: (owner, title, filter).
    std::function<std::string(QWidget*, const std::string&, const std::string&)> chooseSaveFile;
    std::function<std::string(QWidget*, const std::string&, const std::string&)> chooseOpenFile;
    // (owner, title, text, information icon)
    std::function<void(QWidget*, const std::string&, const std::string&, bool)> message;

    static SavedPlaceDialogs platformDialogs();
};

inline const std::string savedPlaceTitle = "Orvo the Tamlex - Math";
inline const std::string cannotReadMessage = "Error: can't read the file";
inline const std::string cannotWriteMessage = "Error: can't write the file";

// Saves the current place (command 1) and loads a saved one (command 0).
class SavedPlaceCommands {
  public:
    SavedPlaceCommands(LessonEngine& engine, QWidget* owner, SavedPlaceDialogs dialogs);

    void save();
    void load();

  private:
    std::string savingNotice() const;

    LessonEngine& engine_;
    QWidget* owner_;
    SavedPlaceDialogs dialogs_;
};

} // namespace engine
