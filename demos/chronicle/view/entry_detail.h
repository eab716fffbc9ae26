#pragma once

#include "chronicle/core/entry.h"

#include <QWidget>
#include <functional>
#include <optional>
#include <string>
#include <vector>

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
// Words of the account that begin with one of `marked` (letter case aside) are highlighted.
std::string entryHtml(const Chronicle& chronicle, std::size_t entry,
                      const std::vector<std::string>& marked = {});

class EntryDetail : public QWidget {
    Q_OBJECT
  public:
    EntryDetail(const Chronicle& chronicle, LessonStarter starter, QWidget* parent = nullptr);

    void show(std::optional<std::size_t> entry);
    // The words found by a search, highlighted in the accounts shown from now on.
    void markWords(std::vector<std::string> words);
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
    std::vector<std::string> marked_;
    QTextBrowser* text_ = nullptr;
    QWidget* lessonRow_ = nullptr;
    QHBoxLayout* lessonButtons_ = nullptr;
    QLabel* startMessage_ = nullptr;
};

} // namespace chronicle
