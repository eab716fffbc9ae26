#pragma once

#include <QTabWidget>

namespace dataanalysis {

// The explore area: one tab for each of the five parts.
class DataAnalysisExplore : public QTabWidget {
    Q_OBJECT
  public:
    explicit DataAnalysisExplore(QWidget* parent = nullptr);
};

} // namespace dataanalysis
