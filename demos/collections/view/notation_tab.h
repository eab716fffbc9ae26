#pragma once

#include <QWidget>

class QComboBox;
class QLabel;
class QSpinBox;

namespace collections {

// Set-builder notation turned into a roster: a universe {first, ..., last} and a condition
// chosen from a list; the set {x ∈ U : condition} is listed at once with its cardinality.
class NotationTab : public QWidget {
    Q_OBJECT
  public:
    explicit NotationTab(QWidget* parent = nullptr);
    void choose(int first, int last, int condition);
    QString rosterShown() const;

  private:
    void recompute();

    QSpinBox* first_ = nullptr;
    QSpinBox* last_ = nullptr;
    QComboBox* condition_ = nullptr;
    QLabel* builder_ = nullptr;
    QLabel* roster_ = nullptr;
};

} // namespace collections
