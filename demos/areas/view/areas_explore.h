#pragma once

#include <QTabWidget>

namespace areas {

// The explore area: sums, the area function and the area between curves as tabs.
class AreasExplore : public QTabWidget {
    Q_OBJECT
  public:
    explicit AreasExplore(QWidget* parent = nullptr);
};

} // namespace areas
