#pragma once

#include <QTabWidget>

namespace decimals {

// The explore area: long division, square roots, the number line zoom and rounding.
class DecimalsExplore : public QTabWidget {
    Q_OBJECT
  public:
    explicit DecimalsExplore(QWidget* parent = nullptr);
};

} // namespace decimals
