#pragma once

#include <QLabel>

namespace menu {

// A text link of a subtest window: black text on a transparent background, yellow while
// the pointer is over it, where the pointer becomes the hand. Releasing the left button
// over it issues its control event.
class TopicLink : public QLabel {
    Q_OBJECT
  public:
    TopicLink(int controlNumber, const QString& text, QWidget* parent);

    int controlNumber() const { return controlNumber_; }
    bool isHighlighted() const { return highlighted_; }
    QColor textColour() const;

  signals:
    void controlEvent(int controlNumber);

  protected:
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

  private:
    void showHighlight(bool highlighted);

    int controlNumber_;
    bool highlighted_ = false;
};

} // namespace menu
