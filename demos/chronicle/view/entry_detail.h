#pragma once

#include "chronicle/core/entry.h"

#include <QWidget>
#include <functional>
#include <optional>
#include <string>

class QHBoxLayout;
class QLabel;
class QTextBrowser;

namespace chronicle {

// Starts a lesson program of the course ("shapes") without waiting for it; false when it is
// missing or cannot be started.
using LessonStarter = std::function<bool(const std::string& program)>;

// The lesson programs staged beside this program, started as the menu starts them.
LessonStarter stagedLessonStarter();

// The entry's page: an account with its dates, place and subjects, links to the persons and
// works it names, and a button for each lesson program that teaches one of its subjects.
std::string entryHtml(const Chronicle& chronicle, std::size_t entry);

class EntryDetail : public QWidget {
    Q_OBJECT
  public:
    EntryDetail(const Chronicle& chronicle, LessonStarter starter, QWidget* parent = nullptr);

    void show(std::optional<std::size_t> entry);
    // The era's story, with the number of its entries.
    void showEra(std::size_t era);
    std::optional<std::size_t> shown() const { return entry_; }
    QTextBrowser* text() { return text_; }

  signals:
    void entryLinkActivated(std::size_t entry);

  private:
    void rebuildLessonButtons();
    void startLesson(const std::string& program, const QString& title);

    const Chronicle& chronicle_;
    LessonStarter starter_;
    std::optional<std::size_t> entry_;
    QTextBrowser* text_ = nullptr;
    QWidget* lessonRow_ = nullptr;
    QHBoxLayout* lessonButtons_ = nullptr;
    QLabel* startMessage_ = nullptr;
};

} // namespace chronicle
