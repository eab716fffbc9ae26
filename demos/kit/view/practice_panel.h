#pragma once

#include "kit/core/exercise.h"
#include "kit/core/score.h"

#include <QWidget>
#include <optional>
#include <vector>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTextBrowser;

namespace kit {

// The practice pane: a kind chooser, the exercise, an answer field (Enter checks), Check,
// Show solution (one step per press), Next exercise, the verdict and the score. The first
// check of each exercise counts; revealing the solution before checking counts as not solved.
class PracticePanel : public QWidget {
    Q_OBJECT
  public:
    explicit PracticePanel(std::vector<ExerciseKind> kinds, QWidget* parent = nullptr);

    // Exercises come from this seed on (each next exercise takes the following seed) instead of
    // from the clock; tests use it.
    void setSeed(Seed seed);

    const Exercise& current() const { return exercise_; }
    const Score& score() const { return score_; }
    int kindCount() const { return static_cast<int>(kinds_.size()); }

  public slots:
    void chooseKind(int index);
    void nextExercise();
    void checkAnswer();
    void showSolutionStep();

  signals:
    void exerciseChanged();
    void answerChecked(bool correct);

  private:
    void buildWidgets();
    void wire();
    Seed takeSeed();
    void showExercise();
    void showVerdict(bool correct, const QString& message);
    void updateSolutionButton();

    std::vector<ExerciseKind> kinds_;
    int kindIndex_ = 0;
    std::optional<Seed> nextSeed_;
    Exercise exercise_;
    Score score_;
    bool counted_ = false;
    std::size_t stepsShown_ = 0;

    QComboBox* kindChooser_ = nullptr;
    QLabel* prompt_ = nullptr;
    QLineEdit* answerField_ = nullptr;
    QLabel* hint_ = nullptr;
    QPushButton* checkButton_ = nullptr;
    QPushButton* solutionButton_ = nullptr;
    QPushButton* nextButton_ = nullptr;
    QLabel* verdict_ = nullptr;
    QLabel* scoreLabel_ = nullptr;
    QTextBrowser* solutionView_ = nullptr;
};

} // namespace kit
