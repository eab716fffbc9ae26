#pragma once

#include <QWidget>

class QCheckBox;
class QSpinBox;
class QTextBrowser;

namespace kit {
class Canvas;
class CanvasTransform;
} // namespace kit

namespace imaginaries {

// The n-th roots of a draggable w, drawn as the corners of a regular n-gon on their circle,
// and the powers w, w², ..., w^m by De Moivre's theorem spiralling out.
class RootsTab : public QWidget {
    Q_OBJECT
  public:
    static constexpr int largestRootCount = 12;
    static constexpr int largestPower = 8;

    explicit RootsTab(QWidget* parent = nullptr);
    kit::Canvas* canvas() const { return canvas_; }

  private:
    void refresh();
    void paint(QPainter& painter, const kit::CanvasTransform& t) const;

    kit::Canvas* canvas_;
    QSpinBox* rootCount_;
    QCheckBox* showPowers_;
    QSpinBox* powerCount_;
    QTextBrowser* values_;
};

} // namespace imaginaries
