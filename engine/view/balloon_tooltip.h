#pragma once

#include <QLabel>
#include <QObject>
#include <QPointer>
#include <QString>

namespace engine {

// A tooltip of its own for one control: black text on RGB(214, 245, 88), at most 280
// pixels wide (longer text wraps, a line feed starts a new line), shown whenever the mouse
// rests over the control and hidden when it leaves. Deleted together with its control.
class BalloonTooltip : public QObject {
    Q_OBJECT
  public:
    BalloonTooltip(QWidget* control, const QString& text);
    ~BalloonTooltip() override;

    const QString& text() const { return text_; }
    QLabel* tipWindow() const { return tip_; }
    void showNear(const QPoint& globalPosition);
    void hide();

    static constexpr int maximumWidth = 280;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QWidget* control_;
    QString text_;
    QPointer<QLabel> tip_;
};

} // namespace engine
