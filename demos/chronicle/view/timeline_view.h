#pragma once

#include "chronicle/core/entry.h"

#include <QWidget>
#include <optional>
#include <vector>

namespace chronicle {

// The horizontal timeline: persons as bars from birth to death (a short bar for the years
// they flourished), works and discoveries as diamonds, each with its name, in as many rows as
// needed so that no two overlap. The mouse wheel zooms about the pointer, dragging pans, and a
// click on an entry selects it. The eras lie along the bottom; a click on one chooses it. From the
// keyboard, + and - zoom, the arrow keys move, Home shows everything. Resting the pointer on an
// entry names it with its dates.
class TimelineView : public QWidget {
    Q_OBJECT
  public:
    explicit TimelineView(const Chronicle& chronicle, QWidget* parent = nullptr);

    // Which entries are drawn (one flag per entry).
    void setShown(std::vector<bool> shown);
    bool isShown(std::size_t entry) const { return shown_.at(entry); }
    void select(std::optional<std::size_t> entry);
    std::optional<std::size_t> selected() const { return selected_; }

    // Fits the shown entries into the width.
    void showAll();
    // Moves the view so that the entry is in the middle, keeping the zoom.
    void centreOn(std::size_t entry);
    // factor > 1 zooms in, keeping the year under x where it is.
    void zoomBy(double factor, double x);

    double yearAt(double x) const;
    double xOf(double year) const;
    double yearsPerPixel() const { return yearsPerPixel_; }
    // The entry drawn at the point, and the middle of an entry's mark (tests click there).
    std::optional<std::size_t> entryAt(QPointF point) const;
    std::optional<QPointF> markCentre(std::size_t entry) const;
    // What the entry takes up: its mark and its name.
    std::optional<QRectF> markArea(std::size_t entry) const;

    QSize sizeHint() const override { return {720, 360}; }

    // The era band under the point (the eras run along the bottom, in two rows).
    std::optional<std::size_t> eraAt(QPointF point) const;
    std::optional<QRectF> eraBand(std::size_t era) const;

  signals:
    void entryClicked(std::size_t entry);
    void eraClicked(std::size_t era);

  protected:
    void paintEvent(QPaintEvent*) override;
    void wheelEvent(QWheelEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool event(QEvent* event) override;

  private:
    struct Mark {
        std::size_t entry;
        QRectF bar;   // the bar or diamond
        QRectF label; // the name beside it
    };
    std::vector<Mark> layoutMarks() const;
    void drawAxis(class QPainter& painter) const;
    void drawMark(QPainter& painter, const Mark& mark) const;
    void drawEras(QPainter& painter) const;
    double marksBottom() const;

    const Chronicle& chronicle_;
    std::vector<bool> shown_;
    std::optional<std::size_t> selected_;
    double leftYear_ = -3000;
    double yearsPerPixel_ = 7;
    double rowOffset_ = 0;
    bool fitted_ = false;
    bool moved_ = false;
    QPointF pressAt_, lastDrag_;
    bool dragging_ = false;
};

} // namespace chronicle
