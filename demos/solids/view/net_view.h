#pragma once

#include "solids/core/net.h"

#include <QColor>
#include <QWidget>

namespace solids {

// The net of a solid drawn flat and fitted to the widget: cut along the solid lines, fold along
// the dashed ones; the faces are numbered.
class NetView : public QWidget {
    Q_OBJECT
  public:
    explicit NetView(QWidget* parent = nullptr);
    void setNet(Net net, QColor colour);
    const Net& net() const { return net_; }

    QSize sizeHint() const override { return {460, 400}; }
    QSize minimumSizeHint() const override { return {220, 200}; }

  protected:
    void paintEvent(QPaintEvent*) override;

  private:
    Net net_;
    QColor colour_;
};

} // namespace solids
