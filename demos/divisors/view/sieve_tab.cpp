#include "divisors/view/sieve_tab.h"

#include "divisors/view/sieve_board.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QSpinBox>
#include <QTimer>
#include <QVBoxLayout>
#include <cmath>

namespace divisors {

SieveTab::SieveTab(QWidget* parent) : QWidget(parent) {
    auto* layout = new QVBoxLayout(this);
    auto* controls = new QHBoxLayout;
    auto* limitLabel = new QLabel(tr("Numbers &up to"), this);
    limit_ = new QSpinBox(this);
    limit_->setObjectName("sieveLimit");
    limit_->setRange(10, largestSieve);
    limit_->setValue(400);
    limitLabel->setBuddy(limit_);
    play_ = new QPushButton(tr("&Play"), this);
    play_->setObjectName("sievePlay");
    auto* step = new QPushButton(tr("S&tep"), this);
    step->setObjectName("sieveStep");
    auto* all = new QPushButton(tr("&Finish"), this);
    all->setObjectName("sieveFinish");
    auto* resetButton = new QPushButton(tr("&Reset"), this);
    auto* speedLabel = new QLabel(tr("Spee&d"), this);
    speed_ = new QSlider(Qt::Horizontal, this);
    speed_->setRange(1, 60);
    speed_->setValue(12);
    speedLabel->setBuddy(speed_);
    controls->addWidget(limitLabel);
    controls->addWidget(limit_);
    controls->addWidget(play_);
    controls->addWidget(step);
    controls->addWidget(all);
    controls->addWidget(resetButton);
    controls->addStretch(1);
    layout->addLayout(controls);
    auto* speedRow = new QHBoxLayout;
    speedRow->addWidget(speedLabel);
    speedRow->addWidget(speed_, 1);
    layout->addLayout(speedRow);
    board_ = new SieveBoard(this);
    layout->addWidget(board_, 1);
    status_ = new QLabel(this);
    status_->setObjectName("sieveStatus");
    status_->setWordWrap(true);
    status_->setTextFormat(Qt::RichText);
    status_->setMinimumHeight(48);
    layout->addWidget(status_);

    timer_ = new QTimer(this);
    connect(timer_, &QTimer::timeout, this, &SieveTab::advance);
    connect(speed_, &QSlider::valueChanged, this,
            [this](int perSecond) { timer_->setInterval(1000 / perSecond); });
    timer_->setInterval(1000 / speed_->value());
    connect(play_, &QPushButton::clicked, this, &SieveTab::togglePlay);
    connect(step, &QPushButton::clicked, this, &SieveTab::advance);
    connect(all, &QPushButton::clicked, this, &SieveTab::finish);
    connect(resetButton, &QPushButton::clicked, this, &SieveTab::reset);
    connect(limit_, &QSpinBox::valueChanged, this, &SieveTab::reset);
    reset();
}

SieveTab::~SieveTab() = default;

bool SieveTab::finished() const {
    return step_ >= static_cast<int>(sieve_->steps().size());
}
QString SieveTab::statusText() const {
    return status_->text();
}

void SieveTab::reset() {
    timer_->stop();
    play_->setText(tr("&Play"));
    sieve_ = std::make_unique<Sieve>(limit_->value());
    step_ = 0;
    crossed_ = 0;
    board_->setSieve(sieve_.get());
    showStatus();
}

void SieveTab::advance() {
    if (finished()) {
        timer_->stop();
        play_->setText(tr("&Play"));
        return;
    }
    const auto& current = sieve_->steps()[static_cast<std::size_t>(step_)];
    if (crossed_ < static_cast<int>(current.crossed.size())) {
        ++crossed_;
    } else {
        ++step_;
        crossed_ = 0;
    }
    board_->setProgress(step_, crossed_);
    showStatus();
}

void SieveTab::finish() {
    timer_->stop();
    play_->setText(tr("&Play"));
    step_ = static_cast<int>(sieve_->steps().size());
    crossed_ = 0;
    board_->setProgress(step_, crossed_);
    showStatus();
}

void SieveTab::togglePlay() {
    if (timer_->isActive()) {
        timer_->stop();
        play_->setText(tr("&Play"));
        return;
    }
    if (finished())
        reset();
    timer_->start();
    play_->setText(tr("&Pause"));
}

void SieveTab::showStatus() {
    const int limit = sieve_->limit();
    if (finished()) {
        const auto primes = sieve_->primes();
        const int root = static_cast<int>(std::floor(std::sqrt(static_cast<double>(limit))));
        status_->setText(
            tr("<b>Done.</b> Every number left is prime: <b>%1 primes</b> up to %2. Only the "
               "primes up to &radic;%2 &asymp; %3 had to be used, because a composite number "
               "up to %2 always has a prime factor no larger than %3.")
                .arg(primes.size())
                .arg(limit)
                .arg(root));
        return;
    }
    const auto& current = sieve_->steps()[static_cast<std::size_t>(step_)];
    const int p = current.prime;
    QString text =
        p == 2 ? tr("<b>2</b> is not crossed out, so it is prime. Cross out its multiples from "
                    "2 &middot; 2 = 4 on: every other even number.")
               : tr("<b>%1</b> is not crossed out, so it is prime: no smaller prime divides it. "
                    "Cross out its multiples from %1 &middot; %1 = %2 on; the smaller ones, "
                    "%1 &middot; 2 to %1 &middot; %3, have a smaller prime factor and are crossed "
                    "out already (they are skipped).")
                     .arg(p)
                     .arg(p * p)
                     .arg(p - 1);
    if (crossed_ > 0) {
        const int m = current.crossed[static_cast<std::size_t>(crossed_ - 1)];
        text += tr(" &nbsp; Now: %1 = %2 &middot; %3.").arg(m).arg(p).arg(m / p);
    }
    status_->setText(text);
}

} // namespace divisors
