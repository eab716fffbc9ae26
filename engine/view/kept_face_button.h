#pragma once

#include <QPushButton>

class QStyleOptionButton;

namespace engine {

// A push button that shows a kept picture of its resting face. The lesson window re-creates
// its buttons on every Page change, so the style would otherwise draw the same few faces
// again and again. The style draws each look (caption, size, font, palette, icon, enabled or
// not) once; a button that has never been pointed at, pressed or focused shows the kept
// picture. Once the learner has touched a button it is drawn by the style as any push
// button is, so hover and press effects and their animations stay the style's own.
class KeptFaceButton : public QPushButton {
    Q_OBJECT
  public:
    KeptFaceButton(const QString& caption, QWidget* parent);

    // Whether the next paint comes from the kept pictures.
    bool showsKeptFace() const;

  protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

  private:
    bool restingLook(const QStyleOptionButton& option) const;

    bool touched_ = false;
};

} // namespace engine
