#pragma once

#include "divisors/core/sieve.h"

#include <QWidget>
#include <memory>

class QLabel;
class QPushButton;
class QSlider;
class QSpinBox;
class QTimer;

namespace divisors {

class SieveBoard;

// The sieve of Eratosthenes animated: Play crosses out one multiple per tick, Step one at a
// time, Reset starts again; the limit goes up to 1000.
class SieveTab : public QWidget {
    Q_OBJECT
  public:
    explicit SieveTab(QWidget* parent = nullptr);
    ~SieveTab() override;

    QString statusText() const;
    bool finished() const;

  public slots:
    void advance();
    void togglePlay();
    void reset();
    void finish();

  private:
    void showStatus();

    std::unique_ptr<Sieve> sieve_;
    int step_ = 0;
    int crossed_ = 0;
    SieveBoard* board_ = nullptr;
    QSpinBox* limit_ = nullptr;
    QPushButton* play_ = nullptr;
    QSlider* speed_ = nullptr;
    QLabel* status_ = nullptr;
    QTimer* timer_ = nullptr;
};

} // namespace divisors
