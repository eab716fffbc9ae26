#pragma once

#include <QWidget>
#include <string>
#include <vector>

class QComboBox;
class QLabel;
class QSpinBox;
class QTableWidget;
class QTextBrowser;

namespace addmult {

// The learner's own structure of 2 to 6 elements: two editable tables, checked against every
// ring axiom as they are typed, with the first counterexample to each axiom that fails.
class OwnTableTab : public QWidget {
    Q_OBJECT
  public:
    explicit OwnTableTab(QWidget* parent = nullptr);
    void setSize(int k);
    void loadPreset(int index); // 0 Z_k, 1 a·b = a, 2 a + b = max(a, b)
    void setCell(bool multiplication, int row, int column, const QString& text);
    QString resultText() const;
    QString messageText() const;

  private:
    void resize(int k);
    void fill(QTableWidget* table, const std::vector<std::vector<int>>& values);
    void recheck();

    QSpinBox* size_ = nullptr;
    QComboBox* preset_ = nullptr;
    QTableWidget* add_ = nullptr;
    QTableWidget* mul_ = nullptr;
    QLabel* message_ = nullptr;
    QTextBrowser* results_ = nullptr;
    bool filling_ = false;
};

} // namespace addmult
