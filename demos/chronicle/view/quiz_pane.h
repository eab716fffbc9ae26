#pragma once

#include "chronicle/core/quiz.h"
#include "kit/core/score.h"

#include <QWidget>
#include <optional>
#include <vector>

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QTextBrowser;

namespace chronicle {

// The quiz: a question with four choice buttons, about every entry or only about those the
// timeline shows; once a choice is pressed the buttons show
// which was right, the verdict and the score are updated, and the entry the answer rests on is
// shown below. Only the first choice of each question counts.
class QuizPane : public QWidget {
    Q_OBJECT
  public:
    explicit QuizPane(const Chronicle& chronicle, QWidget* parent = nullptr);

    // Questions come from this seed on (each next question takes the following seed) instead of
    // from the clock; tests use it.
    void setSeed(kit::Seed seed);
    const Question& question() const { return question_; }
    // The entries the timeline shows; with "only those" ticked, the questions are about them.
    void setShownEntries(std::vector<bool> shown);
    const kit::Score& score() const { return score_; }

  public slots:
    void nextQuestion();
    void choose(int choice);

  signals:
    void answered(bool correct);
    void entryWanted(std::size_t entry);

  private:
    void buildWidgets();
    kit::Seed takeSeed();
    void showQuestion();

    const Chronicle& chronicle_;
    std::optional<kit::Seed> nextSeed_;
    Question question_;
    kit::Score score_;
    bool answeredAlready_ = false;
    std::vector<bool> shown_;

    QComboBox* kindChooser_ = nullptr;
    QCheckBox* followTimeline_ = nullptr;
    QLabel* prompt_ = nullptr;
    std::vector<QPushButton*> choiceButtons_;
    QLabel* verdict_ = nullptr;
    QLabel* scoreLabel_ = nullptr;
    QTextBrowser* answerEntry_ = nullptr;
    QPushButton* nextButton_ = nullptr;
    QPushButton* timelineButton_ = nullptr;
};

} // namespace chronicle
