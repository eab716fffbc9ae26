#pragma once

#include "arrows/core/exact_vector.h"

#include <QWidget>
#include <optional>

class QLabel;
class QLineEdit;
class QTextBrowser;

namespace arrows {

class SpaceView;

// Two vectors with three components typed exactly, drawn in the turning 3-D view with their
// cross product and the parallelogram whose area it measures.
class SpaceTab : public QWidget {
    Q_OBJECT
  public:
    explicit SpaceTab(QWidget* parent = nullptr);
    // The typed vectors, or nullopt while one of them cannot be read.
    std::optional<ExactVector> a() const;
    std::optional<ExactVector> b() const;
    SpaceView* view() const { return view_; }

  public slots:
    void refresh();

  private:
    QString valuesHtml(const ExactVector& a, const ExactVector& b) const;

    QLineEdit* aField_;
    QLineEdit* bField_;
    QLabel* error_;
    SpaceView* view_;
    QTextBrowser* values_;
};

} // namespace arrows
