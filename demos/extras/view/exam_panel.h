#pragma once

#include "extras/core/bank_item.h"
#include "extras/core/exam_builder.h"
#include "extras/core/exam_score.h"
#include "extras/view/history_store.h"

#include <QDeadlineTimer>
#include <QWidget>

#include <optional>

class QChartView;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QSpinBox;
class QStackedWidget;
class QTableWidget;
class QTextBrowser;
class QTimer;

namespace extras {

// The examination itself, in three pages: choosing the subtest, the number of questions and
// the time; sitting it, one question at a time with the clock running (the examination ends
// by itself when the time is up); and the report, per topic with the program to study for
// each weak one, and the review of every question with its worked solution. Finished
// attempts are added to the history, drawn over time on the first page.
class ExamPanel : public QWidget {
    Q_OBJECT
  public:
    ExamPanel(std::vector<BankItem> bank, HistoryStore store, QWidget* parent = nullptr);

    // The next examination is drawn from this seed instead of the clock (tests use it).
    void setNextSeed(kit::Seed seed) { nextSeed_ = seed; }
    const Exam& exam() const { return exam_; }
    const ExamScore& lastScore() const { return score_; }
    const std::vector<Attempt>& history() const { return history_; }

  public slots:
    void startExam();
    void finishExam();
    void timeIsUp();
    void showQuestion(int index);
    // Starts the program that teaches the topic of the report's row, without waiting.
    void openStudyProgram(int row);

  private:
    QWidget* makeSetupPage();
    QWidget* makeSittingPage();
    QWidget* makeReportPage();
    void keepAnswer();
    void fillOverview();
    void tick();
    void showReport(bool timeRanOut);
    void fillTopicTable();
    QString reviewHtml() const;
    void recordAttempt();
    void reloadHistory();
    // The topics below three in five in the newest attempt at the subtest (none: none).
    std::vector<std::string> weakTopicsOfLastAttempt(int subtest) const;

    std::vector<BankItem> bank_;
    HistoryStore store_;
    std::vector<Attempt> history_;
    std::optional<kit::Seed> nextSeed_;
    Exam exam_;
    std::vector<std::string> answers_;
    ExamScore score_;
    int current_ = 0;
    QDeadlineTimer deadline_;

    QStackedWidget* pages_ = nullptr;
    QComboBox* subtestChooser_ = nullptr;
    QSpinBox* questionCount_ = nullptr;
    QSpinBox* minutes_ = nullptr;
    QCheckBox* weakOnly_ = nullptr;
    QLabel* historyNote_ = nullptr;
    QChartView* chart_ = nullptr;
    QLabel* questionNumber_ = nullptr;
    QLabel* clock_ = nullptr;
    QLabel* prompt_ = nullptr;
    QLabel* hint_ = nullptr;
    QLineEdit* answer_ = nullptr;
    QPushButton* previous_ = nullptr;
    QPushButton* next_ = nullptr;
    QListWidget* overview_ = nullptr;
    QTimer* ticker_ = nullptr;
    QLabel* overall_ = nullptr;
    QTableWidget* topicTable_ = nullptr;
    QTextBrowser* review_ = nullptr;
};

} // namespace extras
