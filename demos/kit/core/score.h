#pragma once

#include <string>

namespace kit {

// The learner's score: the practice pane records the first check of each exercise.
class Score {
  public:
    void record(bool correct);
    int correct() const { return correct_; }
    int attempted() const { return attempted_; }
    std::string text() const; // "Score: 3 of 4"
    void reset();

  private:
    int correct_ = 0;
    int attempted_ = 0;
};

} // namespace kit
