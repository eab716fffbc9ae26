#pragma once

#include "journal/core/diary.h"
#include "journal/view/diary_store.h"
#include "journal/view/study_totals.h"

#include <QMainWindow>

class QChartView;
class QComboBox;
class QDateEdit;
class QFileSystemWatcher;
class QLabel;
class QLineEdit;
class QProgressBar;
class QSpinBox;
class QTableWidget;
class QTabWidget;
class QTextBrowser;

namespace journal {

// The study diary: on the left how to plan study time; on the right the study time the lesson
// programs have counted per subject (a table in hours and minutes, the total and a bar chart)
// and the diary (entries with date, subject, minutes planned and done and a note, the weekly
// goal with its progress, export as CSV). Every change is saved at once through the shared
// store, and a change saved by another diary window shows here as soon as the file changes.
class JournalWindow : public QMainWindow {
    Q_OBJECT
  public:
    JournalWindow(std::string programFolder, QString diaryPath, QWidget* parent = nullptr);

    const Diary& diary() const { return diary_; }
    const std::vector<SubjectTotal>& totals() const { return totals_; }

  public slots:
    void refreshStudyTimes();
    void addEntry();
    void deleteSelectedEntry();
    void setWeeklyGoal();
    bool exportCsv(const QString& path);
    void chooseExportFile();
    void reloadFromDisk();

  private:
    QWidget* makeHelpPane();
    QWidget* makeStudyTimePage();
    QWidget* makeDiaryPage();
    QWidget* makeEntryForm(QWidget* parent);
    QWidget* makeGoalRow(QWidget* parent);
    void saveChanges();
    void showDiary();
    void showDiaryMinutes();
    void showGoal();
    void report(const QString& message);
    void watchTheFile();

    std::string programFolder_;
    DiaryStore store_;
    Diary diary_;
    std::vector<SubjectTotal> totals_;
    QFileSystemWatcher* watcher_ = nullptr;

    QTabWidget* tabs_ = nullptr;
    QTableWidget* totalsTable_ = nullptr;
    QLabel* totalLabel_ = nullptr;
    QChartView* chart_ = nullptr;
    QDateEdit* entryDate_ = nullptr;
    QComboBox* entrySubject_ = nullptr;
    QSpinBox* planned_ = nullptr;
    QSpinBox* done_ = nullptr;
    QLineEdit* note_ = nullptr;
    QTableWidget* entryTable_ = nullptr;
    QSpinBox* goal_ = nullptr;
    QProgressBar* goalProgress_ = nullptr;
    QLabel* goalLabel_ = nullptr;
    QLabel* status_ = nullptr;
};

} // namespace journal
