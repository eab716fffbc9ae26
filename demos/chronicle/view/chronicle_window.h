#pragma once

#include "chronicle/core/chronicle_reader.h"
#include "chronicle/core/entry_filter.h"
#include "chronicle/view/entry_detail.h"

#include <QMainWindow>
#include <map>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QTabWidget;

namespace chronicle {

class QuizPane;
class TimelineView;

// The history of mathematics: the filters and the search above, the timeline with the list of
// the entries it shows beside the entry's page, and the quiz on its own tab. When the entries
// could not be read, the window says which file and line are at fault instead.
class ChronicleWindow : public QMainWindow {
    Q_OBJECT
  public:
    ChronicleWindow(ReadOutcome entries, LessonStarter starter, QWidget* parent = nullptr);

    const Chronicle& chronicle() const { return chronicle_; }
    TimelineView* timeline() { return timeline_; }
    EntryDetail* detail() { return detail_; }
    QuizPane* quiz() { return quiz_; }
    QListWidget* results() { return results_; }
    QLineEdit* searchField() { return search_; }
    QComboBox* searchMode() { return mode_; }
    QComboBox* eraChooser() { return era_; }
    QCheckBox* subjectBox(Subject subject) { return subjectBoxes_.at(subject); }
    const EntryFilter& filter() const { return filter_; }

  public slots:
    void selectEntry(std::size_t entry);
    void showAbout();

  private:
    QWidget* makeFilterBar();
    QWidget* makeTimelineTab();
    void makeMenus();
    void applyFilter();
    void fillResults();

    Chronicle chronicle_;
    EntryFilter filter_;
    LessonStarter starter_;
    TimelineView* timeline_ = nullptr;
    EntryDetail* detail_ = nullptr;
    QuizPane* quiz_ = nullptr;
    QTabWidget* tabs_ = nullptr;
    QListWidget* results_ = nullptr;
    QLineEdit* search_ = nullptr;
    QComboBox* mode_ = nullptr;
    QComboBox* era_ = nullptr;
    QLabel* count_ = nullptr;
    std::map<Subject, QCheckBox*> subjectBoxes_;
};

// The sources of general knowledge the dates rest on, as the About box gives them.
QString sourcesNote();

} // namespace chronicle
