#pragma once

#include <QWidget>
#include <string>
#include <vector>

class QLabel;
class QLineEdit;
class QPushButton;
class QTextBrowser;

namespace fieldsplus {

// Type a and p: the inverse of a modulo p by the extended Euclidean algorithm, one line per
// press of Next step (or all at once), ending with the check a · a^-1 = 1.
class InverseTab : public QWidget {
    Q_OBJECT
  public:
    explicit InverseTab(QWidget* parent = nullptr);
    void setNumbers(const QString& a, const QString& p);
    void showNextStep();
    void showAllSteps();
    QString stepsText() const;
    QString messageText() const;

  private:
    void recompute();
    void render();

    QLineEdit* a_ = nullptr;
    QLineEdit* p_ = nullptr;
    QLabel* message_ = nullptr;
    QTextBrowser* steps_ = nullptr;
    QPushButton* next_ = nullptr;
    QPushButton* all_ = nullptr;
    std::vector<std::string> allSteps_;
    std::size_t shown_ = 0;
};

} // namespace fieldsplus
