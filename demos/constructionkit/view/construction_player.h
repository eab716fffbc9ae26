#pragma once

#include "constructionkit/core/construction.h"
#include "constructionkit/core/figure.h"
#include "constructionkit/core/try_it.h"

#include <QWidget>
#include <memory>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QStackedWidget;
class QTextBrowser;
class QTimer;

namespace kit {
class Canvas;
class CanvasTransform;
} // namespace kit

namespace constructions {

class PickingCanvas;

// The explore area of a construction program. Watch: step forward and back or play, the
// compass and straight edge drawn as they move, each step's reason beside it and at the end
// why the construction works. Try it: the learner draws with the straight edge and the compass
// (clicking points, or typing "circle A B"), each use checked against the construction. In
// both the given points can be dragged and the whole construction follows at once.
class ConstructionPlayer : public QWidget {
    Q_OBJECT
  public:
    ConstructionPlayer(std::shared_ptr<const Construction> construction, QWidget* parent = nullptr);

    int shownSteps() const { return shown_; }
    const Figure& figure() const { return figure_; }
    const TryIt& tryIt() const { return *tryIt_; }

  public slots:
    void stepForward();
    void stepBack();
    void togglePlay();
    void restart();
    void chooseMode(int mode);
    void drawTyped();
    void startOver();
    void showHint();

  private:
    enum class Tool { None, StraightEdge, Compass, CompassBySegment };

    QWidget* makeWatchControls();
    QWidget* makeTryControls();
    void fitControlsToMode();
    void givenMoved();
    void advanceAnimation();
    void showCaption();
    void paint(QPainter& painter, const kit::CanvasTransform& t);
    void paintWatch(QPainter& painter, const kit::CanvasTransform& t);
    void paintTry(QPainter& painter, const kit::CanvasTransform& t);
    void pointPicked(const QString& name);
    void chooseTool(Tool tool);
    void tryUse(const ToolUse& use);
    std::vector<Vec2> givenPositions() const;
    QRectF fittingView() const;

    std::shared_ptr<const Construction> c_;
    Figure figure_;
    std::unique_ptr<TryIt> tryIt_;
    int shown_ = 0;         // steps shown in Watch
    double progress_ = 1.0; // of the last shown step
    bool playing_ = false;
    bool trying_ = false;
    Tool tool_ = Tool::None;
    std::vector<std::string> picked_;

    PickingCanvas* canvas_ = nullptr;
    QComboBox* mode_ = nullptr;
    QStackedWidget* controls_ = nullptr;
    QLabel* stepLabel_ = nullptr;
    QTextBrowser* caption_ = nullptr;
    QPushButton* back_ = nullptr;
    QPushButton* forward_ = nullptr;
    QPushButton* play_ = nullptr;
    QPushButton* edge_ = nullptr;
    QPushButton* compass_ = nullptr;
    QPushButton* segmentCompass_ = nullptr;
    QLineEdit* typed_ = nullptr;
    QLabel* tryVerdict_ = nullptr;
    QLabel* pickedLabel_ = nullptr;
    QTimer* timer_ = nullptr;
};

} // namespace constructions
