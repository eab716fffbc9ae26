#include "doorgame/core/game_texts.h"
#include "doorgame/view/game_window.h"
#include "platform/qt/course_text.h"
#include "platform/qt/font_by_face.h"

#include <QFile>
#include <QFontMetrics>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <array>

namespace {

using doorgame::GamePhase;
using doorgame::GameWindow;

constexpr int pictureSize = 72; // as the shipped door pictures
const QColor background(34, 85, 136);

// Pictures 2 to 6 as plain colours, so that a pixel tells which picture a button shows.
const std::array<QColor, 5> pictureColours{QColor(200, 30, 30), QColor(30, 200, 30),
                                           QColor(200, 200, 30), QColor(128, 128, 128),
                                           QColor(250, 150, 0)};
const std::array<const char*, 5> pictureFiles{"one.jpg", "two.jpg", "three.jpg", "donkey.jpg",
                                              "money.jpg"};

void writePictures(const QString& folder) {
    for (std::size_t i = 0; i < pictureFiles.size(); ++i) {
        QImage picture(pictureSize, pictureSize, QImage::Format_RGB32);
        picture.fill(pictureColours[i]);
        // Saved as a Windows bitmap under the JPEG name: pictures are known by content.
        QVERIFY(picture.save(folder + "/" + pictureFiles[i], "BMP"));
    }
}

QImage windowPixels(GameWindow& window) {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return window.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

bool isTextPixel(QRgb pixel) {
    return qRed(pixel) > 180 && qGreen(pixel) > 180 && qBlue(pixel) > 180;
}

// The first row in [top, top + rows) that has a white pixel between x = left and right,
// or -1 when there is none.
int firstTextRow(const QImage& image, int left, int right, int top, int rows) {
    for (int y = top; y < top + rows; ++y)
        for (int x = left; x < right; ++x)
            if (isTextPixel(image.pixel(x, y)))
                return y;
    return -1;
}

int countTextPixels(const QImage& image, int top, int bottom) {
    int count = 0;
    for (int y = std::max(top, 0); y < bottom; ++y)
        for (int x = 0; x < image.width(); ++x)
            count += isTextPixel(image.pixel(x, y)) ? 1 : 0;
    return count;
}

QPoint doorCentre(int door) {
    return {280 + 83 * (door - 1) + 40, 300};
}

QColor colourAt(const QImage& image, QPoint point) {
    return QColor(image.pixel(point));
}

QPushButton* doorButton(GameWindow& window, int door) {
    return qobject_cast<QPushButton*>(window.childAt(doorCentre(door)));
}

void clickDoor(GameWindow& window, int door) {
    QPushButton* button = doorButton(window, door);
    QVERIFY(button);
    QTest::mouseClick(button, Qt::LeftButton);
}

// Which picture (2..6) a door's button shows, by the colour at its centre; 0 for none.
int shownPicture(const QImage& image, int door) {
    const QColor colour = colourAt(image, doorCentre(door));
    for (std::size_t i = 0; i < pictureColours.size(); ++i)
        if (colour == pictureColours[i])
            return static_cast<int>(i) + 2;
    return 0;
}

} // namespace

class GameWindowTest : public QObject {
    Q_OBJECT

  private slots:
    void init() {
        pictures_ = std::make_unique<QTemporaryDir>();
        writePictures(pictures_->path());
    }

    void windowHasTheFixedSizeTitleAndButtons() {
        GameWindow window(1, pictures_->path().toStdString());
        window.show();
        QCOMPARE(window.windowTitle(), QString("Tridora"));
        QCOMPARE(window.size(), QSize(796, 550));
        QCOMPARE(window.minimumSize(), window.maximumSize());
        QVERIFY(!(window.windowFlags() & Qt::WindowMaximizeButtonHint));
        QVERIFY(window.windowFlags() & Qt::WindowCloseButtonHint);
        QVERIFY(window.windowFlags() & Qt::WindowMinimizeButtonHint);
        for (int door = 1; door <= 3; ++door) {
            QPushButton* button = doorButton(window, door);
            QVERIFY(button);
            QCOMPARE(button->geometry(), QRect(280 + 83 * (door - 1), 260, 80, 80));
            QCOMPARE(button->focusPolicy(), Qt::NoFocus);
        }
    }

    void backgroundCarriesTheTextLinesAtTheirPlaces() {
        GameWindow window(1, pictures_->path().toStdString());
        window.show();
        const QImage image = windowPixels(window);
        QCOMPARE(colourAt(image, {790, 545}), background);
        QCOMPARE(colourAt(image, {100, 300}), background);
        const int linesY[] = {1,   20,  40,  60,  80,  100, 120, 140, 180, 200,
                              220, 240, 400, 420, 440, 460, 480, 500, 520};
        for (const int y : linesY) {
            const int top = firstTextRow(image, 0, 796, y, 20);
            // The text's top-left corner is its position: glyphs start at or just below y.
            QVERIFY2(top >= y && top <= y + 6, qPrintable(QString("line at y = %1").arg(y)));
            // Nearly all of a line lies below its position; above it are at most the
            // descenders of the line before.
            QVERIFY2(countTextPixels(image, y, y + 20) > 4 * countTextPixels(image, y - 4, y),
                     qPrintable(QString("line at y = %1").arg(y)));
        }
        QCOMPARE(firstTextRow(image, 0, 796, 160, 20), -1);     // the empty ninth line
        QVERIFY(firstTextRow(image, 200, 796, 340, 20) >= 340); // "Pick a door."
        QCOMPARE(firstTextRow(image, 0, 200, 340, 20), -1);
        QCOMPARE(firstTextRow(image, 0, 796, 360, 40), -1); // no statistics yet
    }

    void buttonsShowTheirPicturesUnscaledAndCentred() {
        GameWindow window(1, pictures_->path().toStdString());
        window.show();
        const QImage image = windowPixels(window);
        for (int door = 1; door <= 3; ++door) {
            const QColor colour = pictureColours[static_cast<std::size_t>(door - 1)];
            const int left = 280 + 83 * (door - 1);
            QCOMPARE(colourAt(image, doorCentre(door)), colour);
            QCOMPARE(colourAt(image, {left + 4, 264}), colour);
            QCOMPARE(colourAt(image, {left + 75, 335}), colour);
            QVERIFY(colourAt(image, {left + 3, 300}) != colour);
            QVERIFY(colourAt(image, {left + 76, 300}) != colour);
        }
    }

    void clicksPlayAGameOnTheWindow() {
        GameWindow window(7, pictures_->path().toStdString());
        window.show();
        clickDoor(window, 1);
        const auto& state = window.game().state();
        QCOMPARE(state.phase, GamePhase::AwaitFinal);
        const QImage afterPick = windowPixels(window);
        QCOMPARE(shownPicture(afterPick, state.openedDoor), doorgame::donkeyPicture);
        QCOMPARE(shownPicture(afterPick, 1), 2);

        clickDoor(window, state.openedDoor);
        QCOMPARE(state.phase, GamePhase::AwaitFinal);
        QCOMPARE(windowPixels(window), afterPick);

        clickDoor(window, 1);
        QCOMPARE(state.phase, GamePhase::GameOver);
        const QImage afterGame = windowPixels(window);
        for (int door = 1; door <= 3; ++door)
            QCOMPARE(shownPicture(afterGame, door), state.pictureOf(door));
        QVERIFY(firstTextRow(afterGame, 200, 796, 360, 20) >= 360);
        QVERIFY(firstTextRow(afterGame, 200, 796, 380, 20) >= 380);

        clickDoor(window, 3);
        QCOMPARE(state.phase, GamePhase::AwaitPick);
        const QImage nextGame = windowPixels(window);
        for (int door = 1; door <= 3; ++door)
            QCOMPARE(shownPicture(nextGame, door), door + 1);
    }

    void clicksBesideTheDoorsDoNothing() {
        GameWindow window(7, pictures_->path().toStdString());
        window.show();
        const QImage before = windowPixels(window);
        QTest::mouseClick(&window, Qt::LeftButton, {}, QPoint(100, 300));
        QTest::mouseClick(&window, Qt::LeftButton, {}, QPoint(50, 10));
        QCOMPARE(window.game().state().phase, GamePhase::AwaitPick);
        QCOMPARE(windowPixels(window), before);
    }

    void missingOrBrokenPicturesLeaveButtonsThatStillPlay() {
        // No pictures at all but a door picture that is cut short after its JPEG marker.
        QTemporaryDir folder;
        QFile corrupt(folder.path() + "/two.jpg");
        QVERIFY(corrupt.open(QIODevice::WriteOnly));
        corrupt.write("\xFF\xD8\xFF\xE0 not really a picture");
        corrupt.close();
        GameWindow window(7, folder.path().toStdString());
        window.show();
        const QImage image = windowPixels(window);
        for (int door = 1; door <= 3; ++door) {
            QCOMPARE(shownPicture(image, door), 0);
            QVERIFY(colourAt(image, doorCentre(door)) != background);
        }
        clickDoor(window, 2);
        QCOMPARE(window.game().state().phase, GamePhase::AwaitFinal);
    }

    void everyLineFitsInsideTheWindow() {
        const QFont font = platform::fontByFace("Arial", 12, false);
        const QFontMetrics metrics(font);
        auto fits = [&](std::string_view text, int x) {
            return x + metrics.horizontalAdvance(platform::fromWindows1252(text)) <= 796;
        };
        for (const auto line : doorgame::explanationLines())
            QVERIFY2(fits(line, 1), line.data());
        for (const auto line : doorgame::instructionLines())
            QVERIFY2(fits(line, 1), line.data());
        QVERIFY(fits("In 1000000 games in which you have not switched, you have won 1000000 "
                     "times.",
                     200));
        QVERIFY(fits("You lose! Click a door to play again or close window to quit", 200));
    }

  private:
    std::unique_ptr<QTemporaryDir> pictures_;
};

QTEST_MAIN(GameWindowTest)
#include "game_window_test.moc"
