#pragma once

#include <QTabWidget>

namespace angles {

// The explore area: the unit circle, the graphs and the triangle solver as tabs.
class AnglesExplore : public QTabWidget {
    Q_OBJECT
  public:
    explicit AnglesExplore(QWidget* parent = nullptr);
};

} // namespace angles
