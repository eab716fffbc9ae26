#pragma once

#include "fractiondrill/core/drill_session.h"

#include <QElapsedTimer>
#include <QWidget>

#include <memory>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;
class QStackedWidget;
class QTextBrowser;
class QTimer;

namespace fractiondrill {

// The drill: choose how many exercises and of which kind, then answer them against the clock,
// each once; a summary at the end lists the score, the time and every missed exercise.
class DrillTab : public QWidget {
    Q_OBJECT
  public:
    explicit DrillTab(QWidget* parent = nullptr);
    // Drills start from this seed instead of the clock (tests).
    void setSeed(kit::Seed seed) { fixedSeed_ = seed; }

  public slots:
    void start();
    void submit();
    void skip();
    void stop();

  private:
    QWidget* makeSetup();
    QWidget* makeRunning();
    void showCurrent();
    void showClock();
    void finish();
    std::int64_t now() const { return clock_.elapsed(); }

    QSpinBox* count_;
    QComboBox* kind_;
    QLabel* progress_;
    QLabel* timer_;
    QLabel* prompt_;
    QLabel* hint_;
    QLineEdit* answer_;
    QLabel* lastVerdict_;
    QTextBrowser* summary_;
    QStackedWidget* pages_;
    QTimer* ticker_;
    QElapsedTimer clock_;
    std::unique_ptr<DrillSession> session_;
    std::optional<kit::Seed> fixedSeed_;
};

} // namespace fractiondrill
